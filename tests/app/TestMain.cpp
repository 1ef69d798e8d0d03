// The window's tests need one QApplication for the whole run; the system's text is UTF-8.
#include <gtest/gtest.h>

#include <QApplication>

#include "platform/CodePage.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Runs the window's test classes: all of them, or the one named by the first argument (the
// remaining arguments go to Qt Test).
#include <QApplication>
#include <QTest>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

#include "BrowseTest.h"
#include "ConversionTest.h"
#include "DisplayBindingTest.h"
#include "FieldCheckTest.h"
#include "SheetLayoutTest.h"
#include "platform/CodePage.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    z2k::setActiveCodePage(z2k::CodePage::Utf8);
    const std::vector<std::pair<const char*, std::function<QObject*()>>> classes = {
        {"SheetLayoutTest", [] { return new z2k::test::SheetLayoutTest; }},
        {"FieldCheckTest", [] { return new z2k::test::FieldCheckTest; }},
        {"BrowseTest", [] { return new z2k::test::BrowseTest; }},
        {"ConversionTest", [] { return new z2k::test::ConversionTest; }},
        {"DisplayBindingTest", [] { return new z2k::test::DisplayBindingTest; }},
    };
    const char* only = nullptr;
    std::vector<char*> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (i == 1 && argv[i][0] != '-') {
            only = argv[i];
        } else {
            rest.push_back(argv[i]);
        }
    }
    int failures = 0;
    int ran = 0;
    for (const auto& [name, make] : classes) {
        if (only != nullptr && std::strcmp(only, name) != 0) continue;
        QObject* test = make();
        failures += QTest::qExec(test, static_cast<int>(rest.size()), rest.data());
        delete test;
        ++ran;
    }
    return ran == 0 ? 1 : failures;
}

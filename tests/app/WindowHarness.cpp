#include "WindowHarness.h"

#include <QTabWidget>
#include <QTest>

namespace z2k::test {

WindowHarness::WindowHarness() : sheet(std::make_unique<CZatToKorPropertySheet>(pickers, alerts)) {}

WindowHarness::~WindowHarness() = default;

bool WindowHarness::showPage(int index) {
    sheet->tabs()->setCurrentIndex(index);
    sheet->show();
    return QTest::qWaitForWindowExposed(sheet.get());
}

QString screenshotDir() {
    return QStringLiteral(Z2K_SCREENSHOT_DIR);
}

}  // namespace z2k::test

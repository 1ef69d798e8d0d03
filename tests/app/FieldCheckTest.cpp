#include "FieldCheckTest.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <filesystem>

#include "CPropertyPageMulti.h"
#include "CZatToKorPropertyPage.h"
#include "PageControls.h"
#include "WindowHarness.h"

namespace z2k::test {

namespace {

const QString kIncomplete = QStringLiteral("Entry fields are incomplete.");
const QString kNoProject = QStringLiteral("The specified ZAT project cannot be found.");
const QString kNoDirectory = QStringLiteral("The specified Workspace directory does not exist.");
const QString kBadName = QStringLiteral("The KOR workspace name is not a valid file name.");

// D: holds a.zat, a folder dir.zat and a folder sub.
std::unique_ptr<TempFolder> makeDriveD() {
    auto folder = std::make_unique<TempFolder>('D');
    folder->write("a.zat", "not read by the checks\n");
    std::filesystem::create_directories(folder->path() / "dir.zat");
    std::filesystem::create_directories(folder->path() / "sub");
    return folder;
}

// Host paths inside the temporary folder are written with "<D>" in the tables.
QString expand(QString text, const TempFolder& folder) {
    return text.replace(QStringLiteral("<D>"), QString::fromStdString(folder.path().string()));
}

// Clicks Convert with the focus on `start` and checks what the failed check left behind.
void convertAndExpectAlert(WindowHarness& h, QWidget* start, const QString& message, QWidget* focus) {
    start->setFocus();
    QCOMPARE(h.sheet->focusWidget(), start);
    h.sheet->convertButton()->click();
    QCOMPARE(h.alerts.alerts.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(h.alerts.alerts[0].text), message);
    QCOMPARE(h.alerts.alerts[0].title, std::string());  // the application's title
    QCOMPARE(h.alerts.alerts[0].icon, AlertIcon::Warning);
    QCOMPARE(h.sheet->focusWidget(), focus != nullptr ? focus : start);
    QVERIFY(h.sheet->convertButton()->isEnabled());
    QVERIFY(h.sheet->closeButton()->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

}  // namespace

void FieldCheckTest::singlePageChecks_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");  // the control that gets the focus; empty: unchanged
    QTest::newRow("all empty") << ""
                               << "" << kIncomplete << "single.projectFile";
    QTest::newRow("empty file name") << ""
                                     << "ws" << kIncomplete << "single.projectFile";
    QTest::newRow("empty workspace name") << "D:\\a.zat"
                                          << "" << kIncomplete << "single.workspaceName";
    QTest::newRow("missing file") << "D:\\b.zat"
                                  << "ws" << kNoProject << "";
    QTest::newRow("workspace name not a file name") << "D:\\b.zat"
                                                    << "..\\ws" << kBadName << "single.workspaceName";
    // The driver would add ".zat", but the check looks for the file as typed.
    QTest::newRow("extension left out") << "D:\\a"
                                        << "ws" << kNoProject << "";
    QTest::newRow("directory") << "D:\\dir.zat"
                               << "ws" << kNoProject << "";
    QTest::newRow("relative") << "a.zat"
                              << "ws" << kNoProject << "";
    QTest::newRow("drive relative") << "D:a.zat"
                                    << "ws" << kNoProject << "";
    QTest::newRow("forbidden character") << "D:\\a?.zat"
                                         << "ws" << kNoProject << "";
    QTest::newRow("forbidden pipe") << "D:\\a|b.zat"
                                    << "ws" << kNoProject << "";
    QTest::newRow("unmapped drive") << "Q:\\a.zat"
                                    << "ws" << kNoProject << "";
    QTest::newRow("host directory") << "<D>/dir.zat"
                                    << "ws" << kNoProject << "";
    QTest::newRow("host relative") << "./a.zat"
                                   << "ws" << kNoProject << "";
}

void FieldCheckTest::singlePageChecks() {
    QFETCH(QString, file);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    auto drive = makeDriveD();
    WindowHarness h;
    QVERIFY(h.showPage(0));
    CZatToKorPropertyPage* page = h.sheet->singlePage();
    page->projectFileEdit()->setText(expand(file, *drive));
    page->workspaceNameEdit()->setText(name);
    convertAndExpectAlert(h, page->browseButton(), message,
                          focus.isEmpty() ? nullptr : pageControl(*h.sheet, focus));
    // No conversion ran: nothing was reported and nothing was written.
    QCOMPARE(page->resultsEdit()->text(), QString());
    QCOMPARE(page->totalProgressBar()->value(), 0);
    QVERIFY(!std::filesystem::exists(drive->path() / "ws.krs"));
    QVERIFY(!std::filesystem::exists(drive->path() / "a.krp"));
}

void FieldCheckTest::multiplePageChecks_data() {
    QTest::addColumn<QString>("directory");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("family");  // index in the list; -1: none chosen
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("all empty") << ""
                               << "" << -1 << kIncomplete << "multi.directory";
    QTest::newRow("empty directory") << ""
                                     << "ws" << 0 << kIncomplete << "multi.directory";
    QTest::newRow("empty workspace name") << "D:\\sub"
                                          << "" << 0 << kIncomplete << "multi.workspaceName";
    QTest::newRow("no family chosen") << "D:\\sub"
                                      << "ws" << -1 << kIncomplete << "multi.family";
    QTest::newRow("workspace name not a file name") << "D:\\none"
                                                    << "a/b" << 1 << kBadName << "multi.workspaceName";
    QTest::newRow("trailing backslash") << "D:\\sub\\"
                                        << "ws" << 1 << kNoDirectory << "";
    QTest::newRow("missing directory") << "D:\\none"
                                       << "ws" << 1 << kNoDirectory << "";
    QTest::newRow("a file") << "D:\\a.zat"
                            << "ws" << 1 << kNoDirectory << "";
    QTest::newRow("relative") << "sub"
                              << "ws" << 1 << kNoDirectory << "";
    QTest::newRow("forbidden character") << "D:\\s*b"
                                         << "ws" << 1 << kNoDirectory << "";
    QTest::newRow("host file") << "<D>/a.zat"
                               << "ws" << 1 << kNoDirectory << "";
}

void FieldCheckTest::multiplePageChecks() {
    QFETCH(QString, directory);
    QFETCH(QString, name);
    QFETCH(int, family);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    auto drive = makeDriveD();
    WindowHarness h;
    QVERIFY(h.showPage(1));
    CPropertyPageMulti* page = h.sheet->multiplePage();
    page->workspaceDirectoryEdit()->setText(expand(directory, *drive));
    page->workspaceNameEdit()->setText(name);
    page->cpuFamilyList()->setCurrentIndex(family);
    convertAndExpectAlert(h, page->browseButton(), message,
                          focus.isEmpty() ? nullptr : pageControl(*h.sheet, focus));
    QCOMPARE(page->resultsBox()->toPlainText(), QString());
    QCOMPARE(page->totalProgressBar()->value(), 0);
}

void FieldCheckTest::checksAreOfThePageShowing() {
    auto drive = makeDriveD();
    WindowHarness h;
    // The multiple page is complete, the single page is not: the single page's check speaks.
    QVERIFY(h.showPage(1));
    h.sheet->multiplePage()->workspaceDirectoryEdit()->setText(QStringLiteral("D:\\none"));
    h.sheet->multiplePage()->workspaceNameEdit()->setText(QStringLiteral("ws"));
    h.sheet->multiplePage()->cpuFamilyList()->setCurrentIndex(0);
    QVERIFY(h.showPage(0));
    h.sheet->convertButton()->click();
    QCOMPARE(h.alerts.alerts.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(h.alerts.alerts[0].text), kIncomplete);
    QCOMPARE(h.sheet->focusWidget(), h.sheet->singlePage()->projectFileEdit());
    QVERIFY(h.showPage(1));
    h.sheet->convertButton()->click();
    QCOMPARE(h.alerts.alerts.size(), std::size_t{2});
    QCOMPARE(QString::fromStdString(h.alerts.alerts[1].text), kNoDirectory);
}

void FieldCheckTest::focusStaysOnConvertWhenItWasClicked() {
    auto drive = makeDriveD();
    WindowHarness h;
    QVERIFY(h.showPage(0));
    h.sheet->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(h.sheet.get()));
    h.sheet->singlePage()->projectFileEdit()->setText(QStringLiteral("D:\\b.zat"));
    h.sheet->singlePage()->workspaceNameEdit()->setText(QStringLiteral("ws"));
    // A click gives Convert the focus; disabling it during the checks must not lose it.
    QTest::mouseClick(h.sheet->convertButton(), Qt::LeftButton);
    QCOMPARE(h.alerts.alerts.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(h.alerts.alerts[0].text), kNoProject);
    QCOMPARE(h.sheet->focusWidget(), h.sheet->convertButton());
    QVERIFY(h.sheet->convertButton()->hasFocus());
}

}  // namespace z2k::test

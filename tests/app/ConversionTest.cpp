#include "ConversionTest.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <vector>

#include "CPropertyPageMulti.h"
#include "CZatToKorPropertyPage.h"
#include "WindowHarness.h"

namespace z2k::test {

namespace {

namespace fs = std::filesystem;

// The state of the window each time a watched control changed during a conversion.
struct Moment {
    int position;
    bool convertEnabled;
    bool closeEnabled;
    Qt::CursorShape cursor;
};

Qt::CursorShape currentCursor() {
    const QCursor* cursor = QApplication::overrideCursor();
    return cursor != nullptr ? cursor->shape() : Qt::ArrowCursor;
}

// Watches a progress bar and records every position with the buttons and cursor of the moment.
std::vector<Moment>* watch(QProgressBar* bar, const CZatToKorPropertySheet& sheet) {
    auto* moments = new std::vector<Moment>;
    QObject::connect(bar, &QProgressBar::valueChanged, bar, [moments, &sheet](int value) {
        moments->push_back(
            {value, sheet.convertButton()->isEnabled(), sheet.closeButton()->isEnabled(), currentCursor()});
    });
    QObject::connect(bar, &QObject::destroyed, [moments] { delete moments; });
    return moments;
}

std::vector<int> positions(const std::vector<Moment>& moments) {
    std::vector<int> result;
    for (const Moment& m : moments) result.push_back(m.position);
    return result;
}

void expectBusyThroughout(const std::vector<Moment>& moments) {
    for (const Moment& m : moments) {
        QVERIFY(!m.convertEnabled);
        QVERIFY(!m.closeEnabled);
        QCOMPARE(m.cursor, Qt::WaitCursor);
    }
}

void expectIdle(const CZatToKorPropertySheet& sheet) {
    QVERIFY(sheet.convertButton()->isEnabled());
    QVERIFY(sheet.closeButton()->isEnabled());
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

// Copies an example folder into the folder mapped as D:, so nothing is converted in the source tree.
bool copyExample(const TempFolder& drive, const char* example) {
    const fs::path source = fs::path(Z2K_EXAMPLES_DIR) / example;
    if (!fs::is_directory(source)) return false;
    fs::copy(source, drive.path() / example, fs::copy_options::recursive);
    return true;
}

QString host(const TempFolder& drive, const char* relative) {
    return QString::fromStdString((drive.path() / relative).string());
}

}  // namespace

void ConversionTest::singleConversionOfTheMotorExample_data() {
    QTest::addColumn<QString>("typed");  // "<D>" stands for the host folder mapped as D:
    QTest::addColumn<QString>("workspace");
    QTest::newRow("drive path") << "D:\\quarix\\motor.zat"
                                << "motorws";
    QTest::newRow("workspace name with extension") << "D:\\quarix\\motor.zat"
                                                   << "motorws.krs";
    QTest::newRow("host path") << "<D>/quarix/motor.zat"
                               << "motorws";
}

void ConversionTest::singleConversionOfTheMotorExample() {
    QFETCH(QString, typed);
    QFETCH(QString, workspace);
    TempFolder drive('D');
    QVERIFY(copyExample(drive, "quarix"));
    WindowHarness h;
    QVERIFY(h.showPage(0));
    CZatToKorPropertyPage* page = h.sheet->singlePage();
    page->projectFileEdit()->setText(typed.replace(QStringLiteral("<D>"), host(drive, "")));
    page->workspaceNameEdit()->setText(workspace);
    std::vector<Moment>* moments = watch(page->totalProgressBar(), *h.sheet);
    QStringList shown;
    connect(page->resultsEdit(), &QLineEdit::textChanged, page,
            [&shown](const QString& text) { shown << text; });

    QTest::mouseClick(h.sheet->convertButton(), Qt::LeftButton);

    QCOMPARE(h.alerts.alerts.size(), std::size_t{0});
    QCOMPARE(page->resultsEdit()->text(), QStringLiteral("Project converted successfully."));
    QCOMPARE(page->resultsDisplay().text(), std::string("Project converted successfully."));
    QVERIFY(shown.contains(QStringLiteral("Converting project details...")));
    QCOMPARE(page->totalProgressBar()->value(), 100);
    QCOMPARE(positions(*moments), (std::vector<int>{25, 50, 66, 100}));
    expectBusyThroughout(*moments);
    expectIdle(*h.sheet);
    // The project beside its .zat file, the workspace beside it with the name typed.
    QVERIFY(fs::is_regular_file(drive.path() / "quarix" / "motor.krp"));
    QVERIFY(fs::is_regular_file(drive.path() / "quarix" / "motorws.krs"));
    QVERIFY(!fs::exists(drive.path() / "quarix" / "motorws.krs.krs"));
    // The fields stay as they were.
    QCOMPARE(page->workspaceNameEdit()->text(), workspace);
}

void ConversionTest::singleConversionThatCannotRead() {
    TempFolder drive('D');
    drive.write("p/broken.zat", "no database here\n");
    WindowHarness h;
    QVERIFY(h.showPage(0));
    CZatToKorPropertyPage* page = h.sheet->singlePage();
    page->projectFileEdit()->setText(QStringLiteral("D:\\p\\broken.zat"));
    page->workspaceNameEdit()->setText(QStringLiteral("ws"));
    std::vector<Moment>* moments = watch(page->totalProgressBar(), *h.sheet);
    h.sheet->convertButton()->click();
    // The one-line results control shows the message, then the path and the reason.
    QCOMPARE(page->resultsEdit()->text(),
             QStringLiteral("Error reading ZAT project file. D:\\p\\broken.zat: not a text database: the "
                            "first line is not [ZATDBVersion]"));
    QCOMPARE(positions(*moments), (std::vector<int>{25, 0}));
    expectBusyThroughout(*moments);
    expectIdle(*h.sheet);
    QVERIFY(!fs::exists(drive.path() / "p" / "ws.krs"));
}

void ConversionTest::singleConversionStoppedByAMessageBox() {
    TempFolder drive('D');
    QVERIFY(copyExample(drive, "quarix"));
    // The header extension given to a second group: the translation stops with a message box.
    std::string project = drive.read("quarix/motor.zat");
    const std::string header = "\"C header file\" \"h\" 1 ";
    const std::size_t at = project.find(header);
    QVERIFY(at != std::string::npos);
    project.replace(at, header.size(), "\"Script\" \"h\" 0 ");
    drive.write("quarix/motor.zat", project);
    WindowHarness h;
    QVERIFY(h.showPage(0));
    CZatToKorPropertyPage* page = h.sheet->singlePage();
    page->projectFileEdit()->setText(QStringLiteral("D:\\quarix\\motor.zat"));
    page->workspaceNameEdit()->setText(QStringLiteral("motorws"));
    std::vector<Moment>* moments = watch(page->totalProgressBar(), *h.sheet);
    h.sheet->convertButton()->click();
    QCOMPARE(h.alerts.alerts.size(), std::size_t{1});
    const QString shown = QString::fromStdString(h.alerts.alerts[0].text);
    QVERIFY2(shown.startsWith(QStringLiteral("Error: The file extension \"h\" is defined twice for:")),
             qPrintable(shown));
    QVERIFY(shown.contains(QStringLiteral("Script")));
    QCOMPARE(page->resultsEdit()->text(), QStringLiteral("Error converting project details."));
    QCOMPARE(positions(*moments), (std::vector<int>{25, 50, 0}));
    expectIdle(*h.sheet);
    QVERIFY(!fs::exists(drive.path() / "quarix" / "motor.krp"));
    QVERIFY(!fs::exists(drive.path() / "quarix" / "motorws.krs"));
}

void ConversionTest::multipleConversionOfTheTreeExample_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QStringList>("converted");
    // The search meets the tree in name order, a folder's projects where the folder is met.
    QTest::newRow("Quarix") << "Quarix RISC engine"
                            << QStringList{"D:\\tree\\blinker.zat", "D:\\tree\\drives\\axis.zat",
                                           "D:\\tree\\drives\\legacy\\SPINDLE.ZAT"};
    QTest::newRow("Nerak") << "Nerak"
                           << QStringList{"D:\\tree\\sensors\\field\\remote\\logger.zat",
                                          "D:\\tree\\sensors\\probe.zat"};
}

void ConversionTest::multipleConversionOfTheTreeExample() {
    QFETCH(QString, family);
    QFETCH(QStringList, converted);
    TempFolder drive('D');
    QVERIFY(copyExample(drive, "tree"));
    WindowHarness h;
    QVERIFY(h.showPage(1));
    CPropertyPageMulti* page = h.sheet->multiplePage();
    page->workspaceDirectoryEdit()->setText(QStringLiteral("D:\\tree"));
    page->workspaceNameEdit()->setText(QStringLiteral("all"));
    page->cpuFamilyList()->setCurrentIndex(page->cpuFamilyList()->findText(family));
    QVERIFY(page->cpuFamilyList()->currentIndex() >= 0);
    std::vector<Moment>* current = watch(page->currentProgressBar(), *h.sheet);
    std::vector<Moment>* total = watch(page->totalProgressBar(), *h.sheet);
    QStringList statuses;
    connect(page->statusEdit(), &QLineEdit::textChanged, page,
            [&statuses](const QString& t) { statuses << t; });

    QTest::mouseClick(h.sheet->convertButton(), Qt::LeftButton);

    QCOMPARE(h.alerts.alerts.size(), std::size_t{0});
    QStringList lines{"Searching for ZAT projects..."};
    std::vector<int> currentPositions;
    for (const QString& project : converted) {
        lines << QStringLiteral("Converting project ") + project + QStringLiteral("...")
              << QStringLiteral("Project converted.");
        currentPositions.insert(currentPositions.end(), {25, 50, 66, 100});
    }
    lines << QString::number(converted.size()) + QStringLiteral(" project(s) converted successfully.");
    QCOMPARE(page->resultsBox()->toPlainText(), lines.join(QLatin1Char('\n')));
    QCOMPARE(page->resultsDisplay().text(), lines.join(QStringLiteral("\r\n")).toStdString());
    // The last line is in view.
    QScrollBar* scroll = page->resultsBox()->verticalScrollBar();
    QCOMPARE(scroll->value(), scroll->maximum());
    // Five projects found: the overall bar steps by 20 for each, converted or skipped.
    QCOMPARE(positions(*total), (std::vector<int>{20, 40, 60, 80, 100}));
    QCOMPARE(positions(*current), currentPositions);
    QCOMPARE(page->totalProgressBar()->value(), 100);
    QCOMPARE(page->currentProgressBar()->value(), 100);
    QVERIFY(statuses.contains(QStringLiteral("Converting project details...")));
    QCOMPARE(page->statusEdit()->text(), QString());
    expectBusyThroughout(*current);
    expectBusyThroughout(*total);
    expectIdle(*h.sheet);
    QVERIFY(fs::is_regular_file(drive.path() / "tree" / "all.krs"));
    for (const QString& project : converted) {
        QString krp = project.mid(3).replace(QLatin1Char('\\'), QLatin1Char('/'));
        krp.chop(4);
        QVERIFY2(fs::is_regular_file(drive.path() / (krp + QStringLiteral(".krp")).toStdString()),
                 qPrintable(krp));
    }
}

void ConversionTest::multipleConversionWithNoMatchingFamily() {
    TempFolder drive('D');
    QVERIFY(copyExample(drive, "nerak"));
    WindowHarness h;
    QVERIFY(h.showPage(1));
    CPropertyPageMulti* page = h.sheet->multiplePage();
    page->workspaceDirectoryEdit()->setText(QStringLiteral("D:\\nerak"));
    page->workspaceNameEdit()->setText(QStringLiteral("none"));
    page->cpuFamilyList()->setCurrentIndex(
        page->cpuFamilyList()->findText(QStringLiteral("Quarix RISC engine")));
    std::vector<Moment>* current = watch(page->currentProgressBar(), *h.sheet);
    std::vector<Moment>* total = watch(page->totalProgressBar(), *h.sheet);
    h.sheet->convertButton()->click();
    QCOMPARE(h.alerts.alerts.size(), std::size_t{0});
    QCOMPARE(page->resultsBox()->toPlainText(),
             QStringLiteral("Searching for ZAT projects...\nNo projects found to convert."));
    QCOMPARE(positions(*total), (std::vector<int>{100, 0}));
    QCOMPARE(positions(*current), std::vector<int>{});
    expectBusyThroughout(*total);
    expectIdle(*h.sheet);
    QVERIFY(!fs::exists(drive.path() / "nerak" / "none.krs"));
    QVERIFY(!fs::exists(drive.path() / "nerak" / "sensor.krp"));
}

void ConversionTest::screenshotAfterAMultipleConversion() {
    TempFolder drive('D');
    QVERIFY(copyExample(drive, "tree"));
    WindowHarness h;
    QVERIFY(h.showPage(1));
    CPropertyPageMulti* page = h.sheet->multiplePage();
    page->workspaceDirectoryEdit()->setText(QStringLiteral("D:\\tree"));
    page->workspaceNameEdit()->setText(QStringLiteral("all"));
    page->cpuFamilyList()->setCurrentIndex(0);
    h.sheet->convertButton()->click();
    QVERIFY(
        page->resultsBox()->toPlainText().endsWith(QStringLiteral("2 project(s) converted successfully.")));
    QVERIFY(QDir().mkpath(screenshotDir()));
    const QString file = screenshotDir() + QStringLiteral("/multiple-page-converted.png");
    QFile::remove(file);
    QVERIFY(h.sheet->grab().save(file));
    QVERIFY(!QImage(file).isNull());
}

}  // namespace z2k::test

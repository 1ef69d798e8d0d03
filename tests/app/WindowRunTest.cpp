// The window driven from the keyboard, stopped in the middle of a folder run, and telling what a
// conversion left behind, with the options it remembers between runs.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <filesystem>
#include <functional>

#include "MultipleProjectsPage.h"
#include "OptionsRow.h"
#include "ReportDialog.h"
#include "SingleProjectPage.h"
#include "WindowHarness.h"

namespace z2k::test {
namespace {

namespace fs = std::filesystem;

// Copies the examples to D: and adds a project whose translation fails with a message box.
void examplesWithFailure(const TempFolder& d, const std::string& failing) {
    fs::copy(Z2K_EXAMPLES_DIR, d.path(), fs::copy_options::recursive);
    const std::string header = "\"C header file\" \"h\" 1 ";
    std::string motor = d.read("quarix/motor.zat");
    d.write(failing, motor.replace(motor.find(header), header.size(), "\"Script\" \"h\" 0 "));
}

TEST(WindowRunTest, TheKeyboardStartsInTheFirstFieldAndReachesEveryField) {
    for (int page : {0, 1}) {
        WindowHarness h;
        ASSERT_TRUE(h.showPage(page));
        auto* shown = static_cast<ConverterPage*>(h.window->tabs()->currentWidget());
        EXPECT_EQ(h.window->focusWidget(), shown->firstField());
        EXPECT_TRUE(h.window->convertButton()->isDefault());
        // Every label of a field names it with a letter of its own, and Alt with it goes there.
        QList<QWidget*> visible = shown->findChildren<QWidget*>();
        visible += h.window->options()->findChildren<QWidget*>();
        QString letters = QStringLiteral("ONC");  // C&onvert, Ca&ncel, &Close
        for (QWidget* widget : visible) {
            auto* label = qobject_cast<QLabel*>(widget);
            const QString text = label != nullptr ? label->text() : widget->property("text").toString();
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            if (amp < 0) continue;
            const QChar letter = text.at(amp + 1).toUpper();
            EXPECT_FALSE(letters.contains(letter)) << text.toStdString();
            letters += letter;
            if (label == nullptr) continue;
            ASSERT_NE(label->buddy(), nullptr) << text.toStdString();
            QTest::keyClick(h.window.get(), letter.toLatin1(), Qt::AltModifier);
            EXPECT_EQ(h.window->focusWidget(), label->buddy()) << text.toStdString();
        }
        EXPECT_GE(letters.size(), page == 0 ? 9 : 10);
        // Enter in a field converts.
        QTest::keyClick(shown->firstField(), Qt::Key_Return);
        ASSERT_EQ(h.alerts.alerts.size(), 1u);
        EXPECT_EQ(h.alerts.alerts[0].text, "Entry fields are incomplete.");
    }
}

// A folder run stopped while a message box of its second project is up: Cancel, Esc and the
// window's close box each end it after that project, with the workspace of the first.
TEST(WindowRunTest, AStoppedFolderRunEndsAfterItsProjectWithTheWorkspaceOfThoseConverted) {
    const std::function<void(ConverterWindow&)> stops[] = {
        [](ConverterWindow& w) { w.cancelButton()->click(); },
        [](ConverterWindow& w) { QTest::keyClick(&w, Qt::Key_Escape); },
        [](ConverterWindow& w) { w.close(); }};
    for (std::size_t i = 0; i < std::size(stops); ++i) {
        SCOPED_TRACE(i);
        TempFolder d('D');
        examplesWithFailure(d, "tree/drives/axis.zat");
        struct StoppingAlerts : Alerts {
            void show(std::string_view, std::string_view, AlertIcon) override { stop(*window); }
            ConverterWindow* window = nullptr;
            std::function<void(ConverterWindow&)> stop;
        } alerts;
        FakePickers pickers;
        HostSettings settings = d.settings();
        settings.codePage = CodePage::Utf8;
        ConverterWindow window(pickers, alerts, settings);
        alerts.window = &window;
        alerts.stop = stops[i];
        window.tabs()->setCurrentIndex(1);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.multiplePage()->workspaceDirectoryEdit()->setText(QStringLiteral("D:\\tree"));
        window.multiplePage()->workspaceNameEdit()->setText(QStringLiteral("ws"));
        window.multiplePage()->cpuFamilyList()->setCurrentIndex(1);
        window.convertButton()->click();
        EXPECT_TRUE(window.cancelButton()->isEnabled());
        window.waitForConversion();
        EXPECT_TRUE(window.multiplePage()->resultsBox()->toPlainText().endsWith(
            "Conversion stopped early; 3 of 5 project(s) found were skipped.\n"
            "1 project(s) converted successfully."));
        EXPECT_NE(d.read("tree/ws.krs").find("blinker.krp"), std::string::npos);
        EXPECT_FALSE(fs::exists(d.path() / "tree/drives/legacy/SPINDLE.krp"));
        EXPECT_EQ(window.isVisible(), i == 0);
    }
}

TEST(WindowRunTest, TheReportListsWhatWasLeftBehindAndSavesTheCommandLineReports) {
    TempFolder d('D');
    fs::copy(Z2K_EXAMPLES_DIR, d.path(), fs::copy_options::recursive);
    WindowHarness h(d.settings());
    ASSERT_TRUE(h.showPage(0));
    EXPECT_FALSE(h.window->reportButton()->isEnabled());
    h.window->singlePage()->projectFileEdit()->setText(QStringLiteral("D:\\quarix\\motor.zat"));
    h.window->singlePage()->workspaceNameEdit()->setText(QStringLiteral("ws"));
    h.window->convertButton()->click();
    h.window->waitForConversion();
    EXPECT_EQ(h.window->leftBehindBox()->toPlainText(),
              QStringLiteral("D:\\quarix\\motor.zat: 8 options carried over unconverted, 0 dropped"));
    h.window->reportButton()->click();
    ReportDialog* report = h.window->reportDialog();
    ASSERT_NE(report, nullptr);
    QSortFilterProxyModel* rows = report->rows();
    EXPECT_EQ(rows->rowCount(), 8);
    report->table()->sortByColumn(ReportDialog::Option, Qt::DescendingOrder);
    EXPECT_EQ(rows->index(0, ReportDialog::Option).data().toString(), QStringLiteral("-ws=2"));
    QTest::keyClicks(report->filterEdit(), QStringLiteral("CRC16"));
    ASSERT_EQ(rows->rowCount(), 2);
    EXPECT_EQ(rows->index(1, ReportDialog::File).data().toString(),
              QStringLiteral("D:\\common\\crc\\crc16.c"));
    EXPECT_EQ(rows->index(1, ReportDialog::Outcome).data().toString(),
              QStringLiteral("carried over unconverted"));

    const struct {
        const char* file;
        const char* holds;  // empty: the save fails and says so
    } saves[] = {{"r.json", "\"option\": \"-add=\\\"D:\\\\quarix\\\\Debug\\\\motor.obj\\\"\""},
                 {"r.TXT", "zat2kor conversion report\n\nProject D:\\quarix\\motor.zat\n"},
                 {"none/r.json", ""}};
    for (const auto& save : saves) {
        const bool saved = report->saveTo(QString::fromStdString((d.path() / save.file).string()));
        EXPECT_EQ(saved, *save.holds != '\0') << save.file;
        EXPECT_TRUE(!saved || d.read(save.file).find(save.holds) != std::string::npos) << save.file;
    }
    ASSERT_EQ(h.alerts.alerts.size(), 1u);
    EXPECT_NE(h.alerts.alerts[0].text.find("none/r.json: "), std::string::npos);
}

TEST(WindowRunTest, TheOptionsGoIntoTheConversionAndAreRemembered) {
    TempFolder d('D');
    fs::copy(Z2K_EXAMPLES_DIR, d.path(), fs::copy_options::recursive);
    d.write("quarix/motor.krp", "old");
    // clang-format off
    const struct { bool dryRun, keepBackups; const char* krp; bool backup; } rows[] = {
        {true, true, "old", false}, {false, false, "", false}, {false, true, "", true}};
    // clang-format on
    for (const auto& row : rows) {
        {
            WindowHarness first(d.settings());
            first.window->options()->dryRunBox()->setChecked(row.dryRun);
            first.window->options()->keepBackupsBox()->setChecked(row.keepBackups);
        }
        WindowHarness h(d.settings());
        EXPECT_EQ(h.window->options()->dryRunBox()->isChecked(), row.dryRun);
        EXPECT_EQ(h.window->options()->keepBackupsBox()->isChecked(), row.keepBackups);
        ASSERT_TRUE(h.showPage(0));
        h.window->singlePage()->projectFileEdit()->setText(QStringLiteral("D:\\quarix\\motor.zat"));
        h.window->singlePage()->workspaceNameEdit()->setText(QStringLiteral("ws"));
        h.window->convertButton()->click();
        h.window->waitForConversion();
        EXPECT_EQ(d.read("quarix/motor.krp") == "old", *row.krp != '\0');
        EXPECT_EQ(fs::exists(d.path() / "quarix/motor.krp.bak"), row.backup);
    }
}

}  // namespace
}  // namespace z2k::test

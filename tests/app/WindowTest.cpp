// The converter window as a person uses it: its controls, Convert with fields that fail a check,
// the Browse buttons, and conversions of the bundled examples.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <filesystem>
#include <vector>

#include "MiddleElidedLine.h"
#include "MultipleProjectsPage.h"
#include "SingleProjectPage.h"
#include "WindowHarness.h"

namespace z2k::test {
namespace {

namespace fs = std::filesystem;

enum class Field { None, Path, Name, Family };

QLineEdit* pathEdit(const ConverterWindow& w, int page) {
    return page == 0 ? w.singlePage()->projectFileEdit() : w.multiplePage()->workspaceDirectoryEdit();
}
QLineEdit* nameEdit(const ConverterWindow& w, int page) {
    return page == 0 ? w.singlePage()->workspaceNameEdit() : w.multiplePage()->workspaceNameEdit();
}
QWidget* fieldControl(const ConverterWindow& w, int page, Field field) {
    if (field == Field::Path) return pathEdit(w, page);
    if (field == Field::Name) return nameEdit(w, page);
    return field == Field::Family ? w.multiplePage()->cpuFamilyList() : nullptr;
}
QString resultsText(const ConverterWindow& w, int page) {
    return page == 0 ? w.singlePage()->resultsEdit()->text() : w.multiplePage()->resultsBox()->toPlainText();
}
// Fills a page's fields: "<D>" stands for the host folder mapped as D:; family -1 chooses none.
void fill(const ConverterWindow& w, int page, QString path, const QString& name, int family,
          const TempFolder& d) {
    pathEdit(w, page)->setText(
        path.replace(QStringLiteral("<D>"), QString::fromStdString(d.path().string())));
    nameEdit(w, page)->setText(name);
    if (page == 1) w.multiplePage()->cpuFamilyList()->setCurrentIndex(family);
}

TEST(ConverterWindowTest, ControlsStayInsideTheirPageWithoutOverlapAndFieldsStopAtTheirLimits) {
    WindowHarness h;
    EXPECT_EQ(h.window->windowTitle(), QStringLiteral(" ZAT To KOR Project Converter  (v1.0)"));
    for (int page : {0, 1}) {
        ASSERT_TRUE(h.showPage(page));
        QWidget* widget = h.window->tabs()->widget(page);
        const QList<QWidget*> controls = widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (int i = 0; i < controls.size(); ++i) {
            EXPECT_TRUE(widget->rect().contains(controls[i]->geometry())) << page << ' ' << i;
            for (int j = i + 1; j < controls.size(); ++j)
                EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
                    << page << ' ' << i << ' ' << j;
        }
        QWidget* browse = page == 0 ? static_cast<QWidget*>(h.window->singlePage()->browseButton())
                                    : h.window->multiplePage()->browseButton();
        EXPECT_EQ(browse->geometry().top(), pathEdit(*h.window, page)->geometry().top());
        EXPECT_EQ(browse->height(), pathEdit(*h.window, page)->height());
        for (auto [edit, limit] :
             {std::pair{pathEdit(*h.window, page), 200}, std::pair{nameEdit(*h.window, page), 32}}) {
            QTest::keyClicks(edit, QString(limit + 5, QLatin1Char('x')));
            EXPECT_EQ(edit->text().size(), limit);
        }
    }
    // The family list is filled once, sorted, with nothing chosen, when its page first shows.
    QComboBox* family = h.window->multiplePage()->cpuFamilyList();
    ASSERT_EQ(family->count(), 2);
    EXPECT_EQ(family->itemText(0), QStringLiteral("Nerak"));
    EXPECT_EQ(family->currentIndex(), -1);
    ASSERT_TRUE(h.showPage(0) && h.showPage(1));
    EXPECT_EQ(family->count(), 2);
}

TEST(ConverterWindowTest, AFailedCheckShowsItsMessageAndFocusesItsField) {
    const QString incomplete = QStringLiteral("Entry fields are incomplete.");
    const QString noProject = QStringLiteral("The specified ZAT project cannot be found.");
    const QString noFolder = QStringLiteral("The specified Workspace directory does not exist.");
    const QString badName = QStringLiteral("The KOR workspace name is not a valid file name.");
    const struct {
        int page;
        QString path, name;
        int family;
        QString message;
        Field focus;  // None: the focus stays where it was
    } rows[] = {
        // clang-format off
        {0, "", "", -1, incomplete, Field::Path},          {0, "D:\\a.zat", "", -1, incomplete, Field::Name},
        {0, "D:\\b.zat", "ws", -1, noProject, Field::None}, {0, "D:\\b.zat", "..\\ws", -1, badName, Field::Name},
        {0, "<D>/sub", "ws", -1, noProject, Field::None},  {1, "", "", -1, incomplete, Field::Path},
        {1, "D:\\sub", "", 0, incomplete, Field::Name},    {1, "D:\\sub", "ws", -1, incomplete, Field::Family},
        {1, "D:\\none", "a/b", 1, badName, Field::Name},   {1, "<D>/a.zat", "ws", 1, noFolder, Field::None},
        {0, "sub/a.zat", "ws", -1, noProject + "\nType the full path of the ZAT project (starting with /), or use Browse.", Field::None},
        // clang-format on
    };
    TempFolder d('D');
    d.write("a.zat", "not read by the checks\n");
    fs::create_directories(d.path() / "sub");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.toStdString() + " " + row.name.toStdString());
        WindowHarness h(d.settings());
        ASSERT_TRUE(h.showPage(row.page));
        fill(*h.window, row.page, row.path, row.name, row.family, d);
        QPushButton* browse =
            row.page == 0 ? h.window->singlePage()->browseButton() : h.window->multiplePage()->browseButton();
        browse->setFocus();
        h.window->convertButton()->click();
        ASSERT_EQ(h.alerts.alerts.size(), 1u);
        EXPECT_EQ(QString::fromStdString(h.alerts.alerts[0].text), row.message);
        EXPECT_EQ(h.alerts.alerts[0].title, "");  // the application's title
        EXPECT_EQ(h.alerts.alerts[0].icon, AlertIcon::Warning);
        QWidget* focus = fieldControl(*h.window, row.page, row.focus);
        EXPECT_EQ(h.window->focusWidget(), focus != nullptr ? focus : browse);
        EXPECT_TRUE(h.window->convertButton()->isEnabled() && h.window->closeButton()->isEnabled());
        EXPECT_EQ(resultsText(*h.window, row.page), QString());
    }
}

TEST(ConverterWindowTest, BrowseFillsTheFieldWithThePickedPath) {
    TempFolder d('D');
    fs::create_directories(d.path() / "sub");
    const QString host = QString::fromStdString(d.path().string());
    WindowHarness h(d.settings());
    ASSERT_TRUE(h.showPage(0));
    SingleProjectPage* single = h.window->singlePage();
    single->projectFileEdit()->setText(QStringLiteral("D:\\old.zat"));
    single->browseButton()->click();  // cancelled
    EXPECT_EQ(single->projectFileEdit()->text(), QStringLiteral("D:\\old.zat"));
    h.pickers.projectAnswer = QStringLiteral("/home/ann/motor.zat");
    single->browseButton()->click();
    EXPECT_EQ(single->projectFileEdit()->text(), QStringLiteral("/home/ann/motor.zat"));

    // The folder picker opens at the folder typed, as the host names it.
    ASSERT_TRUE(h.showPage(1));
    MultipleProjectsPage* multiple = h.window->multiplePage();
    for (const QString& typed :
         {QStringLiteral("D:\\sub"), host + QStringLiteral("/sub"), QStringLiteral("Q:\\sub"), QString()}) {
        multiple->workspaceDirectoryEdit()->setText(typed);
        multiple->browseButton()->click();
        EXPECT_EQ(multiple->workspaceDirectoryEdit()->text(), typed);
    }
    EXPECT_EQ(h.pickers.startFolders, (QStringList{host + "/sub", host + "/sub", QString(), QString()}));
    h.pickers.directoryAnswer = QStringLiteral("/srv/projects");
    multiple->browseButton()->click();
    EXPECT_EQ(multiple->workspaceDirectoryEdit()->text(), QStringLiteral("/srv/projects"));
}

TEST(ConverterWindowTest, ConvertRunsWithTheButtonsDisabledAndShowsTheOutcome) {
    const QString header = QStringLiteral("\"C header file\" \"h\" 1 ");
    const struct {
        int page;
        QString path;
        int family;  // index in the list: 0 Nerak, 1 Quarix
        QString results;
        std::vector<int> positions;  // of the single page's bar, or the multiple page's total bar
        const char* written;         // a file the conversion writes, or none
    } rows[] = {
        // clang-format off
        {0, "D:\\quarix\\motor.zat", -1, "Project converted successfully.", {25, 50, 66, 100}, "quarix/ws.krs"},
        {0, "<D>/quarix/motor.zat", -1, "Project converted successfully.", {25, 50, 66, 100}, "quarix/motor.krp"},
        {0, "D:\\bad.zat", -1, "Error reading ZAT project file. D:\\bad.zat: not a text database: the first line is not [ZATDBVersion]", {25, 0}, nullptr},
        {0, "D:\\dup\\motor.zat", -1, "Error converting project details.", {25, 50, 0}, nullptr},
        {1, "D:\\tree", 0, "Searching for ZAT projects...\nConverting project D:\\tree\\sensors\\field\\remote\\logger.zat...\nProject converted.\nConverting project D:\\tree\\sensors\\probe.zat...\nProject converted.\n2 project(s) converted successfully.", {20, 40, 60, 80, 100}, "tree/ws.krs"},
        {1, "D:\\nerak", 1, "Searching for ZAT projects...\nNo projects found to convert.", {100, 0}, nullptr},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.path.toStdString());
        TempFolder d('D');
        fs::copy(Z2K_EXAMPLES_DIR, d.path(), fs::copy_options::recursive);
        d.write("bad.zat", "no database here\n");
        std::string motor = d.read("quarix/motor.zat");
        d.write("dup/motor.zat",
                motor.replace(motor.find(header.toStdString()), header.size(), "\"Script\" \"h\" 0 "));
        WindowHarness h(d.settings());
        ASSERT_TRUE(h.showPage(row.page));
        fill(*h.window, row.page, row.path, QStringLiteral("ws"), row.family, d);
        QProgressBar* bar = row.page == 0 ? h.window->singlePage()->totalProgressBar()
                                          : h.window->multiplePage()->totalProgressBar();
        std::vector<int> positions;
        QObject::connect(bar, &QProgressBar::valueChanged, bar, [&](int value) {
            positions.push_back(value);
            EXPECT_FALSE(h.window->convertButton()->isEnabled() || h.window->closeButton()->isEnabled());
            const QCursor* cursor = QApplication::overrideCursor();
            EXPECT_TRUE(cursor != nullptr && cursor->shape() == Qt::WaitCursor);
        });
        h.window->convertButton()->click();
        h.window->waitForConversion();
        EXPECT_EQ(resultsText(*h.window, row.page), row.results);
        EXPECT_EQ(h.window->leftBehindBox()->toPlainText().contains(
                      QStringLiteral("motor.zat: 8 options carried over unconverted, 0 dropped")),
                  row.written != nullptr && row.page == 0);
        EXPECT_EQ(positions, row.positions);
        EXPECT_TRUE(h.window->convertButton()->isEnabled() && h.window->closeButton()->isEnabled());
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(h.alerts.alerts.size(), row.path.contains(QStringLiteral("dup")) ? 1u : 0u);
        EXPECT_TRUE(row.written == nullptr || fs::is_regular_file(d.path() / row.written));
        if (row.page == 1) {
            const QScrollBar* scroll = h.window->multiplePage()->resultsBox()->verticalScrollBar();
            EXPECT_EQ(scroll->value(), scroll->maximum());
            EXPECT_EQ(h.window->multiplePage()->statusEdit()->text(), QString());
        }
        // A failed check clears what the run showed.
        QObject::disconnect(bar, &QProgressBar::valueChanged, nullptr, nullptr);
        nameEdit(*h.window, row.page)->clear();
        h.window->convertButton()->click();
        EXPECT_EQ(resultsText(*h.window, row.page), QString());
        EXPECT_EQ(bar->value(), 0);
        EXPECT_EQ(h.window->leftBehindBox()->toPlainText(), QString());
    }
}

}  // namespace
}  // namespace z2k::test

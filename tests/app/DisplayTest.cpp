// What binds the system to the window: the displays on the controls, the message boxes, the file
// dialogs and the text and path conversions between code-page bytes and window text.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "CodePageText.h"
#include "MessageBoxAlerts.h"
#include "MiddleElidedLine.h"
#include "ProjectFileDialog.h"
#include "WidgetTextDisplay.h"
#include "WorkspaceFolderDialog.h"
#include "platform/CodePage.h"
#include "support/TestSupport.h"

namespace z2k::test {
namespace {

// Counts the paints a widget receives: the conversion runs on the window's thread and never
// returns to the event loop, so every change must be painted at once.
struct PaintCounter : QObject {
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

// Runs `answer` on the modal message box as soon as it is up.
void answerNextBox(std::function<void(QMessageBox&)> answer) {
    QTimer::singleShot(0, qApp, [answer] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible())
                return answer(*box);
        ADD_FAILURE() << "no message box is up";
    });
}

TEST(DisplayTest, TextDisplaysShowEveryChangeAtOnce) {
    QPlainTextEdit box;
    QLineEdit line;
    box.resize(200, 60);
    for (QWidget* widget : {static_cast<QWidget*>(&box), static_cast<QWidget*>(&line)}) {
        widget->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    }
    PaintCounter boxPaints, linePaints;
    box.viewport()->installEventFilter(&boxPaints);
    line.installEventFilter(&linePaints);
    WidgetTextDisplay boxDisplay(&box, CodePage::Utf8), lineDisplay(&line, CodePage::Utf8);
    boxDisplay.replace("Searching for ZAT projects...");
    for (int i = 0; i < 30; ++i) boxDisplay.appendLine("line " + std::to_string(i));
    EXPECT_GE(boxPaints.paints, 31);
    EXPECT_TRUE(
        box.toPlainText().startsWith(QStringLiteral("Searching for ZAT projects...\nline 0\nline 1\n")));
    EXPECT_GT(box.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(box.verticalScrollBar()->value(), box.verticalScrollBar()->maximum());
    EXPECT_EQ(boxDisplay.text().substr(0, 37), "Searching for ZAT projects...\r\nline 0");
    boxDisplay.clear();
    boxDisplay.appendLine("only");
    EXPECT_EQ(box.toPlainText(), QStringLiteral("\nonly"));

    lineDisplay.replace("Error reading ZAT project file.");
    lineDisplay.appendLine("D:\\a.zat: gone");
    EXPECT_EQ(line.text(), QStringLiteral("Error reading ZAT project file. D:\\a.zat: gone"));
    EXPECT_GE(linePaints.paints, 2);
    lineDisplay.clear();
    EXPECT_EQ(line.text(), QString());
}

// A long status keeps its start and end in sight, and shows whole again when there is room.
TEST(DisplayTest, TheStatusLineLeavesOutTheMiddleOfWhatDoesNotFit) {
    MiddleElidedLine line;
    line.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&line));
    WidgetTextDisplay status(&line, CodePage::Utf8);
    const QString path = QStringLiteral("Converting D:\\tree\\") + QString(150, QLatin1Char('x')) +
                         QStringLiteral("\\end.zat...");
    line.resize(200, line.height());
    status.replace(path.toStdString());
    for (int width : {200, 4000, 300}) {
        line.resize(width, line.height());
        const QString shown = line.text();
        EXPECT_EQ(shown == path, width == 4000) << width;
        EXPECT_TRUE(shown.startsWith(QStringLiteral("Converting D:")) &&
                    shown.endsWith(QStringLiteral("end.zat...")));
    }
    EXPECT_EQ(line.fullText(), path);
}

TEST(DisplayTest, MessageBoxesAreModalWithTheirTitleAndIcon) {
    const QString application = QStringLiteral(" ZAT To KOR Project Converter  (v1.0)");
    const struct {
        std::string title;
        AlertIcon icon;
        QString shownTitle;
        QMessageBox::Icon shownIcon;
    } rows[] = {{"", AlertIcon::Warning, application, QMessageBox::Warning},
                {"Error", AlertIcon::Information, "Error", QMessageBox::Information},
                {"", AlertIcon::Error, application, QMessageBox::Critical}};
    QWidget owner;
    MessageBoxAlerts alerts(CodePage::Utf8);
    alerts.setParentWidget(&owner);
    for (const auto& row : rows) {
        QMessageBox* seen = nullptr;
        answerNextBox([&](QMessageBox& box) {
            seen = &box;
            EXPECT_EQ(box.windowTitle(), row.shownTitle);
            EXPECT_EQ(box.text(), QString::fromUtf8("Bad option \xC3\xA9"));
            EXPECT_EQ(box.icon(), row.shownIcon);
            EXPECT_TRUE(box.isModal() && box.parentWidget() == &owner);
            box.button(QMessageBox::Ok)->click();
        });
        alerts.show("Bad option \xC3\xA9", row.title, row.icon);
        EXPECT_NE(seen, nullptr);
    }
}

TEST(DisplayTest, TheDialogsPickAProjectFileOrAFolder) {
    TempFolder folder;
    for (const char* file : {"a.zat", "B.ZAT", "c.Zat", "d.txt"}) folder.write(file, "x");
    std::filesystem::create_directories(folder.path() / "sub");
    const QString host = QString::fromStdString(folder.path().string());
    ProjectFileDialog files;
    EXPECT_EQ(files.nameFilters(), (QStringList{"ZAT Files (*.zat)", "All Files (*)"}));
    files.setDirectory(host);
    files.show();
    auto* model = files.findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    // The ZAT filter lists ".zat" in any letter case, and the folder.
    EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(model->index(host)) == 4; }));
    files.selectNameFilter(ProjectFileDialog::allFilter());
    EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(model->index(host)) == 5; }));

    WorkspaceFolderDialog folders(host + QStringLiteral("/sub"));
    EXPECT_EQ(folders.fileMode(), QFileDialog::Directory);
    // A path can be typed or pasted; there are no file types.
    for (auto [name, hidden] : {std::pair{"fileNameEdit", false}, std::pair{"fileTypeCombo", true}})
        EXPECT_EQ(folders.findChild<QWidget*>(QLatin1String(name))->isHidden(), hidden) << name;
}

TEST(DisplayTest, TypedFieldsBecomeSystemPaths) {
    // clang-format off
    const std::pair<QString, std::string> rows[] = {
        {"/home/ann/a.zat", "Z:\\home\\ann\\a.zat"}, {"/home/ann/", "Z:\\home\\ann"}, {"/", "Z:\\"},
        {"/home//", "Z:\\home\\"}, {"D:\\p\\", "D:\\p\\"}, {"p/a.zat", "p/a.zat"},
        {QString::fromUtf8("D:\\d\xC3\xA9p"), "D:\\d\xC3\xA9p"}};
    // clang-format on
    HostSettings utf8;
    utf8.codePage = CodePage::Utf8;
    for (const auto& [typed, system] : rows)
        EXPECT_EQ(typedFieldToSystemPath(typed, utf8), system) << typed.toStdString();
}

TEST(DisplayTest, CodePageTextRoundTrips) {
    // The conversion itself is the platform's; here the way through QString, whose UTF-16 holds
    // a character beyond the basic plane as two units.
    const char* utf8 = "\xE3\x82\xBD\xF0\x9F\x98\x80";
    EXPECT_EQ(codePageToQString("\x83\x5C?", CodePage::Cp932), QString::fromUtf8("\xE3\x82\xBD?"));
    EXPECT_EQ(qStringToCodePage(QString::fromUtf8(utf8), CodePage::Cp932), "\x83\x5C?");
    EXPECT_EQ(qStringToCodePage(QString::fromUtf8(utf8), CodePage::Utf8), utf8);
}

}  // namespace
}  // namespace z2k::test

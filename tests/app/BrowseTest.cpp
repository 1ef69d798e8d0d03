#include "BrowseTest.h"

#include <QApplication>
#include <QComboBox>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "CDlgCustomFileDialog.h"
#include "CPropertyPageMulti.h"
#include "CZatToKorPropertyPage.h"
#include "DialogFilePickers.h"
#include "ProjectFileDialog.h"
#include "WindowHarness.h"

namespace z2k::test {

namespace {

QString hostOf(const TempFolder& folder, const char* relative = nullptr) {
    std::filesystem::path path = folder.path();
    if (relative != nullptr) path /= relative;
    return QString::fromStdString(path.string());
}

// Runs `answer` on the modal file dialog as soon as it is up.
void answerNextDialog(std::function<void(QFileDialog&)> answer) {
    QTimer::singleShot(0, qApp, [answer] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QFileDialog*>(widget);
            if (dialog != nullptr && dialog->isVisible()) {
                answer(*dialog);
                return;
            }
        }
        QFAIL("no file dialog is up");
    });
}

}  // namespace

void BrowseTest::projectPickerReplacesTheFieldOrLeavesIt_data() {
    QTest::addColumn<bool>("chosen");
    QTest::newRow("chosen") << true;
    QTest::newRow("cancelled") << false;
}

void BrowseTest::projectPickerReplacesTheFieldOrLeavesIt() {
    QFETCH(bool, chosen);
    WindowHarness h;
    QVERIFY(h.showPage(0));
    CZatToKorPropertyPage* page = h.sheet->singlePage();
    page->projectFileEdit()->setText(QStringLiteral("D:\\old.zat"));
    if (chosen) h.pickers.projectAnswer = QStringLiteral("/home/ann/motor/motor.zat");
    QTest::mouseClick(page->browseButton(), Qt::LeftButton);
    QCOMPARE(h.pickers.projectCalls, 1);
    QCOMPARE(page->projectFileEdit()->text(),
             chosen ? QStringLiteral("/home/ann/motor/motor.zat") : QStringLiteral("D:\\old.zat"));
}

void BrowseTest::directoryPickerOpensAtTheTypedFolder_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("start");  // relative to the folder mapped as D:; "-" for none
    QTest::addColumn<bool>("chosen");
    QTest::newRow("drive path") << "D:\\sub"
                                << "sub" << true;
    QTest::newRow("drive root") << "D:\\"
                                << "" << false;
    QTest::newRow("host path") << "<D>/sub"
                               << "sub" << false;
    QTest::newRow("empty") << ""
                           << "-" << true;
    QTest::newRow("unmapped drive") << "Q:\\sub"
                                    << "-" << true;
}

void BrowseTest::directoryPickerOpensAtTheTypedFolder() {
    QFETCH(QString, typed);
    QFETCH(QString, start);
    QFETCH(bool, chosen);
    TempFolder drive('D');
    std::filesystem::create_directories(drive.path() / "sub");
    WindowHarness h;
    QVERIFY(h.showPage(1));
    CPropertyPageMulti* page = h.sheet->multiplePage();
    typed.replace(QStringLiteral("<D>"), hostOf(drive));
    page->workspaceDirectoryEdit()->setText(typed);
    if (chosen) h.pickers.directoryAnswer = QStringLiteral("/srv/projects");
    QTest::mouseClick(page->browseButton(), Qt::LeftButton);
    QCOMPARE(h.pickers.directoryCalls, 1);
    if (start == QLatin1String("-")) {
        QCOMPARE(h.pickers.lastStartFolder, QString());
    } else {
        const QString expected = start.isEmpty() ? hostOf(drive) : hostOf(drive) + QLatin1Char('/') + start;
        QCOMPARE(QDir(h.pickers.lastStartFolder).canonicalPath(), QDir(expected).canonicalPath());
    }
    QCOMPARE(page->workspaceDirectoryEdit()->text(), chosen ? QStringLiteral("/srv/projects") : typed);
}

void BrowseTest::browsedHostPathsPassTheChecks() {
    TempFolder drive('D');
    drive.write("broken.zat", "this is no project\n");
    std::filesystem::create_directories(drive.path() / "empty");
    WindowHarness h;

    // Single page: the chosen host file passes the checks; the conversion runs and fails to read.
    QVERIFY(h.showPage(0));
    h.pickers.projectAnswer = hostOf(drive, "broken.zat");
    QTest::mouseClick(h.sheet->singlePage()->browseButton(), Qt::LeftButton);
    h.sheet->singlePage()->workspaceNameEdit()->setText(QStringLiteral("ws"));
    h.sheet->convertButton()->click();
    QCOMPARE(h.alerts.alerts.size(), std::size_t{0});
    QVERIFY(h.sheet->singlePage()->resultsEdit()->text().startsWith(
        QStringLiteral("Error reading ZAT project file. ")));

    // Multiple page: a chosen host folder (with a trailing '/') passes; nothing is found in it.
    QVERIFY(h.showPage(1));
    h.pickers.directoryAnswer = hostOf(drive, "empty") + QLatin1Char('/');
    QTest::mouseClick(h.sheet->multiplePage()->browseButton(), Qt::LeftButton);
    h.sheet->multiplePage()->workspaceNameEdit()->setText(QStringLiteral("ws"));
    h.sheet->multiplePage()->cpuFamilyList()->setCurrentIndex(0);
    h.sheet->convertButton()->click();
    QCOMPARE(h.alerts.alerts.size(), std::size_t{0});
    QCOMPARE(h.sheet->multiplePage()->resultsBox()->toPlainText(),
             QStringLiteral("Searching for ZAT projects...\nNo projects found to convert."));
}

void BrowseTest::projectFileDialogIsSetUp() {
    ProjectFileDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select project filename"));
    QCOMPARE(dialog.nameFilters(), (QStringList{"ZAT Files (*.zat)", "All Files (*)"}));
    QCOMPARE(dialog.selectedNameFilter(), QStringLiteral("ZAT Files (*.zat)"));
    QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
    QCOMPARE(dialog.labelText(QFileDialog::Accept), QStringLiteral("Select"));
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name != nullptr);
    QCOMPARE(name->text(), QStringLiteral("*.ZAT"));
}

void BrowseTest::projectFileDialogListsZatFilesInAnyCase() {
    TempFolder folder;
    for (const char* file : {"a.zat", "B.ZAT", "c.Zat", "d.txt", "zat"}) folder.write(file, "x");
    ProjectFileDialog dialog;
    dialog.setDirectory(hostOf(folder));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* model = dialog.findChild<QFileSystemModel*>();
    QVERIFY(model != nullptr);
    const auto listed = [&] {
        QStringList names;
        const QModelIndex parent = model->index(hostOf(folder));
        for (int row = 0; row < model->rowCount(parent); ++row)
            names << model->index(row, 0, parent).data().toString();
        names.sort();
        return names;
    };
    QTRY_COMPARE(listed(), (QStringList{"B.ZAT", "a.zat", "c.Zat"}));
    dialog.selectNameFilter(ProjectFileDialog::allFilter());
    QTRY_COMPARE(listed(), (QStringList{"B.ZAT", "a.zat", "c.Zat", "d.txt", "zat"}));
}

void BrowseTest::directoryDialogIsSetUp() {
    TempFolder folder;
    std::filesystem::create_directories(folder.path() / "sub");
    CDlgCustomFileDialog dialog(hostOf(folder, "sub"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Select workspace directory"));
    QCOMPARE(dialog.fileMode(), QFileDialog::Directory);
    QVERIFY(dialog.testOption(QFileDialog::ShowDirsOnly));
    QCOMPARE(dialog.labelText(QFileDialog::Accept), QStringLiteral("Select"));
    QCOMPARE(dialog.directory().canonicalPath(), QDir(hostOf(folder, "sub")).canonicalPath());
    for (const char* name : {"fileNameLabel", "fileNameEdit", "fileTypeLabel", "fileTypeCombo"}) {
        auto* child = dialog.findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(child != nullptr, name);
        QVERIFY2(child->isHidden() && !child->isEnabled(), name);
    }
}

void BrowseTest::realPickersReturnTheChosenPathOrNothing() {
    TempFolder folder;
    folder.write("motor.zat", "x");
    std::filesystem::create_directories(folder.path() / "sub");
    QWidget parent;
    DialogFilePickers pickers;

    answerNextDialog([&](QFileDialog& dialog) {
        dialog.setDirectory(hostOf(folder));
        dialog.selectFile(hostOf(folder, "motor.zat"));
        static_cast<QDialog&>(dialog).accept();
    });
    std::optional<QString> file = pickers.pickProjectFile(&parent);
    QVERIFY(file.has_value());
    QCOMPARE(*file, hostOf(folder, "motor.zat"));

    answerNextDialog([](QFileDialog& dialog) { dialog.reject(); });
    QVERIFY(!pickers.pickProjectFile(&parent).has_value());

    // The folder picker, accepted as it opened, gives the folder it opened at.
    answerNextDialog([](QFileDialog& dialog) { static_cast<QDialog&>(dialog).accept(); });
    std::optional<QString> directory = pickers.pickWorkspaceDirectory(&parent, hostOf(folder, "sub"));
    QVERIFY(directory.has_value());
    QCOMPARE(QDir(*directory).canonicalPath(), QDir(hostOf(folder, "sub")).canonicalPath());

    answerNextDialog([](QFileDialog& dialog) { dialog.reject(); });
    QVERIFY(!pickers.pickWorkspaceDirectory(&parent, hostOf(folder)).has_value());
}

}  // namespace z2k::test

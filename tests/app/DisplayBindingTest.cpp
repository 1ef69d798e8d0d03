#include "DisplayBindingTest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "CodePageText.h"
#include "MessageBoxAlerts.h"
#include "ProgressBarDisplay.h"
#include "WidgetTextDisplay.h"
#include "platform/CodePage.h"
#include "platform/HostPaths.h"
#include "support/TestSupport.h"

Q_DECLARE_METATYPE(z2k::AlertIcon)
Q_DECLARE_METATYPE(QMessageBox::Icon)

namespace z2k::test {

namespace {

// Counts the paints a widget receives.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

// Sets the code page for one test and puts UTF-8 back after it.
struct CodePageScope {
    explicit CodePageScope(CodePage page) { setActiveCodePage(page); }
    ~CodePageScope() { setActiveCodePage(CodePage::Utf8); }
};

}  // namespace

void DisplayBindingTest::resultsBoxShowsAppendedLinesAndScrolls() {
    QPlainTextEdit box;
    box.resize(200, 60);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    PaintCounter counter;
    box.viewport()->installEventFilter(&counter);
    WidgetTextDisplay display(&box);
    display.replace("Searching for ZAT projects...");
    QCOMPARE(box.toPlainText(), QStringLiteral("Searching for ZAT projects..."));
    // Painted at once, without a return to the event loop.
    QVERIFY(counter.paints >= 1);
    const int paintsBefore = counter.paints;
    for (int i = 0; i < 30; ++i) display.appendLine("line " + std::to_string(i));
    QVERIFY(counter.paints >= paintsBefore + 30);
    QVERIFY(box.toPlainText().startsWith(QStringLiteral("Searching for ZAT projects...\nline 0\nline 1\n")));
    QVERIFY(box.toPlainText().endsWith(QStringLiteral("\nline 29")));
    QVERIFY(box.verticalScrollBar()->maximum() > 0);
    QCOMPARE(box.verticalScrollBar()->value(), box.verticalScrollBar()->maximum());
    QCOMPARE(display.text().substr(0, 37), std::string("Searching for ZAT projects...\r\nline 0"));
    display.clear();
    QCOMPARE(box.toPlainText(), QString());
    // The first appended line is preceded by a line break too.
    display.appendLine("only");
    QCOMPARE(box.toPlainText(), QStringLiteral("\nonly"));
}

void DisplayBindingTest::oneLineEditShowsReplacedText() {
    QLineEdit line;
    line.show();
    QVERIFY(QTest::qWaitForWindowExposed(&line));
    PaintCounter counter;
    line.installEventFilter(&counter);
    WidgetTextDisplay display(&line);
    display.replace("Converting project details...");
    QCOMPARE(line.text(), QStringLiteral("Converting project details..."));
    QVERIFY(counter.paints >= 1);
    display.replace("Project converted successfully.");
    QCOMPARE(line.text(), QStringLiteral("Project converted successfully."));
    display.clear();
    QCOMPARE(line.text(), QString());
}

void DisplayBindingTest::progressBarHoldsItsPositionWithin0To100() {
    QProgressBar bar;
    bar.setRange(5, 10);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    ProgressBarDisplay display(&bar);
    QCOMPARE(bar.minimum(), 0);
    QCOMPARE(bar.maximum(), 100);
    PaintCounter counter;
    bar.installEventFilter(&counter);
    struct Step {
        char op;
        int value;
        int expected;
    };
    const Step steps[] = {{'s', 25, 25}, {'t', 33, 58}, {'t', 50, 100},  {'t', 1, 100},
                          {'r', 0, 0},   {'t', -5, 0},  {'s', 140, 100}, {'s', -3, 0}};
    int paintsBefore = counter.paints;
    for (const Step& step : steps) {
        if (step.op == 's') display.set(step.value);
        if (step.op == 't') display.step(step.value);
        if (step.op == 'r') display.reset();
        QCOMPARE(bar.value(), step.expected);
        QCOMPARE(display.position(), step.expected);
        QVERIFY(counter.paints > paintsBefore);
        paintsBefore = counter.paints;
    }
}

void DisplayBindingTest::messageBoxesAreModalWithTitleAndIcon_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<AlertIcon>("icon");
    QTest::addColumn<QString>("shownTitle");
    QTest::addColumn<QMessageBox::Icon>("shownIcon");
    QTest::newRow("application box") << "" << AlertIcon::Warning
                                     << QStringLiteral(" ZAT To KOR Project Converter  (v1.0)")
                                     << QMessageBox::Warning;
    QTest::newRow("search error") << "Error" << AlertIcon::Information << "Error" << QMessageBox::Information;
    QTest::newRow("error icon") << "" << AlertIcon::Error
                                << QStringLiteral(" ZAT To KOR Project Converter  (v1.0)")
                                << QMessageBox::Critical;
}

void DisplayBindingTest::messageBoxesAreModalWithTitleAndIcon() {
    QFETCH(QString, title);
    QFETCH(AlertIcon, icon);
    QFETCH(QString, shownTitle);
    QFETCH(QMessageBox::Icon, shownIcon);
    QWidget owner;
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    MessageBoxAlerts alerts;
    alerts.setParentWidget(&owner);
    QString seenTitle, seenText;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    bool modal = false;
    QWidget* seenParent = nullptr;
    QTimer::singleShot(0, qApp, [&] {
        QMessageBox* box = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* candidate = qobject_cast<QMessageBox*>(widget); candidate && candidate->isVisible()) {
                box = candidate;
            }
        }
        QVERIFY(box != nullptr);
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenIcon = box->icon();
        modal = box->isModal();
        seenParent = box->parentWidget();
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    alerts.show("ERROR: Invalid option strings were detected in the project ", title.toStdString(), icon);
    QCOMPARE(seenText, QStringLiteral("ERROR: Invalid option strings were detected in the project "));
    QCOMPARE(seenTitle, shownTitle);
    QCOMPARE(seenIcon, shownIcon);
    QVERIFY(modal);
    QCOMPARE(seenParent, &owner);
}

void DisplayBindingTest::typedFieldsBecomeSystemPaths_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("system");
    QTest::newRow("host file") << "/home/ann/a.zat" << QByteArray("Z:\\home\\ann\\a.zat");
    QTest::newRow("host folder with slash") << "/home/ann/" << QByteArray("Z:\\home\\ann");
    QTest::newRow("host root") << "/" << QByteArray("Z:\\");
    QTest::newRow("only one slash dropped") << "/home//" << QByteArray("Z:\\home\\");
    QTest::newRow("system path kept") << "D:\\p\\a.zat" << QByteArray("D:\\p\\a.zat");
    QTest::newRow("trailing backslash kept") << "D:\\p\\" << QByteArray("D:\\p\\");
    QTest::newRow("relative kept") << "p/a.zat" << QByteArray("p/a.zat");
    QTest::newRow("non-ASCII") << QString::fromUtf8("D:\\d\xC3\xA9p\\a.zat")
                               << QByteArray("D:\\d\xC3\xA9p\\a.zat");
}

void DisplayBindingTest::typedFieldsBecomeSystemPaths() {
    QFETCH(QString, typed);
    QFETCH(QByteArray, system);
    QCOMPARE(QByteArray::fromStdString(typedFieldToSystemPath(typed)), system);
}

void DisplayBindingTest::typedFoldersBecomeHostFolders() {
    TempFolder drive('D');
    const QString host = QString::fromStdString(drive.path().string());
    QCOMPARE(typedFieldToHostFolder(QStringLiteral("D:\\sub")), host + QStringLiteral("/sub"));
    QCOMPARE(typedFieldToHostFolder(QStringLiteral("/srv/x")), QStringLiteral("/srv/x"));
    QCOMPARE(typedFieldToHostFolder(QStringLiteral("Q:\\sub")), QString());
    QCOMPARE(typedFieldToHostFolder(QString()), QString());
}

void DisplayBindingTest::codePageTextRoundTrips_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    // "プロジェクト" ("project") in Shift_JIS; 0x83 0x5C has a trail byte equal to '\'.
    QTest::newRow("cp932") << static_cast<int>(CodePage::Cp932)
                           << QByteArray("D:\\\x83\x76\x83\x8D\x83\x57\x83\x46\x83\x4E\x83\x67\\\x83\x5C.zat")
                           << QString::fromUtf8(
                                  "D:\\\xE3\x83\x97\xE3\x83\xAD\xE3\x82\xB8\xE3\x82\xA7\xE3\x82\xAF"
                                  "\xE3\x83\x88\\\xE3\x82\xBD.zat");
    QTest::newRow("single byte") << static_cast<int>(CodePage::SingleByte) << QByteArray("caf\xE9")
                                 << QString::fromUtf8("caf\xC3\xA9");
    QTest::newRow("utf8") << static_cast<int>(CodePage::Utf8) << QByteArray("caf\xC3\xA9")
                          << QString::fromUtf8("caf\xC3\xA9");
}

void DisplayBindingTest::codePageTextRoundTrips() {
    QFETCH(int, page);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    CodePageScope scope(static_cast<CodePage>(page));
    QCOMPARE(codePageToQString(bytes.toStdString()), text);
    QCOMPARE(QByteArray::fromStdString(qStringToCodePage(text)), bytes);
    // A character the code page lacks becomes '?', which no path accepts.
    if (static_cast<CodePage>(page) == CodePage::SingleByte) {
        QCOMPARE(QByteArray::fromStdString(qStringToCodePage(QString::fromUtf8("a\xE3\x83\x97z"))),
                 QByteArray("a?z"));
    }
    // Bytes that are no character of the code page show as U+FFFD and do not stop the rest.
    if (static_cast<CodePage>(page) != CodePage::SingleByte) {
        QCOMPARE(codePageToQString(std::string("a\xFF"
                                               "b")),
                 QString::fromUtf8("a\xEF\xBF\xBD"
                                   "b"));
    }
}

}  // namespace z2k::test

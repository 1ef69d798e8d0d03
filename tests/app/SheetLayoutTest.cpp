#include "SheetLayoutTest.h"

#include <QComboBox>
#include <QDir>
#include <QFontInfo>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "CPropertyPageMulti.h"
#include "CZatToKorPropertyPage.h"
#include "PageControls.h"
#include "WindowHarness.h"

namespace z2k::test {

namespace {

QList<QLabel*> labelsOf(QWidget* page) {
    return page->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
}

QWidget* pageWidget(const CZatToKorPropertySheet& sheet, int index) {
    return index == 0 ? static_cast<QWidget*>(sheet.singlePage()) : sheet.multiplePage();
}

}  // namespace

void SheetLayoutTest::titleTabsAndFlags() {
    WindowHarness h;
    QCOMPARE(h.sheet->windowTitle(), QStringLiteral(" ZAT To KOR Project Converter  (v1.0)"));
    QVERIFY(h.sheet->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!h.sheet->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(h.sheet->isModal());
    QCOMPARE(h.sheet->tabs()->count(), 2);
    QCOMPARE(h.sheet->tabs()->tabText(0), QStringLiteral("Single"));
    QCOMPARE(h.sheet->tabs()->tabText(1), QStringLiteral("Mulitple"));
    QCOMPARE(h.sheet->tabs()->currentIndex(), 0);
}

void SheetLayoutTest::onlyConvertAndCloseAtBottomRight() {
    WindowHarness h;
    QVERIFY(h.showPage(0));
    QStringList texts;
    for (QPushButton* button : h.sheet->findChildren<QPushButton*>()) texts << button->text();
    texts.sort();
    QCOMPARE(texts, (QStringList{"Browse...", "Browse...", "Close", "Convert"}));

    const DialogUnits& u = h.sheet->units();
    QPushButton* convert = h.sheet->convertButton();
    QPushButton* close = h.sheet->closeButton();
    QVERIFY(convert->isVisible() && close->isVisible());
    QVERIFY(convert->isEnabled() && close->isEnabled());
    QVERIFY((convert->focusPolicy() & Qt::TabFocus) != 0);
    for (QPushButton* button : {convert, close}) QCOMPARE(button->size(), QSize(u.x(50), u.y(14)));
    // Close where Help stood (rightmost), Convert where Apply stood (just left of it).
    const QRect sheetRect = h.sheet->rect();
    QCOMPARE(close->geometry().right(), sheetRect.right() - u.x(7));
    QCOMPARE(close->geometry().bottom(), sheetRect.bottom() - u.y(7));
    QCOMPARE(convert->geometry().right() + 1 + u.x(6), close->geometry().left());
    QCOMPARE(convert->geometry().top(), close->geometry().top());
    QVERIFY(convert->geometry().top() > h.sheet->tabs()->geometry().bottom());
}

void SheetLayoutTest::dialogFontIsEightPointSansSerif() {
    WindowHarness h;
    QCOMPARE(h.sheet->font().pointSize(), 8);
    QCOMPARE(h.sheet->font().styleHint(), QFont::SansSerif);
    // The controls inherit the dialog font, and the dialog units are measured from it.
    QCOMPARE(h.sheet->singlePage()->projectFileEdit()->font().pointSize(), 8);
    QCOMPARE(h.sheet->multiplePage()->resultsBox()->font().pointSize(), 8);
    // The drop-down list is as high as the dialog font makes it.
    QComboBox* family = h.sheet->multiplePage()->cpuFamilyList();
    QCOMPARE(family->font().pointSize(), 8);
    QCOMPARE(family->height(), family->sizeHint().height());
    const QFontMetrics metrics(h.sheet->font());
    QCOMPARE(h.sheet->units().baseHeight(), metrics.height());
    QVERIFY(h.sheet->units().baseWidth() > 2 && h.sheet->units().baseWidth() < metrics.height());
}

void SheetLayoutTest::controlsStandAtTheirDialogUnits_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("units");
    QTest::newRow("single file name") << "single.projectFile" << QRect(10, 20, 170, 12);
    QTest::newRow("single browse") << "single.browse" << QRect(185, 20, 50, 14);
    QTest::newRow("single workspace") << "single.workspaceName" << QRect(10, 55, 170, 12);
    QTest::newRow("single progress") << "single.progress" << QRect(71, 95, 115, 8);
    QTest::newRow("single results") << "single.results" << QRect(49, 115, 170, 12);
    QTest::newRow("multi directory") << "multi.directory" << QRect(10, 20, 170, 12);
    QTest::newRow("multi browse") << "multi.browse" << QRect(185, 20, 50, 14);
    QTest::newRow("multi workspace") << "multi.workspaceName" << QRect(10, 55, 170, 12);
    QTest::newRow("multi current") << "multi.current" << QRect(65, 120, 115, 8);
    QTest::newRow("multi total") << "multi.total" << QRect(65, 135, 115, 8);
    QTest::newRow("multi status") << "multi.status" << QRect(10, 165, 215, 12);
    QTest::newRow("multi results") << "multi.results" << QRect(10, 195, 225, 35);
}

void SheetLayoutTest::controlsStandAtTheirDialogUnits() {
    QFETCH(QString, control);
    QFETCH(QRect, units);
    WindowHarness h;
    QWidget* widget = pageControl(*h.sheet, control);
    QVERIFY(widget != nullptr);
    const DialogUnits& u = h.sheet->units();
    // x * width / 4 and y * height / 8, from the dialog font.
    const QRect expected((units.x() * u.baseWidth() + 2) / 4, (units.y() * u.baseHeight() + 4) / 8,
                         (units.width() * u.baseWidth() + 2) / 4, (units.height() * u.baseHeight() + 4) / 8);
    QCOMPARE(widget->geometry(), expected);
}

void SheetLayoutTest::labelsStandBesideTheirControls_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("above");
    QTest::newRow("single file name") << "single.projectFile"
                                      << "ZAT Project filename:" << true;
    QTest::newRow("single workspace") << "single.workspaceName"
                                      << "KOR workspace name:" << true;
    QTest::newRow("single progress") << "single.progress"
                                     << "Total complete" << false;
    QTest::newRow("single results") << "single.results"
                                    << "Results:" << false;
    QTest::newRow("multi directory") << "multi.directory"
                                     << "Workspace directory:" << true;
    QTest::newRow("multi workspace") << "multi.workspaceName"
                                     << "KOR workspace name:" << true;
    QTest::newRow("multi results") << "multi.results"
                                   << "Results:" << true;
    QTest::newRow("multi total") << "multi.total"
                                 << "Total complete" << false;
    QTest::newRow("multi current") << "multi.current"
                                   << "Current project" << false;
    QTest::newRow("multi family") << "multi.family"
                                  << "CPU family:" << true;
    QTest::newRow("multi status") << "multi.status"
                                  << "Status:" << true;
}

void SheetLayoutTest::labelsStandBesideTheirControls() {
    QFETCH(QString, control);
    QFETCH(QString, label);
    QFETCH(bool, above);
    WindowHarness h;
    QVERIFY(h.showPage(pageOf(control)));
    QWidget* widget = pageControl(*h.sheet, control);
    QLabel* found = nullptr;
    for (QLabel* candidate : labelsOf(pageWidget(*h.sheet, pageOf(control)))) {
        if (candidate->buddy() == widget) found = candidate;
    }
    QVERIFY2(found != nullptr, qPrintable(control));
    QCOMPARE(found->text(), label);
    const QRect l = found->geometry();
    const QRect c = widget->geometry();
    const DialogUnits& u = h.sheet->units();
    if (above) {
        QCOMPARE(l.left(), c.left());
        QVERIFY(l.bottom() < c.top());
        QVERIFY(c.top() - l.bottom() <= u.y(4));
    } else {
        QVERIFY(l.right() < c.left());
        QVERIFY(c.left() - l.right() <= u.x(12));
        QVERIFY(l.center().y() >= c.top() && l.center().y() <= c.bottom() + u.y(2));
    }
    // The whole text fits the label.
    QVERIFY2(found->fontMetrics().horizontalAdvance(label) <= l.width(), qPrintable(label));
    QVERIFY(found->fontMetrics().height() <= l.height());
}

void SheetLayoutTest::controlsDoNotOverlap() {
    WindowHarness h;
    QVERIFY(h.showPage(1));
    for (int index : {0, 1}) {
        QWidget* page = pageWidget(*h.sheet, index);
        const QList<QWidget*> children = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QVERIFY(children.size() >= 9);
        for (int i = 0; i < children.size(); ++i) {
            QVERIFY(page->rect().contains(children[i]->geometry()));
            for (int j = i + 1; j < children.size(); ++j) {
                const QString pair = children[i]->metaObject()->className() + QStringLiteral(" / ") +
                                     children[j]->metaObject()->className();
                QVERIFY2(!children[i]->geometry().intersects(children[j]->geometry()), qPrintable(pair));
            }
        }
    }
}

void SheetLayoutTest::separatorsAreSunkenLinesAcrossThePage() {
    WindowHarness h;
    const DialogUnits& u = h.sheet->units();
    const int lineY[] = {80, 110};
    for (int index : {0, 1}) {
        QWidget* page = pageWidget(*h.sheet, index);
        QList<QFrame*> lines;
        for (QFrame* frame : page->findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
            if (frame->frameShape() == QFrame::HLine) lines << frame;
        }
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0]->frameShadow(), QFrame::Sunken);
        QCOMPARE(lines[0]->geometry().top(), u.y(lineY[index]));
        QCOMPARE(lines[0]->geometry().width(), page->width());
        QVERIFY(lines[0]->geometry().height() <= std::max(2, u.y(1)));
    }
    QCOMPARE(h.sheet->singlePage()->size(), QSize(u.x(242), u.y(236)));
    QCOMPARE(h.sheet->multiplePage()->size(), QSize(u.x(242), u.y(236)));
}

void SheetLayoutTest::typingStopsAtTheFieldLimits_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("limit");
    QTest::newRow("single file name") << "single.projectFile" << 200;
    QTest::newRow("single workspace") << "single.workspaceName" << 32;
    QTest::newRow("multi directory") << "multi.directory" << 200;
    QTest::newRow("multi workspace") << "multi.workspaceName" << 32;
}

void SheetLayoutTest::typingStopsAtTheFieldLimits() {
    QFETCH(QString, control);
    QFETCH(int, limit);
    WindowHarness h;
    QVERIFY(h.showPage(pageOf(control)));
    auto* edit = qobject_cast<QLineEdit*>(pageControl(*h.sheet, control));
    QVERIFY(edit != nullptr);
    QVERIFY(!edit->isReadOnly());
    QTest::keyClicks(edit, QString(limit - 1, QLatin1Char('x')));
    QCOMPARE(edit->text().size(), limit - 1);
    QTest::keyClicks(edit, QStringLiteral("abc"));
    QCOMPARE(edit->text(), QString(limit - 1, QLatin1Char('x')) + QLatin1Char('a'));
}

void SheetLayoutTest::resultAndStatusBoxesAreReadOnly() {
    WindowHarness h;
    QVERIFY(h.showPage(0));
    QLineEdit* single = h.sheet->singlePage()->resultsEdit();
    QVERIFY(single->isReadOnly());
    QTest::keyClicks(single, QStringLiteral("typed"));
    QCOMPARE(single->text(), QString());

    QVERIFY(h.showPage(1));
    CPropertyPageMulti* multi = h.sheet->multiplePage();
    QVERIFY(multi->statusEdit()->isReadOnly());
    QVERIFY(multi->resultsBox()->isReadOnly());
    QCOMPARE(multi->resultsBox()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QTest::keyClicks(multi->resultsBox(), QStringLiteral("typed"));
    QCOMPARE(multi->resultsBox()->toPlainText(), QString());
}

void SheetLayoutTest::progressBarsRunFrom0To100WithoutText() {
    WindowHarness h;
    for (const char* name : {"single.progress", "multi.current", "multi.total"}) {
        auto* bar = qobject_cast<QProgressBar*>(pageControl(*h.sheet, QLatin1String(name)));
        QVERIFY(bar != nullptr);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 100);
        QCOMPARE(bar->value(), 0);
        QVERIFY(!bar->isTextVisible());
    }
}

void SheetLayoutTest::cpuFamilyListIsFilledSortedOnFirstShow() {
    WindowHarness h;
    QComboBox* family = h.sheet->multiplePage()->cpuFamilyList();
    QVERIFY(!family->isEditable());
    QVERIFY(h.showPage(0));
    QCOMPARE(family->count(), 0);  // the page has not been shown yet
    QVERIFY(h.showPage(1));
    QCOMPARE(family->count(), 2);
    QCOMPARE(family->itemText(0), QStringLiteral("Nerak"));
    QCOMPARE(family->itemText(1), QStringLiteral("Quarix RISC engine"));
    QCOMPARE(family->currentIndex(), -1);
    // Showing the page again does not fill the list twice, nor forget the choice.
    family->setCurrentIndex(1);
    QVERIFY(h.showPage(0));
    QVERIFY(h.showPage(1));
    QCOMPARE(family->count(), 2);
    QCOMPARE(family->currentIndex(), 1);
}

void SheetLayoutTest::screenshotsOfBothPages() {
    WindowHarness h;
    QVERIFY(QDir().mkpath(screenshotDir()));
    const char* files[] = {"single-page.png", "multiple-page.png"};
    for (int index : {0, 1}) {
        QVERIFY(h.showPage(index));
        const QString file = screenshotDir() + QLatin1Char('/') + QLatin1String(files[index]);
        QFile::remove(file);
        QVERIFY(h.sheet->grab().save(file));
        const QImage image(file);
        QCOMPARE(image.size(), h.sheet->size() * h.sheet->devicePixelRatio());
    }
}

void SheetLayoutTest::closeEndsTheWindow() {
    WindowHarness h;
    QPushButton* close = h.sheet->closeButton();
    QTimer::singleShot(0, close, [close] { QTest::mouseClick(close, Qt::LeftButton); });
    const int result = h.sheet->exec();
    QCOMPARE(result, static_cast<int>(QDialog::Accepted));
    QVERIFY(!h.sheet->isVisible());
}

}  // namespace z2k::test

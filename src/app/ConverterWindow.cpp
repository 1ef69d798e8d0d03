#include "ConverterWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "CodePageText.h"
#include "MultipleProjectsPage.h"
#include "SingleProjectPage.h"
#include "conversion/ConversionDriver.h"
#include "translation/ApplicationTitle.h"

namespace z2k {

namespace {

// The window's margins and gaps, and its buttons' size, in dialog units.
constexpr int kMarginUnits = 7;
constexpr int kButtonGapUnits = 6;
constexpr int kButtonWidthUnits = 50;
constexpr int kButtonHeightUnits = 14;

}  // namespace

QFont ConverterWindow::dialogFont() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

ConverterWindow::ConverterWindow(FilePickers& pickers, Alerts& alerts, const HostSettings& settings,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      alerts_(alerts),
      settings_(settings),
      units_((setFont(dialogFont()), font())) {
    setWindowTitle(codePageToQString(kApplicationTitle, settings_.codePage));
    setModal(true);

    tabs_ = new QTabWidget(this);
    single_ = new SingleProjectPage(units_, pickers, settings_, this);
    multiple_ = new MultipleProjectsPage(units_, pickers, settings_, this);
    tabs_->addTab(single_, single_->windowTitle());
    tabs_->addTab(multiple_, multiple_->windowTitle());

    // Of a tabbed dialog's standard buttons (OK, Cancel, Apply, Help) only two places are used:
    // "Convert" where Apply stood and "Close" where Help stood.
    convert_ = new QPushButton(QStringLiteral("Convert"), this);
    close_ = new QPushButton(QStringLiteral("Close"), this);
    for (QPushButton* button : {convert_, close_}) {
        button->setAutoDefault(false);
        button->setFixedSize(units_.x(kButtonWidthUnits), units_.y(kButtonHeightUnits));
    }
    connect(convert_, &QPushButton::clicked, this, &ConverterWindow::convert);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(units_.x(kButtonGapUnits));
    buttons->addStretch(1);
    buttons->addWidget(convert_);
    buttons->addWidget(close_);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(units_.x(kMarginUnits), units_.y(kMarginUnits), units_.x(kMarginUnits),
                               units_.y(kMarginUnits));
    column->setSpacing(units_.y(kMarginUnits));
    column->addWidget(tabs_);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

void ConverterWindow::setButtonsEnabled(bool enabled) {
    convert_->setEnabled(enabled);
    close_->setEnabled(enabled);
}

void ConverterWindow::convert() {
    auto* page = qobject_cast<ConverterPage*>(tabs_->currentWidget());
    if (page == nullptr) return;
    // Disabling a focused button moves the focus on; it comes back where it was afterwards.
    QWidget* focused = focusWidget();
    setButtonsEnabled(false);
    bool focusSet = false;
    const std::optional<ConversionRequest> request = page->formRequest(alerts_, focusSet);
    if (request) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        {
            ConversionDriver driver(*request);
            driver.run();
        }
        QApplication::restoreOverrideCursor();
    }
    setButtonsEnabled(true);
    if (!focusSet && focused != nullptr && focused->isEnabled()) focused->setFocus(Qt::OtherFocusReason);
}

}  // namespace z2k

#include "ConverterWindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "CodePageText.h"
#include "ConversionThread.h"
#include "MultipleProjectsPage.h"
#include "OptionsRow.h"
#include "ReportDialog.h"
#include "SingleProjectPage.h"
#include "cli/ReportWriter.h"
#include "translation/ApplicationTitle.h"

namespace z2k {

namespace {

// The window's margins and gaps, and its buttons' size, in dialog units.
constexpr int kMarginUnits = 7;
constexpr int kButtonGapUnits = 6;
constexpr int kButtonWidthUnits = 50;
constexpr int kButtonHeightUnits = 14;
// The box of counts below the pages shows this many lines before it scrolls.
constexpr int kLeftBehindLines = 4;

// The command line's summary lines, without its pointer to --report: the window has its own button.
QString leftBehindText(const ConversionReport& report, CodePage page) {
    std::string lines = ReportWriter::summaryLines(report);
    const std::string pointer = "; see --report";
    for (std::size_t at = lines.find(pointer); at != std::string::npos; at = lines.find(pointer, at))
        lines.erase(at, pointer.size());
    while (!lines.empty() && lines.back() == '\n') lines.pop_back();
    return codePageToQString(lines, page);
}

}  // namespace

QFont ConverterWindow::dialogFont() {
    return QApplication::font();
}

ConverterWindow::ConverterWindow(FilePickers& pickers, Alerts& alerts, const HostSettings& localeSettings,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      alerts_(alerts),
      localeSettings_(localeSettings),
      settings_(localeSettings),
      units_((setFont(dialogFont()), font())) {
    setWindowTitle(codePageToQString(kApplicationTitle, settings_.codePage));
    setModal(true);

    tabs_ = new QTabWidget(this);
    single_ = new SingleProjectPage(units_, pickers, settings_, this);
    multiple_ = new MultipleProjectsPage(units_, pickers, settings_, this);
    tabs_->addTab(single_, single_->windowTitle());
    tabs_->addTab(multiple_, multiple_->windowTitle());
    connect(tabs_, &QTabWidget::currentChanged, this, &ConverterWindow::focusFirstField);

    options_ = new OptionsRow(this);
    leftBehind_ = new QPlainTextEdit(this);
    leftBehind_->setReadOnly(true);
    leftBehind_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    leftBehind_->setFixedHeight(
        leftBehind_->fontMetrics().lineSpacing() * kLeftBehindLines +
        2 * (leftBehind_->frameWidth() + static_cast<int>(leftBehind_->document()->documentMargin())));
    leftBehind_->setAccessibleName(QStringLiteral("Options left behind"));
    report_ = new QPushButton(QStringLiteral("&Report..."), this);
    report_->setEnabled(false);
    connect(report_, &QPushButton::clicked, this, &ConverterWindow::showReport);

    // Of a tabbed dialog's standard buttons (OK, Cancel, Apply, Help) three places are used:
    // "Cancel", "Convert" where Apply stood and "Close" where Help stood.
    cancel_ = new QPushButton(QStringLiteral("Ca&ncel"), this);
    convert_ = new QPushButton(QStringLiteral("C&onvert"), this);
    close_ = new QPushButton(QStringLiteral("&Close"), this);
    for (QPushButton* button : {report_, cancel_, convert_, close_}) {
        button->setAutoDefault(false);
        button->setFixedSize(units_.x(kButtonWidthUnits), units_.y(kButtonHeightUnits));
    }
    // Enter in a field converts.
    convert_->setDefault(true);
    cancel_->setEnabled(false);
    connect(convert_, &QPushButton::clicked, this, &ConverterWindow::convert);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        if (run_ != nullptr) run_->cancel();
        cancel_->setEnabled(false);
    });
    connect(close_, &QPushButton::clicked, this, &ConverterWindow::reject);

    auto* leftBehindRow = new QHBoxLayout;
    leftBehindRow->setSpacing(units_.x(kButtonGapUnits));
    leftBehindRow->addWidget(leftBehind_, 1);
    leftBehindRow->addWidget(report_, 0, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->setSpacing(units_.x(kButtonGapUnits));
    buttons->addStretch(1);
    buttons->addWidget(cancel_);
    buttons->addWidget(convert_);
    buttons->addWidget(close_);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(units_.x(kMarginUnits), units_.y(kMarginUnits), units_.x(kMarginUnits),
                               units_.y(kMarginUnits));
    column->setSpacing(units_.y(kMarginUnits));
    column->addWidget(tabs_);
    column->addWidget(options_);
    column->addLayout(leftBehindRow);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
}

ConverterWindow::~ConverterWindow() {
    // A run still going is stopped and waited for while the pages it shows on are still here.
    if (run_ != nullptr) disconnect(run_.get(), nullptr, this, nullptr);
    run_.reset();
}

ReportDialog* ConverterWindow::reportDialog() const {
    return reportDialog_;
}

bool ConverterWindow::converting() const {
    return run_ != nullptr && run_->running();
}

void ConverterWindow::waitForConversion() {
    if (run_ != nullptr) run_->wait();
}

void ConverterWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    focusFirstField();
}

void ConverterWindow::focusFirstField() {
    if (auto* page = qobject_cast<ConverterPage*>(tabs_->currentWidget()))
        page->firstField()->setFocus(Qt::OtherFocusReason);
}

void ConverterWindow::setButtonsEnabled(bool enabled) {
    convert_->setEnabled(enabled);
    close_->setEnabled(enabled);
    report_->setEnabled(enabled && !lastReport_.empty());
    options_->setEnabled(enabled);
}

void ConverterWindow::convert() {
    auto* page = qobject_cast<ConverterPage*>(tabs_->currentWidget());
    if (page == nullptr || converting()) return;
    // Disabling a focused button moves the focus on; it comes back where it was afterwards.
    focusBefore_ = focusWidget();
    lastReport_.clear();
    leftBehind_->clear();
    setButtonsEnabled(false);
    settings_ = options_->applied(localeSettings_);
    bool focusSet = false;
    const std::optional<ConversionRequest> request = page->formRequest(alerts_, focusSet);
    if (!request) {
        setButtonsEnabled(true);
        if (!focusSet && focusBefore_ != nullptr && focusBefore_->isEnabled())
            focusBefore_->setFocus(Qt::OtherFocusReason);
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    lastSettings_ = settings_;
    // A child of the window as well, so that a finished run left for deletion goes with it.
    run_ = std::make_unique<ConversionThread>(*request, this);
    connect(run_.get(), &ConversionThread::finished, this, &ConverterWindow::conversionEnded);
    // Only a folder run has a next project to stop before.
    cancel_->setEnabled(request->mode == ConversionMode::Multiple);
    run_->start();
}

void ConverterWindow::conversionEnded() {
    QApplication::restoreOverrideCursor();
    cancel_->setEnabled(false);
    lastReport_ = run_->report();
    QString leftBehind = leftBehindText(lastReport_, lastSettings_.codePage);
    // What the search of a folder run could not look into, as the command line warns of it.
    for (const std::string& skipped : run_->summary().skipped)
        leftBehind +=
            QStringLiteral("\nwarning: skipped ") + codePageToQString(skipped, lastSettings_.codePage);
    leftBehind_->setPlainText(leftBehind.trimmed());
    setButtonsEnabled(true);
    if (focusBefore_ != nullptr && focusBefore_->isEnabled()) focusBefore_->setFocus(Qt::OtherFocusReason);
    // This runs on a signal of the finished run: it goes when the signal has been delivered.
    run_.release()->deleteLater();
    if (closeWhenEnded_) QDialog::done(QDialog::Accepted);
}

void ConverterWindow::reject() {
    if (converting()) {
        // The window closes when the run has ended: a message box of the run may still be up.
        closeWhenEnded_ = true;
        run_->cancel();
        cancel_->setEnabled(false);
        return;
    }
    QDialog::done(QDialog::Accepted);
}

void ConverterWindow::showReport() {
    if (lastReport_.empty()) return;
    delete reportDialog_;
    reportDialog_ = new ReportDialog(lastReport_, lastSettings_, !lastSettings_.writeFiles, alerts_, this);
    reportDialog_->setAttribute(Qt::WA_DeleteOnClose);
    reportDialog_->open();
}

}  // namespace z2k

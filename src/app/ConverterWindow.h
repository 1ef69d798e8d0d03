#pragma once
// The converter window: a modal dialog with the "Single" and "Mulitple" pages on tabs, a row of
// options, "Convert" which converts for the page showing on a thread of its own, "Cancel" which
// stops a folder run after its current project, and "Close", which ends the program. Below the
// pages, what each conversion left behind: the options it carried over unconverted or dropped,
// counted per project, and "Report..." listing them one by one.
#include <QDialog>
#include <QPointer>
#include <memory>

#include "DialogUnits.h"
#include "platform/HostSettings.h"
#include "translation/ConversionReport.h"

class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace z2k {

class Alerts;
class ConversionThread;
class FilePickers;
class OptionsRow;
class ReportDialog;
class SingleProjectPage;
class MultipleProjectsPage;

class ConverterWindow : public QDialog {
    Q_OBJECT
  public:
    // The pickers and alerts are not owned; they must outlive the window.
    // localeSettings: those of the process locale, which the options row adjusts per conversion.
    ConverterWindow(FilePickers& pickers, Alerts& alerts, const HostSettings& localeSettings,
                    QWidget* parent = nullptr);
    ~ConverterWindow() override;

    // The dialog font: the desktop's, so that the dialog units follow its font and scale.
    static QFont dialogFont();

    const DialogUnits& units() const { return units_; }
    QTabWidget* tabs() const { return tabs_; }
    SingleProjectPage* singlePage() const { return single_; }
    MultipleProjectsPage* multiplePage() const { return multiple_; }
    OptionsRow* options() const { return options_; }
    QPushButton* convertButton() const { return convert_; }
    QPushButton* cancelButton() const { return cancel_; }
    QPushButton* closeButton() const { return close_; }
    QPushButton* reportButton() const { return report_; }
    QPlainTextEdit* leftBehindBox() const { return leftBehind_; }
    // The report dialog while it is open.
    ReportDialog* reportDialog() const;
    bool converting() const;
    // Runs the event loop until the conversion under way (if any) has ended and shown its outcome.
    void waitForConversion();

  public slots:
    // Checks the fields of the page showing and, when they pass, starts the conversion with the
    // buttons disabled and the wait cursor up.
    void convert();
    // Close and Esc: a conversion under way is cancelled, and the window closes when it has ended.
    void reject() override;
    // Opens the report of the last conversion.
    void showReport();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void setButtonsEnabled(bool enabled);
    void conversionEnded();
    void focusFirstField();

    Alerts& alerts_;
    HostSettings localeSettings_;
    // The settings of the page's next request: the locale's with the options applied.
    HostSettings settings_;
    DialogUnits units_;
    QTabWidget* tabs_;
    SingleProjectPage* single_;
    MultipleProjectsPage* multiple_;
    OptionsRow* options_;
    QPlainTextEdit* leftBehind_;
    QPushButton* report_;
    QPushButton* convert_;
    QPushButton* cancel_;
    QPushButton* close_;
    std::unique_ptr<ConversionThread> run_;
    // Where the focus was when Convert was pressed; it comes back there afterwards.
    QPointer<QWidget> focusBefore_;
    // The last conversion's report and whether it was a dry run.
    ConversionReport lastReport_;
    HostSettings lastSettings_;
    QPointer<ReportDialog> reportDialog_;
    bool closeWhenEnded_ = false;
};

}  // namespace z2k

#pragma once
// The converter window: a modal dialog with the "Single" and "Mulitple" pages on tabs, a
// "Convert" button that converts for the page showing, and "Close", which ends the program.
#include <QDialog>

#include "DialogUnits.h"
#include "platform/HostSettings.h"

class QPushButton;
class QTabWidget;

namespace z2k {

class Alerts;
class FilePickers;
class SingleProjectPage;
class MultipleProjectsPage;

class ConverterWindow : public QDialog {
    Q_OBJECT
  public:
    // The pickers and alerts are not owned; they must outlive the window.
    // Every conversion of the window runs with these settings.
    ConverterWindow(FilePickers& pickers, Alerts& alerts, const HostSettings& settings,
                    QWidget* parent = nullptr);

    // The dialog font: the platform's default sans-serif face at 8 points.
    static QFont dialogFont();

    const DialogUnits& units() const { return units_; }
    QTabWidget* tabs() const { return tabs_; }
    SingleProjectPage* singlePage() const { return single_; }
    MultipleProjectsPage* multiplePage() const { return multiple_; }
    QPushButton* convertButton() const { return convert_; }
    QPushButton* closeButton() const { return close_; }

  public slots:
    // Checks the fields of the page showing and, when they pass, runs the conversion on this
    // thread with the buttons disabled and the wait cursor up.
    void convert();

  private:
    void setButtonsEnabled(bool enabled);

    Alerts& alerts_;
    HostSettings settings_;
    DialogUnits units_;
    QTabWidget* tabs_;
    SingleProjectPage* single_;
    MultipleProjectsPage* multiple_;
    QPushButton* convert_;
    QPushButton* close_;
};

}  // namespace z2k

#pragma once
// "Report": every option a conversion carried over unconverted or dropped, one row each, in a
// table that sorts by any column and filters on any text, with "Save as..." to the JSON or text
// report that the command line writes.
#include <QDialog>

#include "platform/HostSettings.h"
#include "translation/ConversionReport.h"

class QLineEdit;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace z2k {

class Alerts;

class ReportDialog : public QDialog {
    Q_OBJECT
  public:
    enum Column { Project, Configuration, Tool, File, Option, Outcome, ColumnCount };

    // The report is copied; settings give the code page of its texts and the way files are
    // written; a save that fails is told through alerts (not owned).
    ReportDialog(const ConversionReport& report, const HostSettings& settings, bool dryRun, Alerts& alerts,
                 QWidget* parent = nullptr);

    QTableView* table() const { return table_; }
    QSortFilterProxyModel* rows() const { return proxy_; }
    QLineEdit* filterEdit() const { return filter_; }
    QPushButton* saveButton() const { return save_; }

    // Writes the report to a host path: JSON for ".json", text for any other name. False after
    // the failure was shown.
    bool saveTo(const QString& hostPath);

  private slots:
    void saveAs();

  private:
    ConversionReport report_;
    HostSettings settings_;
    bool dryRun_;
    Alerts& alerts_;
    QStandardItemModel* model_;
    QSortFilterProxyModel* proxy_;
    QTableView* table_;
    QLineEdit* filter_;
    QPushButton* save_;
};

}  // namespace z2k

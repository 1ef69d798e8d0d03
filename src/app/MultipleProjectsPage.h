#pragma once
// The "Mulitple" page: converts every ZAT project of one CPU family found under a folder into
// one workspace.
#include <memory>

#include "ConverterPage.h"
#include "ProgressBarDisplay.h"
#include "WidgetTextDisplay.h"

class QComboBox;
class QPlainTextEdit;

namespace z2k {

class FilePickers;
class MiddleElidedLine;

class MultipleProjectsPage : public ConverterPage {
    Q_OBJECT
  public:
    MultipleProjectsPage(const DialogUnits& units, FilePickers& pickers, const HostSettings& settings,
                         QWidget* parent = nullptr);

    QLineEdit* workspaceDirectoryEdit() const { return workspaceDirectory_; }
    QPushButton* browseButton() const { return browse_; }
    QLineEdit* workspaceNameEdit() const { return workspaceName_; }
    QComboBox* cpuFamilyList() const { return cpuFamily_; }
    QProgressBar* currentProgressBar() const { return currentProgress_; }
    QProgressBar* totalProgressBar() const { return totalProgress_; }
    MiddleElidedLine* statusEdit() const { return status_; }
    QPlainTextEdit* resultsBox() const { return results_; }
    const WidgetTextDisplay& resultsDisplay() const { return *resultsDisplay_; }
    const WidgetTextDisplay& statusDisplay() const { return *statusDisplay_; }

    QWidget* firstField() const override;
    void clearOutcome() override;

  protected:
    void showEvent(QShowEvent* event) override;
    FieldCheck checkFields() override;
    ConversionRequest request() override;
    QWidget* fieldControl(CheckedField field) override;

  private slots:
    void browse();

  private:
    std::string chosenFamily() const;
    // Inserts a name where a sorted list keeps it (letter case ignored).
    void addFamilySorted(const QString& name);

    FilePickers& pickers_;
    QLineEdit* workspaceDirectory_;
    QPushButton* browse_;
    QLineEdit* workspaceName_;
    QComboBox* cpuFamily_;
    QProgressBar* currentProgress_;
    QProgressBar* totalProgress_;
    MiddleElidedLine* status_;
    QPlainTextEdit* results_;
    bool familiesFilled_ = false;
    std::unique_ptr<ProgressBarDisplay> currentDisplay_;
    std::unique_ptr<ProgressBarDisplay> totalDisplay_;
    std::unique_ptr<WidgetTextDisplay> statusDisplay_;
    std::unique_ptr<WidgetTextDisplay> resultsDisplay_;
};

}  // namespace z2k

#pragma once
// The "Single" page: converts one ZAT project into a new workspace beside it.
#include <memory>

#include "ConverterPage.h"
#include "ProgressBarDisplay.h"
#include "WidgetTextDisplay.h"

namespace z2k {

class FilePickers;

class SingleProjectPage : public ConverterPage {
    Q_OBJECT
  public:
    SingleProjectPage(const DialogUnits& units, FilePickers& pickers, const HostSettings& settings,
                      QWidget* parent = nullptr);

    QLineEdit* projectFileEdit() const { return projectFile_; }
    QPushButton* browseButton() const { return browse_; }
    QLineEdit* workspaceNameEdit() const { return workspaceName_; }
    QProgressBar* totalProgressBar() const { return totalProgress_; }
    QLineEdit* resultsEdit() const { return results_; }
    const WidgetTextDisplay& resultsDisplay() const { return *resultsDisplay_; }

    QWidget* firstField() const override;
    void clearOutcome() override;

  protected:
    FieldCheck checkFields() override;
    ConversionRequest request() override;
    QWidget* fieldControl(CheckedField field) override;

  private slots:
    void browse();

  private:
    FilePickers& pickers_;
    QLineEdit* projectFile_;
    QPushButton* browse_;
    QLineEdit* workspaceName_;
    QProgressBar* totalProgress_;
    QLineEdit* results_;
    std::unique_ptr<ProgressBarDisplay> progressDisplay_;
    std::unique_ptr<WidgetTextDisplay> resultsDisplay_;
};

}  // namespace z2k

#include "MultipleProjectsPage.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>

#include "CodePageText.h"
#include "FilePickers.h"
#include "MiddleElidedLine.h"
#include "conversion/RequestForm.h"
#include "options/Families.h"

namespace z2k {

MultipleProjectsPage::MultipleProjectsPage(const DialogUnits& units, FilePickers& pickers,
                                           const HostSettings& settings, QWidget* parent)
    : ConverterPage(units, settings, parent), pickers_(pickers) {
    setWindowTitle(QStringLiteral("Mulitple"));
    workspaceDirectory_ = addEdit(QRect(10, 20, 170, 12), static_cast<int>(kPathFieldLimit));
    browse_ = addButton(QStringLiteral("&Browse..."), QRect(185, 20, 50, 14));
    workspaceName_ = addEdit(QRect(10, 55, 170, 12), static_cast<int>(kWorkspaceNameFieldLimit));

    // A drop-down list: no typing; 35 units is the height of the list when it drops down.
    cpuFamily_ = new QComboBox(this);
    cpuFamily_->setEditable(false);
    cpuFamily_->setInsertPolicy(QComboBox::NoInsert);
    const QRect familyRect = units.rect(10, 85, 145, 35);
    cpuFamily_->setGeometry(familyRect.x(), familyRect.y(), familyRect.width(),
                            cpuFamily_->sizeHint().height());

    currentProgress_ = addProgressBar(QRect(65, 120, 115, 8));
    totalProgress_ = addProgressBar(QRect(65, 135, 115, 8));
    // A long path on the status line keeps its start and its end in sight.
    status_ = new MiddleElidedLine(this);
    place(status_, QRect(10, 165, 215, 12));
    results_ = new QPlainTextEdit(this);
    results_->setReadOnly(true);
    results_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    results_->setLineWrapMode(QPlainTextEdit::NoWrap);
    place(results_, QRect(10, 195, 225, 35));
    addSeparator(110);

    addLabel(QStringLiteral("Workspace &directory:"), QRect(10, 10, 170, 8), workspaceDirectory_);
    addLabel(QStringLiteral("KOR &workspace name:"), QRect(10, 45, 170, 8), workspaceName_);
    addLabel(QStringLiteral("Results:"), QRect(10, 185, 225, 8), results_);
    addLabel(QStringLiteral("Total complete"), QRect(10, 135, 53, 8), totalProgress_);
    addLabel(QStringLiteral("Current project"), QRect(10, 120, 53, 8), currentProgress_);
    addLabel(QStringLiteral("CPU &family:"), QRect(10, 75, 145, 8), cpuFamily_);
    addLabel(QStringLiteral("Status:"), QRect(10, 155, 215, 8), status_);

    alignWithField(browse_, workspaceDirectory_);
    currentDisplay_ = std::make_unique<ProgressBarDisplay>(currentProgress_);
    totalDisplay_ = std::make_unique<ProgressBarDisplay>(totalProgress_);
    statusDisplay_ = std::make_unique<WidgetTextDisplay>(status_, settings.codePage);
    resultsDisplay_ = std::make_unique<WidgetTextDisplay>(results_, settings.codePage);
    connect(browse_, &QPushButton::clicked, this, &MultipleProjectsPage::browse);
}

void MultipleProjectsPage::showEvent(QShowEvent* event) {
    ConverterPage::showEvent(event);
    if (familiesFilled_) return;
    familiesFilled_ = true;
    for (const FamilyInfo& family : kFamilies)
        addFamilySorted(codePageToQString(family.name, settings().codePage));
    cpuFamily_->setCurrentIndex(-1);
}

void MultipleProjectsPage::addFamilySorted(const QString& name) {
    int index = 0;
    while (index < cpuFamily_->count() &&
           QString::compare(cpuFamily_->itemText(index), name, Qt::CaseInsensitive) <= 0) {
        ++index;
    }
    cpuFamily_->insertItem(index, name);
}

std::string MultipleProjectsPage::chosenFamily() const {
    if (cpuFamily_->currentIndex() < 0) return std::string();
    return qStringToCodePage(cpuFamily_->currentText(), settings().codePage);
}

QWidget* MultipleProjectsPage::firstField() const {
    return workspaceDirectory_;
}

void MultipleProjectsPage::clearOutcome() {
    currentDisplay_->reset();
    totalDisplay_->reset();
    statusDisplay_->clear();
    resultsDisplay_->clear();
}

FieldCheck MultipleProjectsPage::checkFields() {
    return checkMultipleFields(typedFieldToSystemPath(workspaceDirectory_->text(), settings()),
                               qStringToCodePage(workspaceName_->text(), settings().codePage), chosenFamily(),
                               settings());
}

ConversionRequest MultipleProjectsPage::request() {
    ConversionRequest formed = multipleRequest(
        typedFieldToSystemPath(workspaceDirectory_->text(), settings()),
        qStringToCodePage(workspaceName_->text(), settings().codePage), chosenFamily(), settings());
    statusDisplay_->setCodePage(settings().codePage);
    resultsDisplay_->setCodePage(settings().codePage);
    formed.projectProgress = currentDisplay_.get();
    formed.overallProgress = totalDisplay_.get();
    formed.results = resultsDisplay_.get();
    formed.status = statusDisplay_.get();
    // The path and the reason of a failure follow its line in the results; a long wait for a lock
    // is announced on the status line.
    formed.problems = resultsDisplay_.get();
    formed.notices = resultsDisplay_.get();
    formed.lock.longWaitNotice = [display = statusDisplay_.get()](const std::string& notice) {
        display->replace(notice);
    };
    return formed;
}

QWidget* MultipleProjectsPage::fieldControl(CheckedField field) {
    switch (field) {
        case CheckedField::WorkspaceDirectory:
            return workspaceDirectory_;
        case CheckedField::WorkspaceName:
            return workspaceName_;
        case CheckedField::CpuFamily:
            return cpuFamily_;
        case CheckedField::ProjectFile:
        case CheckedField::None:
            break;
    }
    return nullptr;
}

void MultipleProjectsPage::browse() {
    const std::optional<QString> chosen = pickers_.pickWorkspaceDirectory(
        window(), typedFieldToHostFolder(workspaceDirectory_->text(), settings()));
    if (chosen) workspaceDirectory_->setText(*chosen);
}

}  // namespace z2k

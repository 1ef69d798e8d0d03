#include "SingleProjectPage.h"

#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "CodePageText.h"
#include "FilePickers.h"
#include "conversion/RequestForm.h"
#include "paths/PathParts.h"

namespace z2k {

SingleProjectPage::SingleProjectPage(const DialogUnits& units, FilePickers& pickers,
                                     const HostSettings& settings, QWidget* parent)
    : ConverterPage(units, settings, parent), pickers_(pickers) {
    setWindowTitle(QStringLiteral("Single"));
    projectFile_ = addEdit(QRect(10, 20, 170, 12), static_cast<int>(kPathFieldLimit));
    browse_ = addButton(QStringLiteral("&Browse..."), QRect(185, 20, 50, 14));
    workspaceName_ = addEdit(QRect(10, 55, 170, 12), static_cast<int>(kWorkspaceNameFieldLimit));
    totalProgress_ = addProgressBar(QRect(71, 95, 115, 8));
    results_ = addReadOnlyLine(QRect(49, 115, 170, 12));
    addSeparator(80);

    addLabel(QStringLiteral("ZAT &Project filename:"), QRect(10, 10, 170, 8), projectFile_);
    addLabel(QStringLiteral("KOR &workspace name:"), QRect(10, 45, 170, 8), workspaceName_);
    addLabel(QStringLiteral("Total complete"), QRect(10, 95, 58, 8), totalProgress_);
    addLabel(QStringLiteral("Results:"), QRect(10, 117, 36, 8), results_);

    alignWithField(browse_, projectFile_);
    progressDisplay_ = std::make_unique<ProgressBarDisplay>(totalProgress_);
    resultsDisplay_ = std::make_unique<WidgetTextDisplay>(results_, settings.codePage);
    connect(browse_, &QPushButton::clicked, this, &SingleProjectPage::browse);
}

QWidget* SingleProjectPage::firstField() const {
    return projectFile_;
}

void SingleProjectPage::clearOutcome() {
    progressDisplay_->reset();
    resultsDisplay_->clear();
}

FieldCheck SingleProjectPage::checkFields() {
    const std::string typed = typedFieldToSystemPath(projectFile_->text(), settings());
    FieldCheck check =
        checkSingleFields(typed, qStringToCodePage(workspaceName_->text(), settings().codePage), settings());
    // A project not found under a path that is neither a host path nor in drive form was typed
    // relative, which the window does not resolve: the box says how to name it instead.
    std::string part, rest;
    if (!check.ok && check.field == CheckedField::None &&
        !parseDrivePath(typed, settings().codePage, part, rest) &&
        !parseMachinePath(typed, settings().codePage, part, rest))
        check.message += "\nType the full path of the ZAT project (starting with /), or use Browse.";
    return check;
}

ConversionRequest SingleProjectPage::request() {
    ConversionRequest formed =
        singleRequest(typedFieldToSystemPath(projectFile_->text(), settings()),
                      qStringToCodePage(workspaceName_->text(), settings().codePage), settings());
    resultsDisplay_->setCodePage(settings().codePage);
    formed.projectProgress = progressDisplay_.get();
    formed.results = resultsDisplay_.get();
    // The one-line results control shows the failure message and, after it, the path and the
    // reason; a long wait for a lock is announced there too, until the next message replaces it.
    formed.problems = resultsDisplay_.get();
    formed.notices = resultsDisplay_.get();
    formed.lock.longWaitNotice = [display = resultsDisplay_.get()](const std::string& notice) {
        display->replace(notice);
    };
    return formed;
}

QWidget* SingleProjectPage::fieldControl(CheckedField field) {
    switch (field) {
        case CheckedField::ProjectFile:
            return projectFile_;
        case CheckedField::WorkspaceName:
            return workspaceName_;
        case CheckedField::WorkspaceDirectory:
        case CheckedField::CpuFamily:
        case CheckedField::None:
            break;
    }
    return nullptr;
}

void SingleProjectPage::browse() {
    const std::optional<QString> chosen = pickers_.pickProjectFile(window());
    if (chosen) projectFile_->setText(*chosen);
}

}  // namespace z2k

#include "DialogFilePickers.h"

#include <QStringList>

#include "ProjectFileDialog.h"
#include "WorkspaceFolderDialog.h"

namespace z2k {

namespace {

std::optional<QString> runDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.front();
}

}  // namespace

std::optional<QString> DialogFilePickers::pickProjectFile(QWidget* parent) {
    ProjectFileDialog dialog(parent);
    return runDialog(dialog);
}

std::optional<QString> DialogFilePickers::pickWorkspaceDirectory(QWidget* parent,
                                                                 const QString& startFolder) {
    WorkspaceFolderDialog dialog(startFolder, parent);
    return runDialog(dialog);
}

}  // namespace z2k

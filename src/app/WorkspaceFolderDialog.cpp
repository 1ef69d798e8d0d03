#include "WorkspaceFolderDialog.h"

#include <QWidget>

namespace z2k {

WorkspaceFolderDialog::WorkspaceFolderDialog(const QString& startFolder, QWidget* parent)
    : QFileDialog(parent) {
    setWindowTitle(QStringLiteral("Select workspace directory"));
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::Directory);
    setOption(QFileDialog::ShowDirsOnly, true);
    setLabelText(QFileDialog::Accept, QStringLiteral("Select"));
    if (!startFolder.isEmpty()) setDirectory(startFolder);
    // The folder is the one the dialog shows or the one selected in it: no name is typed.
    for (const char* name : {"fileNameLabel", "fileNameEdit", "fileTypeLabel", "fileTypeCombo"}) {
        if (QWidget* child = findChild<QWidget*>(QLatin1String(name))) {
            child->setEnabled(false);
            child->hide();
        }
    }
}

}  // namespace z2k

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
    // A folder is chosen by its name, typed or pasted in the name box, or picked from the list;
    // there are no file types to choose from.
    for (const char* name : {"fileTypeLabel", "fileTypeCombo"}) {
        if (QWidget* child = findChild<QWidget*>(QLatin1String(name))) {
            child->setEnabled(false);
            child->hide();
        }
    }
}

}  // namespace z2k

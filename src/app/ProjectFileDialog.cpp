#include "ProjectFileDialog.h"

namespace z2k {

const QString& ProjectFileDialog::zatFilter() {
    static const QString filter = QStringLiteral("ZAT Files (*.zat)");
    return filter;
}

// "*" rather than "*.*": on this host a file name needs no dot, and the filter stands for every file.
const QString& ProjectFileDialog::allFilter() {
    static const QString filter = QStringLiteral("All Files (*)");
    return filter;
}

ProjectFileDialog::ProjectFileDialog(QWidget* parent) : QFileDialog(parent) {
    setWindowTitle(QStringLiteral("Select project filename"));
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(QFileDialog::AcceptOpen);
    setFileMode(QFileDialog::ExistingFile);
    setLabelText(QFileDialog::Accept, QStringLiteral("Select"));
    setNameFilters({zatFilter(), allFilter()});
    selectNameFilter(zatFilter());
    // The ZAT filter matches ".zat" in any letter case.
    setFilter(filter() & ~QDir::CaseSensitive);
    selectFile(QStringLiteral("*.ZAT"));
}

}  // namespace z2k

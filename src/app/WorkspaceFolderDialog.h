#pragma once
// The folder picker of the "Mulitple" page: lists folders only; a folder's path may be typed or
// pasted in its name box. It has no file type box.
#include <QFileDialog>

namespace z2k {

class WorkspaceFolderDialog : public QFileDialog {
    Q_OBJECT
  public:
    // Opens at startFolder (a host folder; empty: the current folder).
    explicit WorkspaceFolderDialog(const QString& startFolder, QWidget* parent = nullptr);
};

}  // namespace z2k

#pragma once
// The file picker of the "Single" page: existing files only, ZAT projects listed by default.
#include <QFileDialog>

namespace z2k {

class ProjectFileDialog : public QFileDialog {
    Q_OBJECT
  public:
    explicit ProjectFileDialog(QWidget* parent = nullptr);

    static const QString& zatFilter();
    static const QString& allFilter();
};

}  // namespace z2k

#pragma once
// The pickers as the program shows them: modal file dialogs.
#include "FilePickers.h"

namespace z2k {

class DialogFilePickers : public FilePickers {
  public:
    std::optional<QString> pickProjectFile(QWidget* parent) override;
    std::optional<QString> pickWorkspaceDirectory(QWidget* parent, const QString& startFolder) override;
};

}  // namespace z2k

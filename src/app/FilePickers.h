#pragma once
// The two pickers of the window, behind an interface so that tests answer them in place of a
// person.
#include <QString>
#include <optional>

class QWidget;

namespace z2k {

class FilePickers {
  public:
    virtual ~FilePickers() = default;
    // The host path of an existing project file, or nothing when the user cancelled.
    virtual std::optional<QString> pickProjectFile(QWidget* parent) = 0;
    // The host path of the folder chosen, or nothing when the user cancelled. The picker opens at
    // startFolder (a host folder; empty: the current folder).
    virtual std::optional<QString> pickWorkspaceDirectory(QWidget* parent, const QString& startFolder) = 0;
};

}  // namespace z2k

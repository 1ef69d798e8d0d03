#pragma once
// Pickers that answer from a script in place of a person, and remember how they were asked.
#include <QString>
#include <optional>

#include "FilePickers.h"

namespace z2k::test {

class FakePickers : public FilePickers {
  public:
    std::optional<QString> pickProjectFile(QWidget*) override {
        ++projectCalls;
        return projectAnswer;
    }
    std::optional<QString> pickWorkspaceDirectory(QWidget*, const QString& startFolder) override {
        ++directoryCalls;
        lastStartFolder = startFolder;
        return directoryAnswer;
    }

    std::optional<QString> projectAnswer;
    std::optional<QString> directoryAnswer;
    int projectCalls = 0;
    int directoryCalls = 0;
    QString lastStartFolder;
};

}  // namespace z2k::test

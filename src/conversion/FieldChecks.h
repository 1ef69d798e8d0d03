#pragma once
// The checks a front end runs on the typed fields before a conversion starts, in the window's
// order, with its messages. The window shows the message in a box and moves the focus to the
// field named; the command line prints it.
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/HostSettings.h"

namespace z2k {

// The field a failed check concerns. None: the focus stays where it is.
enum class CheckedField { None, ProjectFile, WorkspaceDirectory, WorkspaceName, CpuFamily };

struct FieldCheck {
    bool ok = true;
    std::string message;  // the message box text of the first failing check
    CheckedField field = CheckedField::None;
};

// The "Single" page: project file name and workspace name, as typed (system path form). On both
// pages a workspace name that is not one file name is refused after the "incomplete" checks.
FieldCheck checkSingleFields(std::string_view projectFile, std::string_view workspaceName,
                             const HostSettings& settings);
// The "Mulitple" page: workspace directory, workspace name and the chosen CPU family (empty
// when none was chosen).
FieldCheck checkMultipleFields(std::string_view workspaceDirectory, std::string_view workspaceName,
                               std::string_view cpuFamily, const HostSettings& settings);

// The longest texts the fields take: paths 200 characters, workspace names 32.
inline constexpr std::size_t kPathFieldLimit = 200;
inline constexpr std::size_t kWorkspaceNameFieldLimit = 32;

}  // namespace z2k

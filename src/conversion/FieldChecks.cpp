#include "conversion/FieldChecks.h"

#include "paths/PathValidation.h"

namespace z2k {

namespace {

constexpr const char* kIncomplete = "Entry fields are incomplete.";

FieldCheck fail(const char* message, CheckedField field) {
    FieldCheck check;
    check.ok = false;
    check.message = message;
    check.field = field;
    return check;
}

}  // namespace

FieldCheck checkSingleFields(std::string_view projectFile, std::string_view workspaceName) {
    if (projectFile.empty()) return fail(kIncomplete, CheckedField::ProjectFile);
    if (workspaceName.empty()) return fail(kIncomplete, CheckedField::WorkspaceName);
    if (!FileExists(projectFile))
        return fail("The specified ZAT project cannot be found.", CheckedField::None);
    return FieldCheck{};
}

FieldCheck checkMultipleFields(std::string_view workspaceDirectory, std::string_view workspaceName,
                               std::string_view cpuFamily) {
    if (workspaceDirectory.empty()) return fail(kIncomplete, CheckedField::WorkspaceDirectory);
    if (workspaceName.empty()) return fail(kIncomplete, CheckedField::WorkspaceName);
    if (cpuFamily.empty()) return fail(kIncomplete, CheckedField::CpuFamily);
    if (!DirectoryExists(workspaceDirectory)) {
        return fail("The specified Workspace directory does not exist.", CheckedField::None);
    }
    return FieldCheck{};
}

}  // namespace z2k

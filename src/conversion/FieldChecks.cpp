#include "conversion/FieldChecks.h"

#include "paths/PathChars.h"
#include "paths/PathValidation.h"
#include "platform/CodePage.h"

namespace z2k {

namespace {

constexpr const char* kIncomplete = "Entry fields are incomplete.";
constexpr const char* kBadWorkspaceName = "The KOR workspace name is not a valid file name.";

FieldCheck fail(const char* message, CheckedField field) {
    FieldCheck check;
    check.ok = false;
    check.message = message;
    check.field = field;
    return check;
}

// A workspace name is one file name: it becomes NAME.krs in the folder of the project(s) and a
// value in the workspace file, so it may hold no separator, drive mark, forbidden character or
// control character (a line feed would split a record), and must not be only dots and blanks.
bool isValidWorkspaceName(std::string_view name, CodePage page) {
    bool onlyDotsAndBlanks = true;
    bool valid = !name.empty();
    forEachChar(
        name,
        [&](std::size_t pos, std::size_t length) {
            // A double-byte character is a name character, whatever its trail byte is.
            if (length != 1) {
                onlyDotsAndBlanks = false;
                return;
            }
            const char c = name[pos];
            const auto byte = static_cast<unsigned char>(c);
            if (c == '\\' || c == ':' || byte < 0x20 || byte == 0x7F ||
                hasForbiddenChars(name.substr(pos, 1), page))
                valid = false;
            if (c != '.' && c != ' ') onlyDotsAndBlanks = false;
        },
        page);
    return valid && !onlyDotsAndBlanks;
}

}  // namespace

// The name's own check follows every "incomplete" check and comes before the checks that look at
// the disk.
FieldCheck checkSingleFields(std::string_view projectFile, std::string_view workspaceName,
                             const HostSettings& settings) {
    if (projectFile.empty()) return fail(kIncomplete, CheckedField::ProjectFile);
    if (workspaceName.empty()) return fail(kIncomplete, CheckedField::WorkspaceName);
    if (!isValidWorkspaceName(workspaceName, settings.codePage))
        return fail(kBadWorkspaceName, CheckedField::WorkspaceName);
    if (!fileExists(projectFile, settings))
        return fail("The specified ZAT project cannot be found.", CheckedField::None);
    return FieldCheck{};
}

FieldCheck checkMultipleFields(std::string_view workspaceDirectory, std::string_view workspaceName,
                               std::string_view cpuFamily, const HostSettings& settings) {
    if (workspaceDirectory.empty()) return fail(kIncomplete, CheckedField::WorkspaceDirectory);
    if (workspaceName.empty()) return fail(kIncomplete, CheckedField::WorkspaceName);
    if (cpuFamily.empty()) return fail(kIncomplete, CheckedField::CpuFamily);
    if (!isValidWorkspaceName(workspaceName, settings.codePage))
        return fail(kBadWorkspaceName, CheckedField::WorkspaceName);
    if (!directoryExists(workspaceDirectory, settings)) {
        return fail("The specified Workspace directory does not exist.", CheckedField::None);
    }
    return FieldCheck{};
}

}  // namespace z2k

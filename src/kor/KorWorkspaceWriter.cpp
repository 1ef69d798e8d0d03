#include "kor/KorWorkspaceWriter.h"

#include <vector>

#include "kor/KorLayouts.h"
#include "paths/PathChars.h"
#include "paths/PathParts.h"

namespace z2k {

std::string korWorkspaceFile(std::string_view path, CodePage page) {
    if (path.empty()) return {};
    std::string file = getParentDirectory(path, page);
    if (file.empty() || file[lastChar(file, page)] != '\\') file += '\\';
    file += getFileTitle(path, page);
    file += ".krs";
    return file;
}

WriteStatus writeKorWorkspace(const KorWorkspace& workspace, std::string_view path,
                              const KorWritePolicy& policy) {
    if (path.empty()) return WriteStatus{FileFailure{"", "no KOR workspace file was named"}};
    Version2Writer writer(korWorkspaceFile(path, policy.settings.codePage), policy.settings, policy.lock,
                          policy.notices);
    if (WriteStatus status = writer.checkWritable(); !status.ok()) return status;

    const KorWorkspace& w = workspace;
    const std::vector<KorTextRow> databaseVersion{{w.databaseVersion}};
    const std::vector<KorWorkspaceDetails> details{w.details};
    const std::vector<KorTextRow> lastProject{{w.lastProject}};
    const std::vector<KorTextRow> information{{w.information}};
    const std::vector<KorVcs> vcs{w.vcs};
    // The file's order.
    std::vector<Version2Table> tables{
        version2Table("DATABASE_VERSION", "", databaseVersion),
        version2Table("WORKSPACE_DETAILS", "", details),
        version2Table("PROJECTS", "", w.projects),
        version2Table("LAST_PROJECT", "", lastProject),
        version2Table("INFORMATION", "", information),
        version2Table("SCRAP", "", w.scrap),
        version2Table("PROJECT_DEPENDENCY", "", w.projectDependency),
        version2Table("WORKSPACE_PROPERTIES", "", w.properties),
        version2Table("OPEN_DOCUMENTS", "", w.openDocuments),
        version2Table("HELP_FILES", "", w.helpFiles),
        version2Table("RECENT_FILES", "", w.recentFiles),
        version2Table("VCS", "", vcs),
        version2Table("VCS_PROJECT", "", w.vcsProjects),
    };
    for (const auto& [key, rows] : w.vcsEnvironment)
        tables.push_back(version2Table("VCS_ENVIRONMENT_" + key, "", rows, true));
    for (const auto& [key, rows] : w.vcsDirectoryMapping)
        tables.push_back(version2Table("VCS_DIRECTORY_MAPPING_" + key, "", rows, true));
    return writer.write(tables, nullptr);
}

}  // namespace z2k

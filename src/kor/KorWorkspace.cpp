#include "kor/KorWorkspace.h"

#include "kor/KorTableWriter.h"
#include "paths/PathChars.h"
#include "paths/PathParts.h"
#include "textdb/TextDatabase.h"

namespace z2k {

std::string KorWorkspace::filePath() const {
    if (path_.empty()) return {};
    std::string file = GetParentDirectory(path_);
    if (file.empty() || file[LastChar(file)] != '\\') file += '\\';
    file += GetFileTitle(path_);
    file += ".krs";
    return file;
}

int KorWorkspace::write() {
    failure_ = FileFailure{};
    if (path_.empty()) {
        failure_ = FileFailure{"", "no KOR workspace file was named"};
        return 1;
    }
    const std::string file = filePath();
    TextDatabase database(TextDatabase::Version2);
    database.setLockPolicy(lockPolicy_);
    // A recordset operation without a reason of the database's own fails in memory only.
    auto failed = [&] {
        failure_ = database.lastFailure();
        if (failure_.empty()) failure_ = FileFailure{file, "a recordset could not be written"};
        return 1;
    };
    if (database.create(file) != 0) return failed();
    if (database.open(file) != 0) return failed();

    KorRecordset<KorTextRow> databaseVersion(database, "DATABASE_VERSION");
    KorRecordset<KorWorkspaceDetails> details(database, "WORKSPACE_DETAILS");
    KorRecordset<KorVariableRow> properties(database, "WORKSPACE_PROPERTIES");
    KorRecordset<KorWorkspaceProject> projects(database, "PROJECTS");
    KorRecordset<KorTextRow> lastProject(database, "LAST_PROJECT");
    KorRecordset<KorTextRow> information(database, "INFORMATION");
    KorRecordset<KorVariableRow> scrap(database, "SCRAP");
    KorRecordset<KorVariableRow> projectDependency(database, "PROJECT_DEPENDENCY");
    KorRecordset<KorVariableRow> openDocuments(database, "OPEN_DOCUMENTS");
    KorRecordset<KorTextRow> helpFiles(database, "HELP_FILES");
    KorRecordset<KorTextRow> recentFiles(database, "RECENT_FILES");
    KorRecordset<KorVcs> vcs(database, "VCS");
    KorRecordset<KorVcsProject> vcsProjects(database, "VCS_PROJECT");

    const Recordset* created[] = {
        &databaseVersion,   &details,       &properties, &projects,    &lastProject, &information, &scrap,
        &projectDependency, &openDocuments, &helpFiles,  &recentFiles, &vcs,         &vcsProjects};
    for (const Recordset* recordset : created)
        if (database.createTable(*recordset) != 0) return failed();

    using Texts = std::vector<KorTextRow>;
    // The writing order differs from the creation order; it is the order of the saved file.
    bool ok = KorTableWriter::writeRows(databaseVersion, Texts{{databaseVersion_}}) &&
              KorTableWriter::writeRows(details, Rows<KorWorkspaceDetails>{details_}) &&
              KorTableWriter::writeRows(projects, projects_) &&
              KorTableWriter::writeRows(lastProject, Texts{{lastProject_}}) &&
              KorTableWriter::writeRows(information, Texts{{information_}}) &&
              KorTableWriter::writeRows(scrap, scrap_) &&
              KorTableWriter::writeRows(projectDependency, projectDependency_) &&
              KorTableWriter::writeRows(properties, properties_) &&
              KorTableWriter::writeRows(openDocuments, openDocuments_) &&
              KorTableWriter::writeRows(helpFiles, helpFiles_) &&
              KorTableWriter::writeRows(recentFiles, recentFiles_) &&
              KorTableWriter::writeRows(vcs, Rows<KorVcs>{vcs_}) &&
              KorTableWriter::writeRows(vcsProjects, vcsProjects_);
    if (!ok) return failed();

    for (const auto& [key, rows] : vcsEnvironment_)
        if (!KorTableWriter::writeComposed(database, "VCS_ENVIRONMENT_" + key, rows)) return failed();
    for (const auto& [key, rows] : vcsDirectoryMapping_)
        if (!KorTableWriter::writeComposed(database, "VCS_DIRECTORY_MAPPING_" + key, rows)) return failed();

    if (database.save() != 0) return failed();
    database.close();
    return 0;
}

void KorWorkspace::clear() {
    databaseVersion_.clear();
    information_.clear();
    details_ = {};
    lastProject_.clear();
    vcs_ = {};
    properties_.clear();
    projects_.clear();
    scrap_.clear();
    projectDependency_.clear();
    openDocuments_.clear();
    helpFiles_.clear();
    recentFiles_.clear();
    vcsProjects_.clear();
    vcsEnvironment_.clear();
    vcsDirectoryMapping_.clear();
}

}  // namespace z2k

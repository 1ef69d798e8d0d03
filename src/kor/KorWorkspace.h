#pragma once
// The KOR workspace (.krs) as it is to be written.
//
// How to fill it: construct it with the workspace path (directory, "\", name; an extension, if
// any, is ignored: the file written is filePath()), hand over every member through the setters
// (a list or map setter replaces the earlier one whole), then write(): 0 when the file was
// written, 1 when it was not. The workspace writer shows no progress messages. At construction
// (and after clear()) every list and map is empty, every text is empty and the VCS row holds
// three empty texts and 0.
#include <string>
#include <utility>
#include <vector>

#include "kor/KorRecords.h"
#include "platform/FileFailure.h"
#include "platform/OrderedMap.h"
#include "textdb/LockPolicy.h"

namespace z2k {

class KorWorkspace {
  public:
    template <typename Row>
    using Rows = std::vector<Row>;

    explicit KorWorkspace(std::string path = {}) : path_(std::move(path)) {}

    void setPath(std::string path) { path_ = std::move(path); }
    const std::string& path() const { return path_; }
    // The file written: the parent directory of path(), one "\" unless it already ends in one,
    // the file title of path() and ".krs". Empty when path() is empty.
    std::string filePath() const;
    // How long to wait for the file's lock, and whom to tell about a long wait.
    void setLockPolicy(LockPolicy policy) { lockPolicy_ = std::move(policy); }
    // 0 = written, 1 = not written. The model is kept either way.
    int write();
    // After a write that returned 1: the path and the reason it failed.
    const FileFailure& lastFailure() const { return failure_; }
    // Back to the constructed state (the path stays).
    void clear();

    void setDatabaseVersion(std::string text) { databaseVersion_ = std::move(text); }
    void setInformation(std::string text) { information_ = std::move(text); }
    void setDetails(KorWorkspaceDetails row) { details_ = std::move(row); }
    void setLastProject(std::string text) { lastProject_ = std::move(text); }
    void setVcs(KorVcs row) { vcs_ = std::move(row); }

    void setProperties(Rows<KorVariableRow> rows) { properties_ = std::move(rows); }
    void setProjects(Rows<KorWorkspaceProject> rows) { projects_ = std::move(rows); }
    void setScrap(Rows<KorVariableRow> rows) { scrap_ = std::move(rows); }
    void setProjectDependency(Rows<KorVariableRow> rows) { projectDependency_ = std::move(rows); }
    void setOpenDocuments(Rows<KorVariableRow> rows) { openDocuments_ = std::move(rows); }
    void setHelpFiles(Rows<KorTextRow> rows) { helpFiles_ = std::move(rows); }
    void setRecentFiles(Rows<KorTextRow> rows) { recentFiles_ = std::move(rows); }
    void setVcsProjects(Rows<KorVcsProject> rows) { vcsProjects_ = std::move(rows); }
    // key -> "VCS_ENVIRONMENT_" + key, and key -> "VCS_DIRECTORY_MAPPING_" + key.
    void setVcsEnvironment(OrderedMap<Rows<KorVariableRow>> map) { vcsEnvironment_ = std::move(map); }
    void setVcsDirectoryMapping(OrderedMap<Rows<KorVariableRow>> map) {
        vcsDirectoryMapping_ = std::move(map);
    }

    const std::string& databaseVersion() const { return databaseVersion_; }
    const std::string& information() const { return information_; }
    const KorWorkspaceDetails& details() const { return details_; }
    const std::string& lastProject() const { return lastProject_; }
    const KorVcs& vcs() const { return vcs_; }
    const Rows<KorVariableRow>& properties() const { return properties_; }
    const Rows<KorWorkspaceProject>& projects() const { return projects_; }
    const Rows<KorVariableRow>& scrap() const { return scrap_; }
    const Rows<KorVariableRow>& projectDependency() const { return projectDependency_; }
    const Rows<KorVariableRow>& openDocuments() const { return openDocuments_; }
    const Rows<KorTextRow>& helpFiles() const { return helpFiles_; }
    const Rows<KorTextRow>& recentFiles() const { return recentFiles_; }
    const Rows<KorVcsProject>& vcsProjects() const { return vcsProjects_; }
    const OrderedMap<Rows<KorVariableRow>>& vcsEnvironment() const { return vcsEnvironment_; }
    const OrderedMap<Rows<KorVariableRow>>& vcsDirectoryMapping() const { return vcsDirectoryMapping_; }

  private:
    std::string path_;
    LockPolicy lockPolicy_;
    FileFailure failure_;

    std::string databaseVersion_;
    std::string information_;
    KorWorkspaceDetails details_;
    std::string lastProject_;
    KorVcs vcs_;
    Rows<KorVariableRow> properties_;
    Rows<KorWorkspaceProject> projects_;
    Rows<KorVariableRow> scrap_;
    Rows<KorVariableRow> projectDependency_;
    Rows<KorVariableRow> openDocuments_;
    Rows<KorTextRow> helpFiles_;
    Rows<KorTextRow> recentFiles_;
    Rows<KorVcsProject> vcsProjects_;
    OrderedMap<Rows<KorVariableRow>> vcsEnvironment_;
    OrderedMap<Rows<KorVariableRow>> vcsDirectoryMapping_;
};

}  // namespace z2k

#pragma once
// The KOR workspace (.krs) as it is to be written: the rows of each table, filled by the
// conversion and written by writeKorWorkspace (KorWorkspaceWriter.h). Every list and map starts
// empty, every text empty, and the VCS row holds three empty texts and 0.
#include <string>
#include <vector>

#include "kor/KorRecords.h"
#include "platform/OrderedMap.h"

namespace z2k {

struct KorWorkspace {
    template <typename Row>
    using Rows = std::vector<Row>;

    std::string databaseVersion;
    std::string information;
    KorWorkspaceDetails details;
    std::string lastProject;
    KorVcs vcs;
    Rows<KorVariableRow> properties;
    Rows<KorWorkspaceProject> projects;
    Rows<KorVariableRow> scrap;
    Rows<KorVariableRow> projectDependency;
    Rows<KorVariableRow> openDocuments;
    Rows<KorTextRow> helpFiles;
    Rows<KorTextRow> recentFiles;
    Rows<KorVcsProject> vcsProjects;
    // key -> "VCS_ENVIRONMENT_" + key, and key -> "VCS_DIRECTORY_MAPPING_" + key.
    OrderedMap<Rows<KorVariableRow>> vcsEnvironment;
    OrderedMap<Rows<KorVariableRow>> vcsDirectoryMapping;
};

}  // namespace z2k

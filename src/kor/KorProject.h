#pragma once
// The KOR project (.krp) as it is to be written: the rows of each table, filled by the
// translation and written by writeKorProject (KorProjectWriter.h). Single records and texts stand
// as one row or one text; a map's keys name composed tables, and a key with an empty list still
// gets its table (a bare section at the end of the file). Maps are keyed by exact text and
// iterate in first-insertion order; replacing the value of a key keeps the key's place.
#include <string>
#include <vector>

#include "kor/KorRecords.h"
#include "platform/OrderedMap.h"

namespace z2k {

struct KorProject {
    template <typename Row>
    using Rows = std::vector<Row>;
    // Phase name -> rows, for one configuration.
    template <typename Row>
    using PhaseMap = OrderedMap<Rows<Row>>;
    // Configuration name -> phase name -> rows.
    template <typename Row>
    using ConfigurationMap = OrderedMap<PhaseMap<Row>>;

    std::string databaseVersion;
    KorProjectDetails projectDetails;
    KorVariableRow toolChain;
    std::string information;
    KorGeneralTools generalTools;
    std::string currentConfiguration;

    Rows<KorTextRow> toolchainPhases;
    Rows<KorVariableRow> utilityPhases;
    Rows<KorAssociatedApplication> associatedApplications;
    Rows<KorTripleRow> toolEnvironment;
    Rows<KorTextRow> excludedFiles;
    Rows<KorProjectTool> projectTools;
    Rows<KorVariableRow> scrap;
    Rows<KorExternalEvent> externalEvents;
    Rows<KorFileGroup> fileGroups;
    Rows<KorExtension> extensions;
    Rows<KorProjectFile> projectFiles;
    Rows<KorConfiguration> configurations;
    Rows<KorBuildPhase> buildPhases;
    Rows<KorBuildOrderRow> buildOrder;
    Rows<KorCustomPhase> customPhases;
    Rows<KorTripleRow> mappings;
    Rows<KorSyntaxAttribute> syntaxColouringAttributes;
    Rows<KorSyntaxCategory> syntaxColouringCategories;
    Rows<KorSyntaxFileGroup> syntaxColouringFileGroups;

    // File-group name -> "BUILD_FILE_ORDER_" + name.
    OrderedMap<Rows<KorBuildOrderRow>> buildFileOrder;
    // Custom-phase name -> "ENVIRONMENT_" + name.
    OrderedMap<Rows<KorVariableRow>> environment;
    // Configuration -> phase -> "DEPENDENCIES_" / "OUTPUT_FILES_" / "OPTIONS_" + configuration
    // + "_" + phase.
    ConfigurationMap<KorDependencyRow> dependencies;
    ConfigurationMap<KorOutputFileRow> outputFiles;
    ConfigurationMap<KorOptionRow> options;
};

}  // namespace z2k

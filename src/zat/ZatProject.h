#pragma once
// The ZAT project as read from a .zat file (a version-1 text database), without interpretation:
// texts stay texts, flags stay integers, rows stay in file order. Plain data: readZatProject()
// fills one, the translation reads it.
//
// Maps are keyed by exact text and iterate in the order in which their keys were first
// inserted: the per-configuration maps in BUILD_PHASES order, the build-file-order map in
// FILE_GROUPS order, the environment map in CUSTOM_PHASES order.
#include <string>
#include <vector>

#include "platform/OrderedMap.h"
#include "zat/ZatRecords.h"

namespace z2k {

// The three maps of one configuration, each keyed by build-phase name.
struct ZatConfigurationTables {
    // Entries for every build phase whose bSystem is 0.
    OrderedMap<std::vector<ZatDependencyRow>> dependencies;
    // Entries for every build phase.
    OrderedMap<std::vector<ZatOptionRow>> options;
    // Entries for every build phase whose bSystem is 0.
    OrderedMap<std::vector<ZatOutputFileRow>> outputFiles;
};

struct ZatProject {
    // --- single records and texts ------------------------------------------------------------
    std::string databaseVersion;
    ZatProjectDetails projectDetails;
    std::string information;
    ZatEditor editor;
    ZatGeneralTools generalTools;
    std::string projectBuilderDirectory;
    std::string currentConfiguration;

    // --- lists, in file order -----------------------------------------------------------------
    std::vector<ZatProjectTool> projectTools;
    std::vector<ZatVariableRow> scrap;
    std::vector<ZatExternalEvent> externalEvents;
    std::vector<ZatFileGroup> fileGroups;
    std::vector<ZatExtension> extensions;
    std::vector<ZatProjectFile> projectFiles;
    std::vector<ZatBuildPhase> buildPhases;
    std::vector<ZatBuildOrderRow> buildOrder;
    std::vector<ZatConfiguration> configurations;
    std::vector<ZatSystemPhase> systemPhases;
    std::vector<ZatCustomPhase> customPhases;

    // --- maps ----------------------------------------------------------------------------------
    // Configuration name -> its three maps, in the order of the configuration list (a name that
    // occurs twice in CONFIGURATIONS has one entry).
    OrderedMap<ZatConfigurationTables> configurationTables;
    // File-group name -> build-file order; entries only for groups whose recordset exists.
    OrderedMap<std::vector<ZatBuildOrderRow>> buildFileOrder;
    // Custom-phase name -> environment.
    OrderedMap<std::vector<ZatVariableRow>> environment;
};

}  // namespace z2k

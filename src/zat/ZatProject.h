#pragma once
// The ZAT project as read from a .zat file (a version-1 text database), without interpretation:
// texts stay texts, flags stay integers, rows stay in file order.
//
// How to fill it: setPath(the .zat path), setMessageSink(display or nullptr, mode), optionally
// setAlerts(sink for the "ERROR READING OPTIONS TABLE" box), then read(). read() empties the
// model first and returns 0 when the project was read, 1 when it was not (the model then keeps
// what was read before the failure; do not use it). The accessors never change anything.
//
// Maps are keyed by exact text and iterate in the order in which their keys were first
// inserted: the per-configuration maps in BUILD_PHASES order, the build-file-order map in
// FILE_GROUPS order, the environment map in CUSTOM_PHASES order.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Displays.h"
#include "platform/FileFailure.h"
#include "platform/OrderedMap.h"
#include "textdb/LockPolicy.h"
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

class ZatProject {
  public:
    ZatProject() = default;

    // --- reading -----------------------------------------------------------------------------
    void setPath(std::string path) { path_ = std::move(path); }
    const std::string& path() const { return path_; }
    // Each progress message replaces the display's text; nullptr drops the messages. The mode
    // (1 single, 0 multiple) is kept for the display's use and does not change the reading.
    void setMessageSink(TextDisplay* sink, int mode) {
        sink_ = sink;
        mode_ = mode;
    }
    int messageMode() const { return mode_; }
    // Where "ERROR READING OPTIONS TABLE" is shown; nullptr drops it.
    void setAlerts(Alerts* alerts) { alerts_ = alerts; }
    // How long to wait for the file's lock, and whom to tell about a long wait.
    void setLockPolicy(LockPolicy policy) { lockPolicy_ = std::move(policy); }
    // 0 = read, 1 = not read. An empty path returns 1 without touching the model.
    int read();
    // After a read that returned 1: the path and the reason it failed.
    const FileFailure& lastFailure() const { return failure_; }
    // Empties the model (the path and the sinks stay).
    void clear();

    // --- single records and texts ------------------------------------------------------------
    const std::string& databaseVersion() const { return databaseVersion_; }
    const ZatProjectDetails& projectDetails() const { return projectDetails_; }
    const std::string& information() const { return information_; }
    const ZatEditor& editor() const { return editor_; }
    const ZatGeneralTools& generalTools() const { return generalTools_; }
    const std::string& projectBuilderDirectory() const { return projectBuilderDirectory_; }
    const std::string& currentConfiguration() const { return currentConfiguration_; }

    // --- lists, in file order -----------------------------------------------------------------
    const std::vector<ZatProjectTool>& projectTools() const { return projectTools_; }
    const std::vector<ZatVariableRow>& scrap() const { return scrap_; }
    const std::vector<ZatExternalEvent>& externalEvents() const { return externalEvents_; }
    const std::vector<ZatFileGroup>& fileGroups() const { return fileGroups_; }
    const std::vector<ZatExtension>& extensions() const { return extensions_; }
    const std::vector<ZatProjectFile>& projectFiles() const { return projectFiles_; }
    const std::vector<ZatBuildPhase>& buildPhases() const { return buildPhases_; }
    const std::vector<ZatBuildOrderRow>& buildOrder() const { return buildOrder_; }
    const std::vector<ZatConfiguration>& configurations() const { return configurations_; }
    const std::vector<ZatSystemPhase>& systemPhases() const { return systemPhases_; }
    const std::vector<ZatCustomPhase>& customPhases() const { return customPhases_; }

    // --- maps ----------------------------------------------------------------------------------
    // Configuration name -> its three maps, in the order of the configuration list (a name that
    // occurs twice in CONFIGURATIONS has one entry).
    const OrderedMap<ZatConfigurationTables>& configurationTables() const { return configurationTables_; }
    // The maps of one configuration, or nullptr.
    const ZatConfigurationTables* tablesFor(std::string_view configuration) const {
        return configurationTables_.find(configuration);
    }
    // The rows of one configuration and phase, or nullptr when there is no such entry.
    const std::vector<ZatDependencyRow>* dependencies(std::string_view configuration,
                                                      std::string_view phase) const;
    const std::vector<ZatOptionRow>* options(std::string_view configuration, std::string_view phase) const;
    const std::vector<ZatOutputFileRow>* outputFiles(std::string_view configuration,
                                                     std::string_view phase) const;

    // File-group name -> build-file order; entries only for groups whose recordset exists.
    const OrderedMap<std::vector<ZatBuildOrderRow>>& buildFileOrder() const { return buildFileOrder_; }
    const std::vector<ZatBuildOrderRow>* buildFileOrderFor(std::string_view fileGroup) const {
        return buildFileOrder_.find(fileGroup);
    }
    // Custom-phase name -> environment.
    const OrderedMap<std::vector<ZatVariableRow>>& environment() const { return environment_; }
    const std::vector<ZatVariableRow>* environmentFor(std::string_view customPhase) const {
        return environment_.find(customPhase);
    }

  private:
    friend class ZatProjectReader;

    std::string path_;
    TextDisplay* sink_ = nullptr;
    int mode_ = 1;
    Alerts* alerts_ = nullptr;
    LockPolicy lockPolicy_;
    FileFailure failure_;

    std::string databaseVersion_;
    ZatProjectDetails projectDetails_;
    std::string information_;
    ZatEditor editor_;
    ZatGeneralTools generalTools_;
    std::string projectBuilderDirectory_;
    std::string currentConfiguration_;

    std::vector<ZatProjectTool> projectTools_;
    std::vector<ZatVariableRow> scrap_;
    std::vector<ZatExternalEvent> externalEvents_;
    std::vector<ZatFileGroup> fileGroups_;
    std::vector<ZatExtension> extensions_;
    std::vector<ZatProjectFile> projectFiles_;
    std::vector<ZatBuildPhase> buildPhases_;
    std::vector<ZatBuildOrderRow> buildOrder_;
    std::vector<ZatConfiguration> configurations_;
    std::vector<ZatSystemPhase> systemPhases_;
    std::vector<ZatCustomPhase> customPhases_;

    OrderedMap<ZatConfigurationTables> configurationTables_;
    OrderedMap<std::vector<ZatBuildOrderRow>> buildFileOrder_;
    OrderedMap<std::vector<ZatVariableRow>> environment_;
};

}  // namespace z2k

#pragma once
// The KOR project (.krp) as it is to be written.
//
// How to fill it: the translation hands over every member through the setters below; a list or
// map setter replaces the earlier list or map as a whole (the rows are copied or moved in, in
// order). The composed recordsets come from the maps: a map entry with an empty list still gets
// its recordset (a bare section at the end of the file). Maps are keyed by exact text and
// iterate in first-insertion order; replacing the value of a key keeps the key's place.
// Then setPath(the .krp path), setMessageSink(display or nullptr, mode) and write(): 0 when the
// file was written (the model is then cleared), 1 when it was not (the model is kept).
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kor/KorRecords.h"
#include "platform/Displays.h"
#include "platform/FileFailure.h"
#include "platform/OrderedMap.h"
#include "textdb/LockPolicy.h"

namespace z2k {

class KorProject {
  public:
    template <typename Row>
    using Rows = std::vector<Row>;
    // Phase name -> rows, for one configuration.
    template <typename Row>
    using PhaseMap = OrderedMap<Rows<Row>>;
    // Configuration name -> phase name -> rows.
    template <typename Row>
    using ConfigurationMap = OrderedMap<PhaseMap<Row>>;

    KorProject() = default;

    // --- writing -------------------------------------------------------------------------------
    void setPath(std::string path) { path_ = std::move(path); }
    const std::string& path() const { return path_; }
    // Each progress message replaces the display's text; nullptr drops the messages.
    void setMessageSink(TextDisplay* sink, int mode) {
        sink_ = sink;
        mode_ = mode;
    }
    int messageMode() const { return mode_; }
    // How long to wait for the file's lock, and whom to tell about a long wait.
    void setLockPolicy(LockPolicy policy) { lockPolicy_ = std::move(policy); }
    // Receives the notices of the save (a backup kept under a shortened name); nullptr drops them.
    void setNoticeSink(TextDisplay* sink) { noticeSink_ = sink; }
    // 0 = written (the model is cleared), 1 = not written.
    int write();
    // After a write that returned 1: the path and the reason it failed.
    const FileFailure& lastFailure() const { return failure_; }
    // Empties every text, record, list and map (the path and the sink stay).
    void clear();

    // --- single records and texts ------------------------------------------------------------
    void setDatabaseVersion(std::string text) { databaseVersion_ = std::move(text); }
    void setProjectDetails(KorProjectDetails row) { projectDetails_ = std::move(row); }
    void setToolChain(KorVariableRow row) { toolChain_ = std::move(row); }
    void setInformation(std::string text) { information_ = std::move(text); }
    void setGeneralTools(KorGeneralTools row) { generalTools_ = std::move(row); }
    void setCurrentConfiguration(std::string text) { currentConfiguration_ = std::move(text); }

    const std::string& databaseVersion() const { return databaseVersion_; }
    const KorProjectDetails& projectDetails() const { return projectDetails_; }
    const KorVariableRow& toolChain() const { return toolChain_; }
    const std::string& information() const { return information_; }
    const KorGeneralTools& generalTools() const { return generalTools_; }
    const std::string& currentConfiguration() const { return currentConfiguration_; }

    // --- lists (each setter replaces the list whole) -----------------------------------------
    void setToolchainPhases(Rows<KorTextRow> rows) { toolchainPhases_ = std::move(rows); }
    void setUtilityPhases(Rows<KorVariableRow> rows) { utilityPhases_ = std::move(rows); }
    void setAssociatedApplications(Rows<KorAssociatedApplication> rows) {
        associatedApplications_ = std::move(rows);
    }
    void setToolEnvironment(Rows<KorTripleRow> rows) { toolEnvironment_ = std::move(rows); }
    void setExcludedFiles(Rows<KorTextRow> rows) { excludedFiles_ = std::move(rows); }
    void setProjectTools(Rows<KorProjectTool> rows) { projectTools_ = std::move(rows); }
    void setScrap(Rows<KorVariableRow> rows) { scrap_ = std::move(rows); }
    void setExternalEvents(Rows<KorExternalEvent> rows) { externalEvents_ = std::move(rows); }
    void setFileGroups(Rows<KorFileGroup> rows) { fileGroups_ = std::move(rows); }
    void setExtensions(Rows<KorExtension> rows) { extensions_ = std::move(rows); }
    void setProjectFiles(Rows<KorProjectFile> rows) { projectFiles_ = std::move(rows); }
    void setConfigurations(Rows<KorConfiguration> rows) { configurations_ = std::move(rows); }
    void setBuildPhases(Rows<KorBuildPhase> rows) { buildPhases_ = std::move(rows); }
    void setBuildOrder(Rows<KorBuildOrderRow> rows) { buildOrder_ = std::move(rows); }
    void setCustomPhases(Rows<KorCustomPhase> rows) { customPhases_ = std::move(rows); }
    void setMappings(Rows<KorTripleRow> rows) { mappings_ = std::move(rows); }
    void setSyntaxColouringAttributes(Rows<KorSyntaxAttribute> rows) { syntaxAttributes_ = std::move(rows); }
    void setSyntaxColouringCategories(Rows<KorSyntaxCategory> rows) { syntaxCategories_ = std::move(rows); }
    void setSyntaxColouringFileGroups(Rows<KorSyntaxFileGroup> rows) { syntaxFileGroups_ = std::move(rows); }

    const Rows<KorTextRow>& toolchainPhases() const { return toolchainPhases_; }
    const Rows<KorVariableRow>& utilityPhases() const { return utilityPhases_; }
    const Rows<KorAssociatedApplication>& associatedApplications() const { return associatedApplications_; }
    const Rows<KorTripleRow>& toolEnvironment() const { return toolEnvironment_; }
    const Rows<KorTextRow>& excludedFiles() const { return excludedFiles_; }
    const Rows<KorProjectTool>& projectTools() const { return projectTools_; }
    const Rows<KorVariableRow>& scrap() const { return scrap_; }
    const Rows<KorExternalEvent>& externalEvents() const { return externalEvents_; }
    const Rows<KorFileGroup>& fileGroups() const { return fileGroups_; }
    const Rows<KorExtension>& extensions() const { return extensions_; }
    const Rows<KorProjectFile>& projectFiles() const { return projectFiles_; }
    const Rows<KorConfiguration>& configurations() const { return configurations_; }
    const Rows<KorBuildPhase>& buildPhases() const { return buildPhases_; }
    const Rows<KorBuildOrderRow>& buildOrder() const { return buildOrder_; }
    const Rows<KorCustomPhase>& customPhases() const { return customPhases_; }
    const Rows<KorTripleRow>& mappings() const { return mappings_; }
    const Rows<KorSyntaxAttribute>& syntaxColouringAttributes() const { return syntaxAttributes_; }
    const Rows<KorSyntaxCategory>& syntaxColouringCategories() const { return syntaxCategories_; }
    const Rows<KorSyntaxFileGroup>& syntaxColouringFileGroups() const { return syntaxFileGroups_; }

    // --- maps ----------------------------------------------------------------------------------
    // File-group name -> "BUILD_FILE_ORDER_" + name.
    void setBuildFileOrder(OrderedMap<Rows<KorBuildOrderRow>> map) { buildFileOrder_ = std::move(map); }
    void setBuildFileOrder(std::string_view fileGroup, Rows<KorBuildOrderRow> rows) {
        buildFileOrder_.set(fileGroup, std::move(rows));
    }
    // Custom-phase name -> "ENVIRONMENT_" + name.
    void setEnvironment(OrderedMap<Rows<KorVariableRow>> map) { environment_ = std::move(map); }
    void setEnvironment(std::string_view customPhase, Rows<KorVariableRow> rows) {
        environment_.set(customPhase, std::move(rows));
    }
    // Configuration -> phase -> "DEPENDENCIES_" / "OUTPUT_FILES_" / "OPTIONS_" + configuration
    // + "_" + phase. The whole-map setters replace every configuration; the per-configuration
    // setters replace that configuration's phase map.
    void setDependencies(ConfigurationMap<KorDependencyRow> map) { dependencies_ = std::move(map); }
    void setDependencies(std::string_view configuration, PhaseMap<KorDependencyRow> phases) {
        dependencies_.set(configuration, std::move(phases));
    }
    void setOutputFiles(ConfigurationMap<KorOutputFileRow> map) { outputFiles_ = std::move(map); }
    void setOutputFiles(std::string_view configuration, PhaseMap<KorOutputFileRow> phases) {
        outputFiles_.set(configuration, std::move(phases));
    }
    void setOptions(ConfigurationMap<KorOptionRow> map) { options_ = std::move(map); }
    void setOptions(std::string_view configuration, PhaseMap<KorOptionRow> phases) {
        options_.set(configuration, std::move(phases));
    }

    const OrderedMap<Rows<KorBuildOrderRow>>& buildFileOrder() const { return buildFileOrder_; }
    const OrderedMap<Rows<KorVariableRow>>& environment() const { return environment_; }
    const ConfigurationMap<KorDependencyRow>& dependencies() const { return dependencies_; }
    const ConfigurationMap<KorOutputFileRow>& outputFiles() const { return outputFiles_; }
    const ConfigurationMap<KorOptionRow>& options() const { return options_; }

  private:
    std::string path_;
    TextDisplay* sink_ = nullptr;
    int mode_ = 1;
    LockPolicy lockPolicy_;
    FileFailure failure_;
    TextDisplay* noticeSink_ = nullptr;

    std::string databaseVersion_;
    KorProjectDetails projectDetails_;
    KorVariableRow toolChain_;
    std::string information_;
    KorGeneralTools generalTools_;
    std::string currentConfiguration_;

    Rows<KorTextRow> toolchainPhases_;
    Rows<KorVariableRow> utilityPhases_;
    Rows<KorAssociatedApplication> associatedApplications_;
    Rows<KorTripleRow> toolEnvironment_;
    Rows<KorTextRow> excludedFiles_;
    Rows<KorProjectTool> projectTools_;
    Rows<KorVariableRow> scrap_;
    Rows<KorExternalEvent> externalEvents_;
    Rows<KorFileGroup> fileGroups_;
    Rows<KorExtension> extensions_;
    Rows<KorProjectFile> projectFiles_;
    Rows<KorConfiguration> configurations_;
    Rows<KorBuildPhase> buildPhases_;
    Rows<KorBuildOrderRow> buildOrder_;
    Rows<KorCustomPhase> customPhases_;
    Rows<KorTripleRow> mappings_;
    Rows<KorSyntaxAttribute> syntaxAttributes_;
    Rows<KorSyntaxCategory> syntaxCategories_;
    Rows<KorSyntaxFileGroup> syntaxFileGroups_;

    OrderedMap<Rows<KorBuildOrderRow>> buildFileOrder_;
    OrderedMap<Rows<KorVariableRow>> environment_;
    ConfigurationMap<KorDependencyRow> dependencies_;
    ConfigurationMap<KorOutputFileRow> outputFiles_;
    ConfigurationMap<KorOptionRow> options_;
};

}  // namespace z2k

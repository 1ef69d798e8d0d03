#include "kor/KorProject.h"

#include "kor/KorTableWriter.h"
#include "textdb/TextDatabase.h"

namespace z2k {

namespace {

std::string recordsetMessage(std::string_view name) {
    std::string text = "Writing recordset [";
    text.append(name).append("]");
    return text;
}

std::string composedName(std::string_view prefix, std::string_view configuration, std::string_view phase) {
    std::string name;
    name.reserve(prefix.size() + configuration.size() + 1 + phase.size());
    name.append(prefix).append(configuration).append(1, '_').append(phase);
    return name;
}

}  // namespace

int KorProject::write() {
    failure_ = FileFailure{};
    if (path_.empty()) {
        failure_ = FileFailure{"", "no KOR project file was named"};
        return 1;
    }
    TextDatabase database(TextDatabase::Version2);
    database.setLockPolicy(lockPolicy_);
    database.setNoticeSink(noticeSink_);
    // Every failing step below gives the database's own reason; a recordset operation that has
    // none fails in memory only.
    auto failed = [&] {
        failure_ = database.lastFailure();
        if (failure_.empty()) failure_ = FileFailure{path_, "a recordset could not be written"};
        return 1;
    };
    if (database.create(path_) != 0) return failed();
    if (database.open(path_) != 0) return failed();

    auto show = [this](std::string_view text) {
        if (sink_ != nullptr) sink_->replace(text);
    };
    show("Creating KOR tables...");

    KorRecordset<KorTextRow> databaseVersion(database, "DATABASE_VERSION");
    KorRecordset<KorProjectDetails> projectDetails(database, "PROJECT_DETAILS");
    KorRecordset<KorVariableRow> toolChain(database, "TOOL_CHAIN");
    KorRecordset<KorTextRow> toolchainPhase(database, "TOOLCHAIN_PHASE");
    KorRecordset<KorVariableRow> utilityPhase(database, "UTILITY_PHASE");
    KorRecordset<KorAssociatedApplication> associatedApplications(database, "ASSOCIATED_APPLICATIONS");
    KorRecordset<KorTextRow> information(database, "INFORMATION");
    KorRecordset<KorTripleRow> toolEnvironment(database, "TOOL_ENVIRONMENT");
    KorRecordset<KorTextRow> excludedFiles(database, "EXCLUDED_FILES");
    KorRecordset<KorProjectTool> projectTools(database, "PROJECT_TOOLS");
    KorRecordset<KorVariableRow> scrap(database, "SCRAP");
    KorRecordset<KorExternalEvent> externalEvents(database, "EXTERNAL_EVENTS");
    KorRecordset<KorGeneralTools> generalTools(database, "GENERAL_TOOLS");
    KorRecordset<KorFileGroup> fileGroups(database, "FILE_GROUPS");
    KorRecordset<KorExtension> extensions(database, "EXTENSIONS");
    KorRecordset<KorProjectFile> projectFiles(database, "PROJECT_FILES");
    KorRecordset<KorConfiguration> configurations(database, "CONFIGURATIONS");
    KorRecordset<KorTextRow> currentConfiguration(database, "CURRENT_CONFIGURATION");
    KorRecordset<KorBuildPhase> buildPhases(database, "BUILD_PHASES");
    KorRecordset<KorBuildOrderRow> buildOrder(database, "BUILD_ORDER");
    KorRecordset<KorCustomPhase> customPhases(database, "CUSTOM_PHASES");
    KorRecordset<KorTripleRow> mappings(database, "MAPPINGS");
    KorRecordset<KorSyntaxAttribute> syntaxAttributes(database, "SYNTAX_COLOURING_ATTRIBUTES");
    KorRecordset<KorSyntaxCategory> syntaxCategories(database, "SYNTAX_COLOURING_CATEGORIES");
    KorRecordset<KorSyntaxFileGroup> syntaxFileGroups(database, "SYNTAX_COLOURING_FILE_GROUP");

    // Creation order: the order of the table list.
    const Recordset* created[] = {
        &databaseVersion,
        &projectDetails,
        &toolChain,
        &toolchainPhase,
        &utilityPhase,
        &associatedApplications,
        &information,
        &toolEnvironment,
        &excludedFiles,
        &projectTools,
        &scrap,
        &externalEvents,
        &generalTools,
        &fileGroups,
        &extensions,
        &projectFiles,
        &configurations,
        &currentConfiguration,
        &buildPhases,
        &buildOrder,
        &customPhases,
        &mappings,
        &syntaxAttributes,
        &syntaxCategories,
        &syntaxFileGroups,
    };
    for (const Recordset* recordset : created)
        if (database.createTable(*recordset) != 0) return failed();

    // Writing order: INFORMATION after EXCLUDED_FILES. The messages are the system's own texts,
    // three of them spelled differently from the tables they announce.
    auto write = [&show](const char* shown, auto& recordset, const auto& rows) {
        show(shown);
        return KorTableWriter::writeRows(recordset, rows);
    };
    using Texts = std::vector<KorTextRow>;
    bool ok =
        write("Writing recordset [DATABASE_VERSION]", databaseVersion, Texts{{databaseVersion_}}) &&
        write("Writing recordset [PROJEC_DETAILS]", projectDetails,
              Rows<KorProjectDetails>{projectDetails_}) &&
        write("Writing recordset [TOOL_CHAIN]", toolChain, Rows<KorVariableRow>{toolChain_}) &&
        write("Writing recordset [TOOLCHAIN_PHASE]", toolchainPhase, toolchainPhases_) &&
        write("Writing recordset [UTILITY_PHASE]", utilityPhase, utilityPhases_) &&
        write("Writing recordset [ASSOCIATED_APPLICATIONS]", associatedApplications,
              associatedApplications_) &&
        write("Writing recordset [TOOL_ENVIRONMENT]", toolEnvironment, toolEnvironment_) &&
        write("Writing recordset [EXCLUDED_FILES]", excludedFiles, excludedFiles_) &&
        write("Writing recordset [INFOFMATION]", information, Texts{{information_}}) &&
        write("Writing recordset [PROJECT_TOOLS]", projectTools, projectTools_) &&
        write("Writing recordset [SCRAP]", scrap, scrap_) &&
        write("Writing recordset [EXTERNAL_EVENTS]", externalEvents, externalEvents_) &&
        write("Writing recordset [GENERAL_TOOLS]", generalTools, Rows<KorGeneralTools>{generalTools_}) &&
        write("Writing recordset [FILE_GROUPS]", fileGroups, fileGroups_) &&
        write("Writing recordset [EXTENSIONS]", extensions, extensions_) &&
        write("Writing recordset [PROJECT_FILES]", projectFiles, projectFiles_) &&
        write("Writing recordset [CONFIGURATIONS]", configurations, configurations_) &&
        write("Writing recordset [CURRENT_CONFIGURATION]", currentConfiguration,
              Texts{{currentConfiguration_}}) &&
        write("Writing recordset [BUILD_PHASES]", buildPhases, buildPhases_) &&
        write("Writing recordset [BUILD_ORDER]", buildOrder, buildOrder_) &&
        write("Writing recordset [CUSTOM_PHASES]", customPhases, customPhases_) &&
        write("Writing recordset [MAPPINGS]", mappings, mappings_) &&
        write("Writing recordset [SYNTAX_COLOURING_ATTRIBUTES]", syntaxAttributes, syntaxAttributes_) &&
        write("Writing recordset [SYNTAX_COLOURING_CATAGORIES]", syntaxCategories, syntaxCategories_) &&
        write("Writing recordset [SYNTAX_COLOURING_FILE_GROUP]", syntaxFileGroups, syntaxFileGroups_);
    if (!ok) return failed();

    // The composed recordsets, in the iteration order of the maps.
    auto composed = [&](const std::string& name, const auto& rows) {
        show(recordsetMessage(name));
        return KorTableWriter::writeComposed(database, name, rows);
    };
    for (const auto& [group, rows] : buildFileOrder_)
        if (!composed("BUILD_FILE_ORDER_" + group, rows)) return failed();
    for (const auto& [phase, rows] : environment_)
        if (!composed("ENVIRONMENT_" + phase, rows)) return failed();
    for (const auto& [configuration, phases] : dependencies_)
        for (const auto& [phase, rows] : phases)
            if (!composed(composedName("DEPENDENCIES_", configuration, phase), rows)) return failed();
    for (const auto& [configuration, phases] : outputFiles_)
        for (const auto& [phase, rows] : phases)
            if (!composed(composedName("OUTPUT_FILES_", configuration, phase), rows)) return failed();
    for (const auto& [configuration, phases] : options_)
        for (const auto& [phase, rows] : phases)
            if (!composed(composedName("OPTIONS_", configuration, phase), rows)) return failed();

    if (database.save() != 0) return failed();
    database.close();
    clear();
    return 0;
}

void KorProject::clear() {
    databaseVersion_.clear();
    projectDetails_ = {};
    toolChain_ = {};
    information_.clear();
    generalTools_ = {};
    currentConfiguration_.clear();
    toolchainPhases_.clear();
    utilityPhases_.clear();
    associatedApplications_.clear();
    toolEnvironment_.clear();
    excludedFiles_.clear();
    projectTools_.clear();
    scrap_.clear();
    externalEvents_.clear();
    fileGroups_.clear();
    extensions_.clear();
    projectFiles_.clear();
    configurations_.clear();
    buildPhases_.clear();
    buildOrder_.clear();
    customPhases_.clear();
    mappings_.clear();
    syntaxAttributes_.clear();
    syntaxCategories_.clear();
    syntaxFileGroups_.clear();
    buildFileOrder_.clear();
    environment_.clear();
    dependencies_.clear();
    outputFiles_.clear();
    options_.clear();
}

}  // namespace z2k

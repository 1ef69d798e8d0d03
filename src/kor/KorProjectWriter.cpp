#include "kor/KorProjectWriter.h"

#include <string>
#include <vector>

#include "kor/KorLayouts.h"

namespace z2k {

namespace {

std::string recordsetMessage(std::string_view name) {
    std::string text = "Writing recordset [";
    text.append(name).append("]");
    return text;
}

template <typename Row>
void addComposed(std::vector<Version2Table>& tables, std::string name, const std::vector<Row>& rows) {
    std::string message = recordsetMessage(name);
    tables.push_back(version2Table(std::move(name), std::move(message), rows, true));
}

template <typename Row>
void addComposed(std::vector<Version2Table>& tables, std::string_view prefix,
                 const KorProject::ConfigurationMap<Row>& map) {
    for (const auto& [configuration, phases] : map)
        for (const auto& [phase, rows] : phases) {
            std::string name;
            name.reserve(prefix.size() + configuration.size() + 1 + phase.size());
            name.append(prefix).append(configuration).append(1, '_').append(phase);
            addComposed(tables, std::move(name), rows);
        }
}

}  // namespace

WriteStatus writeKorProject(const KorProject& project, std::string_view path, const KorWritePolicy& policy) {
    if (path.empty()) return WriteStatus{FileFailure{"", "no KOR project file was named"}};
    Version2Writer writer(path, policy.settings, policy.lock, policy.notices);
    if (WriteStatus status = writer.checkWritable(); !status.ok()) return status;
    if (policy.progress != nullptr) policy.progress->replace("Creating KOR tables...");

    // The single records as one-row tables.
    const std::vector<KorTextRow> databaseVersion{{project.databaseVersion}};
    const std::vector<KorProjectDetails> projectDetails{project.projectDetails};
    const std::vector<KorVariableRow> toolChain{project.toolChain};
    const std::vector<KorTextRow> information{{project.information}};
    const std::vector<KorGeneralTools> generalTools{project.generalTools};
    const std::vector<KorTextRow> currentConfiguration{{project.currentConfiguration}};

    // The file's order (INFORMATION after EXCLUDED_FILES). The messages are the system's own
    // texts, three of them spelled differently from the tables they announce.
    const KorProject& p = project;
    std::vector<Version2Table> tables{
        version2Table("DATABASE_VERSION", "Writing recordset [DATABASE_VERSION]", databaseVersion),
        version2Table("PROJECT_DETAILS", "Writing recordset [PROJEC_DETAILS]", projectDetails),
        version2Table("TOOL_CHAIN", "Writing recordset [TOOL_CHAIN]", toolChain),
        version2Table("TOOLCHAIN_PHASE", "Writing recordset [TOOLCHAIN_PHASE]", p.toolchainPhases),
        version2Table("UTILITY_PHASE", "Writing recordset [UTILITY_PHASE]", p.utilityPhases),
        version2Table("ASSOCIATED_APPLICATIONS", "Writing recordset [ASSOCIATED_APPLICATIONS]",
                      p.associatedApplications),
        version2Table("TOOL_ENVIRONMENT", "Writing recordset [TOOL_ENVIRONMENT]", p.toolEnvironment),
        version2Table("EXCLUDED_FILES", "Writing recordset [EXCLUDED_FILES]", p.excludedFiles),
        version2Table("INFORMATION", "Writing recordset [INFOFMATION]", information),
        version2Table("PROJECT_TOOLS", "Writing recordset [PROJECT_TOOLS]", p.projectTools),
        version2Table("SCRAP", "Writing recordset [SCRAP]", p.scrap),
        version2Table("EXTERNAL_EVENTS", "Writing recordset [EXTERNAL_EVENTS]", p.externalEvents),
        version2Table("GENERAL_TOOLS", "Writing recordset [GENERAL_TOOLS]", generalTools),
        version2Table("FILE_GROUPS", "Writing recordset [FILE_GROUPS]", p.fileGroups),
        version2Table("EXTENSIONS", "Writing recordset [EXTENSIONS]", p.extensions),
        version2Table("PROJECT_FILES", "Writing recordset [PROJECT_FILES]", p.projectFiles),
        version2Table("CONFIGURATIONS", "Writing recordset [CONFIGURATIONS]", p.configurations),
        version2Table("CURRENT_CONFIGURATION", "Writing recordset [CURRENT_CONFIGURATION]",
                      currentConfiguration),
        version2Table("BUILD_PHASES", "Writing recordset [BUILD_PHASES]", p.buildPhases),
        version2Table("BUILD_ORDER", "Writing recordset [BUILD_ORDER]", p.buildOrder),
        version2Table("CUSTOM_PHASES", "Writing recordset [CUSTOM_PHASES]", p.customPhases),
        version2Table("MAPPINGS", "Writing recordset [MAPPINGS]", p.mappings),
        version2Table("SYNTAX_COLOURING_ATTRIBUTES", "Writing recordset [SYNTAX_COLOURING_ATTRIBUTES]",
                      p.syntaxColouringAttributes),
        version2Table("SYNTAX_COLOURING_CATEGORIES", "Writing recordset [SYNTAX_COLOURING_CATAGORIES]",
                      p.syntaxColouringCategories),
        version2Table("SYNTAX_COLOURING_FILE_GROUP", "Writing recordset [SYNTAX_COLOURING_FILE_GROUP]",
                      p.syntaxColouringFileGroups),
    };
    // The composed tables, in the iteration order of the maps.
    for (const auto& [group, rows] : p.buildFileOrder) addComposed(tables, "BUILD_FILE_ORDER_" + group, rows);
    for (const auto& [phase, rows] : p.environment) addComposed(tables, "ENVIRONMENT_" + phase, rows);
    addComposed(tables, "DEPENDENCIES_", p.dependencies);
    addComposed(tables, "OUTPUT_FILES_", p.outputFiles);
    addComposed(tables, "OPTIONS_", p.options);
    return writer.write(tables, policy.progress);
}

}  // namespace z2k

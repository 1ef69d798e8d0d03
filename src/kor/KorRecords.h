#pragma once
// The rows of the KOR project (.krp) and workspace (.krs) files, one struct per record layout.
// The members carry the field names of the file, letter for letter, in the layout order, which
// is binding for the file: texts are std::string (type 6), flags (b...) and numbers (n...) are
// 32-bit integers (type 0). Fill them by aggregate initialisation, e.g.
//     KorBuildOrderRow{"Vantrel QX C/C++ Compiler", 1}
#include <cstdint>
#include <string>

namespace z2k {

// One text field "str": TOOLCHAIN_PHASE, EXCLUDED_FILES, HELP_FILES, RECENT_FILES.
struct KorTextRow {
    std::string str;
    bool operator==(const KorTextRow&) const = default;
};

// strVariable, strValue: TOOL_CHAIN, UTILITY_PHASE, SCRAP, "ENVIRONMENT_" + custom phase;
// in the workspace WORKSPACE_PROPERTIES, SCRAP, PROJECT_DEPENDENCY, OPEN_DOCUMENTS,
// "VCS_ENVIRONMENT_" + key, "VCS_DIRECTORY_MAPPING_" + key.
struct KorVariableRow {
    std::string strVariable;
    std::string strValue;
    bool operator==(const KorVariableRow&) const = default;
};

// str1, str2, str3: TOOL_ENVIRONMENT, MAPPINGS.
struct KorTripleRow {
    std::string str1;
    std::string str2;
    std::string str3;
    bool operator==(const KorTripleRow&) const = default;
};

// ---- project (.krp) ---------------------------------------------------------------------------

// PROJECT_DETAILS (one record).
struct KorProjectDetails {
    std::string strName;
    std::string strDirectory;
    std::string strFile;
    std::string strToolChain;
    std::string strCpuFamily;
    std::string strType;
    bool operator==(const KorProjectDetails&) const = default;
};

// ASSOCIATED_APPLICATIONS.
struct KorAssociatedApplication {
    std::string strApplicationName;
    std::string strApplicationCommand;
    std::string strApplicationParameters;
    std::string strApplicationInitialDirectory;
    bool operator==(const KorAssociatedApplication&) const = default;
};

// PROJECT_TOOLS.
struct KorProjectTool {
    std::string strName;
    std::int32_t bSystemTool = 0;
    std::int32_t bDisplayOnMenu = 0;
    std::string strVersion;
    std::string strType;
    std::string strTag;
    std::string strArguments;
    std::string strInitialDirectory;
    std::int32_t nRunMode = 0;
    std::string strCommand;
    std::int32_t bExecuted = 0;
    bool operator==(const KorProjectTool&) const = default;
};

// EXTERNAL_EVENTS.
struct KorExternalEvent {
    std::string strExeName;
    std::string strEventName;
    std::string strParam1;
    std::string strParam2;
    std::string strParam3;
    std::string strParam4;
    std::string strParam5;
    bool operator==(const KorExternalEvent&) const = default;
};

// GENERAL_TOOLS (one record).
struct KorGeneralTools {
    std::int32_t bAlwaysOnTop = 0;
    std::int32_t bLargeButtons = 0;
    std::int32_t bShowToolTips = 0;
    std::int32_t bCustomEditor = 0;
    std::string strEditorArgOpenFile;
    std::string strEditorArgOpenFileAtLine;
    std::string strEditorCommand;
    std::string strEditorName;
    bool operator==(const KorGeneralTools&) const = default;
};

// FILE_GROUPS.
struct KorFileGroup {
    std::string strName;
    std::string strProperty;
    std::string strApplicationType;
    std::string strApplicationName;
    bool operator==(const KorFileGroup&) const = default;
};

// EXTENSIONS.
struct KorExtension {
    std::string strGroup;
    std::string strExtension;
    bool operator==(const KorExtension&) const = default;
};

// PROJECT_FILES.
struct KorProjectFile {
    std::string strName;
    std::string strTag;
    std::int32_t nExcludedFromBuild = 0;
    bool operator==(const KorProjectFile&) const = default;
};

// CONFIGURATIONS.
struct KorConfiguration {
    std::string strName;
    std::string strDirectory;
    bool operator==(const KorConfiguration&) const = default;
};

// BUILD_PHASES.
struct KorBuildPhase {
    std::string strName;
    std::int32_t bSystem = 0;
    bool operator==(const KorBuildPhase&) const = default;
};

// BUILD_ORDER and every "BUILD_FILE_ORDER_" + file group.
struct KorBuildOrderRow {
    std::string strName;
    std::int32_t bEnabled = 0;
    bool operator==(const KorBuildOrderRow&) const = default;
};

// CUSTOM_PHASES.
struct KorCustomPhase {
    std::string strName;
    std::string strCommand;
    std::string strInitialDirectory;
    std::int32_t bMultiple = 0;
    std::string strGroup;
    std::int32_t bNoFileCheckBeforeBuild = 0;
    bool operator==(const KorCustomPhase&) const = default;
};

// SYNTAX_COLOURING_ATTRIBUTES.
struct KorSyntaxAttribute {
    std::string strGroup;
    std::string strAttribute;
    std::string strValue;
    bool operator==(const KorSyntaxAttribute&) const = default;
};

// SYNTAX_COLOURING_CATEGORIES.
struct KorSyntaxCategory {
    std::string strGroup;
    std::string strCategory;
    std::string strForeGround;
    std::string strBackGround;
    std::string strKeywords;
    bool operator==(const KorSyntaxCategory&) const = default;
};

// SYNTAX_COLOURING_FILE_GROUP.
struct KorSyntaxFileGroup {
    std::string strFileGroup;
    std::string strToolname;
    std::string strToolVersion;
    std::string strProperty;
    bool operator==(const KorSyntaxFileGroup&) const = default;
};

// "DEPENDENCIES_" + configuration + "_" + phase.
struct KorDependencyRow {
    std::string strfileParent;
    std::string strfileDependency;
    std::string strGroup;
    bool operator==(const KorDependencyRow&) const = default;
};

// "OUTPUT_FILES_" + configuration + "_" + phase.
struct KorOutputFileRow {
    std::string strfileParent;
    std::string strfileOutput;
    std::string strGroup;
    std::int32_t bBuildInput = 0;
    bool operator==(const KorOutputFileRow&) const = default;
};

// "OPTIONS_" + configuration + "_" + phase.
struct KorOptionRow {
    std::string strFile;
    std::string strOption;
    std::string strTime;
    std::int32_t bExcludedFromBuild = 0;
    bool operator==(const KorOptionRow&) const = default;
};

// ---- workspace (.krs) -------------------------------------------------------------------------

// WORKSPACE_DETAILS (one record).
struct KorWorkspaceDetails {
    std::string strName;
    std::string strDirectory;
    std::string strFileName;
    std::string strCpuFamily;
    std::string strToolChain;
    bool operator==(const KorWorkspaceDetails&) const = default;
};

// PROJECTS.
struct KorWorkspaceProject {
    std::string strName;
    std::string strDirectory;
    std::string strFileName;
    bool operator==(const KorWorkspaceProject&) const = default;
};

// VCS (one record).
struct KorVcs {
    std::string strTool;
    std::string strToolVersion;
    std::string strConfigurationFile;
    std::int32_t bEnabled = 0;
    bool operator==(const KorVcs&) const = default;
};

// VCS_PROJECT.
struct KorVcsProject {
    std::string strName;
    std::string strProjectLocation;
    bool operator==(const KorVcsProject&) const = default;
};

}  // namespace z2k

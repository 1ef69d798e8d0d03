#pragma once
// The rows of a ZAT project file, one struct per record layout. The members carry the field
// names of the file and stand in the layout order, which is binding for the file: texts are
// std::string (type 6), flags (b...) and numbers (n...) are 32-bit integers (type 0).
// ZatProject::read() fills them; the translation only reads them. The rows whose layout the
// KOR files share are the KOR rows themselves, so that the translation takes them over whole.
#include <cstdint>
#include <string>

#include "kor/KorRecords.h"

namespace z2k {

// PROJECT_DETAILS (one record).
struct ZatProjectDetails {
    std::string strProjectName;
    std::string strDirectory;
    std::string strToolChain;
    std::string strCPUFamily;
    std::int32_t nDisplayInformation = 0;
    bool operator==(const ZatProjectDetails&) const = default;
};

// EDITOR (one record).
struct ZatEditor {
    std::int32_t bCustomEditor = 0;
    std::string strName;
    std::string strCommand;
    std::string strArgs1;
    std::string strArgs2;
    bool operator==(const ZatEditor&) const = default;
};

// GENERAL_TOOLS (one record).
using ZatGeneralTools = KorGeneralTools;

// PROJECT_TOOLS.
using ZatProjectTool = KorProjectTool;

// SCRAP and every "ENVIRONMENT_" + custom phase.
using ZatVariableRow = KorVariableRow;

// EXTERNAL_EVENTS.
using ZatExternalEvent = KorExternalEvent;

// FILE_GROUPS.
struct ZatFileGroup {
    std::string strName;
    std::string strProperty;
    bool operator==(const ZatFileGroup&) const = default;
};

// EXTENSIONS.
struct ZatExtension {
    std::string strGroup;
    std::string strExtension;
    std::int32_t bSystem = 0;
    bool operator==(const ZatExtension&) const = default;
};

// PROJECT_FILES: the file path, its tag and its file number.
struct ZatProjectFile {
    std::string strName;
    std::string strTag;
    std::int32_t nID = 0;
    bool operator==(const ZatProjectFile&) const = default;
};

// BUILD_PHASES.
struct ZatBuildPhase {
    std::string strName;
    std::int32_t bSystem = 0;
    std::int32_t bForceBuild = 0;
    std::int32_t nRedirect = 0;
    std::string strRedirect;
    std::int32_t bShowCommand = 0;
    std::int32_t bShowEnvironment = 0;
    std::int32_t bShowDirectory = 0;
    bool operator==(const ZatBuildPhase&) const = default;
};

// BUILD_ORDER and every "BUILD_FILE_ORDER_" + file group: a phase name and its enabled flag.
using ZatBuildOrderRow = KorBuildOrderRow;

// CONFIGURATIONS.
using ZatConfiguration = KorConfiguration;

// SYSTEM_PHASES.
struct ZatSystemPhase {
    std::string strName;
    std::string strToolTag;
    std::int32_t nStopIfErrors = 0;
    std::int32_t nStopIfWarnings = 0;
    std::int32_t bFilter = 0;
    bool operator==(const ZatSystemPhase&) const = default;
};

// CUSTOM_PHASES.
struct ZatCustomPhase {
    std::string strName;
    std::string strCommand;
    std::string strInitialDirectory;
    std::int32_t bMultiple = 0;
    std::string strGroup;
    std::int32_t bAbortOnErrors = 0;
    bool operator==(const ZatCustomPhase&) const = default;
};

// "DEPENDENCIES_" + configuration + "_" + phase: file number and dependency file name.
struct ZatDependencyRow {
    std::int32_t nID = 0;
    std::string strName;
    bool operator==(const ZatDependencyRow&) const = default;
};

// "OPTIONS_" + configuration + "_" + phase: file number (0 = the whole tool), the tool's
// command-line option text as stored, and the force-build flag.
struct ZatOptionRow {
    std::int32_t nID = 0;
    std::string strOption;
    std::int32_t bForceBuild = 0;
    bool operator==(const ZatOptionRow&) const = default;
};

// "OUTPUT_FILES_" + configuration + "_" + phase: file number, output file name, build-input flag.
struct ZatOutputFileRow {
    std::int32_t nID = 0;
    std::string strName;
    std::int32_t bBuildInput = 0;
    bool operator==(const ZatOutputFileRow&) const = default;
};

}  // namespace z2k

#pragma once
// The record layouts of a ZAT project file: for each row struct, its fields in layout order,
// each with its name in the file. describeFields(row, field) calls field(name, member) once per
// field; ZatRecordset<Row> uses it to declare the table to the text database.
#include <string>

#include "kor/KorLayouts.h"
#include "zat/ZatRecords.h"

namespace z2k {

// DATABASE_VERSION, INFORMATION, CURRENT_CONFIGURATION: one text field "str".
using ZatTextRow = KorTextRow;

// PROJECT_BUILDER_DETAILS.
struct ZatBuilderDetails {
    std::string strDirectory;
};

inline void describeFields(ZatBuilderDetails& r, auto&& field) {
    field("strDirectory", r.strDirectory);
}

inline void describeFields(ZatProjectDetails& r, auto&& field) {
    field("strProjectName", r.strProjectName);
    field("strDirectory", r.strDirectory);
    field("strToolChain", r.strToolChain);
    field("strCPUFamily", r.strCPUFamily);
    field("nDisplayInformation", r.nDisplayInformation);
}

inline void describeFields(ZatEditor& r, auto&& field) {
    field("bCustomEditor", r.bCustomEditor);
    field("strName", r.strName);
    field("strCommand", r.strCommand);
    field("strArgs1", r.strArgs1);
    field("strArgs2", r.strArgs2);
}

inline void describeFields(ZatFileGroup& r, auto&& field) {
    field("strName", r.strName);
    field("strProperty", r.strProperty);
}

inline void describeFields(ZatExtension& r, auto&& field) {
    field("strGroup", r.strGroup);
    field("strExtension", r.strExtension);
    field("bSystem", r.bSystem);
}

inline void describeFields(ZatProjectFile& r, auto&& field) {
    field("strName", r.strName);
    field("strTag", r.strTag);
    field("nID", r.nID);
}

inline void describeFields(ZatBuildPhase& r, auto&& field) {
    field("strName", r.strName);
    field("bSystem", r.bSystem);
    field("bForceBuild", r.bForceBuild);
    field("nRedirect", r.nRedirect);
    field("strRedirect", r.strRedirect);
    field("bShowCommand", r.bShowCommand);
    field("bShowEnvironment", r.bShowEnvironment);
    field("bShowDirectory", r.bShowDirectory);
}

inline void describeFields(ZatSystemPhase& r, auto&& field) {
    field("strName", r.strName);
    field("strToolTag", r.strToolTag);
    field("nStopIfErrors", r.nStopIfErrors);
    field("nStopIfWarnings", r.nStopIfWarnings);
    field("bFilter", r.bFilter);
}

inline void describeFields(ZatCustomPhase& r, auto&& field) {
    field("strName", r.strName);
    field("strCommand", r.strCommand);
    field("strInitialDirectory", r.strInitialDirectory);
    field("bMultiple", r.bMultiple);
    field("strGroup", r.strGroup);
    field("bAbortOnErrors", r.bAbortOnErrors);
}

inline void describeFields(ZatDependencyRow& r, auto&& field) {
    field("nID", r.nID);
    field("strName", r.strName);
}

inline void describeFields(ZatOptionRow& r, auto&& field) {
    field("nID", r.nID);
    field("strOption", r.strOption);
    field("bForceBuild", r.bForceBuild);
}

inline void describeFields(ZatOutputFileRow& r, auto&& field) {
    field("nID", r.nID);
    field("strName", r.strName);
    field("bBuildInput", r.bBuildInput);
}

}  // namespace z2k

#pragma once
// The record layouts of the KOR project and workspace files: for each row struct, its fields in
// layout order, each with its name in the file. describeFields(row, field) calls field(name,
// member) once per field; the version-2 writer writes the members in that order, and the ZAT
// reader binds the members of the rows that both formats share.
#include "kor/KorRecords.h"

namespace z2k {

inline void describeFields(KorTextRow& r, auto&& field) {
    field("str", r.str);
}

inline void describeFields(KorVariableRow& r, auto&& field) {
    field("strVariable", r.strVariable);
    field("strValue", r.strValue);
}

inline void describeFields(KorTripleRow& r, auto&& field) {
    field("str1", r.str1);
    field("str2", r.str2);
    field("str3", r.str3);
}

inline void describeFields(KorProjectDetails& r, auto&& field) {
    field("strName", r.strName);
    field("strDirectory", r.strDirectory);
    field("strFile", r.strFile);
    field("strToolChain", r.strToolChain);
    field("strCpuFamily", r.strCpuFamily);
    field("strType", r.strType);
}

inline void describeFields(KorAssociatedApplication& r, auto&& field) {
    field("strApplicationName", r.strApplicationName);
    field("strApplicationCommand", r.strApplicationCommand);
    field("strApplicationParameters", r.strApplicationParameters);
    field("strApplicationInitialDirectory", r.strApplicationInitialDirectory);
}

inline void describeFields(KorProjectTool& r, auto&& field) {
    field("strName", r.strName);
    field("bSystemTool", r.bSystemTool);
    field("bDisplayOnMenu", r.bDisplayOnMenu);
    field("strVersion", r.strVersion);
    field("strType", r.strType);
    field("strTag", r.strTag);
    field("strArguments", r.strArguments);
    field("strInitialDirectory", r.strInitialDirectory);
    field("nRunMode", r.nRunMode);
    field("strCommand", r.strCommand);
    field("bExecuted", r.bExecuted);
}

inline void describeFields(KorExternalEvent& r, auto&& field) {
    field("strExeName", r.strExeName);
    field("strEventName", r.strEventName);
    field("strParam1", r.strParam1);
    field("strParam2", r.strParam2);
    field("strParam3", r.strParam3);
    field("strParam4", r.strParam4);
    field("strParam5", r.strParam5);
}

inline void describeFields(KorGeneralTools& r, auto&& field) {
    field("bAlwaysOnTop", r.bAlwaysOnTop);
    field("bLargeButtons", r.bLargeButtons);
    field("bShowToolTips", r.bShowToolTips);
    field("bCustomEditor", r.bCustomEditor);
    field("strEditorArgOpenFile", r.strEditorArgOpenFile);
    field("strEditorArgOpenFileAtLine", r.strEditorArgOpenFileAtLine);
    field("strEditorCommand", r.strEditorCommand);
    field("strEditorName", r.strEditorName);
}

inline void describeFields(KorFileGroup& r, auto&& field) {
    field("strName", r.strName);
    field("strProperty", r.strProperty);
    field("strApplicationType", r.strApplicationType);
    field("strApplicationName", r.strApplicationName);
}

inline void describeFields(KorExtension& r, auto&& field) {
    field("strGroup", r.strGroup);
    field("strExtension", r.strExtension);
}

inline void describeFields(KorProjectFile& r, auto&& field) {
    field("strName", r.strName);
    field("strTag", r.strTag);
    field("nExcludedFromBuild", r.nExcludedFromBuild);
}

inline void describeFields(KorConfiguration& r, auto&& field) {
    field("strName", r.strName);
    field("strDirectory", r.strDirectory);
}

inline void describeFields(KorBuildPhase& r, auto&& field) {
    field("strName", r.strName);
    field("bSystem", r.bSystem);
}

inline void describeFields(KorBuildOrderRow& r, auto&& field) {
    field("strName", r.strName);
    field("bEnabled", r.bEnabled);
}

inline void describeFields(KorCustomPhase& r, auto&& field) {
    field("strName", r.strName);
    field("strCommand", r.strCommand);
    field("strInitialDirectory", r.strInitialDirectory);
    field("bMultiple", r.bMultiple);
    field("strGroup", r.strGroup);
    field("bNoFileCheckBeforeBuild", r.bNoFileCheckBeforeBuild);
}

inline void describeFields(KorSyntaxAttribute& r, auto&& field) {
    field("strGroup", r.strGroup);
    field("strAttribute", r.strAttribute);
    field("strValue", r.strValue);
}

inline void describeFields(KorSyntaxCategory& r, auto&& field) {
    field("strGroup", r.strGroup);
    field("strCategory", r.strCategory);
    field("strForeGround", r.strForeGround);
    field("strBackGround", r.strBackGround);
    field("strKeywords", r.strKeywords);
}

inline void describeFields(KorSyntaxFileGroup& r, auto&& field) {
    field("strFileGroup", r.strFileGroup);
    field("strToolname", r.strToolname);
    field("strToolVersion", r.strToolVersion);
    field("strProperty", r.strProperty);
}

inline void describeFields(KorDependencyRow& r, auto&& field) {
    field("strfileParent", r.strfileParent);
    field("strfileDependency", r.strfileDependency);
    field("strGroup", r.strGroup);
}

inline void describeFields(KorOutputFileRow& r, auto&& field) {
    field("strfileParent", r.strfileParent);
    field("strfileOutput", r.strfileOutput);
    field("strGroup", r.strGroup);
    field("bBuildInput", r.bBuildInput);
}

inline void describeFields(KorOptionRow& r, auto&& field) {
    field("strFile", r.strFile);
    field("strOption", r.strOption);
    field("strTime", r.strTime);
    field("bExcludedFromBuild", r.bExcludedFromBuild);
}

inline void describeFields(KorWorkspaceDetails& r, auto&& field) {
    field("strName", r.strName);
    field("strDirectory", r.strDirectory);
    field("strFileName", r.strFileName);
    field("strCpuFamily", r.strCpuFamily);
    field("strToolChain", r.strToolChain);
}

inline void describeFields(KorWorkspaceProject& r, auto&& field) {
    field("strName", r.strName);
    field("strDirectory", r.strDirectory);
    field("strFileName", r.strFileName);
}

inline void describeFields(KorVcs& r, auto&& field) {
    field("strTool", r.strTool);
    field("strToolVersion", r.strToolVersion);
    field("strConfigurationFile", r.strConfigurationFile);
    field("bEnabled", r.bEnabled);
}

inline void describeFields(KorVcsProject& r, auto&& field) {
    field("strName", r.strName);
    field("strProjectLocation", r.strProjectLocation);
}

}  // namespace z2k

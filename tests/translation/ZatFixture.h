#pragma once
// ZAT projects made in code for the translation tests: the model is written as a real .zat file
// (a version-1 text database) into a folder mapped as drive D:, and read back with ZatProject.
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "zat/ZatProject.h"
#include "zat/ZatRecords.h"

namespace z2k::test {

struct ZatModel {
    std::string databaseVersion = "1.0";
    ZatProjectDetails details{"D:\\proj\\motor.zat", "D:\\proj", "Vantrel", "Quarix RISC engine", 0};
    std::string information;
    std::vector<ZatProjectTool> tools;
    ZatEditor editor;
    std::vector<ZatVariableRow> scrap;
    std::vector<ZatExternalEvent> events;
    ZatGeneralTools generalTools;
    std::string builderDirectory;
    std::vector<ZatFileGroup> fileGroups;
    std::vector<ZatExtension> extensions;
    std::vector<ZatProjectFile> files;
    std::string currentConfiguration = "Debug";
    std::vector<ZatBuildPhase> buildPhases;
    std::vector<ZatBuildOrderRow> buildOrder;
    std::vector<ZatConfiguration> configurations{{"Debug", "D:\\proj\\Debug"}};
    // (configuration, phase) -> rows; absent pairs get empty recordsets.
    std::map<std::pair<std::string, std::string>, std::vector<ZatDependencyRow>> dependencies;
    std::map<std::pair<std::string, std::string>, std::vector<ZatOptionRow>> options;
    std::map<std::pair<std::string, std::string>, std::vector<ZatOutputFileRow>> outputFiles;
    // File group -> rows; only these groups get a recordset.
    std::map<std::string, std::vector<ZatBuildOrderRow>> buildFileOrder;
    std::vector<ZatSystemPhase> systemPhases;
    std::vector<ZatCustomPhase> customPhases;
    // Custom phase -> rows; every custom phase gets a recordset.
    std::map<std::string, std::vector<ZatVariableRow>> environment;

    // A build phase and its build-order row.
    ZatModel& phase(const std::string& name, std::int32_t enabled = 1, std::int32_t system = 0) {
        buildPhases.push_back({name, system, 0, 0, "", 0, 0, 0});
        buildOrder.push_back({name, enabled});
        return *this;
    }
    // Option rows of a phase in the first configuration.
    ZatModel& optionRows(const std::string& phaseName, std::vector<ZatOptionRow> rows) {
        options[{configurations.front().strName, phaseName}] = std::move(rows);
        return *this;
    }
};

// The version-1 text of the model.
std::string zatText(const ZatModel& model);

// Writes the model to systemPath (a D:\ path) and reads it into project; false when either fails.
bool loadZat(const ZatModel& model, const std::string& systemPath, ZatProject& project);

}  // namespace z2k::test

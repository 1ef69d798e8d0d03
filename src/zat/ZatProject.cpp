#include "zat/ZatProject.h"

#include "zat/ZatProjectReader.h"

namespace z2k {

int ZatProject::read() {
    failure_ = FileFailure{};
    if (path_.empty()) {
        failure_ = FileFailure{"", "no ZAT project file was named"};
        return 1;
    }
    clear();
    ZatProjectReader reader(*this);
    return reader.run();
}

void ZatProject::clear() {
    databaseVersion_.clear();
    projectDetails_ = {};
    information_.clear();
    editor_ = {};
    generalTools_ = {};
    projectBuilderDirectory_.clear();
    currentConfiguration_.clear();
    projectTools_.clear();
    scrap_.clear();
    externalEvents_.clear();
    fileGroups_.clear();
    extensions_.clear();
    projectFiles_.clear();
    buildPhases_.clear();
    buildOrder_.clear();
    configurations_.clear();
    systemPhases_.clear();
    customPhases_.clear();
    configurationTables_.clear();
    buildFileOrder_.clear();
    environment_.clear();
}

const std::vector<ZatDependencyRow>* ZatProject::dependencies(std::string_view configuration,
                                                              std::string_view phase) const {
    const ZatConfigurationTables* tables = tablesFor(configuration);
    return tables == nullptr ? nullptr : tables->dependencies.find(phase);
}

const std::vector<ZatOptionRow>* ZatProject::options(std::string_view configuration,
                                                     std::string_view phase) const {
    const ZatConfigurationTables* tables = tablesFor(configuration);
    return tables == nullptr ? nullptr : tables->options.find(phase);
}

const std::vector<ZatOutputFileRow>* ZatProject::outputFiles(std::string_view configuration,
                                                             std::string_view phase) const {
    const ZatConfigurationTables* tables = tablesFor(configuration);
    return tables == nullptr ? nullptr : tables->outputFiles.find(phase);
}

}  // namespace z2k

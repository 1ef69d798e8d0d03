#include "ZatFixture.h"

#include <type_traits>

#include "textdb/Version1Writer.h"
#include "zat/ZatLayouts.h"

namespace z2k::test {

namespace {

template <typename Row>
std::string recordLine(Row row) {
    std::string line;
    describeFields(row, [&line](const char*, auto& member) {
        if constexpr (std::is_same_v<std::decay_t<decltype(member)>, std::string>) {
            Version1Writer::appendText(line, member);
        } else {
            Version1Writer::appendInteger(line, member);
        }
    });
    return line;
}

template <typename Row>
void table(Version1Writer& writer, const std::string& name, const std::vector<Row>& rows) {
    writer.addSection(name);
    for (const Row& row : rows) writer.addRecordLine(recordLine(row));
}

template <typename Row>
void single(Version1Writer& writer, const std::string& name, const Row& row) {
    writer.addSection(name);
    writer.addRecordLine(recordLine(row));
}

template <typename Row>
std::vector<Row> rowsOf(const std::map<std::pair<std::string, std::string>, std::vector<Row>>& map,
                        const std::string& configuration, const std::string& phase) {
    auto found = map.find({configuration, phase});
    return found == map.end() ? std::vector<Row>{} : found->second;
}

void fill(Version1Writer& w, const ZatModel& m) {
    single(w, "DATABASE_VERSION", ZatTextRow{m.databaseVersion});
    single(w, "PROJECT_DETAILS", m.details);
    single(w, "INFORMATION", ZatTextRow{m.information});
    table(w, "PROJECT_TOOLS", m.tools);
    single(w, "EDITOR", m.editor);
    table(w, "SCRAP", m.scrap);
    table(w, "EXTERNAL_EVENTS", m.events);
    single(w, "GENERAL_TOOLS", m.generalTools);
    single(w, "PROJECT_BUILDER_DETAILS", ZatBuilderDetails{m.builderDirectory});
    table(w, "FILE_GROUPS", m.fileGroups);
    table(w, "EXTENSIONS", m.extensions);
    table(w, "PROJECT_FILES", m.files);
    single(w, "CURRENT_CONFIGURATION", ZatTextRow{m.currentConfiguration});
    table(w, "BUILD_PHASES", m.buildPhases);
    table(w, "BUILD_ORDER", m.buildOrder);
    table(w, "CONFIGURATIONS", m.configurations);
    for (const ZatConfiguration& c : m.configurations) {
        for (const ZatBuildPhase& p : m.buildPhases) {
            const std::string key = c.strName + "_" + p.strName;
            if (p.bSystem == 0) {
                table(w, "DEPENDENCIES_" + key, rowsOf(m.dependencies, c.strName, p.strName));
                table(w, "OUTPUT_FILES_" + key, rowsOf(m.outputFiles, c.strName, p.strName));
            }
            table(w, "OPTIONS_" + key, rowsOf(m.options, c.strName, p.strName));
        }
    }
    for (const auto& [group, rows] : m.buildFileOrder) table(w, "BUILD_FILE_ORDER_" + group, rows);
    table(w, "SYSTEM_PHASES", m.systemPhases);
    table(w, "CUSTOM_PHASES", m.customPhases);
    for (const ZatCustomPhase& phase : m.customPhases) {
        auto found = m.environment.find(phase.strName);
        table(w, "ENVIRONMENT_" + phase.strName,
              found == m.environment.end() ? std::vector<ZatVariableRow>{} : found->second);
    }
}

}  // namespace

std::string zatText(const ZatModel& model) {
    Version1Writer writer;
    fill(writer, model);
    return writer.text();
}

bool loadZat(const ZatModel& model, const std::string& systemPath, ZatProject& project) {
    Version1Writer writer;
    fill(writer, model);
    if (writer.writeFile(systemPath) != 0) return false;
    project.setPath(systemPath);
    project.setMessageSink(nullptr, 1);
    return project.read() == 0;
}

}  // namespace z2k::test

#include "zat/ZatProjectReader.h"

#include "zat/ZatRecordset.h"

namespace z2k {

namespace {

const char* const kOptionsTableError = "ERROR READING OPTIONS TABLE";

// Build phases whose bSystem is exactly 0 are the non-system phases.
bool isNonSystemPhase(const ZatBuildPhase& phase) {
    return phase.bSystem == 0;
}

std::string composedName(std::string_view prefix, std::string_view configuration, std::string_view phase) {
    std::string name;
    name.reserve(prefix.size() + configuration.size() + 1 + phase.size());
    name.append(prefix).append(configuration).append(1, '_').append(phase);
    return name;
}

}  // namespace

ZatProjectReader::ZatProjectReader(ZatProject& project)
    : project_(project) {
    database_.setLockPolicy(project_.lockPolicy_);
}

bool ZatProjectReader::fail(std::string reason) {
    project_.failure_ =
        reason.empty() ? database_.lastFailure() : FileFailure{project_.path_, std::move(reason)};
    return false;
}

void ZatProjectReader::message(std::string_view recordset) {
    if (project_.sink_ == nullptr) return;
    std::string text = "Reading recordset [";
    text.append(recordset).append("]");
    project_.sink_->replace(text);
}

// One record exactly: open, a first record, no second record, close.
template <typename Row>
bool ZatProjectReader::readSingle(std::string_view name, Row& target) {
    message(name);
    ZatRecordset<Row> recordset(database_, std::string(name));
    if (recordset.open() != TableOpen::Ok) return fail();
    if (recordset.isEOF()) {
        recordset.close();
        return fail("the recordset [" + std::string(name) + "] holds no record");
    }
    target = recordset.row;
    recordset.moveNext();
    if (!recordset.isEOF()) {
        recordset.close();
        return fail("the recordset [" + std::string(name) + "] holds more than one record");
    }
    recordset.close();
    return true;
}

// Every record, appended to rows in file order. No message: callers send it.
template <typename Row>
bool ZatProjectReader::readList(const std::string& name, std::vector<Row>& rows) {
    ZatRecordset<Row> recordset(database_, name);
    if (recordset.open() != TableOpen::Ok) return fail();
    // Each move fills every member anew: the row moves out.
    for (; !recordset.isEOF(); recordset.moveNext()) rows.push_back(std::move(recordset.row));
    recordset.close();
    return true;
}

// An options recordset that cannot be opened or closed shows the alert once; the rows read so
// far stay and the read goes on. The box is an application message box: an empty title stands
// for the application's own title.
bool ZatProjectReader::readOptions(const std::string& name, std::vector<ZatOptionRow>& rows) {
    if (readList(name, rows)) return true;
    if (project_.alerts_ != nullptr) project_.alerts_->show(kOptionsTableError, "", AlertIcon::Error);
    return false;
}

int ZatProjectReader::run() {
    if (database_.open(project_.path_) != DatabaseOpen::Ok) {
        fail();
        return 1;
    }
    bool ok = readTables();
    database_.close();
    return ok ? 0 : 1;
}

bool ZatProjectReader::readTables() {
    ZatProject& p = project_;
    ZatTextRow text;
    if (!readSingle("DATABASE_VERSION", text)) return false;
    p.databaseVersion_ = text.str;
    if (!readSingle("PROJECT_DETAILS", p.projectDetails_)) return false;
    if (!readSingle("INFORMATION", text)) return false;
    p.information_ = text.str;

    message("PROJECT_TOOLS");
    if (!readList("PROJECT_TOOLS", p.projectTools_)) return false;
    if (!readSingle("EDITOR", p.editor_)) return false;
    message("SCRAP");
    if (!readList("SCRAP", p.scrap_)) return false;
    message("EXTERNAL_EVENTS");
    if (!readList("EXTERNAL_EVENTS", p.externalEvents_)) return false;
    if (!readSingle("GENERAL_TOOLS", p.generalTools_)) return false;
    ZatBuilderDetails builder;
    if (!readSingle("PROJECT_BUILDER_DETAILS", builder)) return false;
    p.projectBuilderDirectory_ = builder.strDirectory;
    message("FILE_GROUPS");
    if (!readList("FILE_GROUPS", p.fileGroups_)) return false;
    message("EXTENSIONS");
    if (!readList("EXTENSIONS", p.extensions_)) return false;
    message("PROJECT_FILES");
    if (!readList("PROJECT_FILES", p.projectFiles_)) return false;
    if (!readSingle("CURRENT_CONFIGURATION", text)) return false;
    p.currentConfiguration_ = text.str;
    message("BUILD_PHASES");
    if (!readList("BUILD_PHASES", p.buildPhases_)) return false;
    message("BUILD_ORDER");
    if (!readList("BUILD_ORDER", p.buildOrder_)) return false;

    if (p.sink_ != nullptr) p.sink_->replace("Reading recordsets [CONFIGURATIONS]");
    if (!readList("CONFIGURATIONS", p.configurations_)) return false;
    for (const ZatConfiguration& configuration : p.configurations_)
        p.configurationTables_.set(configuration.strName, ZatConfigurationTables{});

    if (!readConfigurationTables()) return false;
    if (!readBuildFileOrder()) return false;
    message("SYSTEM_PHASES");
    if (!readList("SYSTEM_PHASES", p.systemPhases_)) return false;
    message("CUSTOM_PHASES");
    if (!readList("CUSTOM_PHASES", p.customPhases_)) return false;
    return readEnvironment();
}

// Three passes: dependencies, options, output files; each over the configurations in list order
// and, within one, over the build phases in list order.
bool ZatProjectReader::readConfigurationTables() {
    ZatProject& p = project_;
    for (const ZatConfiguration& configuration : p.configurations_) {
        ZatConfigurationTables* tables = p.configurationTables_.find(configuration.strName);
        if (tables == nullptr) continue;
        for (const ZatBuildPhase& phase : p.buildPhases_) {
            if (!isNonSystemPhase(phase)) continue;
            std::string name = composedName("DEPENDENCIES_", configuration.strName, phase.strName);
            message(name);
            std::vector<ZatDependencyRow> rows;
            if (!readList(name, rows)) return false;
            tables->dependencies.set(phase.strName, std::move(rows));
        }
    }
    for (const ZatConfiguration& configuration : p.configurations_) {
        ZatConfigurationTables* tables = p.configurationTables_.find(configuration.strName);
        if (tables == nullptr) continue;
        for (const ZatBuildPhase& phase : p.buildPhases_) {
            std::string name = composedName("OPTIONS_", configuration.strName, phase.strName);
            message(name);
            std::vector<ZatOptionRow> rows;
            readOptions(name, rows);
            tables->options.set(phase.strName, std::move(rows));
        }
    }
    for (const ZatConfiguration& configuration : p.configurations_) {
        ZatConfigurationTables* tables = p.configurationTables_.find(configuration.strName);
        if (tables == nullptr) continue;
        for (const ZatBuildPhase& phase : p.buildPhases_) {
            if (!isNonSystemPhase(phase)) continue;
            std::string name = composedName("OUTPUT_FILES_", configuration.strName, phase.strName);
            message(name);
            std::vector<ZatOutputFileRow> rows;
            if (!readList(name, rows)) return false;
            tables->outputFiles.set(phase.strName, std::move(rows));
        }
    }
    return true;
}

// Only file groups whose recordset exists get an entry; the first row of a name decides.
bool ZatProjectReader::readBuildFileOrder() {
    ZatProject& p = project_;
    for (const ZatFileGroup& group : p.fileGroups_) {
        if (p.buildFileOrder_.contains(group.strName)) continue;
        std::string name = "BUILD_FILE_ORDER_" + group.strName;
        // A file that cannot be searched (-1) is not taken for a missing recordset: the open
        // below then fails the read.
        if (database_.tableExists(name) == TableCheck::Absent) continue;
        message(name);
        std::vector<ZatBuildOrderRow> rows;
        if (!readList(name, rows)) return false;
        p.buildFileOrder_.set(group.strName, std::move(rows));
    }
    return true;
}

// Every custom phase must have its environment recordset; the first row of a name decides.
bool ZatProjectReader::readEnvironment() {
    ZatProject& p = project_;
    for (const ZatCustomPhase& phase : p.customPhases_) {
        if (p.environment_.contains(phase.strName)) continue;
        std::string name = "ENVIRONMENT_" + phase.strName;
        message(name);
        std::vector<ZatVariableRow> rows;
        if (!readList(name, rows)) return false;
        p.environment_.set(phase.strName, std::move(rows));
    }
    return true;
}

}  // namespace z2k

#include "zat/ZatProjectReader.h"

#include <string_view>
#include <utility>
#include <vector>

#include "textdb/TextDatabase.h"
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

// One read of one file into one project; each step returns false once the read has failed.
class Reader {
  public:
    Reader(const std::string& path, const ZatReadOptions& options, ZatProject& project)
        : path_(path), options_(options), p_(project), database_(options.settings) {
        database_.setLockPolicy(options.lock);
    }

    bool run(FileFailure& failure) {
        bool ok = database_.open(path_) == DatabaseOpen::Ok || fail();
        if (ok) {
            ok = readTables();
            database_.close();
        }
        failure = std::move(failure_);
        return ok;
    }

  private:
    // Keeps why the read stopped (the database's own reason when none is given); false.
    bool fail(std::string reason = {}) {
        failure_ = reason.empty() ? database_.lastFailure() : FileFailure{path_, std::move(reason)};
        return false;
    }

    void message(std::string_view recordset) {
        if (options_.progress == nullptr) return;
        std::string text = "Reading recordset [";
        text.append(recordset).append("]");
        options_.progress->replace(text);
    }

    // One record exactly: open, a first record, no second record, close.
    template <typename Row>
    bool readSingle(std::string_view name, Row& target) {
        message(name);
        ZatRecordset<Row> recordset(database_, std::string(name));
        if (recordset.open() != TableOpen::Ok) return fail();
        if (recordset.isEOF()) {
            recordset.close();
            return fail("the recordset [" + std::string(name) + "] holds no record");
        }
        target = std::move(recordset.row);
        recordset.moveNext();
        if (!recordset.isEOF()) {
            recordset.close();
            return fail("the recordset [" + std::string(name) + "] holds more than one record");
        }
        recordset.close();
        return true;
    }

    bool readText(std::string_view name, std::string& target) {
        ZatTextRow text;
        if (!readSingle(name, text)) return false;
        target = std::move(text.str);
        return true;
    }

    // Every record, appended to rows in file order. The recordset refills its row on every
    // move, so each row is moved out, never copied.
    template <typename Row>
    bool readList(const std::string& name, std::vector<Row>& rows) {
        ZatRecordset<Row> recordset(database_, name);
        if (recordset.open() != TableOpen::Ok) return fail();
        for (; !recordset.isEOF(); recordset.moveNext()) rows.push_back(std::move(recordset.row));
        recordset.close();
        return true;
    }

    template <typename Row>
    bool readNamedList(const std::string& name, std::vector<Row>& rows) {
        message(name);
        return readList(name, rows);
    }

    // An options recordset that cannot be opened or closed shows the alert once; the rows read
    // so far stay and the read goes on. The box is an application message box: an empty title
    // stands for the application's own title.
    void readOptions(const std::string& name, std::vector<ZatOptionRow>& rows) {
        if (!readList(name, rows) && options_.alerts != nullptr)
            options_.alerts->show(kOptionsTableError, "", AlertIcon::Error);
    }

    bool readTables();
    bool readConfigurationTables();
    bool readBuildFileOrder();
    bool readEnvironment();

    const std::string& path_;
    const ZatReadOptions& options_;
    ZatProject& p_;
    TextDatabase database_;
    FileFailure failure_;
};

bool Reader::readTables() {
    ZatBuilderDetails builder;
    const bool ok =
        readText("DATABASE_VERSION", p_.databaseVersion) &&
        readSingle("PROJECT_DETAILS", p_.projectDetails) && readText("INFORMATION", p_.information) &&
        readNamedList("PROJECT_TOOLS", p_.projectTools) && readSingle("EDITOR", p_.editor) &&
        readNamedList("SCRAP", p_.scrap) && readNamedList("EXTERNAL_EVENTS", p_.externalEvents) &&
        readSingle("GENERAL_TOOLS", p_.generalTools) && readSingle("PROJECT_BUILDER_DETAILS", builder) &&
        readNamedList("FILE_GROUPS", p_.fileGroups) && readNamedList("EXTENSIONS", p_.extensions) &&
        readNamedList("PROJECT_FILES", p_.projectFiles) &&
        readText("CURRENT_CONFIGURATION", p_.currentConfiguration) &&
        readNamedList("BUILD_PHASES", p_.buildPhases) && readNamedList("BUILD_ORDER", p_.buildOrder);
    if (!ok) return false;
    p_.projectBuilderDirectory = std::move(builder.strDirectory);

    if (options_.progress != nullptr) options_.progress->replace("Reading recordsets [CONFIGURATIONS]");
    if (!readList("CONFIGURATIONS", p_.configurations)) return false;
    for (const ZatConfiguration& configuration : p_.configurations)
        p_.configurationTables.set(configuration.strName, ZatConfigurationTables{});

    return readConfigurationTables() && readBuildFileOrder() &&
           readNamedList("SYSTEM_PHASES", p_.systemPhases) &&
           readNamedList("CUSTOM_PHASES", p_.customPhases) && readEnvironment();
}

// Three passes: dependencies, options, output files; each over the configurations in list order
// and, within one, over the build phases in list order.
bool Reader::readConfigurationTables() {
    for (const ZatConfiguration& configuration : p_.configurations) {
        ZatConfigurationTables* tables = p_.configurationTables.find(configuration.strName);
        for (const ZatBuildPhase& phase : p_.buildPhases) {
            if (!isNonSystemPhase(phase)) continue;
            std::vector<ZatDependencyRow> rows;
            if (!readNamedList(composedName("DEPENDENCIES_", configuration.strName, phase.strName), rows))
                return false;
            tables->dependencies.set(phase.strName, std::move(rows));
        }
    }
    for (const ZatConfiguration& configuration : p_.configurations) {
        ZatConfigurationTables* tables = p_.configurationTables.find(configuration.strName);
        for (const ZatBuildPhase& phase : p_.buildPhases) {
            std::string name = composedName("OPTIONS_", configuration.strName, phase.strName);
            message(name);
            std::vector<ZatOptionRow> rows;
            readOptions(name, rows);
            tables->options.set(phase.strName, std::move(rows));
        }
    }
    for (const ZatConfiguration& configuration : p_.configurations) {
        ZatConfigurationTables* tables = p_.configurationTables.find(configuration.strName);
        for (const ZatBuildPhase& phase : p_.buildPhases) {
            if (!isNonSystemPhase(phase)) continue;
            std::vector<ZatOutputFileRow> rows;
            if (!readNamedList(composedName("OUTPUT_FILES_", configuration.strName, phase.strName), rows))
                return false;
            tables->outputFiles.set(phase.strName, std::move(rows));
        }
    }
    return true;
}

// Only file groups whose recordset exists get an entry; the first row of a name decides.
bool Reader::readBuildFileOrder() {
    for (const ZatFileGroup& group : p_.fileGroups) {
        if (p_.buildFileOrder.contains(group.strName)) continue;
        std::string name = "BUILD_FILE_ORDER_" + group.strName;
        // A file that cannot be searched (-1) is not taken for a missing recordset: the open
        // below then fails the read.
        if (database_.tableExists(name) == TableCheck::Absent) continue;
        std::vector<ZatBuildOrderRow> rows;
        if (!readNamedList(name, rows)) return false;
        p_.buildFileOrder.set(group.strName, std::move(rows));
    }
    return true;
}

// Every custom phase must have its environment recordset; the first row of a name decides.
bool Reader::readEnvironment() {
    for (const ZatCustomPhase& phase : p_.customPhases) {
        if (p_.environment.contains(phase.strName)) continue;
        std::vector<ZatVariableRow> rows;
        if (!readNamedList("ENVIRONMENT_" + phase.strName, rows)) return false;
        p_.environment.set(phase.strName, std::move(rows));
    }
    return true;
}

}  // namespace

ZatReadResult readZatProject(const std::string& path, const ZatReadOptions& options) {
    ZatReadResult result;
    if (path.empty()) {
        result.failure = FileFailure{"", "no ZAT project file was named"};
        return result;
    }
    ZatProject project;
    const bool read = Reader(path, options, project).run(result.failure);
    result.cpuFamily = project.projectDetails.strCPUFamily;
    if (read) result.project = std::move(project);
    return result;
}

}  // namespace z2k

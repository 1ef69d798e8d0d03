// make_examples: writes the example ZAT projects under an examples folder as version-1 text
// database files (CR LF line ends, continuation lines after 86 characters).
//
//   make_examples <examples folder>
//
// The projects hold D:\ paths: tests and the README copy the examples folder to a place that is
// mapped as drive D: before they convert anything.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "platform/HostPaths.h"
#include "textdb/Version1Writer.h"
#include "zat/ZatLayouts.h"

namespace {

using namespace z2k;

template <typename Row>
using Rows = std::vector<Row>;
// Composed tables: (key, rows) in the order they are written.
template <typename Row>
using Keyed = std::vector<std::pair<std::string, Rows<Row>>>;

struct ConfigurationTables {
    Keyed<ZatDependencyRow> dependencies;  // phase -> rows
    Keyed<ZatOptionRow> options;
    Keyed<ZatOutputFileRow> outputFiles;
};

struct ProjectDefinition {
    std::string relativeFile;  // below the examples folder, '/' separated
    std::string databaseVersion = "1.0";
    ZatProjectDetails details;
    std::string information;
    Rows<ZatProjectTool> tools;
    ZatEditor editor;
    Rows<ZatVariableRow> scrap;
    Rows<ZatExternalEvent> externalEvents;
    ZatGeneralTools generalTools;
    std::string builderDirectory = R"(C:\Vantrel\ZAT)";
    Rows<ZatFileGroup> fileGroups;
    Rows<ZatExtension> extensions;
    Rows<ZatProjectFile> files;
    std::string currentConfiguration;
    Rows<ZatBuildPhase> phases;
    Rows<ZatBuildOrderRow> buildOrder;
    Rows<ZatConfiguration> configurations;
    std::vector<ConfigurationTables> perConfiguration;  // parallel to configurations
    Keyed<ZatBuildOrderRow> buildFileOrder;
    Rows<ZatSystemPhase> systemPhases;
    Rows<ZatCustomPhase> customPhases;
    Keyed<ZatVariableRow> environment;
};

std::string tabbed(std::initializer_list<std::string> options) {
    std::string joined;
    for (const std::string& option : options) {
        if (!joined.empty()) joined += '\t';
        joined += option;
    }
    return joined;
}

template <typename Row>
const Rows<Row>* findKeyed(const Keyed<Row>& keyed, const std::string& key) {
    for (const auto& [name, rows] : keyed)
        if (name == key) return &rows;
    return nullptr;
}

class ZatFileWriter {
  public:
    template <typename Row>
    void table(const std::string& name, const Rows<Row>& rows) {
        writer_.addSection(name);
        for (Row row : rows) {
            std::string line;
            describeFields(row, [&line](const char*, auto& member) { append(line, member); });
            writer_.addRecordLine(line);
        }
    }
    template <typename Row>
    void single(const std::string& name, const Row& row) {
        table(name, Rows<Row>{row});
    }
    int writeTo(const std::filesystem::path& file) const {
        std::filesystem::create_directories(file.parent_path());
        const HostSettings settings;  // the host root as Z:, names as bytes
        auto systemPath = hostToSystemPath(std::filesystem::absolute(file).lexically_normal().string(), settings);
        if (!systemPath) return 1;
        return writer_.writeFile(*systemPath, settings);
    }

  private:
    static void append(std::string& line, const std::string& text) { Version1Writer::appendText(line, text); }
    static void append(std::string& line, std::int32_t number) {
        Version1Writer::appendInteger(line, number);
    }
    Version1Writer writer_;
};

int writeProject(const std::filesystem::path& examples, const ProjectDefinition& p) {
    ZatFileWriter file;
    file.single("DATABASE_VERSION", ZatTextRow{p.databaseVersion});
    file.single("PROJECT_DETAILS", p.details);
    file.single("INFORMATION", ZatTextRow{p.information});
    file.table("PROJECT_TOOLS", p.tools);
    file.single("EDITOR", p.editor);
    file.table("SCRAP", p.scrap);
    file.table("EXTERNAL_EVENTS", p.externalEvents);
    file.single("GENERAL_TOOLS", p.generalTools);
    file.single("PROJECT_BUILDER_DETAILS", ZatBuilderDetails{p.builderDirectory});
    file.table("FILE_GROUPS", p.fileGroups);
    file.table("EXTENSIONS", p.extensions);
    file.table("PROJECT_FILES", p.files);
    file.single("CURRENT_CONFIGURATION", ZatTextRow{p.currentConfiguration});
    file.table("BUILD_PHASES", p.phases);
    file.table("BUILD_ORDER", p.buildOrder);
    file.table("CONFIGURATIONS", p.configurations);
    for (std::size_t c = 0; c < p.configurations.size(); ++c) {
        const std::string& configuration = p.configurations[c].strName;
        const ConfigurationTables& tables = p.perConfiguration[c];
        for (const ZatBuildPhase& phase : p.phases) {
            const std::string suffix = configuration + "_" + phase.strName;
            const auto* options = findKeyed(tables.options, phase.strName);
            file.table("OPTIONS_" + suffix, options ? *options : Rows<ZatOptionRow>{});
            if (phase.bSystem != 0) continue;
            const auto* dependencies = findKeyed(tables.dependencies, phase.strName);
            file.table("DEPENDENCIES_" + suffix, dependencies ? *dependencies : Rows<ZatDependencyRow>{});
            const auto* outputs = findKeyed(tables.outputFiles, phase.strName);
            file.table("OUTPUT_FILES_" + suffix, outputs ? *outputs : Rows<ZatOutputFileRow>{});
        }
    }
    for (const auto& [group, rows] : p.buildFileOrder) file.table("BUILD_FILE_ORDER_" + group, rows);
    file.table("SYSTEM_PHASES", p.systemPhases);
    file.table("CUSTOM_PHASES", p.customPhases);
    for (const auto& [phase, rows] : p.environment) file.table("ENVIRONMENT_" + phase, rows);
    return file.writeTo(examples / p.relativeFile);
}

// ---- the tool chains ---------------------------------------------------------------------------

const char* const kQxCompiler = "Vantrel QX C Compiler";
const char* const kQxAssembler = "Vantrel QX Assembler";
const char* const kQxOptLinker = "Vantrel QX IM OptLinker";
const char* const kNerakCompiler = "Vantrel Nerak C Compiler";
const char* const kNerakAssembler = "Vantrel Nerak Assembler";
const char* const kNerakOptimizer = "Vantrel Nerak IM Optimizer";
const char* const kLinkageEditor = "Vantrel V Series Linkage Editor";
const char* const kLibrarian = "Vantrel V Series Librarian";
const char* const kStypeConverter = "Vantrel V Series Stype Converter";

ZatProjectTool tool(const char* name, const char* version, const char* type, const char* tag,
                    const std::string& exe) {
    return ZatProjectTool{name, 1, 0, version, type, tag, "", "", 0, exe, 0};
}

// The file groups and extensions ZAT sets up for a new project, and the user's own.
void addFileGroups(ProjectDefinition& p, bool withScript) {
    p.fileGroups = {{"C source file", "TEXT"},        {"C header file", "TEXT"},
                    {"Assembly source file", "TEXT"}, {"Assembly include file", "TEXT"},
                    {"Object file", "BIN"},           {"Library file", "BIN"},
                    {"Absolute file", "BIN"},         {"S-Record file", "TEXT"}};
    p.extensions = {{"C source file", "c", 1},          {"C header file", "h", 1},
                    {"Assembly source file", "src", 1}, {"Assembly include file", "inc", 1},
                    {"Object file", "obj", 1},          {"Library file", "lib", 1},
                    {"Absolute file", "abs", 1},        {"S-Record file", "mot", 1}};
    if (withScript) {
        p.fileGroups.push_back({"Script", "TEXT"});
        p.extensions.push_back({"Script", "SCR", 0});
    }
}

ZatBuildPhase phase(const char* name, int system) {
    return ZatBuildPhase{name, system, 0, 0, "", 1, 0, 0};
}

void commonSettings(ProjectDefinition& p, const std::string& zatPath, const std::string& directory,
                    const char* family) {
    p.details = {zatPath, directory, "Vantrel", family, 1};
    p.editor = {0, "", "", "", ""};
    p.generalTools = {0, 0, 1, 0, "$(FILE)", "$(FILE) $(LINE)", "", ""};
}

// ---- examples/quarix/motor.zat -----------------------------------------------------------------

ProjectDefinition quarixMotor() {
    const std::string dir = R"(D:\quarix)";
    ProjectDefinition p;
    p.relativeFile = "quarix/motor.zat";
    commonSettings(p, dir + R"(\motor.zat)", dir, "Quarix RISC engine");
    p.information = "Brushless motor controller for the QX2 evaluation board";
    const std::string bin = R"(C:\Vantrel\qx510\bin\)";
    p.tools = {tool(kQxCompiler, "5.1.0.0", "Compiler", "C", bin + "qxc.exe"),
               tool(kQxAssembler, "5.1.0.0", "Assembler", "ASM", bin + "qxasm.exe"),
               tool(kQxOptLinker, "7.0.3.0", "Linker", "LNK", bin + "qxlnk.exe"),
               tool(kLibrarian, "2.1.0.0", "Librarian", "LIB", bin + "vlib.exe"),
               tool(kStypeConverter, "1.4.0.0", "Converter", "CNV", bin + "vcnvs.exe")};
    p.scrap = {{"LastBuild", "Debug"}, {"Flash", "QX2-EVB"}};
    p.externalEvents = {{"qxdbg.exe", "BuildComplete", "$(PROJECT)", "$(CONFIG)", "", "", ""}};
    addFileGroups(p, true);
    p.files = {{dir + R"(\src\main.c)", "User", 1},      {dir + R"(\src\motor.c)", "User", 2},
               {dir + R"(\src\pwm.c)", "User", 3},       {dir + R"(\src\startup.src)", "User", 4},
               {dir + R"(\include\motor.h)", "User", 5}, {dir + R"(\scripts\version.scr)", "User", 6},
               {R"(D:\common\crc\crc16.c)", "User", 7}};
    p.currentConfiguration = "Debug";
    p.phases = {phase("Version Stamp", 0), phase(kQxCompiler, 0), phase(kQxAssembler, 0),
                phase(kQxOptLinker, 1),    phase(kLibrarian, 1),  phase(kStypeConverter, 1)};
    p.buildOrder = {{"Version Stamp", 1}, {kQxCompiler, 1}, {kQxAssembler, 1},
                    {kQxOptLinker, 1},    {kLibrarian, 1},  {kStypeConverter, 1}};
    p.configurations = {{"Debug", dir + R"(\Debug)"}, {"Release", dir + R"(\Release)"}};

    for (const std::string configuration : {"Debug", "Release"}) {
        const bool debug = configuration == "Debug";
        const std::string out = dir + "\\" + configuration + "\\";
        ConfigurationTables t;
        const std::string includes = R"(-i="D:\quarix\include","D:\common\crc")";
        auto compilerCommon = [&](const std::string& title) {
            return tabbed({"-cp=qx2", "-en=b", "-fp=s", includes,
                           debug ? "-def=DEBUG,MOTOR_POLES=8" : "-def=NDEBUG,MOTOR_POLES=8",
                           "-ob=\"" + out + title + ".obj\"", "-ch", "-err"});
        };
        t.options.push_back({kQxCompiler,
                             {{0,
                               tabbed({compilerCommon("$(FILE)"), debug ? "-deb" : "-op=1",
                                       debug ? "-l=\"" + out + "$(FILE).lst\"" : "-nol", "-ws=2"}),
                               0},
                              {2,
                               tabbed({compilerCommon("motor"), debug ? "-deb" : "-op=1", "-sp", "-inl=30",
                                       "-l=\"" + out + "motor.lst\""}),
                               0},
                              {7,
                               tabbed({"-cp=qx2", "-en=b", "-fp=s", R"(-i="D:\common\crc")",
                                       "-ob=\"" + out + "crc16.obj\"", "-nol", "-ch", "-err", "-nologo"}),
                               1}}});
        t.options.push_back(
            {kQxAssembler,
             {{0,
               tabbed({"-cpu=qx2", "-en=b", debug ? "-d" : "-nod", R"(-i="D:\quarix\include")",
                       "-o=\"" + out + "startup.obj\"", "-lis=\"" + out + "startup.lis\"", "-so", "-cr"}),
               0}}});
        const std::string objects = "-i=\"" + out + "main.obj\",\"" + out + "motor.obj\",\"" + out +
                                    "pwm.obj\",\"" + out + "crc16.obj\",\"" + out + "startup.obj\"";
        t.options.push_back(
            {kQxOptLinker,
             {{0,
               tabbed({objects, "-lib=\"" + out + "motordrv.lib\"", "-o=\"" + out + "motor.abs\"", "-elf",
                       debug ? "-deb" : "-nod", debug ? "-nooptimize" : "-optimize",
                       "-st=P,C,D(0400),B(0FFFE000)", "-p=\"" + out + "motor.map\"", "-ent=_PowerOn_Reset"}),
               0}}});
        t.options.push_back({kLibrarian,
                             {{0,
                               tabbed({"create \"" + out + "motordrv.lib\"", "add \"" + out + "motor.obj\"",
                                       "add \"" + out + "pwm.obj\"", "list \"" + out + "motordrv.lsl\""}),
                               0}}});
        t.options.push_back({kStypeConverter,
                             {{0,
                               tabbed({"\"" + out + "motor.abs\"", "\"" + out + "motor.mot\"",
                                       debug ? "-record=s3" : "-record=s2"}),
                               0}}});
        t.options.push_back({"Version Stamp", {{6, "-format=YYMMDD -o $(FILE).h", 0}}});

        t.dependencies = {{"Version Stamp", {}},
                          {kQxCompiler,
                           {{1, dir + R"(\include\motor.h)"},
                            {1, dir + R"(\include\version.h)"},
                            {2, dir + R"(\include\motor.h)"},
                            {3, dir + R"(\include\pwm.h)"},
                            {7, R"(D:\common\crc\crc16.h)"}}},
                          {kQxAssembler, {{4, dir + R"(\include\qxregs.inc)"}}}};
        t.outputFiles = {{"Version Stamp", {{6, dir + R"(\include\version.h)", 0}}},
                         {kQxCompiler,
                          {{1, out + "$(FILE).obj", 1},
                           {2, out + "$(FILE).obj", 1},
                           {3, out + "$(FILE).obj", 1},
                           {7, out + "$(FILE).obj", 1}}},
                         {kQxAssembler, {{4, out + "$(FILE).obj", 1}, {4, out + "$(FILE).lis", 0}}}};
        p.perConfiguration.push_back(std::move(t));
    }
    p.buildFileOrder = {{"C source file", {{kQxCompiler, 1}}},
                        {"Assembly source file", {{kQxAssembler, 1}}},
                        {"Script", {{"Version Stamp", 1}}}};
    p.systemPhases = {{kQxCompiler, "C", 1, 0, 1},
                      {kQxAssembler, "ASM", 1, 0, 1},
                      {kQxOptLinker, "LNK", 1, 0, 0},
                      {kLibrarian, "LIB", 1, 0, 0},
                      {kStypeConverter, "CNV", 1, 0, 0}};
    p.customPhases = {
        {"Version Stamp", R"(D:\quarix\tools\stamp.exe $(FILE))", dir + R"(\scripts)", 0, "Script", 1}};
    p.environment = {{"Version Stamp", {{"STAMP_FORMAT", "YYMMDD"}, {"PATH", R"(D:\quarix\tools;%PATH%)"}}}};
    return p;
}

// ---- examples/nerak/sensor.zat -----------------------------------------------------------------

ProjectDefinition nerakSensor() {
    const std::string dir = R"(D:\nerak)";
    ProjectDefinition p;
    p.relativeFile = "nerak/sensor.zat";
    commonSettings(p, dir + R"(\sensor.zat)", dir, "Nerak");
    p.information = "Four-channel sensor hub, NK7 target";
    const std::string bin = R"(C:\Vantrel\nk30a\bin\)";
    p.tools = {tool(kNerakCompiler, "3.0.1.0", "Compiler", "C", bin + "nkc.exe"),
               tool(kNerakAssembler, "3.0.1.0", "Assembler", "ASM", bin + "nkasm.exe"),
               tool(kNerakOptimizer, "1.2.0.0", "Linker", "OPT", bin + "nkopt.exe"),
               tool(kLinkageEditor, "6.2.0.0", "Linker", "LNK", bin + "vlnk.exe")};
    addFileGroups(p, false);
    p.files = {{dir + R"(\src\sensor.c)", "User", 1},
               {dir + R"(\src\adc.c)", "User", 2},
               {dir + R"(\src\vectors.src)", "User", 3},
               {dir + R"(\inc\sensor.h)", "User", 4}};
    p.currentConfiguration = "Flash";
    p.phases = {phase(kNerakCompiler, 0), phase(kNerakAssembler, 0), phase(kNerakOptimizer, 1),
                phase(kLinkageEditor, 1)};
    // The linkage editor stays in the build order but is switched off: the optimizer links.
    p.buildOrder = {{kNerakCompiler, 1}, {kNerakAssembler, 1}, {kNerakOptimizer, 1}, {kLinkageEditor, 0}};
    p.configurations = {{"Debug", dir + R"(\Debug)"}, {"Flash", dir + R"(\Flash)"}};
    for (const std::string configuration : {"Debug", "Flash"}) {
        const bool debug = configuration == "Debug";
        const std::string out = dir + "\\" + configuration + "\\";
        ConfigurationTables t;
        t.options.push_back(
            {kNerakCompiler,
             {{0,
               tabbed({"-cp=nk7", R"(-i="D:\nerak\inc")", "-def=SENSOR_CHANNELS=4", debug ? "-deb" : "-nodeb",
                       "-ob=\"" + out + "sensor.obj\"", debug ? "-l=\"" + out + "sensor.lst\"" : "-nol",
                       "-ch", "-regp=3", "-ca=t", "-cpue", "-xref"}),
               0},
              {2,
               tabbed({"-cp=nk7", R"(-i="D:\nerak\inc")", "-def=SENSOR_CHANNELS=4,ADC_BITS=10",
                       debug ? "-deb" : "-nodeb", "-ob=\"" + out + "adc.obj\"", "-nol", "-ch", "-v"}),
               0}}});
        t.options.push_back({kNerakAssembler,
                             {{0,
                               tabbed({"-cp=nk7", debug ? "-d" : "-nod", "-o=\"" + out + "vectors.obj\"",
                                       "-lis=\"" + out + "vectors.lis\"", "-cr", "-abs16"}),
                               0}}});
        const std::string objects =
            "-i=\"" + out + "sensor.obj\",\"" + out + "adc.obj\",\"" + out + "vectors.obj\"";
        t.options.push_back({kNerakOptimizer,
                             {{0,
                               tabbed({objects, "-o=\"" + out + "sensor.abs\"", debug ? "-deb" : "-nod",
                                       debug ? "-nooptimize" : "-optimize", "-show=symbol,reference",
                                       "-samesize=20", "-st=VECT(0),P,C(0100),B(0FE00)"}),
                               0}}});
        t.options.push_back({kLinkageEditor,
                             {{0,
                               tabbed({objects, "-o=\"" + out + "sensor.abs\"", "-deb",
                                       "-p=\"" + out + "sensor.map\"", "-st=VECT(0),P,C(0100),B(0FE00)"}),
                               0}}});
        t.dependencies = {{kNerakCompiler, {{1, dir + R"(\inc\sensor.h)"}, {2, dir + R"(\inc\sensor.h)"}}},
                          {kNerakAssembler, {}}};
        t.outputFiles = {{kNerakCompiler, {{1, out + "$(FILE).obj", 1}, {2, out + "$(FILE).obj", 1}}},
                         {kNerakAssembler, {{3, out + "$(FILE).obj", 1}}}};
        p.perConfiguration.push_back(std::move(t));
    }
    p.buildFileOrder = {{"C source file", {{kNerakCompiler, 1}}},
                        {"Assembly source file", {{kNerakAssembler, 1}}}};
    p.systemPhases = {{kNerakCompiler, "C", 1, 0, 1},
                      {kNerakAssembler, "ASM", 1, 0, 1},
                      {kNerakOptimizer, "OPT", 1, 0, 0},
                      {kLinkageEditor, "LNK", 1, 0, 0}};
    return p;
}

// ---- examples/tree/ ----------------------------------------------------------------------------

// A small project of either family: one C file, one configuration, compiler and link tool.
ProjectDefinition smallProject(const std::string& relativeFile, const std::string& dir,
                               const std::string& title, const std::string& extension, bool quarix) {
    ProjectDefinition p;
    p.relativeFile = relativeFile;
    const char* compiler = quarix ? kQxCompiler : kNerakCompiler;
    const char* linker = quarix ? kQxOptLinker : kLinkageEditor;
    commonSettings(p, dir + "\\" + title + extension, dir, quarix ? "Quarix RISC engine" : "Nerak");
    p.information = title;
    p.tools = {tool(compiler, quarix ? "5.1.0.0" : "3.0.1.0", "Compiler", "C", R"(C:\Vantrel\bin\cc.exe)"),
               tool(linker, "6.2.0.0", "Linker", "LNK", R"(C:\Vantrel\bin\lnk.exe)")};
    addFileGroups(p, false);
    p.files = {{dir + "\\" + title + ".c", "User", 1}};
    p.currentConfiguration = "Debug";
    p.phases = {phase(compiler, 0), phase(linker, 1)};
    p.buildOrder = {{compiler, 1}, {linker, 1}};
    p.configurations = {{"Debug", dir + R"(\Debug)"}};
    ConfigurationTables t;
    const std::string out = dir + R"(\Debug\)";
    t.options = {
        {compiler,
         {{0, tabbed({quarix ? "-cp=qx2" : "-cp=nk7", "-deb", "-ob=\"" + out + title + ".obj\"", "-ch"}),
           0}}},
        {linker,
         {{0, tabbed({"-i=\"" + out + title + ".obj\"", "-o=\"" + out + title + ".abs\"", "-deb"}), 0}}}};
    t.dependencies = {{compiler, {}}};
    t.outputFiles = {{compiler, {{1, out + "$(FILE).obj", 1}}}};
    p.perConfiguration.push_back(std::move(t));
    p.buildFileOrder = {{"C source file", {{compiler, 1}}}};
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_examples <examples folder>\n");
        return 2;
    }
    const std::filesystem::path examples = argv[1];
    const std::vector<ProjectDefinition> projects = {
        quarixMotor(),
        nerakSensor(),
        smallProject("tree/blinker.zat", R"(D:\tree)", "blinker", ".zat", true),
        smallProject("tree/drives/axis.zat", R"(D:\tree\drives)", "axis", ".zat", true),
        smallProject("tree/drives/legacy/SPINDLE.ZAT", R"(D:\tree\drives\legacy)", "SPINDLE", ".ZAT", true),
        smallProject("tree/sensors/probe.zat", R"(D:\tree\sensors)", "probe", ".zat", false),
        smallProject("tree/sensors/field/remote/logger.zat", R"(D:\tree\sensors\field\remote)", "logger",
                     ".zat", false),
    };
    int failures = 0;
    for (const ProjectDefinition& project : projects) {
        if (writeProject(examples, project) != 0) {
            std::fprintf(stderr, "make_examples: cannot write %s\n", project.relativeFile.c_str());
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

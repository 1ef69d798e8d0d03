// make_large_project: writes generated ZAT projects for speed and memory measurements.
//
//   make_large_project project [options] OUT_ZAT SYSTEM_DIR
//       One project at OUT_ZAT (a host path) that believes it lies in SYSTEM_DIR (a path in the
//       converter's own form, for example D:\large, with the drive mapped to OUT_ZAT's folder
//       when it is converted).
//         --files N           project files (default 2000)
//         --configurations C  configurations (default 4)
//         --scale K           multiplies the number of files (default 1)
//         --family F          quarix (default) or nerak
//       2,000 files and 4 configurations give about 2 MB of .zat; --scale 4 about four times that.
//
//   make_large_project tree [--projects P] OUT_FOLDER SYSTEM_DIR
//       P small and medium projects (default 500) of both families below OUT_FOLDER, which
//       stands for SYSTEM_DIR. Prints one line per project: the family, a tab, and the project's
//       path relative to OUT_FOLDER ('/' separated).
//
// Every file holds the per-file option, dependency and output-file rows of a real project; all
// option strings are valid for their tools. Output is deterministic.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/HostPaths.h"
#include "textdb/Version1Writer.h"
#include "zat/ZatLayouts.h"

namespace {

using namespace z2k;

const char* const kQuarix = "Quarix RISC engine";
const char* const kNerak = "Nerak";

const char* const kQxCompiler = "Vantrel QX C Compiler";
const char* const kQxAssembler = "Vantrel QX Assembler";
const char* const kQxOptLinker = "Vantrel QX IM OptLinker";
const char* const kNerakCompiler = "Vantrel Nerak C Compiler";
const char* const kNerakAssembler = "Vantrel Nerak Assembler";
const char* const kNerakOptimizer = "Vantrel Nerak IM Optimizer";
const char* const kLinkageEditor = "Vantrel V Series Linkage Editor";
const char* const kLibrarian = "Vantrel V Series Librarian";
const char* const kStypeConverter = "Vantrel V Series Stype Converter";
const char* const kStamp = "Version Stamp";

struct Shape {
    bool quarix = true;
    int files = 2000;
    int configurations = 4;
    std::string directory;  // the project's folder, converter form
    std::string title;      // the file name without extension
};

enum class FileKind { C, Assembly, Header, Script };

struct SourceFile {
    std::string path;
    std::string leaf;  // name without folder and extension
    FileKind kind;
    int id;
    int module;
};

std::string tabbed(std::initializer_list<std::string> options) {
    std::string joined;
    for (const std::string& option : options) {
        if (!joined.empty()) joined += '\t';
        joined += option;
    }
    return joined;
}

std::string quoted(const std::string& text) {
    return "\"" + text + "\"";
}

std::string padded(int number, int width) {
    std::string digits = std::to_string(number);
    if (static_cast<int>(digits.size()) < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

// Builds the file table by table; each row struct is written in its layout order.
class ZatFileWriter {
  public:
    void section(std::string_view name) { writer_.addSection(name); }
    template <typename Row>
    void row(Row value) {
        line_.clear();
        describeFields(value, [this](const char*, auto& member) { append(member); });
        writer_.addRecordLine(line_);
    }
    template <typename Row>
    void table(std::string_view name, const std::vector<Row>& rows) {
        section(name);
        for (const Row& value : rows) row(value);
    }
    template <typename Row>
    void single(std::string_view name, const Row& value) {
        section(name);
        row(value);
    }
    int writeTo(const std::filesystem::path& file) const {
        std::error_code error;
        std::filesystem::create_directories(file.parent_path(), error);
        const HostSettings settings;  // the host root as Z:, names as bytes
        auto systemPath = hostToSystemPath(std::filesystem::absolute(file).lexically_normal().string(), settings);
        if (!systemPath) return 1;
        return writer_.writeFile(*systemPath, settings);
    }

  private:
    void append(const std::string& text) { Version1Writer::appendText(line_, text); }
    void append(std::int32_t number) { Version1Writer::appendInteger(line_, number); }
    Version1Writer writer_;
    std::string line_;
};

ZatProjectTool tool(const char* name, const char* version, const char* type, const char* tag,
                    const std::string& exe) {
    return ZatProjectTool{name, 1, 0, version, type, tag, "", "", 0, exe, 0};
}

ZatBuildPhase phase(const char* name, int system) {
    return ZatBuildPhase{name, system, 0, 0, "", 1, 0, 0};
}

std::string configurationName(int index) {
    static const char* const names[] = {"Debug", "Release", "Flash", "Simulator", "Profile", "Test"};
    if (index < 6) return names[index];
    return "Config" + std::to_string(index + 1);
}

// The project's files: mostly C sources, some assembly sources and headers, in modules of 50
// files; every 97th file lies outside the project folder. A project of 100 files or more also
// has a script built by the custom phase.
std::vector<SourceFile> sourceFiles(const Shape& shape) {
    std::vector<SourceFile> files;
    files.reserve(shape.files);
    for (int id = 1; id <= shape.files; ++id) {
        const int module = (id - 1) / 50;
        FileKind kind = FileKind::C;
        const char* extension = ".c";
        if (id % 10 == 0) {
            kind = FileKind::Header;
            extension = ".h";
        } else if (id % 10 == 3 || id % 10 == 7) {
            kind = FileKind::Assembly;
            extension = ".src";
        }
        if (shape.quarix && shape.files >= 100 && id == shape.files) {
            kind = FileKind::Script;
            extension = ".scr";
        }
        const std::string leaf = (kind == FileKind::Assembly ? "vec" : "unit") + padded(id, 5);
        const std::string folder = id % 97 == 0 ? R"(D:\common\lib)" + padded(module, 3)
                                   : kind == FileKind::Header
                                       ? shape.directory + R"(\include)"
                                       : shape.directory + R"(\src\m)" + padded(module, 3);
        files.push_back({folder + "\\" + leaf + extension, leaf, kind, id, module});
    }
    return files;
}

struct Tools {
    const char* compiler;
    const char* assembler;
    const char* linker;  // the link tool that runs
    const char* cpuOption;
    const char* assemblerCpu;
};

Tools toolsOf(const Shape& shape) {
    if (shape.quarix) return {kQxCompiler, kQxAssembler, kQxOptLinker, "-cp=qx2", "-cpu=qx2"};
    return {kNerakCompiler, kNerakAssembler, kNerakOptimizer, "-cp=nk7", "-cp=nk7"};
}

std::string compilerOptions(const Shape& shape, const std::string& out, bool debug, const SourceFile* file) {
    const std::string module = file ? padded(file->module, 3) : "000";
    const std::string includes = "-i=" + quoted(shape.directory + R"(\include)") + "," +
                                 quoted(shape.directory + R"(\src\m)" + module);
    const std::string defines =
        file ? "-def=MODULE=" + module + ",UNIT=" + std::to_string(file->id) + (debug ? ",DEBUG" : ",NDEBUG")
             : std::string(debug ? "-def=DEBUG" : "-def=NDEBUG");
    const std::string object = quoted(out + (file ? file->leaf : "$(FILE)") + ".obj");
    if (shape.quarix) {
        return tabbed(
            {"-cp=qx2", "-en=b", "-fp=s", includes, defines, "-ob=" + object, debug ? "-deb" : "-op=1",
             debug && file && file->id % 3 == 0 ? "-l=" + quoted(out + file->leaf + ".lst") : "-nol", "-ch",
             "-err"});
    }
    return tabbed({"-cp=nk7", includes, defines, debug ? "-deb" : "-nodeb", "-ob=" + object, "-nol", "-ch",
                   file && file->id % 4 == 1 ? "-regp=3" : "-v"});
}

std::string assemblerOptions(const Shape& shape, const std::string& out, bool debug, const SourceFile* file) {
    const std::string leaf = file ? file->leaf : "$(FILE)";
    if (shape.quarix) {
        return tabbed({"-cpu=qx2", "-en=b", debug ? "-d" : "-nod",
                       "-i=" + quoted(shape.directory + R"(\include)"), "-o=" + quoted(out + leaf + ".obj"),
                       "-lis=" + quoted(out + leaf + ".lis"), "-so", "-cr"});
    }
    return tabbed({"-cp=nk7", debug ? "-d" : "-nod", "-o=" + quoted(out + leaf + ".obj"),
                   "-lis=" + quoted(out + leaf + ".lis"), "-cr", "-abs16"});
}

// Every object of the project, as the link tool's input list.
std::string objectList(const std::vector<SourceFile>& files, const std::string& out) {
    std::string list = "-i=";
    bool first = true;
    for (const SourceFile& file : files) {
        if (file.kind != FileKind::C && file.kind != FileKind::Assembly) continue;
        if (!first) list += ',';
        first = false;
        list += quoted(out + file.leaf + ".obj");
    }
    return list;
}

void writeConfigurationTables(ZatFileWriter& zat, const Shape& shape, const std::vector<SourceFile>& files,
                              const std::vector<ZatBuildPhase>& phases, const ZatConfiguration& configuration,
                              bool debug) {
    const Tools tools = toolsOf(shape);
    const std::string out = configuration.strDirectory + "\\";
    const std::string title = shape.title;
    for (const ZatBuildPhase& buildPhase : phases) {
        const std::string& name = buildPhase.strName;
        const std::string suffix = configuration.strName + "_" + name;
        zat.section("OPTIONS_" + suffix);
        if (name == tools.compiler) {
            zat.row(ZatOptionRow{0, compilerOptions(shape, out, debug, nullptr), 0});
            for (const SourceFile& file : files)
                if (file.kind == FileKind::C)
                    zat.row(
                        ZatOptionRow{file.id, compilerOptions(shape, out, debug, &file), file.id % 7 == 0});
        } else if (name == tools.assembler) {
            zat.row(ZatOptionRow{0, assemblerOptions(shape, out, debug, nullptr), 0});
            for (const SourceFile& file : files)
                if (file.kind == FileKind::Assembly)
                    zat.row(ZatOptionRow{file.id, assemblerOptions(shape, out, debug, &file), 0});
        } else if (name == kQxOptLinker) {
            zat.row(
                ZatOptionRow{0,
                             tabbed({objectList(files, out), "-lib=" + quoted(out + title + "drv.lib"),
                                     "-o=" + quoted(out + title + ".abs"), "-elf", debug ? "-deb" : "-nod",
                                     debug ? "-nooptimize" : "-optimize", "-st=P,C,D(0400),B(0FFFE000)",
                                     "-p=" + quoted(out + title + ".map"), "-ent=_PowerOn_Reset"}),
                             0});
        } else if (name == kNerakOptimizer) {
            zat.row(ZatOptionRow{
                0,
                tabbed({objectList(files, out), "-o=" + quoted(out + title + ".abs"), debug ? "-deb" : "-nod",
                        debug ? "-nooptimize" : "-optimize", "-show=symbol,reference", "-samesize=20",
                        "-st=VECT(0),P,C(0100),B(0FE00)"}),
                0});
        } else if (name == kLinkageEditor) {
            zat.row(
                ZatOptionRow{0,
                             tabbed({objectList(files, out), "-o=" + quoted(out + title + ".abs"), "-deb",
                                     "-p=" + quoted(out + title + ".map"), "-st=VECT(0),P,C(0100),B(0FE00)"}),
                             0});
        } else if (name == kLibrarian) {
            std::string adds;
            int added = 0;
            for (const SourceFile& file : files) {
                if (file.kind != FileKind::C || added == 8) continue;
                adds += "\tadd " + quoted(out + file.leaf + ".obj");
                ++added;
            }
            zat.row(ZatOptionRow{0,
                                 "create " + quoted(out + title + "drv.lib") + adds + "\tlist " +
                                     quoted(out + title + "drv.lsl"),
                                 0});
        } else if (name == kStypeConverter) {
            zat.row(ZatOptionRow{0,
                                 tabbed({quoted(out + title + ".abs"), quoted(out + title + ".mot"),
                                         debug ? "-record=s3" : "-record=s2"}),
                                 0});
        } else if (name == kStamp) {
            for (const SourceFile& file : files)
                if (file.kind == FileKind::Script)
                    zat.row(ZatOptionRow{file.id, "-format=YYMMDD -o $(FILE).h", 0});
        }
        if (buildPhase.bSystem != 0) continue;

        zat.section("DEPENDENCIES_" + suffix);
        for (const SourceFile& file : files) {
            if (name == tools.compiler && file.kind == FileKind::C) {
                zat.row(ZatDependencyRow{file.id,
                                         shape.directory + R"(\include\m)" + padded(file.module, 3) + ".h"});
                if (file.id % 4 == 1)
                    zat.row(ZatDependencyRow{file.id, shape.directory + R"(\include\common.h)"});
            } else if (name == tools.assembler && file.kind == FileKind::Assembly) {
                zat.row(ZatDependencyRow{file.id, shape.directory + R"(\include\regs.inc)"});
            }
        }
        zat.section("OUTPUT_FILES_" + suffix);
        for (const SourceFile& file : files) {
            if (name == tools.compiler && file.kind == FileKind::C) {
                zat.row(ZatOutputFileRow{file.id, out + "$(FILE).obj", 1});
            } else if (name == tools.assembler && file.kind == FileKind::Assembly) {
                zat.row(ZatOutputFileRow{file.id, out + "$(FILE).obj", 1});
                if (debug) zat.row(ZatOutputFileRow{file.id, out + "$(FILE).lis", 0});
            } else if (name == kStamp && file.kind == FileKind::Script) {
                zat.row(ZatOutputFileRow{file.id, shape.directory + R"(\include\version.h)", 0});
            }
        }
    }
}

int writeProject(const std::filesystem::path& target, const Shape& shape) {
    const Tools tools = toolsOf(shape);
    const std::vector<SourceFile> files = sourceFiles(shape);
    const bool stamp = shape.quarix && shape.files >= 100;
    const std::string bin = shape.quarix ? R"(C:\Vantrel\qx510\bin\)" : R"(C:\Vantrel\nk30a\bin\)";
    ZatFileWriter zat;

    zat.single("DATABASE_VERSION", ZatTextRow{"1.0"});
    zat.single("PROJECT_DETAILS",
               ZatProjectDetails{shape.directory + "\\" + shape.title + ".zat", shape.directory, "Vantrel",
                                 shape.quarix ? kQuarix : kNerak, 1});
    zat.single("INFORMATION", ZatTextRow{"Generated project " + shape.title + " with " +
                                         std::to_string(shape.files) + " files"});
    std::vector<ZatProjectTool> projectTools;
    if (shape.quarix) {
        projectTools = {tool(kQxCompiler, "5.1.0.0", "Compiler", "C", bin + "qxc.exe"),
                        tool(kQxAssembler, "5.1.0.0", "Assembler", "ASM", bin + "qxasm.exe"),
                        tool(kQxOptLinker, "7.0.3.0", "Linker", "LNK", bin + "qxlnk.exe"),
                        tool(kLibrarian, "2.1.0.0", "Librarian", "LIB", bin + "vlib.exe"),
                        tool(kStypeConverter, "1.4.0.0", "Converter", "CNV", bin + "vcnvs.exe")};
    } else {
        projectTools = {tool(kNerakCompiler, "3.0.1.0", "Compiler", "C", bin + "nkc.exe"),
                        tool(kNerakAssembler, "3.0.1.0", "Assembler", "ASM", bin + "nkasm.exe"),
                        tool(kNerakOptimizer, "1.2.0.0", "Linker", "OPT", bin + "nkopt.exe"),
                        tool(kLinkageEditor, "6.2.0.0", "Linker", "LNK", bin + "vlnk.exe")};
    }
    zat.table("PROJECT_TOOLS", projectTools);
    zat.single("EDITOR", ZatEditor{0, "", "", "", ""});
    zat.table("SCRAP", std::vector<ZatVariableRow>{{"LastBuild", "Debug"}});
    zat.table("EXTERNAL_EVENTS", std::vector<ZatExternalEvent>{});
    zat.single("GENERAL_TOOLS", ZatGeneralTools{0, 0, 1, 0, "$(FILE)", "$(FILE) $(LINE)", "", ""});
    zat.single("PROJECT_BUILDER_DETAILS", ZatBuilderDetails{R"(C:\Vantrel\ZAT)"});

    std::vector<ZatFileGroup> groups = {{"C source file", "TEXT"},        {"C header file", "TEXT"},
                                        {"Assembly source file", "TEXT"}, {"Assembly include file", "TEXT"},
                                        {"Object file", "BIN"},           {"Library file", "BIN"},
                                        {"Absolute file", "BIN"},         {"S-Record file", "TEXT"}};
    std::vector<ZatExtension> extensions = {
        {"C source file", "c", 1},           {"C header file", "h", 1},  {"Assembly source file", "src", 1},
        {"Assembly include file", "inc", 1}, {"Object file", "obj", 1},  {"Library file", "lib", 1},
        {"Absolute file", "abs", 1},         {"S-Record file", "mot", 1}};
    if (stamp) {
        groups.push_back({"Script", "TEXT"});
        extensions.push_back({"Script", "scr", 0});
    }
    zat.table("FILE_GROUPS", groups);
    zat.table("EXTENSIONS", extensions);
    zat.section("PROJECT_FILES");
    for (const SourceFile& file : files) zat.row(ZatProjectFile{file.path, "User", file.id});
    zat.single("CURRENT_CONFIGURATION", ZatTextRow{configurationName(0)});

    std::vector<ZatBuildPhase> phases;
    std::vector<ZatBuildOrderRow> order;
    if (stamp) phases.push_back(phase(kStamp, 0));
    phases.push_back(phase(tools.compiler, 0));
    phases.push_back(phase(tools.assembler, 0));
    if (shape.quarix) {
        for (const char* link : {kQxOptLinker, kLibrarian, kStypeConverter}) phases.push_back(phase(link, 1));
    } else {
        for (const char* link : {kNerakOptimizer, kLinkageEditor}) phases.push_back(phase(link, 1));
    }
    // The linkage editor stays in a Nerak build order but is switched off: the optimizer links.
    for (const ZatBuildPhase& p : phases) order.push_back({p.strName, p.strName == kLinkageEditor ? 0 : 1});
    zat.table("BUILD_PHASES", phases);
    zat.table("BUILD_ORDER", order);

    std::vector<ZatConfiguration> configurations;
    for (int c = 0; c < shape.configurations; ++c)
        configurations.push_back({configurationName(c), shape.directory + "\\" + configurationName(c)});
    zat.table("CONFIGURATIONS", configurations);
    for (int c = 0; c < shape.configurations; ++c)
        writeConfigurationTables(zat, shape, files, phases, configurations[c], c % 2 == 0);

    zat.table("BUILD_FILE_ORDER_C source file", std::vector<ZatBuildOrderRow>{{tools.compiler, 1}});
    zat.table("BUILD_FILE_ORDER_Assembly source file", std::vector<ZatBuildOrderRow>{{tools.assembler, 1}});
    if (stamp) zat.table("BUILD_FILE_ORDER_Script", std::vector<ZatBuildOrderRow>{{kStamp, 1}});

    std::vector<ZatSystemPhase> systemPhases = {{tools.compiler, "C", 1, 0, 1},
                                                {tools.assembler, "ASM", 1, 0, 1}};
    if (shape.quarix) {
        systemPhases.push_back({kQxOptLinker, "LNK", 1, 0, 0});
        systemPhases.push_back({kLibrarian, "LIB", 1, 0, 0});
        systemPhases.push_back({kStypeConverter, "CNV", 1, 0, 0});
    } else {
        systemPhases.push_back({kNerakOptimizer, "OPT", 1, 0, 0});
        systemPhases.push_back({kLinkageEditor, "LNK", 1, 0, 0});
    }
    zat.table("SYSTEM_PHASES", systemPhases);
    std::vector<ZatCustomPhase> customPhases;
    if (stamp)
        customPhases.push_back({kStamp, R"(C:\Vantrel\tools\stamp.exe $(FILE))",
                                shape.directory + R"(\scripts)", 0, "Script", 1});
    zat.table("CUSTOM_PHASES", customPhases);
    if (stamp)
        zat.table(
            "ENVIRONMENT_" + std::string(kStamp),
            std::vector<ZatVariableRow>{{"STAMP_FORMAT", "YYMMDD"}, {"PATH", R"(C:\Vantrel\tools;%PATH%)"}});
    return zat.writeTo(target);
}

// ---- the tree of projects ----------------------------------------------------------------------

// Project i (from 0): both families in turn; two in five are medium sized (20 to 80 files, two
// configurations), the others small (1 to 4 files, one configuration). Twenty projects to a
// group folder; every fourth lies one folder deeper.
int writeTree(const std::filesystem::path& folder, const std::string& systemDir, int projects) {
    int failures = 0;
    for (int i = 0; i < projects; ++i) {
        Shape shape;
        shape.quarix = i % 2 == 0;
        const bool medium = i % 5 == 1 || i % 5 == 4;
        shape.files = medium ? 20 + (i * 37) % 61 : 1 + i % 4;
        shape.configurations = medium ? 2 : 1;
        // Appended, not literal + temporary: GCC 12 at -O3 warns falsely (-Wrestrict) on that.
        shape.title = "p";
        shape.title += padded(i, 3);
        std::string relative = "group";
        relative += padded(i / 20, 2);
        if (i % 4 == 3) (relative += "/sub") += std::to_string(i % 3);
        relative += "/" + shape.title;
        shape.directory = systemDir.back() == '\\' ? systemDir : systemDir + "\\";
        for (char c : relative) shape.directory += c == '/' ? '\\' : c;
        const std::string file = relative + "/" + shape.title + ".zat";
        if (writeProject(folder / file, shape) != 0) {
            std::fprintf(stderr, "make_large_project: cannot write %s\n", file.c_str());
            ++failures;
            continue;
        }
        std::printf("%s\t%s\n", shape.quarix ? kQuarix : kNerak, file.c_str());
    }
    return failures == 0 ? 0 : 1;
}

int usage() {
    std::fprintf(stderr,
                 "usage: make_large_project project [--files N] [--configurations C] [--scale K]\n"
                 "                                  [--family quarix|nerak] OUT_ZAT SYSTEM_DIR\n"
                 "       make_large_project tree [--projects P] OUT_FOLDER SYSTEM_DIR\n");
    return 2;
}

bool parseCount(const char* text, int& value) {
    char* end = nullptr;
    const long parsed = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || parsed < 0 || parsed > 10000000) return false;
    value = static_cast<int>(parsed);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string mode = argv[1];
    if (mode != "project" && mode != "tree") return usage();
    int files = 2000;
    int configurations = 4;
    int scale = 1;
    int projects = 500;
    bool quarix = true;
    std::vector<std::string> positional;
    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--files" && hasValue) {
            if (!parseCount(argv[++i], files)) return usage();
        } else if (arg == "--configurations" && hasValue) {
            if (!parseCount(argv[++i], configurations)) return usage();
        } else if (arg == "--scale" && hasValue) {
            if (!parseCount(argv[++i], scale)) return usage();
        } else if (arg == "--projects" && hasValue) {
            if (!parseCount(argv[++i], projects)) return usage();
        } else if (arg == "--family" && hasValue) {
            const std::string family = argv[++i];
            if (family != "quarix" && family != "nerak") return usage();
            quarix = family == "quarix";
        } else if (!arg.empty() && arg[0] == '-') {
            return usage();
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2) return usage();
    std::string systemDir = positional[1];
    while (systemDir.size() > 3 && systemDir.back() == '\\') systemDir.pop_back();
    if (mode == "tree") return writeTree(positional[0], systemDir, projects);

    Shape shape;
    shape.quarix = quarix;
    shape.files = files * scale;
    shape.configurations = configurations;
    shape.directory = systemDir;
    shape.title = std::filesystem::path(positional[0]).stem().string();
    if (writeProject(positional[0], shape) != 0) {
        std::fprintf(stderr, "make_large_project: cannot write %s\n", positional[0].c_str());
        return 1;
    }
    return 0;
}

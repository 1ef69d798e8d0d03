// The command-line program, run as a child process in a temporary folder that holds a copy of the
// examples and is mapped as D:. One row per run: the files it needs, the arguments, the exit
// status and what stdout, stderr and a written file must hold.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "cli/SchemaCheck.h"
#include "support/TestSupport.h"
#include "textdb/SharedLock.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;
using namespace test;
using Strings = std::vector<std::string>;

// A file to write before the run: a path ending in '/' is a folder; a text "@EXAMPLE" is a copy
// of an example, "@EXAMPLE|FROM|TO..." the copy with each FROM replaced by its TO.
struct File {
    std::string path;
    std::string text;
};

// Expected texts: "=TEXT" must be the whole text, anything else a part of it. "<T>" stands for
// the temporary folder as a host path and "<Z>" for its Z: form, in arguments too.
struct Row {
    std::vector<File> files;
    Strings args;  // a mode's arguments get "--drive D=<T> --code-page single" unless plain
    int exitCode;
    std::string out;
    std::string err;
    std::string file = {};     // a file the run must have written ...
    std::string fileHas = {};  // ... holding this
    bool plain = false;
    bool terminal = false;
    Strings environment = {};
    CliStdout stdoutMode = CliStdout::Captured;
    std::string locked = {};  // a system path whose lock another process holds during the run
};

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

class CommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override { test::copyExamples(tmp.path()); }

    std::string expand(const std::string& text) const {
        const std::string host = tmp.path().string();
        return replaceAll(replaceAll(text, "<T>", host), "<Z>", "Z:" + replaceAll(host, "/", "\\"));
    }

    void write(const File& file) const {
        if (file.path.back() == '/') {
            fs::create_directories(tmp.path() / file.path);
        } else if (file.text.empty() || file.text[0] != '@') {
            tmp.write(file.path, file.text);
        } else {
            Strings parts;
            std::istringstream in(file.text.substr(1));
            for (std::string part; std::getline(in, part, '|');) parts.push_back(part);
            std::string text = test::readBytes(fs::path(Z2K_EXAMPLES_DIR) / parts[0]);
            for (std::size_t i = 1; i + 1 < parts.size(); i += 2)
                text = replaceAll(text, parts[i], parts[i + 1]);
            tmp.write(file.path, text);
        }
    }

    void expectText(const std::string& actual, const std::string& expected, const char* what) const {
        if (!expected.empty() && expected[0] == '=')
            EXPECT_EQ(actual, expand(expected.substr(1))) << what;
        else
            EXPECT_NE(actual.find(expand(expected)), std::string::npos) << what << ": " << actual;
    }

    CliRun run(const Row& row, CliOptions options = {}) const {
        for (const File& file : row.files) write(file);
        Strings args;
        for (const std::string& arg : row.args) args.push_back(expand(arg));
        if (!row.plain && !args.empty() && (args[0] == "single" || args[0] == "multiple"))
            args = test::onDriveD(tmp.path(), args);
        options.workingDirectory = tmp.path();
        options.errOnTerminal |= row.terminal;
        options.environment = row.environment;
        options.out = row.stdoutMode;
        std::unique_ptr<SharedLock> lock;
        if (!row.locked.empty()) lock = SharedLock::acquireWrite(row.locked);
        return test::runCli(args, options);
    }

    void check(const Row& row, const CliRun& result) const {
        EXPECT_EQ(result.exitCode, row.exitCode) << result.err;
        expectText(result.out, row.out, "stdout");
        expectText(result.err, row.err, "stderr");
        if (row.file.empty()) return;
        const std::string text = tmp.read(expand(row.file));
        if (fs::path(row.file).extension() != ".json" && fs::path(row.file).extension() != ".JSON")
            return expectText(text, row.fileHas, row.file.c_str());
        // A JSON report is read back, checked against the schema, and looked at in compact form.
        const auto json = nlohmann::ordered_json::parse(text, nullptr, false);
        ASSERT_FALSE(json.is_discarded()) << text;
        static const auto schema = nlohmann::ordered_json::parse(
            test::readBytes(fs::path(Z2K_EXAMPLES_DIR) / "../docs/report-schema.json"));
        EXPECT_EQ(test::schemaViolation(json, schema), "") << text;
        expectText(json.dump(), row.fileHas, row.file.c_str());
    }

    test::TempFolder tmp{'D'};
};

const std::string kMotor = "D:\\quarix\\motor.zat";
const std::string kQuarix = "Quarix RISC engine";
const std::string kIncomplete = "=zat2kor: error: Entry fields are incomplete.\n";
const std::string kNotFound = "=zat2kor: error: The specified ZAT project cannot be found.\n";
const std::string kNoFolder = "=zat2kor: error: The specified Workspace directory does not exist.\n";
// "=" + text, built without the rvalue insert that GCC 12 at -O3 warns about wrongly.
std::string exactly(const std::string& text) {
    std::string out = "=";
    out += text;
    return out;
}
const std::string kLong = "D:\\" + std::string(197, 'x');  // 200 characters
const std::string kNoProjectsFound = "=Searching for ZAT projects...\nNo projects found to convert.\n";
const std::string kKanji = "\xE8\xA1\xA8";  // 95 5C in CP932, its trail byte a backslash
const std::string kNotConvertible =
    "\" cannot be converted from the locale's code set UTF-8 to the code page cp932\n";
std::string wide(int characters) {
    std::string text;
    for (int i = 0; i < characters; ++i) text += "\x88\x9F";  // one CP932 character
    return text;
}

TEST_F(CommandLineTest, ArgumentsToExitStatusAndOutput) {
    // clang-format off
    const std::vector<Row> rows = {
        // Help, version and usage errors.
        {{}, {"--help"}, 0, "  zat2kor multiple --family \"Quarix RISC engine\" /home/ann/projects all\n", ""},
        {{}, {"--version"}, 0, "=zat2kor " ZAT2KOR_VERSION "\n", "="},
        {{}, {}, 2, "=", "=zat2kor: a command is required: single or multiple (see 'zat2kor --help')\n"},
        {{}, {"singel", kMotor, "w"}, 2, "=", "=zat2kor: unknown command 'singel'; did you mean 'single'? (see 'zat2kor --help')\n"},
        {{}, {"single", "--dry-rn", kMotor}, 2, "=", "=zat2kor: unknown option '--dry-rn'; did you mean '--dry-run'? (see 'zat2kor single --help')\n"},
        {{}, {"multiple", "--help"}, 0, "Usage: zat2kor multiple [OPTIONS] --family FAMILY DIRECTORY WORKSPACE_NAME\n", "="},
        {{}, {"single", kMotor}, 2, "=", "WORKSPACE_NAME is required"},
        {{}, {"single", "--code-page", "latin1", kMotor, "w"}, 2, "=", "latin1", "", "", true},
        {{}, {"single", "--drive", "D", kMotor, "w"}, 2, "=", "=zat2kor: error: --drive expects X=DIR, got \"D\"\n", "", "", true},
        {{}, {"single", "--drive", "1=/tmp", kMotor, "w"}, 2, "=", "got \"1=/tmp\"", "", "", true},
        {{}, {"multiple", "D:\\quarix", "w", "--family", "quarix risc engine"}, 2, "=", "--family"},
        {{}, {"single", kMotor, "w", "--lock-timeout", "-1"}, 2, "=", "--lock-timeout"},
        {{}, {"single", kMotor, "w", "--report", "<T>/r.json.bak"}, 2, "=", "=zat2kor: error: --report FILE must end in .json or .txt\n"},
        {{}, {"single", kMotor, "w", "--report", "<T>/r"}, 2, "=", "=zat2kor: error: --report FILE must end in .json or .txt\n"},
        // The window's field checks, and the limits and refusals of typed text.
        {{}, {"single", "", "w"}, 2, "=", kIncomplete},
        {{}, {"single", "D:\\quarix\\none.zat", "w"}, 2, "=", kNotFound},
        {{}, {"single", kLong, "w"}, 2, "=", kNotFound},
        {{}, {"single", kLong + "y", "w"}, 2, "=", "=zat2kor: error: ZAT_FILE is longer than 200 characters\n"},
        {{}, {"single", std::string(180, 'x') + "/a.zat", "w"}, 2, "=", "=zat2kor: error: ZAT_FILE is longer than 200 characters\n"},
        {{}, {"single", kMotor, std::string(33, 'w')}, 2, "=", "=zat2kor: error: WORKSPACE_NAME is longer than 32 characters\n"},
        {{}, {"multiple", "D:\\quarix", "..\\ws", "--family", "Nerak"}, 2, "=", "=zat2kor: error: The KOR workspace name is not a valid file name.\n"},
        {{}, {"multiple", "D:\\quarix", "w"}, 2, "=", "=zat2kor: --family is required (see 'zat2kor multiple --help')\n"},
        {{}, {"multiple", "D:\\none", "w", "--family", "Nerak"}, 2, "=", kNoFolder},
        {{}, {"multiple", kLong + "y", "w", "--family", "Nerak"}, 2, "=", "=zat2kor: error: DIRECTORY is longer than 200 characters\n"},
        {{{"b3/a/b/motor.zat", "@quarix/motor.zat"}}, {"single", "b3/a\\b/motor.zat", "w"}, 2, "=", "=zat2kor: error: ZAT_FILE holds a '\\' in a host name, which no path can name: b3/a\\b/motor.zat\n"},
        {{}, {"single", "--drive", "E=<T>/none", kMotor, "w"}, 2, "=", std::string("=zat2kor: error: --drive E: <T>/none: ") + std::strerror(ENOENT) + "\n"},
        {{}, {"single", "--drive", "E=<T>/quarix/motor.zat", kMotor, "w"}, 2, "=", "=zat2kor: error: --drive E: <T>/quarix/motor.zat: not a folder\n"},
        {{}, {"single", "--drive", "E=<T>", "--drive", "e=<T>", kMotor, "w"}, 2, "=", "=zat2kor: error: --drive maps E: twice\n"},
        {{}, {"single", "--drive", "Z=<T>", kMotor, "w"}, 2, "=", "=zat2kor: error: --drive cannot map Z: it is always the host root /\n"},
        {{}, {"single", "--drive", "D=<T>", "--code-page", "single", kMotor, wide(32)}, 2, "=", "=zat2kor: error: WORKSPACE_NAME is longer than 32 characters\n", "", "", true, false, {"LC_ALL=C"}},
        // Typed text is converted from the locale's code set to the code page.
        {{{"\xE8\xA1\xA8/motor.zat", "@quarix/motor.zat"}}, {"single", "--drive", "D=<T>", "--code-page", "cp932", "D:\\" + kKanji + "\\motor.zat", kKanji}, 0, "=Project converted successfully.\n", "", kKanji + "/" + kKanji + ".krs", "\"D:\\\x95\x5C\\\x95\x5C.krs\"", true, false, {"LC_ALL=C.UTF-8"}},
        {{}, {"single", "--drive", "D=<T>", "--code-page", "cp932", "<T>/" + kKanji + "/motor.zat", "w"}, 0, "", "", kKanji + "/w.krs", "\\\x95\x5C\\motor.krp\"", true, false, {"LC_ALL=C.UTF-8"}},
        {{}, {"single", "--drive", "D=<T>", "--code-page", "cp932", kMotor, "\xF0\x9F\x98\x80"}, 2, "=", "=zat2kor: error: WORKSPACE_NAME \"\xF0\x9F\x98\x80" + kNotConvertible, "", "", true, false, {"LC_ALL=C.UTF-8"}},
        {{}, {"single", "--drive", "D=<T>", "--code-page", "cp932", "D:\\\x95\\motor.zat", "w"}, 2, "=", "=zat2kor: error: ZAT_FILE \"D:\\\x95\\motor.zat" + kNotConvertible, "", "", true, false, {"LC_ALL=C.UTF-8"}},
        {{}, {"single", "--drive", "D=<T>", "--code-page", "cp932", kMotor, wide(32)}, 0, "", "", "", "", true, false, {"LC_ALL=C"}},
        {{}, {"single", "--drive", "D=<T>", kMotor, "w", "--code-page", "single"}, 0, "=Project converted successfully.\n", "", "", "", true},  // one value per --drive
        {{}, {"single", "--drive", "D=<T>", kMotor, "w"}, 0, "", "=zat2kor: warning: the locale named by the environment cannot be set; the code page is single (choose another with --code-page)\nD:\\quarix\\motor.zat: 8 options carried over unconverted, 0 dropped; see --report\n", "", "", true, false, {"LC_ALL", "LC_CTYPE", "LANG=xx_XX.SJIS"}},
        // Host paths, relative ones too, are named in their Z: form.
        {{}, {"single", "quarix/./motor.zat", "rel"}, 0, "=Project converted successfully.\n", "", "quarix/rel.krs", "\"<Z>\\quarix\\motor.krp\""},
        {{}, {"multiple", "<T>/tree/drives/", "ws", "--family", kQuarix}, 0, "=Searching for ZAT projects...\nConverting project <Z>\\tree\\drives\\axis.zat...\nProject converted.\nConverting project <Z>\\tree\\drives\\legacy\\SPINDLE.ZAT...\nProject converted.\n2 project(s) converted successfully.\n", "=Found 2 .zat files: 2 of family Quarix RISC engine, 2 converted, 0 failed, 0 of other families skipped, 0 could not be read.\n", "tree/drives/ws.krs", "axis"},
        // Failures: the system's message on stdout, the path and the reason on stderr, status 1.
        {{{"bad/a.zat", "not a project\r\n"}}, {"single", "D:\\bad\\a.zat", "w"}, 1, "=Error reading ZAT project file.\n", "=zat2kor: error: D:\\bad\\a.zat: not a text database: the first line is not [ZATDBVersion]\n"},
        {{{"dup/a.zat", "@quarix/motor.zat|\"C header file\" \"h\" 1 |\"Script\" \"h\" 0 "}}, {"single", "D:\\dup\\a.zat", "w"}, 1, "=Error converting project details.\n", "zat2kor: error: Error: The file extension \"h\" is defined twice for:"},
        {{{"w/a.zat", "@quarix/motor.zat"}, {"w/a.krp/", ""}}, {"single", "D:\\w\\a.zat", "w"}, 1, "=Error saving to KOR project file.\n", "zat2kor: error: D:\\w\\a.krp: Is a directory\n"},
        {{{"k/a.zat", "@quarix/motor.zat"}, {"k/w.krs/", ""}}, {"single", "D:\\k\\a.zat", "w"}, 1, "=Error creating workspace.\n", "zat2kor: error: D:\\k\\w.krs: Is a directory\n"},
        {{{"m/a.zat", "@quarix/motor.zat"}, {"m/a.krp/", ""}}, {"multiple", "D:\\m", "ws", "--family", kQuarix}, 1, "=Searching for ZAT projects...\nConverting project D:\\m\\a.zat...\nError saving to KOR project file D:\\m\\a.zat\nNo project was converted.\n", "zat2kor: error: D:\\m\\a.krp: Is a directory\n"},
        {{{"tree/drives/wf.krs/", ""}}, {"multiple", "D:\\tree\\drives", "wf", "--family", kQuarix}, 1, "successfully.\nError: unable to create workspace file.\n", ""},
        {{}, {"multiple", "D:\\quarix", "ws", "--family", "Nerak"}, 1, kNoProjectsFound, ""},
        {{{"sk/ok/a.zat", "@quarix/motor.zat"}, {"sk/a\\b/c.zat", "x"}}, {"multiple", "D:\\sk", "ws", "--family", kQuarix}, 1, "1 project(s) converted successfully.\n", "zat2kor: warning: skipped folder D:\\sk\\a\\b: the name holds a backslash\n", "sk/ws.krs", "a.krp"},
        {{}, {"single", "--lock-timeout", "2.5", kMotor, "w"}, 1, "=Error reading ZAT project file.\n", "zat2kor: note: Waiting for D:\\quarix\\motor.zat: another process holds its lock", "", "", false, false, {}, CliStdout::Captured, kMotor},
        {{}, {"single", "--lock-timeout", "0.2", kMotor, "w"}, 1, "", "; gave up waiting after 200 ms\n", "", "", false, false, {}, CliStdout::Captured, kMotor},
        // No output of the run replaces one of its inputs.
        {{{"o/motor.krp", "@quarix/motor.zat"}}, {"single", "--no-backup", "D:\\o\\motor.krp", "ws"}, 1, "=Error saving to KOR project file.\n", "zat2kor: error: D:\\o\\motor.krp would replace D:\\o\\motor.krp, an input of this run\n", "o/motor.krp", exactly(test::readBytes(fs::path(Z2K_EXAMPLES_DIR) / "quarix/motor.zat"))},
        {{{"c/a.zat", "@quarix/motor.zat"}, {"c/a.ZAT", "@quarix/motor.zat"}}, {"multiple", "D:\\c", "ws", "--family", kQuarix}, 1, "Error saving to KOR project file D:\\c\\a.zat\n1 project(s) converted successfully.\n", "zat2kor: error: D:\\c\\a.krp would replace the KOR project of D:\\c\\a.ZAT, converted earlier in this run\n"},
        // A terminal shows the run on one line redrawn in place, cut to its width (80 columns on a
        // pseudo terminal that tells none); --verbose shows every step as a line of its own.
        {{}, {"multiple", "D:\\tree\\drives", "ws", "--family", kQuarix}, 0, "", "[1/2] D:\\tree\\drives\\axis.zat  Converting project details...\x1b[K", "", "", false, true},
        {{{"long/" + std::string(60, 'x') + "/a.zat", "@quarix/motor.zat"}}, {"single", "D:\\long\\" + std::string(60, 'x') + "\\a.zat", "w"}, 0, "", "[1/1] D:\\long\\" + std::string(60, 'x') + "\\a.za\x1b[K", "", "", false, true},
        {{}, {"multiple", "--verbose", "D:\\tree\\drives", "ws", "--family", kQuarix}, 0, "", "Current project: 50%\nStatus: Converting project details...\n"},
        {{}, {"multiple", "--verbose", "D:\\tree\\drives", "ws", "--family", kQuarix}, 0, "", "zat2kor: DIRECTORY \"D:\\tree\\drives\" is D:\\tree\\drives (host path <T>/tree/drives)\n"},
        {{}, {"single", "--quiet", kMotor, "w"}, 0, "=", "=", "", "", false, true},
        {{}, {"single", "--dry-run", kMotor, "w"}, 0, "=Project converted successfully.\n", "=D:\\quarix\\motor.zat: 8 options carried over unconverted, 0 dropped; see --report\n(dry run: nothing was written)\n"},
        // A folder run ends with what it found; a project that cannot be read is named with why.
        {{{"fb/ok.zat", "@quarix/motor.zat"}, {"fb/bad.zat", "x\r\n"}, {"fb/n.zat", "@nerak/sensor.zat"}}, {"multiple", "D:\\fb", "ws", "--family", kQuarix}, 0, "", "=zat2kor: error: D:\\fb\\bad.zat: not a text database: the first line is not [ZATDBVersion]\nD:\\fb\\ok.zat: 8 options carried over unconverted, 0 dropped; see --report\nFound 3 .zat files: 1 of family Quarix RISC engine, 1 converted, 0 failed, 1 of other families skipped, 1 could not be read.\n"},
        // A lost stdout is named, and the workspace and the report are still written.
        {{}, {"multiple", "D:\\tree\\drives", "ws", "--family", kQuarix, "--report", "<T>/lost1.json"}, 1, "", "=zat2kor: error: cannot write the results to stdout: Broken pipe\nFound 2 .zat files: 2 of family Quarix RISC engine, 2 converted, 0 failed, 0 of other families skipped, 0 could not be read.\n", "lost1.json", "\"result\":\"converted\"", false, false, {}, CliStdout::BrokenPipe},
        {{}, {"multiple", "D:\\tree\\drives", "ws", "--family", kQuarix, "--report", "<T>/lost2.json"}, 1, "", "=zat2kor: error: cannot write the results to stdout: No space left on device\nFound 2 .zat files: 2 of family Quarix RISC engine, 2 converted, 0 failed, 0 of other families skipped, 0 could not be read.\n", "lost2.json", "SPINDLE", false, false, {}, CliStdout::DevFull},
        {{}, {"multiple", "D:\\tree\\drives", "ws", "--family", kQuarix, "--report", "<T>/lost3.json"}, 1, "", "=zat2kor: error: cannot write the results to stdout: Bad file descriptor\nFound 2 .zat files: 2 of family Quarix RISC engine, 2 converted, 0 failed, 0 of other families skipped, 0 could not be read.\n", "lost3.json", "axis", false, false, {}, CliStdout::Closed},
    };
    // clang-format on
    for (const Row& row : rows) {
        std::string trace;
        for (const std::string& arg : row.args) trace += arg + ' ';
        SCOPED_TRACE(trace);
        check(row, run(row));
    }
}

// A stop signal ends a wait for a lock that is never freed, and the run between two projects: no
// project after it is read, and the workspace and the report list what was converted before it.
TEST_F(CommandLineTest, AStopSignalEndsTheRunWithItsStatus) {
    const std::string stoppedOut =
        "=Searching for ZAT projects...\nConverting project D:\\s\\a.zat...\nProject converted.\nConversion "
        "stopped early; 2 of 3 project(s) found were skipped.\n1 project(s) converted successfully.\n";
    const struct {
        Row row;
        int signal;
        const char* after;  // sent once stderr shows this (the lock time-out ends a run it never stops)
    } cases[] = {
        // clang-format off
        {{{}, {"single", "--lock-timeout", "30", kMotor, "w"}, 143, "=Error reading ZAT project file.\n", "gave up waiting when the run was asked to stop", "", "", false, true, {}, CliStdout::Captured, kMotor}, SIGTERM, "[1/1] D:\\quarix\\motor.zat"},
        {{{{"s/a.zat", "@quarix/motor.zat"}, {"s/b.zat", "@quarix/motor.zat"}, {"s/c.zat", "@quarix/motor.zat"}}, {"multiple", "--lock-timeout", "30", "D:\\s", "ws", "--family", kQuarix, "--report", "<T>/s.json"}, 130, stoppedOut, "zat2kor: stopped by SIGINT\n", "s/ws.krs", "a.krp", false, true, {}, CliStdout::Captured, "D:\\s\\b.zat"}, SIGINT, "Converting project"},
        // clang-format on
    };
    for (const auto& c : cases) {
        bool sent = false;
        CliOptions options;
        options.onErr = [&](pid_t child, const std::string& err) {
            if (!sent && err.find(c.after) != std::string::npos) sent = kill(child, c.signal) == 0;
        };
        check(c.row, run(c.row, options));
        EXPECT_FALSE(fs::exists(tmp.path() / "quarix/motor.krp") || fs::exists(tmp.path() / "s/b.krp"));
    }
    EXPECT_EQ(tmp.read("s/ws.krs").find("b.krp"), std::string::npos);
    EXPECT_TRUE(fs::exists(tmp.path() / "s.json"));
}

// --report writes what the conversion carried over unconverted (OTHER) or dropped, as JSON or
// text; without it, stderr has one summary line per project read.
TEST_F(CommandLineTest, ReportFilesListWhatWasNotConverted) {
    const std::string sensor = "@nerak/sensor.zat|-regp=3|-pa=3";  // a value the compiler's handler refuses
    const std::string escaped = "@nerak/sensor.zat|-xref|";
    // clang-format off
    const std::vector<Row> rows = {
        {{}, {"single", kMotor, "motor", "--report", "<T>/m.txt"}, 0, "=Project converted successfully.\n", "=", "m.txt", "Project D:\\quarix\\motor.zat\n  KOR project: D:\\quarix\\motor.krp\n  Result: converted\n  Options: 102 converted, 8 carried over unconverted (OTHER), 0 dropped\n  Carried over unconverted:\n    Debug | Vantrel QX C Compiler | (all files) | -ws=2\n    Debug | Vantrel QX C Compiler | D:\\common\\crc\\crc16.c | -nologo\n"},
        {{}, {"single", kMotor, "motor", "--report", "<T>/m.JSON"}, 0, "", "=", "m.JSON", "{\"version\":2,\"dryRun\":false,\"codePage\":\"single\",\"projects\":[{\"project\":\"D:\\\\quarix\\\\motor.zat\",\"korProject\":\"D:\\\\quarix\\\\motor.krp\",\"result\":\"converted\",\"problem\":\"\",\"counts\":{\"converted\":102,\"other\":8,\"dropped\":0},\"options\":[{"},
        {{}, {"single", kMotor, "motor", "--report", "<T>/m.JSON"}, 0, "", "", "m.JSON", "{\"outcome\":\"other\",\"configuration\":\"Debug\",\"tool\":\"Vantrel QX C Compiler\",\"file\":\"D:\\\\common\\\\crc\\\\crc16.c\",\"option\":\"-nologo\",\"name\":\"-nologo\",\"value\":\"\"}"},
        {{}, {"single", "--dry-run", kMotor, "motor", "--report", "<T>/d.txt"}, 0, "", "", "d.txt", "zat2kor conversion report (dry run: no project or workspace file was written)\n\nProject "},
        {{{"pa/sensor.zat", sensor}}, {"single", "D:\\pa\\sensor.zat", "s", "--report", "<T>/pa.txt"}, 0, "", "", "pa.txt", "(OTHER), 2 dropped\n"},
        {{}, {"single", "D:\\pa\\sensor.zat", "s", "--report", "<T>/pa.txt"}, 0, "", "", "pa.txt", "  Dropped:\n    Debug | Vantrel Nerak C Compiler | (all files) | -pa=3\n    Flash | Vantrel Nerak C Compiler | (all files) | -pa=3\n"},
        {{}, {"single", "D:\\pa\\sensor.zat", "s", "--report", "<T>/pa.json"}, 0, "", "", "pa.json", "{\"outcome\":\"dropped\",\"configuration\":\"Debug\",\"tool\":\"Vantrel Nerak C Compiler\",\"file\":\"\",\"option\":\"-pa=3\",\"name\":\"-pa\",\"value\":\"3\"}"},
        {{}, {"single", "D:\\pa\\sensor.zat", "s"}, 0, "", "=D:\\pa\\sensor.zat: 2 options carried over unconverted, 2 dropped; see --report\n"},
        {{}, {"single", kMotor, "motor", "--report", "<T>/none/r.json"}, 2, "=", std::string("=zat2kor: error: cannot write the report <T>/none/r.json: ") + std::strerror(ENOENT) + "\n"},
        // Only the rows of the link tool the conversion chooses reach the project and the report.
        {{{"lk/sensor.zat", "@nerak/sensor.zat|-nooptimize|-zzopt\t-nooptimize"}}, {"single", "D:\\lk\\sensor.zat", "s", "--report", "<T>/lk.json"}, 0, "", "", "lk.json", "\"configuration\":\"Debug\",\"tool\":\"Vantrel Nerak IM Optimizer\",\"file\":\"\",\"option\":\"-zzopt\""},
        {{{"ed/sensor.zat", "@nerak/sensor.zat|-p=^\"D:\\nerak\\Debug|-zzedit\t-p=^\"D:\\nerak\\Debug|\"Vantrel Nerak IM Optimizer\" 1 \r\n\"Vantrel V Series Linkage Editor\" 0 |\"Vantrel Nerak IM Optimizer\" 0 \r\n\"Vantrel V Series Linkage Editor\" 1 "}}, {"single", "D:\\ed\\sensor.zat", "s", "--report", "<T>/ed.json"}, 0, "", "", "ed.json", "\"option\":\"-zzedit\""},
        // JSON texts are converted from the code page to UTF-8; a text that does not convert
        // exactly also keeps its bytes in hex.
        {{{"e1/sensor.zat", escaped + "-x\xe9z"}}, {"single", "D:\\e1\\sensor.zat", "s", "--report", "<T>/e.json"}, 0, "", "", "e.json", "\"option\":\"-x\xc3\xa9z\",\"name\""},
        {{{"e2/sensor.zat", escaped + "-x\xc3\xa9z"}}, {"single", "D:\\e2\\sensor.zat", "s", "--report", "<T>/e.json"}, 0, "", "", "e.json", "\"option\":\"-x\xc3\x83\xc2\xa9z\",\"name\""},
        {{{"e3/sensor.zat", escaped + "-x\x81z"}}, {"single", "D:\\e3\\sensor.zat", "s", "--report", "<T>/e.json"}, 0, "", "", "e.json", "\"option\":\"-x\xef\xbf\xbdz\",\"optionBytes\":\"2d78817a\",\"name\""},
        {{{"e4/sensor.zat", escaped + "-x\xc3z"}}, {"single", "--drive", "D=<T>", "--code-page", "utf8", "D:\\e4\\sensor.zat", "s", "--report", "<T>/e.json"}, 0, "", "", "e.json", "\"option\":\"-x\xef\xbf\xbdz\",\"optionBytes\":\"2d78c37a\",\"name\"", true},
        {{{"e5/sensor.zat", escaped + "-x\x85\x40z"}, {"e6/sensor.zat", escaped + "-x\x82\xa0z"}}, {"single", "--drive", "D=<T>", "--code-page", "cp932", "D:\\e5\\sensor.zat", "s", "--report", "<T>/e.json"}, 0, "", "", "e.json", "\"option\":\"-x\xef\xbf\xbdz\",\"optionBytes\":\"2d7885407a\",\"name\"", true},
        {{}, {"single", "--drive", "D=<T>", "--code-page", "cp932", "D:\\e6\\sensor.zat", "s", "--report", "<T>/e.json"}, 0, "", "", "e.json", "\"option\":\"-x\xe3\x81\x82z\",\"name\"", true},
        {{{"fb/ok.zat", "@quarix/motor.zat"}, {"fb/bad.zat", "x\r\n"}}, {"multiple", "D:\\fb", "ws", "--family", kQuarix, "--report", "<T>/fb.json"}, 0, "", "", "fb.json", "\"skipped\":[{\"path\":\"D:\\\\fb\\\\bad.zat\",\"reason\":\"not a text database: the first line is not [ZATDBVersion]\"}]}"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.args[1] + " " + row.args.back());
        check(row, run(row));
    }
}

// A folder reached through a second path (a bind mount) is searched once: its project is not
// converted twice, and so its .krp is not rotated into .krp.bak by a second save.
TEST_F(CommandLineTest, AFolderReachedByTwoPathsIsConvertedOnce) {
    // clang-format off
    const Row row{{{"bm/real/a.zat", "@quarix/motor.zat"}, {"bm/alias/", ""}}, {"multiple", "D:\\bm", "ws", "--family", kQuarix}, 0, "=Searching for ZAT projects...\nConverting project D:\\bm\\alias\\a.zat...\nProject converted.\n1 project(s) converted successfully.\n", ""};
    // clang-format on
    for (const File& file : row.files) write(file);
    const std::string alias = (tmp.path() / "bm/alias").string();
    if (mount((tmp.path() / "bm/real").c_str(), alias.c_str(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "mount --bind is not permitted here: " << std::strerror(errno);
    const CliRun result = run(row);
    umount2(alias.c_str(), MNT_DETACH);
    check(row, result);
    EXPECT_FALSE(fs::exists(tmp.path() / "bm/real/a.krp.bak"));
}

}  // namespace
}  // namespace z2k

// The command-line front end, run as a child process over projects in a temporary folder.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <csignal>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "cli/CliRunner.h"
#include "conversion/MiniZat.h"
#include "platform/CodePage.h"
#include "support/TestSupport.h"
#include "textdb/SharedLock.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;
using test::CliOptions;
using test::CliRun;
using test::CliStdout;
using test::MiniZat;
using test::runCli;
using Args = std::vector<std::string>;
using Lines = std::vector<std::string>;

constexpr const char* kQuarix = "Quarix RISC engine";

class CommandLineTest : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }

    // Writes a project through the test's own D: mapping.
    void writeZat(const std::string& relative, const MiniZat& zat = MiniZat{}) {
        fs::create_directories((tmp.path() / relative).parent_path());
        std::string system = "D:\\" + relative;
        for (char& c : system)
            if (c == '/') c = '\\';
        ASSERT_EQ(zat.write(system), 0);
    }

    // The command with the temporary folder mapped as D: and the single-byte code page.
    CliRun run(const std::string& command, const Args& rest, const CliOptions& options = {}) {
        Args args = test::onDriveD(tmp.path(), {command});
        args.insert(args.end(), rest.begin(), rest.end());
        return runCli(args, options);
    }

    std::string host(const std::string& relative) const { return (tmp.path() / relative).string(); }
    // The Z: form of a host path below the temporary folder.
    std::string zForm(const std::string& relative) const {
        std::string text = "Z:" + host(relative);
        for (char& c : text)
            if (c == '/') c = '\\';
        return text;
    }
    bool exists(const std::string& relative) const { return fs::exists(tmp.path() / relative); }

    test::TempFolder tmp{'D'};
};

TEST_F(CommandLineTest, HelpShowsAnExampleOfEachCommand) {
    for (const Args& args : {Args{"--help"}, Args{"single", "--help"}, Args{"multiple", "--help"}}) {
        const CliRun result = runCli(args);
        EXPECT_EQ(result.exitCode, 0) << args[0];
        EXPECT_NE(result.out.find("  zat2kor single /home/ann/motor/motor.zat motor\n"), std::string::npos);
        EXPECT_NE(
            result.out.find("  zat2kor multiple --family \"Quarix RISC engine\" /home/ann/projects all\n"),
            std::string::npos);
    }
}

TEST_F(CommandLineTest, VersionIsPrinted) {
    const CliRun result = runCli({"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, std::string("zat2kor ") + ZAT2KOR_VERSION + "\n");
}

TEST_F(CommandLineTest, UsageErrorsExitWithTwo) {
    tmp.write("p/a.zat", "x");
    const Args cases[] = {
        {},
        {"bogus"},
        {"single"},
        {"single", "D:\\p\\a.zat"},
        {"single", "D:\\p\\a.zat", "w", "extra"},
        {"single", "--code-page", "latin1", "D:\\p\\a.zat", "w"},
        {"single", "--drive", "D", "D:\\p\\a.zat", "w"},
        {"single", "--drive", "1=/tmp", "D:\\p\\a.zat", "w"},
        {"multiple", "D:\\p", "w", "--family", "quarix risc engine"},
        {"multiple", "D:\\p", "w", "--family", "NONE"},
        {"single", "D:\\p\\a.zat", "w", "--family", "Nerak"},
    };
    for (const Args& args : cases) {
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        SCOPED_TRACE(joined);
        const CliRun result = runCli(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_FALSE(result.err.empty());
        EXPECT_FALSE(exists("p/a.krp"));
    }
}

struct CheckCase {
    const char* command;
    Args rest;
    const char* err;
};

TEST_F(CommandLineTest, FieldChecksPrintTheWindowsMessages) {
    tmp.write("p/a.zat", "x");
    const std::string incomplete = "error: Entry fields are incomplete.\n";
    const std::string notFound = "error: The specified ZAT project cannot be found.\n";
    const std::string noDirectory = "error: The specified Workspace directory does not exist.\n";
    const std::string longPath = "D:\\" + std::string(197, 'x');  // 200 characters
    const CheckCase cases[] = {
        {"single", {"", "w"}, incomplete.c_str()},
        {"single", {"D:\\p\\a.zat", ""}, incomplete.c_str()},
        {"single", {"D:\\p\\none.zat", "w"}, notFound.c_str()},
        {"single", {"D:\\p", "w"}, notFound.c_str()},
        {"single", {"D:\\p\\a?.zat", "w"}, notFound.c_str()},
        {"single", {"E:\\p\\a.zat", "w"}, notFound.c_str()},
        {"single", {longPath, "w"}, notFound.c_str()},
        {"single", {longPath + "y", "w"}, "error: ZAT_FILE is longer than 200 characters\n"},
        {"single",
         {"D:\\p\\a.zat", std::string(33, 'w')},
         "error: WORKSPACE_NAME is longer than 32 characters\n"},
        {"multiple", {"D:\\p", "..\\ws", "--family", "Nerak"}, "error: The KOR workspace name is not a valid file name.\n"},
        {"multiple", {"D:\\p", "w"}, incomplete.c_str()},
        {"multiple", {"", "w", "--family", "Nerak"}, incomplete.c_str()},
        {"multiple", {"D:\\p", "", "--family", "Nerak"}, incomplete.c_str()},
        {"multiple", {"D:\\none", "w", "--family", "Nerak"}, noDirectory.c_str()},
        {"multiple", {"D:\\p\\", "w", "--family", "Nerak"}, noDirectory.c_str()},
        {"multiple",
         {longPath + "y", "w", "--family", "Nerak"},
         "error: DIRECTORY is longer than 200 characters\n"},
    };
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.rest[0] + " " + c.rest[1]);
        const CliRun result = run(c.command, c.rest);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.err, c.err);
        EXPECT_EQ(result.out, "");
    }
}

// Options and paths the converter cannot carry out as typed are refused before anything is read.
TEST_F(CommandLineTest, RefusesWhatItCannotHonour) {
    writeZat("p/a.zat");
    writeZat("b3/a/b/motor.zat");  // what 'b3/a\b/motor.zat' would wrongly lead to
    const std::string longName(180, 'x');
    writeZat(longName + "/a.zat");
    const std::string t = tmp.path().string();
    const std::pair<Args, std::string> cases[] = {
        {{"single", "b3/a\\b/motor.zat", "w"},
         "error: ZAT_FILE holds a '\\' in a host name, which no path can name: b3/a\\b/motor.zat\n"},
        {{"single", longName + "/a.zat", "w"}, "error: ZAT_FILE is longer than 200 characters\n"},
        {{"single", "--drive", "E=" + t + "/none", "p/a.zat", "w"},
         "error: --drive E: " + t + "/none: " + std::strerror(ENOENT) + "\n"},
        {{"single", "--drive", "E=" + t + "/p/a.zat", "p/a.zat", "w"},
         "error: --drive E: " + t + "/p/a.zat: not a folder\n"},
        {{"single", "--drive", "E=" + t, "--drive", "e=" + t, "p/a.zat", "w"}, "error: --drive maps E: twice\n"},
        {{"single", "--drive", "Z=" + t, "p/a.zat", "w"},
         "error: --drive cannot map Z: it is always the host root /\n"},
    };
    CliOptions inTmp;
    inTmp.workingDirectory = tmp.path();
    for (const auto& [args, err] : cases) {
        SCOPED_TRACE(args[1]);
        const CliRun result = runCli(args, inTmp);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.err, err);
        EXPECT_FALSE(exists("p/w.krs") || exists("b3/a/b/w.krs") || exists(longName + "/w.krs"));
    }
}

// A folder the search leaves out is named with the reason, and the run does not count as a
// success. An unreadable folder needs a user other than root, who reads every folder.
TEST_F(CommandLineTest, SkippedFoldersAreNamedAndTheRunExitsWithOne) {
    const struct {
        const char* folder;
        std::string reason;
        bool asNobody;
    } cases[] = {{"a\\b", "the name holds a backslash", false}, {"locked", std::strerror(EACCES), true}};
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        if (c.asNobody && geteuid() != 0) GTEST_SKIP() << "an unreadable folder needs root and setpriv";
        const std::string top = "m" + std::to_string(++index);
        writeZat(top + "/ok/a.zat");
        tmp.write(top + "/" + c.folder + "/c.zat", "x");
        if (c.asNobody) {
            for (const std::string& folder : {std::string(), top, top + "/ok"})
                fs::permissions(tmp.path() / folder, fs::perms::all);
            fs::permissions(tmp.path() / top / c.folder, fs::perms::owner_all);
        }
        CliOptions options;
        options.asNobody = c.asNobody;
        const CliRun result = run("multiple", {"D:\\" + top, "ws", "--family", kQuarix}, options);
        EXPECT_EQ(result.exitCode, 1);
        const std::string warning = "warning: skipped folder D:\\" + top + "\\" + c.folder + ": " + c.reason + "\n";
        EXPECT_NE(result.err.find(warning), std::string::npos) << result.err;
        EXPECT_NE(result.out.find("1 project(s) converted successfully."), std::string::npos);
        EXPECT_TRUE(exists(top + "/ws.krs"));
    }
}

// A folder reached through a second path (here a bind mount) is one folder: its project is
// converted once, and its .krp is not rotated into .krp.bak by a second save.
TEST_F(CommandLineTest, AFolderReachedByTwoPathsIsConvertedOnce) {
    writeZat("m/real/a.zat");
    fs::create_directories(tmp.path() / "m/alias");
    const std::string alias = host("m/alias");
    if (mount(host("m/real").c_str(), alias.c_str(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "mount --bind is not permitted here: " << std::strerror(errno);
    struct Unmount {
        std::string path;
        ~Unmount() { umount2(path.c_str(), MNT_DETACH); }
    } unmount{alias};
    const CliRun result = run("multiple", {"D:\\m", "ws", "--family", kQuarix});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Searching for ZAT projects...\nConverting project D:\\m\\alias\\a.zat...\n"
                          "Project converted.\n1 project(s) converted successfully.\n");
    EXPECT_FALSE(exists("m/real/a.krp.bak"));
}

TEST_F(CommandLineTest, SingleConvertsAndPrintsTheResult) {
    writeZat("p/a.zat");
    const std::string before = tmp.read("p/a.zat");
    const CliRun result = run("single", {"D:\\p\\a.zat", "w"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "Project converted successfully.\n");
    // No progress lines when stderr is not a terminal: only the options summary of the project.
    EXPECT_EQ(result.err, "D:\\p\\a.zat: 0 options carried over unconverted, 0 dropped; see --report\n");
    EXPECT_TRUE(exists("p/a.krp"));
    EXPECT_NE(tmp.read("p/w.krs").find("\"D:\\p\\w.krs\""), std::string::npos);
    EXPECT_EQ(tmp.read("p/a.zat"), before);
}

TEST_F(CommandLineTest, HostPathsAreTurnedIntoTheirZForm) {
    writeZat("p/a.zat");
    writeZat("m/b.zat");
    const CliRun single = runCli({"single", "--code-page", "single", host("p/a.zat"), "w"});
    EXPECT_EQ(single.exitCode, 0) << single.err;
    EXPECT_NE(tmp.read("p/w.krs").find("\"" + zForm("p/a.krp") + "\""), std::string::npos);

    // One trailing '/' names the folder itself.
    const CliRun multiple =
        runCli({"multiple", "--code-page", "single", host("m") + "/", "ws", "--family", kQuarix});
    EXPECT_EQ(multiple.exitCode, 0) << multiple.err;
    EXPECT_EQ(multiple.out, "Searching for ZAT projects...\nConverting project " + zForm("m/b.zat") +
                                "...\nProject converted.\n1 project(s) converted successfully.\n");
    EXPECT_TRUE(exists("m/ws.krs"));
}

TEST_F(CommandLineTest, RelativePathsAreMadeAbsolute) {
    writeZat("p/a.zat");
    CliOptions inTmp;
    inTmp.workingDirectory = tmp.path() / "p";
    const CliRun result = runCli({"single", "--code-page", "single", "../p/./a.zat", "w"}, inTmp);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(tmp.read("p/w.krs").find("\"" + zForm("p/a.krp") + "\""), std::string::npos);

    const CliRun dot = runCli({"multiple", "--code-page", "single", ".", "ws", "--family", kQuarix}, inTmp);
    EXPECT_EQ(dot.exitCode, 0) << dot.err;
    EXPECT_TRUE(exists("p/ws.krs"));
}

TEST_F(CommandLineTest, ExitStatusFollowsTheOutcome) {
    tmp.write("bad/a.zat", "not a project\r\n");
    MiniZat twice;
    twice.duplicateExtension = true;
    writeZat("dup/a.zat", twice);
    writeZat("m/a.zat");
    writeZat("ok/a.zat");
    writeZat("ok/b.zat");

    CliRun result = run("single", {"D:\\bad\\a.zat", "w"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "Error reading ZAT project file.\n");

    result = run("single", {"D:\\dup\\a.zat", "w"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "Error converting project details.\n");
    EXPECT_EQ(result.err.rfind("error: ", 0), 0u) << result.err;

    result = run("multiple", {"D:\\m", "ws", "--family", "Nerak"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "Searching for ZAT projects...\nNo projects found to convert.\n");
    EXPECT_FALSE(exists("m/ws.krs"));

    tmp.write("ok/ws.krs/keep", "x");  // a folder where the workspace should go
    tmp.write("ok/ws.krs.bak/keep", "x");
    result = run("multiple", {"D:\\ok", "ws", "--family", kQuarix});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out.substr(result.out.rfind("successfully.\n")),
              "successfully.\nError: unable to create workspace file.\n");

    result = run("multiple", {"D:\\ok", "all", "--family", kQuarix});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(
        result.out,
        "Searching for ZAT projects...\nConverting project D:\\ok\\a.zat...\nProject converted.\n"
        "Converting project D:\\ok\\b.zat...\nProject converted.\n2 project(s) converted successfully.\n");
    EXPECT_EQ(result.err,
              "D:\\ok\\a.zat: 0 options carried over unconverted, 0 dropped; see --report\n"
              "D:\\ok\\b.zat: 0 options carried over unconverted, 0 dropped; see --report\n");
}

TEST_F(CommandLineTest, NoFileOfTheRunIsWrittenOverAndNoTwoProjectsShareOne) {
    struct Case {
        Lines projects;  // ZAT projects written first; the first must come out unchanged
        Args args;
        std::string out;
        std::string problem;
        const char* hardLink = nullptr;  // a second name of the first project
    };
    const std::string converted = "Project converted.\n";
    const Case cases[] = {
        {{"p/motor.krp"}, {"single", "--no-backup", "D:\\p\\motor.krp", "ws"}, "Error saving to KOR project file.\n",
         "D:\\p\\motor.krp would replace D:\\p\\motor.krp, an input of this run"},
        {{"o/other.krs"}, {"single", "D:\\o\\other.krs", "other"}, "Error creating workspace.\n",
         "D:\\o\\other.krs would replace D:\\o\\other.krs, an input of this run"},
        // Replacing the old w.krs would move it to w.krs.bak, the project being read.
        {{"b/w.krs.bak", "b/w.krs"}, {"single", "D:\\b\\w.krs.bak", "w"}, "Error creating workspace.\n",
         "D:\\b\\w.krs.bak would replace D:\\b\\w.krs.bak, an input of this run"},
        {{"m/a.zat", "m/a.ZAT"}, {"multiple", "D:\\m", "ws", "--family", kQuarix},
         "Searching for ZAT projects...\nConverting project D:\\m\\a.ZAT...\n" + converted +
             "Converting project D:\\m\\a.zat...\nError saving to KOR project file D:\\m\\a.zat\n"
             "1 project(s) converted successfully.\n",
         "D:\\m\\a.krp would replace the KOR project of D:\\m\\a.ZAT, converted earlier in this run"},
        {{"h/a.zat", "h/b.zat"}, {"multiple", "D:\\h", "ws", "--family", kQuarix},
         "Searching for ZAT projects...\nConverting project D:\\h\\a.zat...\n" + converted +
             "Converting project D:\\h\\b.zat...\nError saving to KOR project file D:\\h\\b.zat\n"
             "1 project(s) converted successfully.\n",
         "D:\\h\\b.krp would replace D:\\h\\a.zat, an input of this run", "h/b.krp"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.projects[0]);
        for (const std::string& project : c.projects) writeZat(project);
        if (c.hardLink != nullptr) fs::create_hard_link(tmp.path() / c.projects[0], tmp.path() / c.hardLink);
        const std::string before = tmp.read(c.projects[0]);
        const CliRun result = run(c.args[0], Args(c.args.begin() + 1, c.args.end()));
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, c.out);
        EXPECT_NE(result.err.find("error: " + c.problem + "\n"), std::string::npos) << result.err;
        EXPECT_EQ(tmp.read(c.projects[0]), before);
    }
    // The workspace lists the one a.krp once.
    const std::string workspace = tmp.read("m/ws.krs");
    const std::size_t listed = workspace.find("\"a\" \"D:\\m\"");
    EXPECT_NE(listed, std::string::npos);
    EXPECT_EQ(listed, workspace.rfind("\"a\" \"D:\\m\""));
}

// Each failure keeps its message on stdout and says on stderr which file failed and why.
TEST_F(CommandLineTest, FailuresSayThePathAndTheReason) {
    const std::string runtime = std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "";
    test::TempFolder open;
    const std::string held = SharedLock::lockFolder() + "/" + SharedLock::lockFileName("D:\\l\\a.zat");
    std::unique_ptr<SharedLock> holder;
    MiniZat noSystemPhases;
    noSystemPhases.omitSystemPhases = true;
    const struct {
        std::function<void()> setup;
        Args args;
        std::string out;
        std::vector<std::string> err;
    } cases[] = {
        {[&] { tmp.write("r/a.zat", "not a project\r\n"); },
         {"single", "D:\\r\\a.zat", "w"},
         "Error reading ZAT project file.\n",
         {"error: D:\\r\\a.zat: not a text database: the first line is not [ZATDBVersion]\n"}},
        {[&] { writeZat("s/a.zat", noSystemPhases); },
         {"single", "D:\\s\\a.zat", "w"},
         "Error reading ZAT project file.\n",
         {"error: D:\\s\\a.zat: the project has no recordset [SYSTEM_PHASES]\n"}},
        {[&] {
             writeZat("w/a.zat");
             tmp.write("w/a.krp/keep", "x");
         },
         {"single", "D:\\w\\a.zat", "w"},
         "Error saving to KOR project file.\n",
         {"error: D:\\w\\a.krp: Is a directory\n"}},
        {[&] {
             writeZat("k/a.zat");
             tmp.write("k/w.krs/keep", "x");
         },
         {"single", "D:\\k\\a.zat", "w"},
         "Error creating workspace.\n",
         {"error: D:\\k\\w.krs: Is a directory\n"}},
        {[&] {
             writeZat("m/a.zat");
             tmp.write("m/a.krp/keep", "x");
         },
         {"multiple", "D:\\m", "ws", "--family", kQuarix},
         "Searching for ZAT projects...\nConverting project D:\\m\\a.zat...\n"
         "Error saving to KOR project file D:\\m\\a.zat\nNo project was converted.\n",
         {"error: D:\\m\\a.krp: Is a directory\n"}},
        {[&] {
             writeZat("l/a.zat");
             holder = SharedLock::acquireWrite("D:\\l\\a.zat");
         },
         {"single", "--lock-timeout", "2.5", "D:\\l\\a.zat", "w"},
         "Error reading ZAT project file.\n",
         {"note: Waiting for D:\\l\\a.zat: another process holds its lock (" + held + ")\n",
          "error: D:\\l\\a.zat: another process holds its lock (" + held +
              "); gave up waiting after 2500 ms\n"}},
        {[&] {
             writeZat("f/a.zat");
             fs::create_directory(open.path() / "zat2kor");
             fs::permissions(open.path() / "zat2kor", fs::perms::all);
             ::setenv("XDG_RUNTIME_DIR", open.path().c_str(), 1);
         },
         {"single", "D:\\f\\a.zat", "w"},
         "Error reading ZAT project file.\n",
         {"error: " + open.path().string() +
          "/zat2kor: the lock folder can be written by group or others (mode 0777)\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out + c.err.front());
        c.setup();
        const CliRun result = run(c.args.front(), Args(c.args.begin() + 1, c.args.end()));
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.out, c.out);
        std::size_t notes = 0;
        for (std::size_t at = 0; (at = result.err.find("note: ", at)) != std::string::npos; ++at) ++notes;
        EXPECT_EQ(notes, c.err.front().starts_with("note: ") ? 1u : 0u) << result.err;
        for (const std::string& line : c.err)
            EXPECT_NE(result.err.find(line), std::string::npos) << result.err;
    }
}

TEST_F(CommandLineTest, ProgressGoesToATerminal) {
    writeZat("p/a.zat");
    writeZat("m/a.zat");
    CliOptions terminal;
    terminal.errOnTerminal = true;
    const CliRun single = run("single", {"D:\\p\\a.zat", "w"}, terminal);
    EXPECT_EQ(single.exitCode, 0);
    EXPECT_EQ(single.out, "Project converted successfully.\n");
    EXPECT_NE(single.err.find("Total complete: 25%\nResults: Reading recordset [DATABASE_VERSION]\n"),
              std::string::npos)
        << single.err;
    EXPECT_NE(single.err.find("Total complete: 66%\n"), std::string::npos);
    EXPECT_NE(single.err.find("Total complete: 100%\n"), std::string::npos);

    const CliRun multiple = run("multiple", {"D:\\m", "ws", "--family", kQuarix}, terminal);
    EXPECT_EQ(multiple.exitCode, 0);
    EXPECT_NE(multiple.err.find("Current project: 50%\nStatus: Converting project details...\n"),
              std::string::npos)
        << multiple.err;
    EXPECT_NE(multiple.err.find("Total complete: 100%\n"), std::string::npos);
}

TEST_F(CommandLineTest, FieldLimitsCountCharactersOfTheCodePage) {
    writeZat("p/a.zat");
    std::string name;
    for (int i = 0; i < 32; ++i) name += "\x88\x9F";  // 32 double-byte characters in CP932
    const Args args = {"single",       "--drive", "D=" + tmp.path().string(), "--code-page", "%",
                       "D:\\p\\a.zat", name};
    Args single = args;
    single[4] = "single";
    Args cp932 = args;
    cp932[4] = "cp932";
    CliOptions plainLocale;  // typed bytes pass unconverted
    plainLocale.environment = {"LC_ALL=C"};
    EXPECT_EQ(runCli(single, plainLocale).err, "error: WORKSPACE_NAME is longer than 32 characters\n");
    const CliRun wide = runCli(cp932, plainLocale);
    EXPECT_NE(wide.exitCode, 2);
    EXPECT_EQ(wide.err.find("longer than"), std::string::npos);
}

TEST_F(CommandLineTest, TypedTextIsConvertedFromTheLocaleToTheCodePage) {
    // 表 is E8 A1 A8 in UTF-8 and 95 5C in CP932, where its second byte is a backslash.
    const std::string kanji = "\xE8\xA1\xA8";
    writeZat("p/motor.zat");
    fs::rename(tmp.path() / "p", tmp.path() / kanji);
    CliOptions utf8;
    utf8.environment = {"LC_ALL=C.UTF-8"};
    const std::string cannot =
        " cannot be converted from the locale's code set UTF-8 to the code page cp932\n";
    struct Case {
        std::string path, name, err;  // err: the refusal, empty when it converts
    };
    const std::vector<Case> cases = {
        {"D:\\" + kanji + "\\motor.zat", kanji, ""},
        {host(kanji + "/motor.zat"), "w", ""},
        {"D:\\" + kanji + "\\motor.zat", "\xF0\x9F\x98\x80",
         "error: WORKSPACE_NAME \"\xF0\x9F\x98\x80\"" + cannot},
        {"D:\\\x95\\motor.zat", "w", "error: ZAT_FILE \"D:\\\x95\\motor.zat\"" + cannot},
    };
    for (const Case& c : cases) {
        const CliRun result = runCli(
            {"single", "--drive", "D=" + tmp.path().string(), "--code-page", "cp932", c.path, c.name}, utf8);
        EXPECT_EQ(result.exitCode, c.err.empty() ? 0 : 2) << c.path << ' ' << result.err;
        if (!c.err.empty()) {
            EXPECT_EQ(result.err, c.err);
        }
    }
    EXPECT_NE(tmp.read(kanji + "/" + kanji + ".krs").find("\"D:\\\x95\x5C\\\x95\x5C.krs\""),
              std::string::npos);
    EXPECT_NE(tmp.read(kanji + "/w.krs").find("\\\x95\x5C\\motor.krp\""), std::string::npos);
}

TEST_F(CommandLineTest, ALostStdoutIsReportedAndTheRunStillEnds) {
    writeZat("m/a.zat");
    const std::vector<std::pair<CliStdout, std::string>> cases = {
        {CliStdout::BrokenPipe, "Broken pipe"},
        {CliStdout::DevFull, "No space left on device"},
        {CliStdout::Closed, "Bad file descriptor"},
    };
    for (const auto& [out, reason] : cases) {
        fs::remove(tmp.path() / "m" / "r.json");
        fs::remove(tmp.path() / "m" / "ws.krs");
        CliOptions options;
        options.out = out;
        const CliRun result =
            run("multiple", {"D:\\m", "ws", "--family", kQuarix, "--report", host("m/r.json")}, options);
        EXPECT_EQ(result.exitCode, 1) << reason;
        EXPECT_EQ(result.err, "error: cannot write the results to stdout: " + reason + "\n");
        EXPECT_TRUE(exists("m/r.json") && exists("m/ws.krs")) << reason;
    }
}

TEST_F(CommandLineTest, AStopSignalEndsTheRunBetweenProjectsWithItsRecord) {
    for (const auto& [stop, exitCode] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}}) {
        const std::string dir = "s" + std::to_string(stop);
        for (const char* name : {"/a.zat", "/b.zat", "/c.zat"}) writeZat(dir + name);
        // The second project stays locked until the signal was sent: the run cannot pass it before.
        std::unique_ptr<SharedLock> lock = SharedLock::acquireWrite("D:\\" + dir + "\\b.zat");
        ASSERT_NE(lock, nullptr);
        CliOptions terminal;
        terminal.errOnTerminal = true;
        terminal.onErr = [&, stop = stop](pid_t child, const std::string& err) {
            if (!lock || err.find("Converting project") == std::string::npos) return;
            kill(child, stop);
            lock.reset();
        };
        const CliRun result =
            run("multiple", {"D:\\" + dir, "ws", "--family", kQuarix, "--report", host(dir + "/r.json")},
                terminal);
        EXPECT_EQ(result.exitCode, exitCode) << result.err;
        EXPECT_EQ(result.out,
                  "Searching for ZAT projects...\nConverting project D:\\" + dir +
                      "\\a.zat...\nProject converted.\nConversion stopped early; 2 of 3 project(s) found "
                      "were skipped.\n1 project(s) converted successfully.\n");
        EXPECT_TRUE(exists(dir + "/r.json") && !exists(dir + "/b.krp")) << dir;
        const std::string workspace = tmp.read(dir + "/ws.krs");
        EXPECT_NE(workspace.find("a.krp"), std::string::npos);
        EXPECT_EQ(workspace.find("b.krp"), std::string::npos);
        // The project converted before the stop is whole: a conversion of its own gives the same bytes.
        const std::string converted = tmp.read(dir + "/a.krp");
        EXPECT_EQ(run("single", {"--no-backup", "D:\\" + dir + "\\a.zat", "w"}).exitCode, 0);
        EXPECT_TRUE(tmp.read(dir + "/a.krp") == converted) << dir;
    }
}

TEST_F(CommandLineTest, AStopSignalEndsAWaitForALockThatIsNeverFreed) {
    writeZat("h/a.zat");
    const std::unique_ptr<SharedLock> lock = SharedLock::acquireWrite("D:\\h\\a.zat");
    ASSERT_NE(lock, nullptr);
    CliOptions terminal;
    terminal.errOnTerminal = true;
    bool sent = false;
    terminal.onErr = [&](pid_t child, const std::string& err) {
        if (!sent && err.find("Total complete: 25%") != std::string::npos) sent = kill(child, SIGTERM) == 0;
    };
    // The time-out only ends a run that does not stop; the stop must come first and say so.
    const CliRun result = run("single", {"--lock-timeout", "30", "D:\\h\\a.zat", "w"}, terminal);
    EXPECT_EQ(result.exitCode, 143);
    EXPECT_NE(result.err.find("gave up waiting when the run was asked to stop"), std::string::npos) << result.err;
    EXPECT_FALSE(exists("h/a.krp") || exists("h/w.krs"));
}

TEST_F(CommandLineTest, ALocaleThatCannotBeSetIsNamedOnce) {
    writeZat("p/a.zat");
    CliOptions missing;
    missing.environment = {"LC_ALL", "LC_CTYPE", "LANG=xx_XX.SJIS"};
    const std::string warning =
        "warning: the locale named by the environment cannot be set; the code page is single (choose another "
        "with --code-page)\n";
    const CliRun fallback =
        runCli({"single", "--drive", "D=" + tmp.path().string(), "D:\\p\\a.zat", "w"}, missing);
    EXPECT_EQ(fallback.exitCode, 0);
    EXPECT_EQ(fallback.err.substr(0, warning.size()), warning);
    EXPECT_EQ(fallback.err.find("warning", 1), std::string::npos);
    // A code page chosen on the command line needs no word.
    EXPECT_EQ(run("single", {"D:\\p\\a.zat", "w"}, missing).err.find("warning"), std::string::npos);
}

}  // namespace
}  // namespace z2k

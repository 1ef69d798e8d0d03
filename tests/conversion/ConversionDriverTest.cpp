#include "conversion/ConversionDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "conversion/MiniZat.h"
#include "conversion/RequestForm.h"
#include "platform/CodePage.h"
#include "platform/HostPaths.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;
using test::MiniZat;
using test::RecordingAlerts;
using test::RecordingProgress;
using test::RecordingTextDisplay;
using Lines = std::vector<std::string>;

constexpr const char* kQuarix = "Quarix RISC engine";
constexpr const char* kNerak = "Nerak";

struct WorkspaceProject {
    std::string name, directory, file;
};

// The bytes of a converted workspace file, CR LF line ends.
std::string expectedWorkspace(const std::string& name, const std::string& directory, const std::string& file,
                              const std::string& family, const std::string& toolChain,
                              const std::vector<WorkspaceProject>& projects) {
    std::string text = "[ZATDBVersion]\n2.0\n[DATABASE_VERSION]\n\"1.0\" \n[WORKSPACE_DETAILS]\n";
    text +=
        "\"" + name + "\" \"" + directory + "\" \"" + file + "\" \"" + family + "\" \"" + toolChain + "\" \n";
    text += "[PROJECTS]\n";
    for (const auto& p : projects) text += "\"" + p.name + "\" \"" + p.directory + "\" \"" + p.file + "\" \n";
    text += "[LAST_PROJECT]\n\"" + projects.front().file + "\" \n";
    text +=
        "[INFORMATION]\n\"\" \n[SCRAP]\n[PROJECT_DEPENDENCY]\n[WORKSPACE_PROPERTIES]\n"
        "\"GenerateLogFile\" \"OFF\" \n\"Log File\" \"\" \n[OPEN_DOCUMENTS]\n[HELP_FILES]\n[RECENT_FILES]\n"
        "[VCS]\n\"\" \"\" \"\" 0 \n[VCS_PROJECT]\n[END]\n";
    std::string crlf;
    for (char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return crlf;
}

// A folder that refuses to be replaced by a file: it and its backup name are non-empty folders.
void blockFile(const test::TempFolder& tmp, const std::string& relative) {
    tmp.write(relative + "/keep", "x");
    tmp.write(relative + ".bak/keep", "x");
}

bool contains(const std::vector<std::string>& events, const std::string& event) {
    return std::find(events.begin(), events.end(), event) != events.end();
}

class ConversionDriverTest : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }

    void writeZat(const std::string& relative, const MiniZat& zat = MiniZat{}) {
        const fs::path file = tmp.path() / relative;
        fs::create_directories(file.parent_path());
        std::string system = "D:\\" + relative;
        std::replace(system.begin(), system.end(), '/', '\\');
        ASSERT_EQ(zat.write(system), 0) << relative;
    }

    ConversionSummary runSingle(const std::string& zatPath, const std::string& workspaceName) {
        request = singleRequest(zatPath, workspaceName);
        request.projectProgress = &projectProgress;
        request.results = &results;
        request.alerts = &alerts;
        ConversionDriver driver(request);
        driver.run();
        return driver.summary();
    }

    ConversionSummary runMultiple(const std::string& directory, const std::string& workspaceName,
                                  const std::string& family) {
        request = multipleRequest(directory, workspaceName, family);
        request.projectProgress = &projectProgress;
        request.overallProgress = &overallProgress;
        request.results = &results;
        request.status = &status;
        request.alerts = &alerts;
        ConversionDriver driver(request);
        driver.run();
        return driver.summary();
    }

    bool exists(const std::string& relative) const { return fs::exists(tmp.path() / relative); }

    test::TempFolder tmp{'D'};
    ConversionRequest request;
    RecordingProgress projectProgress;
    RecordingProgress overallProgress;
    RecordingTextDisplay results;
    RecordingTextDisplay status;
    RecordingAlerts alerts;
};

// ---- single mode ------------------------------------------------------------------------------

TEST_F(ConversionDriverTest, SingleConvertsTheProjectAndWritesTheWorkspaceBesideIt) {
    writeZat("p/a.zat");
    const ConversionSummary summary = runSingle("D:\\p\\a.zat", "w");

    EXPECT_EQ(projectProgress.positions, (std::vector<int>{25, 50, 66, 100}));
    ASSERT_FALSE(results.events.empty());
    EXPECT_EQ(results.events.front(), "clear");
    EXPECT_EQ(results.events.back(), "replace:Project converted successfully.");
    EXPECT_TRUE(contains(results.events, "replace:Reading recordset [PROJECT_DETAILS]"));
    EXPECT_TRUE(contains(results.events, "replace:Converting project details..."));
    EXPECT_EQ(results.text(), "Project converted successfully.");
    EXPECT_TRUE(alerts.alerts.empty());

    EXPECT_TRUE(exists("p/a.krp"));
    EXPECT_EQ(tmp.read("p/w.krs"),
              expectedWorkspace("w", "D:\\p", "D:\\p\\w.krs", kQuarix, "Vantrel Quarix Standard",
                                {{"a", "D:\\p", "D:\\p\\a.krp"}}));
    EXPECT_EQ(summary.found, 1);
    EXPECT_EQ(summary.matched, 1);
    EXPECT_EQ(summary.converted, 1);
    EXPECT_EQ(summary.failed, 0);
    EXPECT_TRUE(summary.workspaceWritten);
}

TEST_F(ConversionDriverTest, SingleWorkspaceNameWithItsExtensionGivesTheSameWorkspace) {
    MiniZat nerak;
    nerak.cpuFamily = kNerak;
    writeZat("p/a.zat", nerak);
    runSingle("D:\\p\\a.zat", "w.krs");
    EXPECT_EQ(results.text(), "Project converted successfully.");
    EXPECT_FALSE(exists("p/w.krs.krs"));
    EXPECT_EQ(tmp.read("p/w.krs"),
              expectedWorkspace("w", "D:\\p", "D:\\p\\w.krs", kNerak, "Vantrel Nerak Standard",
                                {{"a", "D:\\p", "D:\\p\\a.krp"}}));
}

TEST_F(ConversionDriverTest, SingleWorkspaceOfAnUnknownFamilyHasNoToolChain) {
    MiniZat other;
    other.cpuFamily = "quarix risc engine";  // the tool-chain choice compares exactly
    writeZat("p/a.zat", other);
    runSingle("D:\\p\\a.zat", "w");
    EXPECT_EQ(tmp.read("p/w.krs"), expectedWorkspace("w", "D:\\p", "D:\\p\\w.krs", "quarix risc engine", "",
                                                     {{"a", "D:\\p", "D:\\p\\a.krp"}}));
}

TEST_F(ConversionDriverTest, SinglePathWithoutAnyDotGetsTheZatExtension) {
    writeZat("p/a.zat");
    runSingle("D:\\p\\a", "w");
    EXPECT_EQ(results.text(), "Project converted successfully.");
    EXPECT_TRUE(exists("p/a.krp"));
    EXPECT_TRUE(exists("p/w.krs"));
}

TEST_F(ConversionDriverTest, SingleWritesOnlyBesideTheProjectWhateverDotsItsFoldersHold) {
    struct Case {
        const char* zat;
        const char* typed;
        const char* workspace;
        Lines written;
    };
    const Case cases[] = {
        {"fw-v1.2/motor.zat", "D:\\fw-v1.2\\motor.zat", "motor", {"fw-v1.2/motor.krp", "fw-v1.2/motor.krs"}},
        {".hidden/x/a.zat", "D:\\.hidden\\x\\a.zat", "w", {".hidden/x/a.krp", ".hidden/x/w.krs"}},
        // Used as typed, without ".zat" added; the database layer opens motor.zat all the same.
        {"dot/proj.v2/motor.zat", "D:\\dot\\proj.v2\\motor", "w.krs", {"dot/proj.v2/motor.krp", "dot/proj.v2/w.krs"}},
    };
    Lines expected;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        writeZat(c.zat);
        runSingle(c.typed, c.workspace);
        EXPECT_EQ(results.text(), "Project converted successfully.");
        expected.push_back(c.zat);
        expected.insert(expected.end(), c.written.begin(), c.written.end());
        std::sort(expected.begin(), expected.end());
        Lines files;
        for (const auto& entry : fs::recursive_directory_iterator(tmp.path()))
            if (entry.is_regular_file()) files.push_back(fs::relative(entry.path(), tmp.path()).string());
        std::sort(files.begin(), files.end());
        EXPECT_EQ(files, expected);
    }
}

TEST_F(ConversionDriverTest, TheWorkspaceNeverReplacesTheProjectThroughAnotherDriveLetter) {
    writeZat("p/w.krs");  // a ZAT project with the workspace's name
    const std::string before = tmp.read("p/w.krs");
    RecordingTextDisplay problems;
    mapDrive('E', tmp.path().string());  // a second name of the folder D: stands for
    request = singleRequest("D:\\p\\w.krs", "w");
    request.workspacePath = "E:\\p\\w";
    request.results = &results;
    request.problems = &problems;
    ConversionDriver(request).run();
    unmapDrive('E');
    EXPECT_EQ(results.text(), "Error creating workspace.");
    EXPECT_EQ(problems.events, (Lines{"append:E:\\p\\w.krs would replace D:\\p\\w.krs, an input of this run"}));
    EXPECT_EQ(tmp.read("p/w.krs"), before);
    EXPECT_FALSE(exists("p/w.krs.bak"));
}

TEST_F(ConversionDriverTest, SingleReadFailure) {
    tmp.write("p/a.zat", "not a project\r\n");
    const ConversionSummary summary = runSingle("D:\\p\\a.zat", "w");
    EXPECT_EQ(projectProgress.positions, (std::vector<int>{25, 0}));
    EXPECT_EQ(results.events.back(), "replace:Error reading ZAT project file.");
    EXPECT_EQ(results.text(), "Error reading ZAT project file.");
    EXPECT_FALSE(exists("p/a.krp"));
    EXPECT_FALSE(exists("p/w.krs"));
    EXPECT_EQ(summary.converted, 0);
    EXPECT_EQ(summary.failed, 1);
    EXPECT_FALSE(summary.workspaceWritten);
}

TEST_F(ConversionDriverTest, SingleTranslationFailure) {
    MiniZat twice;
    twice.duplicateExtension = true;
    writeZat("p/a.zat", twice);
    const ConversionSummary summary = runSingle("D:\\p\\a.zat", "w");
    EXPECT_EQ(projectProgress.positions, (std::vector<int>{25, 50, 0}));
    EXPECT_EQ(results.text(), "Error converting project details.");
    EXPECT_EQ(alerts.alerts.size(), 1u) << "the extension step shows its own box";
    EXPECT_FALSE(exists("p/a.krp"));
    EXPECT_FALSE(exists("p/w.krs"));
    EXPECT_EQ(summary.failed, 1);
}

TEST_F(ConversionDriverTest, SingleWriteFailure) {
    writeZat("p/a.zat");
    blockFile(tmp, "p/a.krp");
    const ConversionSummary summary = runSingle("D:\\p\\a.zat", "w");
    EXPECT_EQ(projectProgress.positions, (std::vector<int>{25, 50, 66, 0}));
    EXPECT_EQ(results.text(), "Error saving to KOR project file.");
    EXPECT_FALSE(exists("p/w.krs"));
    EXPECT_EQ(summary.failed, 1);
    EXPECT_FALSE(summary.workspaceWritten);
}

TEST_F(ConversionDriverTest, SingleWorkspaceFailureKeepsTheProjectFile) {
    writeZat("p/a.zat");
    blockFile(tmp, "p/w.krs");
    const ConversionSummary summary = runSingle("D:\\p\\a.zat", "w");
    EXPECT_EQ(projectProgress.positions, (std::vector<int>{25, 50, 66, 100}));
    EXPECT_EQ(results.text(), "Error creating workspace.");
    EXPECT_TRUE(fs::is_regular_file(tmp.path() / "p/a.krp"));
    EXPECT_EQ(summary.converted, 1);
    EXPECT_EQ(summary.failed, 0);
    EXPECT_FALSE(summary.workspaceWritten);
}

// ---- multiple mode ----------------------------------------------------------------------------

TEST_F(ConversionDriverTest, MultipleConvertsThreeMatchingProjects) {
    writeZat("m/a/one.zat");
    writeZat("m/b/two.zat");
    writeZat("m/three.zat");
    const ConversionSummary summary = runMultiple("D:\\m", "ws", kQuarix);

    EXPECT_EQ(overallProgress.positions, (std::vector<int>{0, 33, 66, 99, 100}));
    EXPECT_EQ(projectProgress.positions,
              (std::vector<int>{25, 50, 66, 100, 25, 50, 66, 100, 25, 50, 66, 100}));
    EXPECT_EQ(results.events,
              (Lines{"clear", "replace:Searching for ZAT projects...",
                     "append:Converting project D:\\m\\a\\one.zat...", "append:Project converted.",
                     "append:Converting project D:\\m\\b\\two.zat...", "append:Project converted.",
                     "append:Converting project D:\\m\\three.zat...", "append:Project converted.",
                     "append:3 project(s) converted successfully."}));
    EXPECT_EQ(
        results.text(),
        "Searching for ZAT projects...\r\nConverting project D:\\m\\a\\one.zat...\r\nProject converted.\r\n"
        "Converting project D:\\m\\b\\two.zat...\r\nProject converted.\r\n"
        "Converting project D:\\m\\three.zat...\r\nProject converted.\r\n3 project(s) converted "
        "successfully.");
    // Progress messages went to the status line, which ends empty.
    ASSERT_FALSE(status.events.empty());
    EXPECT_EQ(status.events.front(), "clear");
    EXPECT_EQ(status.events.back(), "clear");
    EXPECT_TRUE(contains(status.events, "replace:Converting project details..."));
    EXPECT_TRUE(contains(status.events, "replace:Reading recordset [PROJECT_DETAILS]"));
    EXPECT_EQ(status.text(), "");

    EXPECT_EQ(tmp.read("m/ws.krs"),
              expectedWorkspace("ws", "D:\\m", "D:\\m\\ws.krs", kQuarix, "Vantrel Quarix Standard",
                                {{"one", "D:\\m\\a", "D:\\m\\a\\one.krp"},
                                 {"two", "D:\\m\\b", "D:\\m\\b\\two.krp"},
                                 {"three", "D:\\m", "D:\\m\\three.krp"}}));
    EXPECT_TRUE(exists("m/a/one.krp"));
    EXPECT_TRUE(exists("m/b/two.krp"));
    EXPECT_TRUE(exists("m/three.krp"));
    EXPECT_EQ(summary.found, 3);
    EXPECT_EQ(summary.matched, 3);
    EXPECT_EQ(summary.converted, 3);
    EXPECT_EQ(summary.failed, 0);
    EXPECT_TRUE(summary.workspaceWritten);
}

TEST_F(ConversionDriverTest, MultipleComparesTheFamilyExactly) {
    MiniZat lower;
    lower.cpuFamily = "nerak";
    writeZat("m/a.zat", lower);
    MiniZat nerak;
    nerak.cpuFamily = kNerak;
    writeZat("m/b.zat", nerak);
    const ConversionSummary summary = runMultiple("D:\\m\\", "ws", kNerak);
    EXPECT_EQ(results.text(),
              "Searching for ZAT projects...\r\nConverting project D:\\m\\b.zat...\r\nProject converted.\r\n"
              "1 project(s) converted successfully.");
    EXPECT_EQ(overallProgress.positions, (std::vector<int>{0, 50, 100, 100}));
    EXPECT_EQ(summary.found, 2);
    EXPECT_EQ(summary.matched, 1);
    EXPECT_FALSE(exists("m/a.krp"));
    EXPECT_EQ(tmp.read("m/ws.krs"),
              expectedWorkspace("ws", "D:\\m", "D:\\m\\ws.krs", kNerak, "Vantrel Nerak Standard",
                                {{"b", "D:\\m", "D:\\m\\b.krp"}}));
}

TEST_F(ConversionDriverTest, MultipleWithTwoProjectsOfAnotherFamily) {
    writeZat("m/a.zat");
    writeZat("m/b.zat");
    const ConversionSummary summary = runMultiple("D:\\m", "ws", kNerak);
    EXPECT_EQ(overallProgress.positions, (std::vector<int>{0, 50, 100, 100, 0}));
    EXPECT_TRUE(projectProgress.positions.empty());
    EXPECT_EQ(results.events, (Lines{"clear", "replace:Searching for ZAT projects...",
                                     "append:No projects found to convert."}));
    EXPECT_EQ(status.events, (Lines{"clear", "clear"}));
    EXPECT_FALSE(exists("m/ws.krs"));
    EXPECT_FALSE(exists("m/a.krp"));
    EXPECT_EQ(summary.found, 2);
    EXPECT_EQ(summary.matched, 0);
    EXPECT_FALSE(summary.workspaceWritten);
}

TEST_F(ConversionDriverTest, MultipleWithNothingFound) {
    tmp.write("m/readme.txt", "x");
    const ConversionSummary summary = runMultiple("D:\\m", "ws", kQuarix);
    EXPECT_EQ(overallProgress.positions, (std::vector<int>{0}));
    EXPECT_EQ(results.events, (Lines{"clear", "replace:Searching for ZAT projects...",
                                     "append:No projects found to convert."}));
    EXPECT_EQ(status.events, (Lines{"clear", "clear"}));
    EXPECT_EQ(summary.found, 0);
    EXPECT_FALSE(exists("m/ws.krs"));
}

TEST_F(ConversionDriverTest, MultipleGoesOnAfterAProjectFailsToRead) {
    MiniZat broken;
    broken.omitSystemPhases = true;  // its details read, the rest does not
    writeZat("m/a.zat", broken);
    writeZat("m/b.zat");
    const ConversionSummary summary = runMultiple("D:\\m", "ws", kQuarix);
    EXPECT_EQ(
        results.text(),
        "Searching for ZAT projects...\r\nConverting project D:\\m\\a.zat...\r\n"
        "Error reading ZAT project file D:\\m\\a.zat\r\n"
        "Converting project D:\\m\\b.zat...\r\nProject converted.\r\n1 project(s) converted successfully.");
    EXPECT_EQ(projectProgress.positions, (std::vector<int>{25, 0, 25, 50, 66, 100}));
    EXPECT_EQ(overallProgress.positions, (std::vector<int>{0, 50, 100, 100}));
    EXPECT_EQ(tmp.read("m/ws.krs"),
              expectedWorkspace("ws", "D:\\m", "D:\\m\\ws.krs", kQuarix, "Vantrel Quarix Standard",
                                {{"b", "D:\\m", "D:\\m\\b.krp"}}));
    EXPECT_EQ(summary.matched, 2);
    EXPECT_EQ(summary.converted, 1);
    EXPECT_EQ(summary.failed, 1);
    EXPECT_TRUE(summary.workspaceWritten);
}

TEST_F(ConversionDriverTest, MultipleReportsTranslationAndWriteFailuresByPath) {
    MiniZat twice;
    twice.duplicateExtension = true;
    writeZat("m/a.zat", twice);
    writeZat("m/b.zat");
    blockFile(tmp, "m/b.krp");
    writeZat("m/c.zat");
    const ConversionSummary summary = runMultiple("D:\\m", "ws", kQuarix);
    EXPECT_EQ(
        results.text(),
        "Searching for ZAT projects...\r\nConverting project D:\\m\\a.zat...\r\n"
        "Error converting project information for D:\\m\\a.zat\r\n"
        "Converting project D:\\m\\b.zat...\r\nError saving to KOR project file D:\\m\\b.zat\r\n"
        "Converting project D:\\m\\c.zat...\r\nProject converted.\r\n1 project(s) converted successfully.");
    EXPECT_EQ(overallProgress.positions, (std::vector<int>{0, 33, 66, 99, 100}));
    // The project after the failures starts from empty tables: its file equals a lone conversion's.
    const std::string converted = tmp.read("m/c.krp");
    test::TempFolder alone('E');
    fs::create_directories(alone.path() / "m");
    ASSERT_EQ(MiniZat{}.write("E:\\m\\c.zat"), 0);
    ConversionRequest lone = singleRequest("E:\\m\\c.zat", "w");
    ConversionDriver driver(lone);
    driver.run();
    std::string expected = alone.read("m/c.krp");
    ASSERT_FALSE(expected.empty());
    for (std::size_t at; (at = expected.find("E:\\")) != std::string::npos;) expected[at] = 'D';
    EXPECT_EQ(converted, expected);
    EXPECT_EQ(summary.failed, 2);
    EXPECT_EQ(summary.converted, 1);
}

TEST_F(ConversionDriverTest, MultipleWorkspaceFailureIsALineOfItsOwn) {
    writeZat("m/a.zat");
    blockFile(tmp, "m/ws.krs");
    const ConversionSummary summary = runMultiple("D:\\m", "ws", kQuarix);
    EXPECT_EQ(results.events.back(), "append:Error: unable to create workspace file.");
    EXPECT_EQ(results.events[results.events.size() - 2], "append:1 project(s) converted successfully.");
    EXPECT_TRUE(fs::is_regular_file(tmp.path() / "m/a.krp"));
    EXPECT_FALSE(summary.workspaceWritten);
}

TEST_F(ConversionDriverTest, MultipleWithMoreThanAHundredProjectsStepsByZero) {
    writeZat("m/a000.zat");
    MiniZat other;
    other.cpuFamily = kNerak;
    writeZat("m/a001.zat", other);
    for (int i = 2; i <= 100; ++i) {
        // Copies of a project of the other family: found, read, skipped.
        char name[16];
        std::snprintf(name, sizeof name, "m/a%03d.zat", i);
        fs::copy_file(tmp.path() / "m/a001.zat", tmp.path() / name);
    }
    const ConversionSummary summary = runMultiple("D:\\m", "ws", kQuarix);
    EXPECT_EQ(summary.found, 101);
    EXPECT_EQ(summary.converted, 1);
    ASSERT_EQ(overallProgress.positions.size(), 103u);  // reset, 101 steps, set
    EXPECT_TRUE(std::all_of(overallProgress.positions.begin(), overallProgress.positions.end() - 1,
                            [](int p) { return p == 0; }));
    EXPECT_EQ(overallProgress.positions.back(), 100);
}

TEST_F(ConversionDriverTest, MultipleShowsTheSearchErrorAndFindsNothing) {
    const ConversionSummary summary = runMultiple("D:\\gone", "ws", kQuarix);
    ASSERT_EQ(alerts.alerts.size(), 1u);
    EXPECT_EQ(alerts.alerts[0].title, "Error");
    EXPECT_EQ(results.text(), "Searching for ZAT projects...\r\nNo projects found to convert.");
    EXPECT_EQ(summary.found, 0);
}

}  // namespace
}  // namespace z2k

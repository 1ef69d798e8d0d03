#include "conversion/ConversionDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
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
using Positions = std::vector<int>;

class ConversionDriverTest : public ::testing::Test {
  protected:
    void writeZat(const std::string& relative, const MiniZat& zat = MiniZat{}) {
        fs::create_directories((tmp.path() / relative).parent_path());
        std::string system = tmp.onHost("D:\\" + relative);
        std::replace(system.begin(), system.end(), '/', '\\');
        ASSERT_EQ(zat.write(system, tmp.settings()), 0) << relative;
    }
    // A folder that refuses to be replaced by a file: it and its backup name are non-empty folders.
    void block(const std::string& relative) {
        tmp.write(relative + "/keep", "x");
        tmp.write(relative + ".bak/keep", "x");
    }
    ConversionSummary run(ConversionRequest r) {
        request = std::move(r);
        request.projectProgress = &projectProgress;
        request.overallProgress = request.mode == ConversionMode::Multiple ? &overallProgress : nullptr;
        request.results = &results;
        request.problems = &problems;
        request.alerts = &alerts;
        ConversionDriver driver(request);
        driver.run();
        return driver.summary();
    }
    bool exists(const std::string& relative) const { return fs::exists(tmp.path() / relative); }

    test::TempFolder tmp{'D'};
    ConversionRequest request;
    test::RecordingProgress projectProgress, overallProgress;
    test::RecordingTextDisplay results, problems;
    test::RecordingAlerts alerts;
};

// Where the host maps drives, one folder can have two drive letters.
class PosixConversionDriverTest : public ConversionDriverTest {};

// The messages themselves are the command line's to check; here the progress and the boxes.
// Two conversions in one process, each with its own settings: a dry run through D: writes
// nothing, and the real run right after, through E: for the same folder and without backups,
// writes the project and the workspace and keeps no backup.
TEST_F(PosixConversionDriverTest, EachConversionRunsWithItsOwnSettings) {
    writeZat("p/a.zat");
    tmp.write("p/a.krp", "old");
    HostSettings dryRun = tmp.settings();
    dryRun.writeFiles = false;
    ConversionDriver(singleRequest("D:\\p\\a.zat", "w", dryRun)).run();
    EXPECT_EQ(tmp.read("p/a.krp"), "old");
    EXPECT_FALSE(fs::exists(tmp.path() / "p/w.krs"));
    HostSettings real;
    real.drives.map('E', tmp.path().string());
    real.keepBackups = false;
    ConversionDriver(singleRequest("E:\\p\\a.zat", "w", real)).run();
    EXPECT_NE(tmp.read("p/a.krp"), "old");
    EXPECT_TRUE(fs::exists(tmp.path() / "p/w.krs"));
    EXPECT_FALSE(fs::exists(tmp.path() / "p/a.krp.bak"));
}

TEST_F(ConversionDriverTest, SingleProgressStopsAtTheStageThatFailed) {
    enum Fault { None, Unreadable, DuplicateExtension, BlockedProject, BlockedWorkspace };
    const std::pair<Fault, Positions> cases[] = {
        {None, {25, 50, 66, 100}},
        {Unreadable, {25, 0}},
        {DuplicateExtension, {25, 50, 0}},
        {BlockedProject, {25, 50, 66, 0}},
        {BlockedWorkspace, {25, 50, 66, 100}},
    };
    for (const auto& [fault, positions] : cases) {
        fs::remove_all(tmp.path() / "p");
        MiniZat zat;
        zat.duplicateExtension = fault == DuplicateExtension;
        writeZat("p/a.zat", zat);
        if (fault == Unreadable) tmp.write("p/a.zat", "not a project\r\n");
        if (fault == BlockedProject) block("p/a.krp");
        if (fault == BlockedWorkspace) block("p/w.krs");
        projectProgress.positions.clear();
        run(singleRequest(tmp.onHost("D:\\p\\a"), "w.krs", tmp.settings()));
        EXPECT_EQ(projectProgress.positions, positions) << results.text();
        EXPECT_EQ(fault == None, fs::is_regular_file(tmp.path() / "p/w.krs"));
    }
    EXPECT_EQ(alerts.alerts.size(), 1u) << "only the translation shows a box of its own";
}

// The total bar shows the share of the projects looked at, however many there are.
TEST_F(ConversionDriverTest, TheTotalBarMovesForMoreThanAHundredProjects) {
    for (int i = 0; i < 200; ++i) tmp.write("m/" + std::to_string(1000 + i) + ".zat", "x");
    run(multipleRequest(tmp.onHost("D:\\m"), "ws", "Nerak", tmp.settings()));
    ASSERT_EQ(overallProgress.positions.size(), 203u);
    EXPECT_EQ(overallProgress.positions[100], 50);
    EXPECT_EQ(overallProgress.positions[200], 100);
}

TEST_F(ConversionDriverTest, MultipleGoesOnPastEachFailureAndListsOnlyWhatWasConverted) {
    MiniZat broken, twice, lower, nerak;
    broken.omitSystemPhases = true;  // its details read, the rest does not
    twice.duplicateExtension = true;
    lower.cpuFamily = "quarix risc engine";  // families compare exactly
    nerak.cpuFamily = "Nerak";
    writeZat("m/a.zat", broken);
    writeZat("m/b.zat", twice);
    writeZat("m/c.zat");
    block("m/c.krp");
    writeZat("m/d/d.zat");
    writeZat("m/e.zat", lower);
    writeZat("m/f.zat", nerak);
    const ConversionSummary summary =
        run(multipleRequest(tmp.onHost("D:\\m"), "ws", "Quarix RISC engine", tmp.settings()));
    EXPECT_EQ(
        results.text(),
        tmp.onHost(
            "Searching for ZAT projects...\r\n"
            "Converting project D:\\m\\a.zat...\r\nError reading ZAT project file D:\\m\\a.zat\r\n"
            "Converting project D:\\m\\b.zat...\r\nError converting project information for D:\\m\\b.zat\r\n"
            "Converting project D:\\m\\c.zat...\r\nError saving to KOR project file D:\\m\\c.zat\r\n"
            "Converting project D:\\m\\d\\d.zat...\r\nProject converted.\r\n"
            "1 project(s) converted successfully."));
    EXPECT_EQ(overallProgress.positions, (Positions{0, 16, 33, 50, 66, 83, 100, 100}));
    EXPECT_EQ(problems.events.size(), 2u) << "the read and the write failure say why";
    EXPECT_EQ(summary.found, 6);
    EXPECT_EQ(summary.matched, 4);
    EXPECT_EQ(summary.failed, 3);
    // The project after the failures starts from nothing: its file equals a lone conversion's.
    const std::string converted = tmp.read("m/d/d.krp");
    fs::remove(tmp.path() / "m/d/d.krp");
    run(singleRequest(tmp.onHost("D:\\m\\d\\d.zat"), "w", tmp.settings()));
    EXPECT_EQ(tmp.read("m/d/d.krp"), converted);
    EXPECT_NE(
        tmp.read("m/ws.krs")
            .find(tmp.onHost("[PROJECTS]\r\n\"d\" \"D:\\m\\d\" \"D:\\m\\d\\d.krp\" \r\n[LAST_PROJECT]")),
        std::string::npos);
}

TEST_F(PosixConversionDriverTest, TheWorkspaceNeverReplacesTheProjectThroughAnotherDriveLetter) {
    writeZat("p/w.krs");  // a ZAT project with the workspace's name
    const std::string before = tmp.read("p/w.krs");
    tmp.settings().drives.map('E', tmp.path().string());  // a second name of the folder D: stands for
    ConversionRequest r = singleRequest("D:\\p\\w.krs", "w", tmp.settings());
    r.workspacePath = "E:\\p\\w";
    run(r);
    tmp.settings().drives.unmap('E');
    EXPECT_EQ(results.text(), "Error creating workspace.");
    EXPECT_EQ(
        problems.events,
        (std::vector<std::string>{"append:E:\\p\\w.krs would replace D:\\p\\w.krs, an input of this run"}));
    EXPECT_EQ(tmp.read("p/w.krs"), before);
}

}  // namespace
}  // namespace z2k

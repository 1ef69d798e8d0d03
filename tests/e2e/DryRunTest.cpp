// --dry-run over copies of the bundled examples: the same outcome as a real run, and not one
// entry below the folder created, changed or removed.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::runCli;
using Args = std::vector<std::string>;

struct Entry {
    std::string bytes;  // "<dir>" for a folder
    fs::file_time_type modified;
    bool operator==(const Entry&) const = default;
};
using Tree = std::map<std::string, Entry>;

// Every entry below the folder with its bytes and time of last change.
Tree snapshot(const fs::path& folder) {
    Tree tree;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        tree[fs::relative(entry.path(), folder).string()] = {
            entry.is_directory() ? "<dir>" : test::readBytes(entry.path()),
            fs::last_write_time(entry.path())};
    }
    return tree;
}

class DryRunTest : public ::testing::Test {
  protected:
    // A fresh copy of the examples mapped as D:.
    struct Copy {
        Copy() { test::copyExamples(folder.path()); }
        CliRun run(const Args& command) const { return runCli(test::onDriveD(folder.path(), command)); }
        test::TempFolder folder;  // the child maps it as D:
    };

    // Runs the command for real in one copy and as a dry run in another (after the preparation
    // of both), and checks that the dry run ends as the real run and leaves its copy as it was.
    // Returns how many entries the real run added.
    template <typename Prepare>
    std::size_t expectLikeARealRunWithoutWrites(const Args& command, Prepare prepare, const std::string& what,
                                                int exitCode = 0) {
        Copy real;
        Copy dry;
        prepare(real);
        prepare(dry);
        const Tree before = snapshot(dry.folder.path());
        const std::size_t realBefore = snapshot(real.folder.path()).size();
        const CliRun realRun = real.run(command);
        Args dryCommand = command;
        dryCommand.push_back("--dry-run");
        const CliRun dryRun = dry.run(dryCommand);
        EXPECT_EQ(realRun.exitCode, exitCode) << what;
        EXPECT_EQ(dryRun.exitCode, realRun.exitCode) << what;
        EXPECT_EQ(dryRun.out, realRun.out) << what;
        EXPECT_EQ(snapshot(dry.folder.path()), before) << what << ": the dry run changed the folder";
        return snapshot(real.folder.path()).size() - realBefore;
    }
};

const Args kCommands[] = {
    {"single", "D:\\quarix\\motor.zat", "motor"},
    {"single", "D:\\nerak\\sensor.zat", "sensor"},
    {"multiple", "D:\\tree", "tree", "--family", "Quarix RISC engine"},
    {"multiple", "D:\\tree", "nerak", "--family", "Nerak"},
};

TEST_F(DryRunTest, NewFilesAreNotWritten) {
    for (const Args& command : kCommands)
        expectLikeARealRunWithoutWrites(
            command, [](const Copy&) {}, command[1]);
}

TEST_F(DryRunTest, EarlierResultsAreNeitherReplacedNorBackedUp) {
    for (const Args& command : kCommands) {
        // A real conversion first, so the .krp and .krs files exist.
        const std::size_t backups = expectLikeARealRunWithoutWrites(
            command, [&](const Copy& copy) { ASSERT_EQ(copy.run(command).exitCode, 0) << command[1]; },
            command[1]);
        EXPECT_GE(backups, 2u) << command[1] << ": the real run kept backups";
    }
}

TEST_F(DryRunTest, FailuresEndAsInARealRun) {
    // A folder where the .krp goes: the project cannot be saved.
    expectLikeARealRunWithoutWrites(
        {"single", "D:\\quarix\\motor.zat", "motor"},
        [](const Copy& copy) { fs::create_directories(copy.folder.path() / "quarix/motor.krp"); },
        "krp folder", 1);
    // The workspace cannot be written: its name is taken by a folder.
    expectLikeARealRunWithoutWrites(
        {"single", "D:\\quarix\\motor.zat", "motor"},
        [](const Copy& copy) { fs::create_directories(copy.folder.path() / "quarix/motor.krs"); },
        "krs folder", 1);
    // The earlier .krp cannot be kept (a folder takes its backup's name), or it is read-only.
    const Args command = {"single", "D:\\quarix\\motor.zat", "motor"};
    for (const char* left : {"quarix/motor.krp.bak", "quarix/motor.krp"})
        expectLikeARealRunWithoutWrites(
            command,
            [&](const Copy& copy) {
                ASSERT_EQ(copy.run(command).exitCode, 0);
                const fs::path path = copy.folder.path() / left;
                if (path.extension() == ".bak") fs::create_directory(path);
                else fs::permissions(path, fs::perms(0444));
            },
            left, 1);
}

TEST_F(DryRunTest, TheReportSaysItWasADryRun) {
    Copy copy;
    test::TempFolder reports;
    const std::string report = (reports.path() / "r.json").string();
    const CliRun run =
        copy.run({"single", "D:\\quarix\\motor.zat", "motor", "--dry-run", "--report", report});
    EXPECT_EQ(run.exitCode, 0);
    const std::string json = test::readBytes(report);
    EXPECT_NE(json.find("\"dryRun\": true"), std::string::npos) << json;
    EXPECT_NE(json.find("\"option\": \"-ws=2\""), std::string::npos) << json;
    EXPECT_FALSE(fs::exists(copy.folder.path() / "quarix/motor.krp"));
}

}  // namespace
}  // namespace z2k

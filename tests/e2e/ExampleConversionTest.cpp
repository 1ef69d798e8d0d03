// The built zat2kor over copies of the bundled examples, with the copy mapped as drive D:, so
// the files written do not depend on where the repository lies.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;
using test::CliRun;
using test::readBytes;
using test::runCli;
using Files = std::map<std::string, std::string>;  // relative path -> bytes

const fs::path kGolden = fs::path(Z2K_TEST_DATA_DIR) / "golden";

class ExampleConversionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::copyExamples(tmp.path());
        before = snapshot();
        ASSERT_FALSE(before.empty());
    }

    // Every file below the copy, with its bytes.
    Files snapshot() const {
        Files files;
        for (const auto& entry : fs::recursive_directory_iterator(tmp.path())) {
            if (entry.is_regular_file()) {
                files[fs::relative(entry.path(), tmp.path()).string()] = readBytes(entry.path());
            }
        }
        return files;
    }

    CliRun convert(const std::vector<std::string>& args) { return runCli(test::onDriveD(tmp.path(), args)); }

    // The .krp that a single-mode conversion of the same project, in a fresh copy mapped the
    // same way, writes: a project converted after others must not carry anything of them.
    std::string singleConversion(const std::string& zatRelative) {
        test::TempFolder fresh;
        test::copyExamples(fresh.path());
        std::string zat = "D:\\" + zatRelative;
        for (char& c : zat)
            if (c == '/') c = '\\';
        const CliRun run = runCli(test::onDriveD(fresh.path(), {"single", zat, "alone"}));
        EXPECT_EQ(run.exitCode, 0) << zatRelative;
        const std::string krp = zatRelative.substr(0, zatRelative.rfind('.')) + ".krp";
        return fresh.read(krp);
    }

    static std::string golden(const std::string& name) {
        const fs::path file = kGolden / name;
        EXPECT_TRUE(fs::exists(file)) << file;
        return readBytes(file);
    }

    // The run left the sources as they were and added exactly the files named, with the bytes
    // given.
    void expectWritten(const Files& expected) {
        const Files after = snapshot();
        std::set<std::string> added;
        for (const auto& [path, bytes] : after) {
            const auto old = before.find(path);
            if (old == before.end()) {
                added.insert(path);
            } else {
                EXPECT_EQ(bytes, old->second) << path << " changed";
            }
        }
        for (const auto& [path, bytes] : before) EXPECT_TRUE(after.count(path)) << path << " vanished";
        std::set<std::string> expectedPaths;
        for (const auto& [path, bytes] : expected) {
            expectedPaths.insert(path);
            const auto written = after.find(path);
            ASSERT_NE(written, after.end()) << path << " not written";
            EXPECT_FALSE(bytes.empty()) << path;
            EXPECT_EQ(written->second, bytes) << path;
        }
        EXPECT_EQ(added, expectedPaths);
    }

    test::TempFolder tmp;
    Files before;
};

TEST_F(ExampleConversionTest, SingleQuarixProject) {
    const CliRun run = convert({"single", "D:\\quarix\\motor.zat", "motor"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Project converted successfully.\n");
    EXPECT_EQ(run.err,
              "D:\\quarix\\motor.zat: 8 options carried over unconverted, 0 dropped; see --report\n");
    expectWritten({{"quarix/motor.krp", golden("motor.krp")}, {"quarix/motor.krs", golden("motor.krs")}});
}

TEST_F(ExampleConversionTest, SingleNerakProject) {
    const CliRun run = convert({"single", "D:\\nerak\\sensor.zat", "sensor.krs"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Project converted successfully.\n");
    EXPECT_EQ(run.err,
              "D:\\nerak\\sensor.zat: 2 options carried over unconverted, 0 dropped; see --report\n");
    expectWritten({{"nerak/sensor.krp", golden("sensor.krp")}, {"nerak/sensor.krs", golden("sensor.krs")}});
}

TEST_F(ExampleConversionTest, MultipleQuarixProjectsOfATree) {
    const CliRun run = convert({"multiple", "D:\\tree", "tree", "--family", "Quarix RISC engine"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "Searching for ZAT projects...\n"
              "Converting project D:\\tree\\blinker.zat...\nProject converted.\n"
              "Converting project D:\\tree\\drives\\axis.zat...\nProject converted.\n"
              "Converting project D:\\tree\\drives\\legacy\\SPINDLE.ZAT...\nProject converted.\n"
              "3 project(s) converted successfully.\n");
    EXPECT_EQ(run.err,
              "D:\\tree\\blinker.zat: 0 options carried over unconverted, 0 dropped; see --report\n"
              "D:\\tree\\drives\\axis.zat: 0 options carried over unconverted, 0 dropped; see --report\n"
              "D:\\tree\\drives\\legacy\\SPINDLE.ZAT: 0 options carried over unconverted, 0 dropped; "
              "see --report\n");
    expectWritten({{"tree/blinker.krp", singleConversion("tree/blinker.zat")},
                   {"tree/drives/axis.krp", singleConversion("tree/drives/axis.zat")},
                   {"tree/drives/legacy/SPINDLE.krp", singleConversion("tree/drives/legacy/SPINDLE.ZAT")},
                   {"tree/tree.krs", golden("tree.krs")}});
}

TEST_F(ExampleConversionTest, MultipleNerakProjectsOfATree) {
    const CliRun run = convert({"multiple", "D:\\tree", "sensors", "--family", "Nerak"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out,
              "Searching for ZAT projects...\n"
              "Converting project D:\\tree\\sensors\\field\\remote\\logger.zat...\nProject converted.\n"
              "Converting project D:\\tree\\sensors\\probe.zat...\nProject converted.\n"
              "2 project(s) converted successfully.\n");
    expectWritten(
        {{"tree/sensors/field/remote/logger.krp", singleConversion("tree/sensors/field/remote/logger.zat")},
         {"tree/sensors/probe.krp", singleConversion("tree/sensors/probe.zat")},
         {"tree/sensors.krs", golden("sensors.krs")}});
}

TEST_F(ExampleConversionTest, ASecondRunKeepsOneBackupUnlessTold) {
    ASSERT_EQ(convert({"single", "D:\\quarix\\motor.zat", "motor"}).exitCode, 0);
    const std::string krp = tmp.read("quarix/motor.krp");
    const std::string krs = tmp.read("quarix/motor.krs");
    ASSERT_EQ(convert({"single", "D:\\quarix\\motor.zat", "motor"}).exitCode, 0);
    EXPECT_EQ(tmp.read("quarix/motor.krp"), krp) << "the same project gives the same file";
    EXPECT_EQ(tmp.read("quarix/motor.krp.bak"), krp);
    EXPECT_EQ(tmp.read("quarix/motor.krs.bak"), krs);

    fs::remove(tmp.path() / "quarix/motor.krp.bak");
    fs::remove(tmp.path() / "quarix/motor.krs.bak");
    ASSERT_EQ(convert({"single", "--no-backup", "D:\\quarix\\motor.zat", "motor"}).exitCode, 0);
    EXPECT_FALSE(fs::exists(tmp.path() / "quarix/motor.krp.bak"));
    EXPECT_FALSE(fs::exists(tmp.path() / "quarix/motor.krs.bak"));
    EXPECT_EQ(tmp.read("quarix/motor.krs"), krs);
}

}  // namespace
}  // namespace z2k

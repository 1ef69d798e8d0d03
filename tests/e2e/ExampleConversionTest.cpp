// The built zat2kor over copies of the bundled examples, with the copy mapped as drive D:, so
// the files written do not depend on where the repository lies.
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
        Files wanted = before;
        for (const auto& [path, bytes] : expected) {
            EXPECT_FALSE(bytes.empty()) << path;
            wanted[path] = bytes;
        }
        EXPECT_EQ(snapshot(), wanted);
    }

    test::TempFolder tmp;
    Files before;
};

TEST_F(ExampleConversionTest, SingleProjectsOfBothFamilies) {
    // Project, workspace as typed, options carried over.
    const std::vector<std::vector<std::string>> cases = {{"quarix", "motor", "motor", "8"},
                                                         {"nerak", "sensor", "sensor.krs", "2"}};
    for (const auto& c : cases) {
        const std::string zat = "D:\\" + c[0] + "\\" + c[1] + ".zat";
        const CliRun run = convert({"single", zat, c[2]});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out, "Project converted successfully.\n");
        EXPECT_EQ(run.err,
                  zat + ": " + c[3] + " options carried over unconverted, 0 dropped; see --report\n");
        expectWritten({{c[0] + "/" + c[1] + ".krp", golden(c[1] + ".krp")},
                       {c[0] + "/" + c[1] + ".krs", golden(c[1] + ".krs")}});
        before = snapshot();
    }
}

TEST_F(ExampleConversionTest, MultipleProjectsOfATreeAreEachConvertedAsIfAlone) {
    const CliRun quarix = convert({"multiple", "D:\\tree", "tree", "--family", "Quarix RISC engine"});
    EXPECT_EQ(quarix.exitCode, 0);
    EXPECT_EQ(quarix.out,
              "Searching for ZAT projects...\n"
              "Converting project D:\\tree\\blinker.zat...\nProject converted.\n"
              "Converting project D:\\tree\\drives\\axis.zat...\nProject converted.\n"
              "Converting project D:\\tree\\drives\\legacy\\SPINDLE.ZAT...\nProject converted.\n"
              "3 project(s) converted successfully.\n");
    // Clean projects get no count line; the run ends with what it found.
    EXPECT_EQ(quarix.err,
              "Found 5 .zat files: 3 of family Quarix RISC engine, 3 converted, 0 failed, 2 of other families "
              "skipped, 0 could not be read.\n");
    expectWritten({{"tree/blinker.krp", singleConversion("tree/blinker.zat")},
                   {"tree/drives/axis.krp", singleConversion("tree/drives/axis.zat")},
                   {"tree/drives/legacy/SPINDLE.krp", singleConversion("tree/drives/legacy/SPINDLE.ZAT")},
                   {"tree/tree.krs", golden("tree.krs")}});

    before = snapshot();
    const CliRun nerak = convert({"multiple", "D:\\tree", "sensors", "--family", "Nerak"});
    EXPECT_EQ(nerak.out,
              "Searching for ZAT projects...\n"
              "Converting project D:\\tree\\sensors\\field\\remote\\logger.zat...\nProject converted.\n"
              "Converting project D:\\tree\\sensors\\probe.zat...\nProject converted.\n"
              "2 project(s) converted successfully.\n");
    expectWritten(
        {{"tree/sensors/field/remote/logger.krp", singleConversion("tree/sensors/field/remote/logger.zat")},
         {"tree/sensors/probe.krp", singleConversion("tree/sensors/probe.zat")},
         {"tree/sensors.krs", golden("sensors.krs")}});
}

}  // namespace
}  // namespace z2k

// Full translations of the example projects, written as KOR files and compared byte for byte
// with the checked-in golden files. Z2K_REGENERATE_GOLDEN=1 writes the golden files instead (do
// this only on purpose, and review every difference before checking it in).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "kor/KorProjectWriter.h"
#include "platform/CodePage.h"
#include "support/TestSupport.h"
#include "translation/ProjectTranslator.h"
#include "zat/ZatProjectReader.h"

namespace z2k {
namespace {


struct GoldenCase {
    const char* example;  // below examples/
    const char* folder;   // the folder on drive D: that the project names as its directory
    const char* name;     // project file title
};

bool regenerate() {
    const char* value = std::getenv("Z2K_REGENERATE_GOLDEN");
    return value != nullptr && std::string(value) == "1";
}

class GoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTest, TranslationMatchesTheGoldenFile) {
    const GoldenCase& c = GetParam();
    test::TempFolder folder('D');
    const std::filesystem::path source = std::filesystem::path(Z2K_EXAMPLES_DIR) / c.example;
    const std::filesystem::path copy = folder.path() / c.folder / (std::string(c.name) + ".zat");
    std::filesystem::create_directories(copy.parent_path());
    std::filesystem::copy_file(source, copy);

    const std::string base = std::string("D:\\") + c.folder + "\\" + c.name;
    test::RecordingAlerts alerts;
    const ZatReadResult read =
        readZatProject(base + ".zat", test::readOptions(nullptr, &alerts, folder.settings()));
    ASSERT_TRUE(read.project) << read.failure.text();
    Translation translation =
        translateProject(*read.project, base + ".krp", {&alerts, false, folder.settings().codePage});
    ASSERT_TRUE(translation.project);
    ASSERT_TRUE(
        writeKorProject(*translation.project, base + ".krp", {folder.settings(), {}, nullptr, nullptr}).ok());
    EXPECT_TRUE(alerts.alerts.empty());

    const std::string written = test::readBytes(folder.path() / c.folder / (std::string(c.name) + ".krp"));
    ASSERT_FALSE(written.empty());
    const std::filesystem::path golden =
        std::filesystem::path(Z2K_TEST_DATA_DIR) / "golden" / (std::string(c.name) + ".krp");
    if (regenerate()) {
        std::filesystem::create_directories(golden.parent_path());
        std::ofstream out(golden, std::ios::binary | std::ios::trunc);
        out.write(written.data(), static_cast<std::streamsize>(written.size()));
        GTEST_SKIP() << "wrote " << golden;
    }
    const std::string expected = test::readBytes(golden);
    ASSERT_FALSE(expected.empty()) << "missing golden file " << golden;
    const auto at = std::mismatch(written.begin(), written.end(), expected.begin(), expected.end());
    EXPECT_EQ(written, expected) << "the KOR file differs from " << golden << " at byte "
                                 << (at.first - written.begin());
}

INSTANTIATE_TEST_SUITE_P(Examples, GoldenTest,
                         ::testing::Values(GoldenCase{"quarix/motor.zat", "quarix", "motor"},
                                           GoldenCase{"nerak/sensor.zat", "nerak", "sensor"}),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace z2k

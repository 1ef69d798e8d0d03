// The process-wide switch of --dry-run: with file writes off, replaceTextFile touches nothing
// but still reports what a real write would meet.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <string>

#include "platform/CodePage.h"
#include "platform/HostPaths.h"
#include "platform/TextFile.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;

// Every entry below the folder with its bytes (folders as "<dir>").
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = fs::relative(entry.path(), folder).string();
        files[name] = entry.is_directory() ? "<dir>" : test::readBytes(entry.path());
    }
    return files;
}

class FileWritesSwitch : public ::testing::Test {
  protected:
    void SetUp() override {
        setActiveCodePage(CodePage::SingleByte);
        resetDriveMap();
    }
    void TearDown() override {
        setFileWritesEnabled(true);
        setBackupsEnabled(true);
        resetDriveMap();
    }
};

TEST_F(FileWritesSwitch, OffWritesNothingAndStillReportsErrors) {
    test::TempFolder folder('D');
    folder.write("old.krp", "old\r\n");
    folder.write("isdir/keep", "k");
    const auto before = snapshot(folder.path());

    setFileWritesEnabled(false);
    EXPECT_FALSE(fileWritesEnabled());
    struct Case {
        const char* path;
        bool keepBackup;
        int result;
    };
    const Case cases[] = {
        {"D:\\new.krp", true, 0},               // would be created
        {"D:\\old.krp", true, 0},               // would be replaced, with a backup
        {"D:\\old.krp", false, 0},              //
        {"D:\\isdir", true, EISDIR},            // a folder stands there
        {"D:\\nofolder\\w.krs", true, ENOENT},  // no such folder
        {"C:\\w.krs", true, ENOENT},            // an unmapped drive
    };
    for (const Case& c : cases) {
        EXPECT_EQ(replaceTextFile(c.path, "new\n", c.keepBackup), c.result) << c.path;
        EXPECT_EQ(snapshot(folder.path()), before) << c.path;
    }

    setFileWritesEnabled(true);
    ASSERT_EQ(replaceTextFile("D:\\old.krp", "new\n", true), 0);
    EXPECT_EQ(folder.read("old.krp"), "new\r\n");
    EXPECT_EQ(folder.read("old.krp.bak"), "old\r\n");
}

}  // namespace
}  // namespace z2k

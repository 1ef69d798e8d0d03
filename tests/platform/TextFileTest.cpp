#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "platform/CodePage.h"
#include "platform/HostPaths.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;

class TextFile : public ::testing::Test {
  protected:
    void SetUp() override {
        setActiveCodePage(CodePage::SingleByte);
        resetDriveMap();
    }
    void TearDown() override { resetDriveMap(); }
};

struct DecodeCase {
    std::string bytes;
    std::string text;
};

TEST_F(TextFile, ReadingRealFilesInTextMode) {
    const DecodeCase cases[] = {
        {"a\r\nb\r\n", "a\nb\n"},
        {"a\nb", "a\nb"},
        {"a\rb\r", "a\rb\r"},  // a lone CR stays
        {"a\r\r\nb", "a\r\nb"},
        {"ab\x1a"
         "cd\r\n",
         "ab"},  // byte 26 ends the text
        {"\x1a", ""},
        {"x\r\x1a\n", "x\r"},
        {std::string("n\0ul\r\n", 6), std::string("n\0ul\n", 5)},
        {"", ""},
    };
    test::TempFolder folder('D');
    for (const DecodeCase& c : cases) {
        folder.write("t.zat", c.bytes);
        const TextReadResult result = readTextFile("D:\\t.zat");
        ASSERT_TRUE(result.ok);
        EXPECT_EQ(result.text, c.text) << c.bytes;
        EXPECT_EQ(textModeDecode(c.bytes), c.text);
    }
}

TEST_F(TextFile, ReadsLargeFilesAndFilesWithoutASize) {
    test::TempFolder folder('D');
    std::string bytes;
    std::string text;
    for (int i = 0; i < 20000; ++i) {
        const std::string line = "line " + std::to_string(i) + (i % 7 == 0 ? "\r" : "");
        bytes += line + "\r\n";
        text += line + "\n";
    }
    folder.write("big.zat", bytes);
    const TextReadResult big = readTextFile("D:\\big.zat");
    ASSERT_TRUE(big.ok);
    EXPECT_EQ(big.text, text);

    // A file of the proc file system says it has no size: it is read until its end all the same.
    mapDrive('P', "/proc/self");
    const TextReadResult status = readTextFile("P:\\status");
    ASSERT_TRUE(status.ok);
    EXPECT_NE(status.text.find("Name:"), std::string::npos);
}

TEST_F(TextFile, ReadFailures) {
    test::TempFolder folder('D');
    folder.write("dir/x", "");
    EXPECT_EQ(readTextFile("D:\\missing.zat").error, ENOENT);
    EXPECT_EQ(readTextFile("C:\\missing.zat").error, ENOENT);
    const TextReadResult dir = readTextFile("D:\\dir");
    EXPECT_FALSE(dir.ok);
    EXPECT_EQ(dir.error, EISDIR);
}

TEST_F(TextFile, EncodeWritesCrLf) {
    EXPECT_EQ(textModeEncode("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(textModeEncode("\n\n"), "\r\n\r\n");
    EXPECT_EQ(textModeEncode("a\r\n"), "a\r\r\n");
    EXPECT_EQ(textModeEncode(""), "");
}

TEST_F(TextFile, ReplaceKeepsOneGenerationOfBackup) {
    test::TempFolder folder('D');
    ASSERT_EQ(replaceTextFile("D:\\w.krs", "one\n", true), 0);
    EXPECT_EQ(folder.read("w.krs"), "one\r\n");
    EXPECT_FALSE(fs::exists(folder.path() / "w.krs.bak"));  // nothing to keep the first time

    ASSERT_EQ(replaceTextFile("D:\\w.krs", "two\n", true), 0);
    EXPECT_EQ(folder.read("w.krs"), "two\r\n");
    EXPECT_EQ(folder.read("w.krs.bak"), "one\r\n");

    ASSERT_EQ(replaceTextFile("D:\\w.krs", "three\n", true), 0);
    EXPECT_EQ(folder.read("w.krs"), "three\r\n");
    EXPECT_EQ(folder.read("w.krs.bak"), "two\r\n");

    ASSERT_EQ(replaceTextFile("D:\\w.krs", "four\n", false), 0);
    EXPECT_EQ(folder.read("w.krs.bak"), "two\r\n");
    // Nothing but the file and its backup is left in the folder.
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        (void)entry;
        ++count;
    }
    EXPECT_EQ(count, 2);
}

TEST_F(TextFile, ReplaceWorksForTheLongestHostName) {
    test::TempFolder folder('D');
    const std::string name(251, 'n');  // with ".bak" the longest name a folder can hold
    ASSERT_EQ(replaceTextFile("D:\\" + name, "1\n", true), 0);
    ASSERT_EQ(replaceTextFile("D:\\" + name, "2\n", true), 0);
    EXPECT_EQ(folder.read(name), "2\r\n");
    EXPECT_EQ(folder.read(name + ".bak"), "1\r\n");
}

TEST_F(TextFile, FailedReplaceLeavesTheOldFile) {
    test::TempFolder folder('D');
    EXPECT_EQ(replaceTextFile("D:\\nofolder\\w.krs", "x\n", true), ENOENT);
    EXPECT_FALSE(fs::exists(folder.path() / "nofolder"));
    EXPECT_EQ(replaceTextFile("C:\\w.krs", "x\n", true), ENOENT);

    folder.write("isdir/keep", "k");
    EXPECT_NE(replaceTextFile("D:\\isdir", "x\n", true), 0);
    EXPECT_EQ(folder.read("isdir/keep"), "k");

    // A backup that cannot be made (a folder stands in its place) stops the replace.
    folder.write("p.krp", "old\r\n");
    folder.write("p.krp.bak/inside", "");
    EXPECT_NE(replaceTextFile("D:\\p.krp", "new\n", true), 0);
    EXPECT_EQ(folder.read("p.krp"), "old\r\n");
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        (void)entry;
        ++count;
    }
    EXPECT_EQ(count, 3);  // isdir, p.krp, p.krp.bak: no temporary file left behind
    // Without a backup the same replace goes through.
    EXPECT_EQ(replaceTextFile("D:\\p.krp", "new\n", false), 0);
    EXPECT_EQ(folder.read("p.krp"), "new\r\n");
}

}  // namespace
}  // namespace z2k

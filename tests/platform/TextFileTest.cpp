#include "platform/TextFile.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <set>
#include <filesystem>
#include <string>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/HostFile.h"
#include "platform/HostPaths.h"
#include "platform/TemporaryOutput.h"
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
    EXPECT_EQ(errorDescription(replaceTextFile("D:\\p.krp", "new\n", true)),
              "the earlier file cannot be kept as its backup: Is a directory");
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

// Runs the step in a child that is killed with SIGKILL as soon as it writes past 64 KB.
void killedWhileWriting(void (*step)()) {
    const pid_t child = fork();
    if (child == 0) {
        signal(SIGXFSZ, [](int) { raise(SIGKILL); });
        const rlimit limit{65536, 65536};
        setrlimit(RLIMIT_FSIZE, &limit);
        step();
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

TEST_F(TextFile, AKilledWriterLeavesNothingBehind) {
    test::TempFolder folder('D');
    folder.write("w.krs", "old\r\n");
    killedWhileWriting([] { replaceTextFile("D:\\w.krs", std::string(1 << 20, '\n'), true); });
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"w.krs"});
    EXPECT_EQ(folder.read("w.krs"), "old\r\n");

    // Where the file system has no unnamed files, the clearing before a run's first replace in the
    // folder removes the named file of a killed writer, and nothing that may still be written or
    // is not its own.
    static std::string folderPath = folder.path().string();
    killedWhileWriting([] {
        TemporaryOutput output(folderPath);
        if (output.openNamed() == 0) writeAll(output.fd(), std::string(1 << 20, 'x'));
    });
    ASSERT_EQ(namesIn(folder.path()).size(), 2u) << "the killed writer's file stayed";
    const std::set<std::string> kept = {".z2k-1-abcdef", ".z2k-99999999-link01", ".z2k-abcdef", "w.krs"};
    folder.write(".z2k-1-abcdef", "");        // a process that exists
    folder.write(".z2k-abcdef", "");          // not a name of this program
    fs::create_symlink(folder.path() / "w.krs", folder.path() / ".z2k-99999999-link01");
    if (geteuid() == 0) {
        folder.write(".z2k-99999999-nobody", "");  // another user's
        ASSERT_EQ(chown((folder.path() / ".z2k-99999999-nobody").c_str(), 65534, 65534), 0);
    }
    removeStaleTemporaryFilesBeside("D:\\w.krs");
    std::set<std::string> expected = kept;
    if (geteuid() == 0) expected.insert(".z2k-99999999-nobody");
    EXPECT_EQ(namesIn(folder.path()), expected);
}

}  // namespace
}  // namespace z2k

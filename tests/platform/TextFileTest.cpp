#include "platform/TextFile.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <map>
#include <string>
#include <tuple>

#include "platform/FileSystem.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;

// Every entry below the folder with its bytes (folders as "<dir>").
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[entry.path().lexically_relative(folder).string()] =
            entry.is_directory() ? "<dir>" : test::readBytes(entry.path());
    return files;
}

TEST(TextFile, ReadingInTextMode) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"a\r\nb\r\n", "a\nb\n"}, {"a\nb", "a\nb"}, {"a\rb\r", "a\rb\r"}, {"a\r\r\nb", "a\r\nb"},
        {"ab\x1a" "cd\r\n", "ab"}, {"x\r\x1a\n", "x\r"}, {std::string("n\0u\r\n", 5), std::string("n\0u\n", 4)},
    };  // a lone CR stays; byte 26 ends the text
    // clang-format on
    test::TempFolder folder('D');
    for (const auto& [bytes, text] : cases) {
        folder.write("t.zat", bytes);
        EXPECT_EQ(readTextFile("D:\\t.zat", folder.settings()).text, text) << bytes;
    }
    // A file of the proc file system says it has no size: it is read to its end all the same.
    folder.settings().drives.map('P', "/proc/self");
    EXPECT_NE(readTextFile("P:\\status", folder.settings()).text.find("Name:"), std::string::npos);
}

TEST(TextFile, OnlyRegularFilesAreRead) {
    test::TempFolder folder('D');
    folder.write("dir/x", "");
    ASSERT_EQ(::mkfifo((folder.path() / "fifo").c_str(), 0600), 0);
    fs::create_symlink(folder.path() / "fifo", folder.path() / "fifo-link");
    folder.settings().drives.map('V', "/dev");
    // clang-format off
    const std::pair<const char*, int> cases[] = {
        {"D:\\missing.zat", ENOENT}, {"C:\\unmapped.zat", ENOENT}, {"D:\\dir", EISDIR},
        {"D:\\fifo", kErrorNotRegularFile}, {"D:\\fifo-link", kErrorNotRegularFile}, {"V:\\null", kErrorNotRegularFile},
    };
    // clang-format on
    for (const auto& [path, error] : cases) {
        const TextReadResult result = readTextFile(path, folder.settings());
        EXPECT_FALSE(result.ok) << path;
        EXPECT_EQ(result.error, error) << path;
    }
}

// A dry run makes every check a real replace makes and writes nothing; the same folder written
// with other settings right after is replaced as usual.
TEST(TextFile, DryRunChecksEverythingAndWritesNothing) {
    test::TempFolder folder('D');
    folder.write("old.krp", "old\r\n");
    folder.write("isdir/keep", "k");
    folder.write("p.krp", "p\r\n");
    folder.write("p.krp.bak/inside", "");
    const auto before = snapshot(folder.path());
    HostSettings dryRun = folder.settings();
    dryRun.writeFiles = false;
    // clang-format off
    const std::tuple<const char*, bool, int> cases[] = {
        {"D:\\new.krp", true, 0}, {"D:\\old.krp", true, 0}, {"D:\\isdir", true, EISDIR},
        {"D:\\nofolder\\w.krs", true, ENOENT}, {"C:\\w.krs", true, ENOENT},
        {"D:\\p.krp", true, kErrorKeepingBackup | EISDIR}, {"D:\\p.krp", false, 0},
    };
    // clang-format on
    for (const auto& [path, keepBackup, result] : cases) {
        EXPECT_EQ(replaceTextFile(path, "new\n", dryRun, keepBackup), result) << path;
        EXPECT_EQ(snapshot(folder.path()), before) << path;
    }
    for (const auto& [path, keepBackup, result] : cases)
        EXPECT_EQ(replaceTextFile(path, "new\n", folder.settings(), keepBackup), result) << path;
    EXPECT_EQ(folder.read("old.krp.bak"), "old\r\n");
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

TEST(TextFile, AKilledWriterLeavesNothingBehind) {
    static test::TempFolder folder('D');
    folder.write("w.krs", "old\r\n");
    killedWhileWriting(
        [] { replaceTextFile("D:\\w.krs", std::string(1 << 20, '\n'), folder.settings(), true); });
    EXPECT_EQ(snapshot(folder.path()).size(), 1u);
    EXPECT_EQ(folder.read("w.krs"), "old\r\n");
    // The clearing before a run's first replace in a folder removes the named file of a killed
    // writer, and nothing that may still be written or is not its own.
    folder.write(".z2k-99999999-abcdef", "");
    folder.write(".z2k-1-abcdef", "");  // a process that exists
    folder.write(".z2k-abcdef", "");    // not a name of this program
    fs::create_symlink(folder.path() / "w.krs", folder.path() / ".z2k-99999999-link01");
    HostSettings dryRun = folder.settings();
    dryRun.writeFiles = false;
    removeStaleTemporaryFilesBeside("D:\\w.krs", dryRun);
    EXPECT_EQ(snapshot(folder.path()).size(), 5u);  // a dry run removes nothing
    removeStaleTemporaryFilesBeside("D:\\w.krs", folder.settings());
    EXPECT_EQ(snapshot(folder.path()).count(".z2k-99999999-abcdef"), 0u);
    EXPECT_EQ(snapshot(folder.path()).size(), 4u);
}

}  // namespace
}  // namespace z2k

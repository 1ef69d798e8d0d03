#include "conversion/ProjectSearch.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;
using test::RecordingAlerts;
using test::TempFolder;
using Paths = std::vector<std::string>;

class ProjectSearchTest : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }

    Paths find(std::string_view directory, int recurse = 1, std::string_view pattern = "*.zat") {
        Paths list;
        ProjectSearch(&alerts).find(directory, pattern, recurse, list);
        return list;
    }

    TempFolder tmp{'D'};
    RecordingAlerts alerts;
};

// A tree with every kind of entry the search must take or leave.
void makeMixedTree(const TempFolder& tmp) {
    for (const char* file : {"t/a.zat", "t/B.ZAT", "t/c.Zat", "t/a.zat.bak", "t/zat", "t/notes.txt",
                             "t/sub/d.zat", "t/sub/x.txt", "t/sub/deeper/e.zat", "t/.hidden/h.zat",
                             "t/ro/r.zat", "t/plain.zat/inside.zat", "t/zz.zat"}) {
        tmp.write(file, "x");
    }
    fs::create_directory_symlink(tmp.path() / "t/sub", tmp.path() / "t/link");
    fs::create_directory_symlink(tmp.path() / "t/sub", tmp.path() / "t/linked.zat");
    fs::create_directories(tmp.path() / "t/.hid.zat");
    fs::permissions(tmp.path() / "t/ro", fs::perms::owner_write, fs::perm_options::remove);
    fs::create_symlink(tmp.path() / "t/a.zat", tmp.path() / "t/file-link.zat");
    ASSERT_EQ(mkfifo((tmp.path() / "t/fifo.zat").c_str(), 0600), 0);
}

TEST_F(ProjectSearchTest, FindsMatchesInEnumerationOrderAndEntersOnlyPlainFolders) {
    makeMixedTree(tmp);
    // A folder that carries another attribute is not entered; only regular files are listed
    // (also through a link), so neither the hidden folder ".hid.zat", the folder link
    // "linked.zat" nor the FIFO "fifo.zat" is.
    const Paths expected = {"D:\\t\\a.zat",
                            "D:\\t\\B.ZAT",
                            "D:\\t\\c.Zat",
                            "D:\\t\\file-link.zat",
                            "D:\\t\\plain.zat\\inside.zat",
                            "D:\\t\\sub\\d.zat",
                            "D:\\t\\sub\\deeper\\e.zat",
                            "D:\\t\\zz.zat"};
    EXPECT_EQ(find("D:\\t"), expected);
    EXPECT_EQ(find("D:\\t\\"), expected) << "a trailing backslash gets no second one";
    EXPECT_TRUE(alerts.alerts.empty());
}

TEST_F(ProjectSearchTest, WithoutRecursionOnlyTheTopFolderIsSearched) {
    makeMixedTree(tmp);
    EXPECT_EQ(find("D:\\t", 0), (Paths{"D:\\t\\a.zat", "D:\\t\\B.ZAT", "D:\\t\\c.Zat", "D:\\t\\file-link.zat",
                                       "D:\\t\\zz.zat"}));
}

TEST_F(ProjectSearchTest, OnlyThePatternsExtensionCounts) {
    tmp.write("t/a.zat", "x");
    tmp.write("t/b.krp", "x");
    tmp.write("t/c.ZAT", "x");
    EXPECT_EQ(find("D:\\t", 1, "anything.ZaT"), (Paths{"D:\\t\\a.zat", "D:\\t\\c.ZAT"}));
    EXPECT_EQ(find("D:\\t", 1, "*.krp"), (Paths{"D:\\t\\b.krp"}));
}

TEST_F(ProjectSearchTest, MatchesAreAppendedToWhatTheListHeld) {
    tmp.write("t/a.zat", "x");
    Paths list = {"kept"};
    ProjectSearch(&alerts).find("D:\\t", "*.zat", 1, list);
    EXPECT_EQ(list, (Paths{"kept", "D:\\t\\a.zat"}));
}

TEST_F(ProjectSearchTest, SearchesFiftyLevelsAndNoDeeper) {
    // Level k holds the file "kK.zat"; the top folder is level 0.
    std::string relative = "t";
    std::string system = "D:\\t";
    Paths expected;
    for (int level = 0; level <= 55; ++level) {
        const std::string name = std::string("k").append(std::to_string(level)).append(".zat");
        tmp.write(relative + "/" + name, "x");
        if (level < ProjectSearch::kMaxDepth) expected.push_back(system + "\\" + name);
        relative += "/d";
        system += "\\d";
    }
    // Within each folder "d" sorts before "kN.zat", so the deepest match comes first.
    std::reverse(expected.begin(), expected.end());
    EXPECT_EQ(find("D:\\t"), expected);
    EXPECT_EQ(expected.size(), 50u);
    EXPECT_TRUE(alerts.alerts.empty());
}

TEST_F(ProjectSearchTest, AFolderThatCannotBeEnumeratedShowsTheErrorBox) {
    Paths list = {"kept"};
    ProjectSearch(&alerts).find("D:\\gone", "*.zat", 1, list);
    EXPECT_EQ(list, (Paths{"kept"}));
    ASSERT_EQ(alerts.alerts.size(), 1u);
    EXPECT_EQ(alerts.alerts[0].text, "D:\\gone: " + errorDescription(ENOENT));
    EXPECT_EQ(alerts.alerts[0].title, "Error");
    EXPECT_EQ(alerts.alerts[0].icon, AlertIcon::Information);

    alerts.alerts.clear();
    EXPECT_TRUE(find("Q:\\unmapped").empty());
    EXPECT_EQ(alerts.alerts.size(), 1u);
}

// A folder that the user running the search may not read: the box is shown for it and the
// search goes on. Root reads every folder, so the search runs in a child dropped to "nobody".
TEST_F(ProjectSearchTest, AnUnreadableFolderIsReportedAndTheSearchGoesOnAboveIt) {
    const passwd* nobody = getpwnam("nobody");
    if (geteuid() != 0 || nobody == nullptr) GTEST_SKIP() << "needs root and the user nobody";
    tmp.write("t/a.zat", "x");
    tmp.write("t/locked/hidden.zat", "x");
    tmp.write("t/open/b.zat", "x");
    tmp.write("t/z.zat", "x");
    for (const char* folder : {"", "t", "t/open"}) fs::permissions(tmp.path() / folder, fs::perms(0755));
    fs::permissions(tmp.path() / "t/locked", fs::perms(0700));  // owner root: nobody cannot list it

    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(pipeFds[0]);
        if (setgid(nobody->pw_gid) != 0 || setuid(nobody->pw_uid) != 0) _exit(3);
        RecordingAlerts childAlerts;
        Paths list;
        ProjectSearch(&childAlerts).find("D:\\t", "*.zat", 1, list);
        std::string report;
        for (const auto& path : list) report += "path " + path + "\n";
        for (const auto& alert : childAlerts.alerts)
            report += "alert " + alert.title + ": " + alert.text + "\n";
        const ssize_t written = ::write(pipeFds[1], report.data(), report.size());
        _exit(written == static_cast<ssize_t>(report.size()) ? 0 : 4);
    }
    close(pipeFds[1]);
    std::string report;
    char buffer[512];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) report.append(buffer, n);
    close(pipeFds[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(report,
              "path D:\\t\\a.zat\n"
              "path D:\\t\\open\\b.zat\n"
              "path D:\\t\\z.zat\n"
              "alert Error: D:\\t\\locked: " +
                  errorDescription(EACCES) + "\n");
}

}  // namespace
}  // namespace z2k

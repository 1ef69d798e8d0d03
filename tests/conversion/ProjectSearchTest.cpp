#include "conversion/ProjectSearch.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
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
    Paths find(std::string_view directory, SearchDepth recurse = SearchDepth::Subfolders,
               std::string_view pattern = "*.zat") {
        Paths list;
        ProjectSearch(&alerts, tmp.settings()).find(directory, pattern, recurse, list);
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
    EXPECT_EQ(
        find("D:\\t", SearchDepth::FolderOnly, "any.ZaT"),
        (Paths{"D:\\t\\a.zat", "D:\\t\\B.ZAT", "D:\\t\\c.Zat", "D:\\t\\file-link.zat", "D:\\t\\zz.zat"}))
        << "without recursion only the top folder; only the pattern's extension counts";
    EXPECT_TRUE(alerts.alerts.empty());
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
    ProjectSearch(&alerts, tmp.settings()).find("D:\\gone", "*.zat", SearchDepth::Subfolders, list);
    EXPECT_EQ(list, (Paths{"kept"}));
    ASSERT_EQ(alerts.alerts.size(), 1u);
    EXPECT_EQ(alerts.alerts[0].text, "D:\\gone: " + errorDescription(ENOENT));
    EXPECT_EQ(alerts.alerts[0].title, "Error");
    EXPECT_EQ(alerts.alerts[0].icon, AlertIcon::Information);
    EXPECT_TRUE(find("Q:\\unmapped").empty());
    EXPECT_EQ(alerts.alerts.size(), 2u);
}

}  // namespace
}  // namespace z2k

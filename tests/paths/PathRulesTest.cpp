// The path rules, one case a line: the parts of a path and whether it is a valid name, in the
// single-byte code page and in CP932, where "\x95\x5c" is one character whose trail byte is '\'.
#include <gtest/gtest.h>

#include <string>

#include "paths/PathChars.h"
#include "paths/PathParts.h"
#include "paths/PathValidation.h"
#include "platform/HostPaths.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

constexpr CodePage S = CodePage::SingleByte;
constexpr CodePage J = CodePage::Cp932;

struct PartsCase {
    CodePage page;
    const char* path;
    const char* extension;
    const char* name;
    const char* title;
    const char* parent;
    const char* withoutNameExtension;
};

TEST(PathParts, Table) {
    const PartsCase cases[] = {
        {S, "C:\\dir\\motor.zat", "zat", "motor.zat", "motor", "C:\\dir", "C:\\dir\\motor"},
        {S, "C:\\motor.zat", "zat", "motor.zat", "motor", "C:\\", "C:\\motor"},
        {S, "C:\\a.b\\motor", "b\\motor", "motor", "motor", "C:\\a.b", "C:\\a.b\\motor"},
        {S, "C:\\a\\b\\", "", "", "", "C:\\a\\b", "C:\\a\\b\\"},
        {S, "C:\\", "", "", "", "C:\\", "C:\\"},
        {S, "C:motor.zat", "zat", "motor.zat", "motor", "", "C:motor"},
        {S, "\\\\host\\share\\f.zat", "zat", "f.zat", "f", "\\\\host\\share", "\\\\host\\share\\f"},
        {S, "\\\\host\\share", "", "share", "share", "\\\\host\\", "\\\\host\\share"},
        {S, "\\\\a\\b", "", "b", "b", "\\\\a\\", "\\\\a\\b"},
        {S, "\\\\a\\", "", "", "", "", "\\\\a\\"},
        {S, "\\\\\\x", "", "x", "x", "", "\\\\\\x"},
        {S, "a.b.c", "c", "a.b.c", "a.b", "", "a.b"},
        {S, "C:\\\x95\x5c.zat", "zat", ".zat", "", "C:\\\x95", "C:\\\x95\x5c"},
        {J, "C:\\\x95\x5c.zat", "zat", "\x95\x5c.zat", "\x95\x5c", "C:\\", "C:\\\x95\x5c"},
        {J, "C:\\\x95\x5c\\f.\x95\x5c", "\x95\x5c", "f.\x95\x5c", "f", "C:\\\x95\x5c", "C:\\\x95\x5c\\f"},
        {J, "\\\\\x95\x5c\\s", "", "s", "s", "\\\\\x95\x5c\\", "\\\\\x95\x5c\\s"},
    };
    for (const PartsCase& c : cases) {
        EXPECT_EQ(getExtension(c.path, c.page), c.extension) << c.path;
        EXPECT_EQ(getFileName(c.path, c.page), c.name) << c.path;
        EXPECT_EQ(getFileTitle(c.path, c.page), c.title) << c.path;
        EXPECT_EQ(getParentDirectory(c.path, c.page), c.parent) << c.path;
        EXPECT_EQ(removeNameExtension(c.path, c.page), c.withoutNameExtension) << c.path;
    }
}

struct NameCase {
    CodePage page;
    std::string path;
    bool fileName;
    bool directoryName;
};

TEST(PathValidation, FileAndDirectoryNames) {
    const std::string long260 = "C:\\" + std::string(257, 'f');
    std::string wide;  // double-byte characters: 2 bytes each
    for (int i = 0; i < 129; ++i) wide += "\x88\x9f";
    // clang-format off
    const NameCase cases[] = {
        {S, "C:\\", false, true},  // a root is a directory name only
        {S, "C:\\dir", true, true}, {S, "C:\\dir\\", true, false}, {S, "C:\\a b\\c d.zat", true, true},
        {S, "C:", false, false}, {S, "C:a", false, false}, {S, "C:\\a\\..\\b", false, false},
        {S, "C:\\a\\.\\b", false, false}, {S, "C:/a", false, false}, {S, "C:\\a\\\\b", false, false},
        {S, "C:\\a.", false, false}, {S, "C:\\a ", false, false}, {S, "C:\\a?", false, false},
        {S, "C:\\a*", false, false}, {S, "C:\\a<b", false, false}, {S, "C:\\a>b", false, false},
        {S, "C:\\a\"b", false, false}, {S, "C:\\a|b", false, false}, {S, "C:\\a:b", false, false},
        {S, "\\\\host\\share", true, true}, {S, "\\\\host\\share\\f.zat", true, true},
        {S, "\\\\host\\share\\", true, false}, {S, "\\\\host\\", false, true}, {S, "\\\\\\x", false, false},
        {S, "relative\\a.zat", false, false}, {S, "\\a.zat", false, false}, {S, "", false, false},
        {S, long260, true, true}, {S, long260 + "f", false, false},
        {S, "C:\\\x95\x5c", true, false}, {J, "C:\\\x95\x5c", true, true},  // no trailing '\'
        {S, "C:\\\x81\x7c.zat", false, false}, {J, "C:\\\x81\x7c.zat", true, true},  // no '|'
        {J, "C:\\" + wide.substr(0, 256) + "a", true, true},  // 260 bytes
        {J, "C:\\" + wide, false, false},  // 129 characters but 261 bytes
    };
    // clang-format on
    for (const NameCase& c : cases) {
        HostSettings settings;
        settings.codePage = c.page;
        EXPECT_EQ(isValidFileName(c.path, settings), c.fileName) << c.path;
        EXPECT_EQ(isValidDirectoryName(c.path, settings), c.directoryName) << c.path;
    }
}

TEST(PathValidation, ExistenceFollowsTheDriveMapOfTheSettings) {
    test::TempFolder folder('D');
    folder.write("x.zat", "");
    folder.write("sub/y.zat", "");
    folder.write("d.zat/keep", "");
    const HostSettings& d = folder.settings();
    struct Case {
        const char* path;
        bool file;
        bool directory;
    };
    // clang-format off
    const Case cases[] = {
        {"D:\\x.zat", true, false}, {"d:\\sub\\y.zat", true, false}, {"D:\\d.zat", false, true},
        {"D:\\sub\\", false, false}, {"D:\\sub\\..\\x.zat", false, false},
        {"D:\\missing.zat", false, false}, {"C:\\x.zat", false, false}, {"\\\\h\\s\\x.zat", false, false},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(fileExists(folder.onHost(c.path), d), c.file) << c.path;
        EXPECT_EQ(directoryExists(folder.onHost(c.path), d), c.directory) << c.path;
    }
    if (hostMapsDrives()) {  // a drive root keeps its separator
        EXPECT_TRUE(directoryExists("D:\\", d) && !fileExists("D:\\", d));
    }
    EXPECT_FALSE(fileExists("D:\\x.zat", HostSettings{}));  // another map: D: is not there
}

}  // namespace
}  // namespace z2k

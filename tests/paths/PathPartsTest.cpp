#include "paths/PathParts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/Trace.h"

namespace z2k {
namespace {

class PathParts : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }
    void TearDown() override { setTraceSink({}); }
};

struct PartsCase {
    std::string path;
    std::string extension;
    std::string withoutExtension;
    std::string fileName;
    std::string title;
};

TEST_F(PathParts, ExtensionNameAndTitle) {
    const PartsCase cases[] = {
        {"C:\\a\\c.zat", "zat", "C:\\a\\c", "c.zat", "c"},
        {"c.zat.bak", "bak", "c.zat", "c.zat.bak", "c.zat"},
        {"C:\\a.b\\c", "b\\c", "C:\\a", "c", "c"},  // the dot is searched in the whole path
        {"C:name", "", "C:name", "name", "name"},
        {"C:\\dir\\", "", "C:\\dir\\", "", ""},
        {".zat", "zat", "", ".zat", ""},
        {"plain", "", "plain", "plain", "plain"},
        {"", "", "", "", ""},
        {"a:b:c", "", "a:b:c", "b:c", "b:c"},
        {"C:\\x.", "", "C:\\x", "x.", "x"},
    };
    for (const PartsCase& c : cases) {
        EXPECT_EQ(GetExtension(c.path), c.extension) << c.path;
        EXPECT_EQ(RemoveExtension(c.path), c.withoutExtension) << c.path;
        EXPECT_EQ(GetFileName(c.path), c.fileName) << c.path;
        EXPECT_EQ(GetFileTitle(c.path), c.title) << c.path;
    }
}

TEST_F(PathParts, DoubleByteTrailBackslashIsNotASeparator) {
    setActiveCodePage(CodePage::Cp932);
    const std::string name = "C:\\dir\\\x95\x5c.zat";  // "\x95\x5c" ends in the byte of '\'
    EXPECT_EQ(GetFileName(name), "\x95\x5c.zat");
    EXPECT_EQ(GetExtension(name), "zat");
    EXPECT_EQ(GetFileTitle(name), "\x95\x5c");
    EXPECT_EQ(GetExtension("C:\\a.\x95\x5c"), "\x95\x5c");
    EXPECT_EQ(GetParentDirectory("C:\\\x95\x5c\\x"), "C:\\\x95\x5c");
    EXPECT_EQ(GetParentDirectory("C:\\\x95\x5c"), "C:\\");
    EXPECT_EQ(GetParentDirectory("C:\\a\\\x95\x5c"), "C:\\a");
    setActiveCodePage(CodePage::SingleByte);
    EXPECT_EQ(GetFileName(name), ".zat");
    EXPECT_EQ(GetParentDirectory("C:\\a\\\x95\x5c"), "C:\\a\\\x95");
}

TEST_F(PathParts, ParseDrivePath) {
    struct Case {
        std::string path;
        bool ok;
        std::string drive;
        std::string remainder;
    };
    const Case cases[] = {
        {"C:\\dir\\file", true, "C", "dir\\file"},
        {"c:\\", true, "c", "(old)"},  // remainder left as it was
        {"C:\\a", true, "C", "a"},
        {"C:", false, "(old)", "(old)"},
        {"C:a\\b", false, "(old)", "(old)"},
        {"1:\\a", false, "(old)", "(old)"},
        {"\\\\m\\s", false, "(old)", "(old)"},
        {"C;\\a", false, "(old)", "(old)"},
        {"", false, "(old)", "(old)"},
    };
    for (const Case& c : cases) {
        std::string drive = "(old)", remainder = "(old)";
        EXPECT_EQ(ParseDrivePath(c.path, drive, remainder), c.ok) << c.path;
        EXPECT_EQ(drive, c.drive) << c.path;
        EXPECT_EQ(remainder, c.remainder) << c.path;
    }
}

TEST_F(PathParts, ParseMachinePath) {
    struct Case {
        std::string path;
        bool ok;
        std::string machine;
        std::string remainder;
    };
    const Case cases[] = {
        {"\\\\host\\share", true, "host", "share"},
        {"\\\\host\\share\\a\\b", true, "host", "share\\a\\b"},
        {"\\\\host\\", true, "host", ""},
        {"\\\\\\x", false, "", ""},  // empty machine name
        {"\\\\\\xyz", false, "", ""},
        {"\\\\host", false, "", ""},  // no third backslash
        {"\\\\h\\", false, "", ""},   // fewer than five characters
        {"C:\\host\\share", false, "", ""},
        {"\\a\\b\\c", false, "", ""},
    };
    for (const Case& c : cases) {
        std::string machine, remainder;
        EXPECT_EQ(ParseMachinePath(c.path, machine, remainder), c.ok) << c.path;
        EXPECT_EQ(machine, c.machine) << c.path;
        EXPECT_EQ(remainder, c.remainder) << c.path;
    }
}

TEST_F(PathParts, MoveUpDirectory) {
    struct Case {
        std::string path;
        bool ok;
        std::string parent;
    };
    const Case cases[] = {
        {"C:\\a\\b\\c.zat", true, "C:\\a\\b"},
        {"C:\\a\\b\\", true, "C:\\a\\b"},
        {"C:\\x", true, "C:\\"},
        {"C:\\", true, "C:\\"},
        {"C:\\x\\", true, "C:\\x"},
        {"\\\\host\\x", true, "\\\\host\\"},
        {"\\\\host\\share\\a", true, "\\\\host\\share"},
        {"\\\\host\\", true, "\\\\host\\"},
        {"C:", false, "(old)"},
        {"relative\\a", false, "(old)"},
        {"", false, "(old)"},
    };
    for (const Case& c : cases) {
        std::string parent = "(old)";
        EXPECT_EQ(MoveUpDirectory(c.path, parent), c.ok) << c.path;
        EXPECT_EQ(parent, c.parent) << c.path;
        EXPECT_EQ(GetParentDirectory(c.path), c.ok ? c.parent : "") << c.path;
    }
}

TEST_F(PathParts, TraceTexts) {
    std::vector<std::string> lines;
    setTraceSink([&](const std::string& line) { lines.push_back(line); });
    std::string parent;
    MoveUpDirectory("C:\\a\\b", parent);
    MoveUpDirectory("C:\\a", parent);
    MoveUpDirectory("x", parent);
    std::string a, b;
    ParseDrivePath("C:a\\", a, b);
    ParseMachinePath("\\\\\\xy", a, b);
    const std::vector<std::string> expected = {
        "No Machine In Path 2, 'C:\\a\\b'\n",
        "MoveUpDirectory, 'C:\\a\\b',remainder 'a\\b'\n",
        "Moved up directory, 'C:\\a\\b', 'C:\\a'\n",
        "No Machine In Path 1, 'C:\\a'\n",
        "MoveUpDirectory, 'C:\\a',remainder 'a'\n",
        "Moved up to root directory, 'C:\\a', 'C:\\'\n",
        "No Drive In Path 1, 'x'\n",
        "No Machine In Path 1, 'x'\n",
        "Can't move up directory, 'x'\n",
        "No Drive In Path 2, 'C:a\\'\n",
        "No Machine In Path 3, '\\\\\\xy'\n",
    };
    EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace z2k

#include "paths/PathValidation.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "paths/PathChars.h"
#include "paths/PathParts.h"
#include "platform/CodePage.h"
#include "platform/HostPaths.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;

class PathValidation : public ::testing::Test {
  protected:
    void SetUp() override {
        setActiveCodePage(CodePage::SingleByte);
        resetDriveMap();
    }
    void TearDown() override { resetDriveMap(); }
};

struct NameCase {
    std::string path;
    bool fileName;
    bool directoryName;
};

TEST_F(PathValidation, FileAndDirectoryNames) {
    const NameCase cases[] = {
        {"C:\\", false, true},  // a root is a directory name only
        {"C:\\dir", true, true},
        {"C:\\dir\\", true, false},  // the file-name rule does not look at a trailing backslash
        {"C:\\a", true, true},
        {"C:", false, false},
        {"C:a", false, false},
        {"C:\\a\\..\\b", false, false},
        {"C:\\a\\.\\b", false, false},
        {"C:/a", false, false},
        {"C:\\a\\\\b", false, false},
        {"C:\\a.", false, false},
        {"C:\\a ", false, false},
        {"C:\\a b\\c d.zat", true, true},
        {"C:\\a?", false, false},
        {"C:\\a*", false, false},
        {"C:\\a<b", false, false},
        {"C:\\a\"b", false, false},
        {"C:\\a|b", false, false},
        {"C:\\a:b", false, false},  // second colon
        {"\\\\host\\share", true, true},
        {"\\\\host\\share\\f.zat", true, true},
        {"\\\\host\\share\\", true, false},
        {"\\\\host\\", false, true},  // a machine root
        {"\\\\\\x", false, false},
        {"relative\\a.zat", false, false},
        {"\\a.zat", false, false},
        {"", false, false},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(IsValidFileName(c.path), c.fileName) << c.path;
        EXPECT_EQ(IsValidDirectoryName(c.path), c.directoryName) << c.path;
    }
}

TEST_F(PathValidation, FullPathAndPathChars) {
    EXPECT_FALSE(IsFullPath("a\\b"));
    EXPECT_TRUE(IsValidPathChars("C:\\a b"));
    EXPECT_TRUE(IsValidPathChars("a:b"));
    EXPECT_FALSE(IsValidPathChars("a:b:c"));
    EXPECT_FALSE(IsValidPathChars(""));
}

TEST_F(PathValidation, LengthLimits) {
    const std::string file260 = "C:\\" + std::string(257, 'f');
    EXPECT_EQ(file260.size(), 260u);
    EXPECT_TRUE(IsValidFileName(file260));
    EXPECT_FALSE(IsValidFileName(file260 + "f"));
    EXPECT_TRUE(IsValidDirectoryName(file260));
    EXPECT_FALSE(IsValidDirectoryName(file260 + "f"));

    setActiveCodePage(CodePage::Cp932);
    std::string wide;
    for (int i = 0; i < 131; ++i) wide += "\x88\x9f";
    const std::string directory = "C:\\" + wide.substr(0, 2 * 128) + "a";  // 260 bytes
    EXPECT_TRUE(IsValidDirectoryName(directory));
    EXPECT_FALSE(IsValidDirectoryName("C:\\" + wide));  // 131 double-byte characters: 265 bytes
    EXPECT_FALSE(IsValidDirectoryName(std::string("C:\\") + wide.substr(0, 2 * 129)));  // 261 bytes
    // A file name counts characters, but its expansion is held to 260 bytes.
    EXPECT_FALSE(IsValidFileName("C:\\" + wide.substr(0, 2 * 129)));
}

TEST_F(PathValidation, DoubleByteNames) {
    setActiveCodePage(CodePage::Cp932);
    // A trail byte 0x5C at the end is not a trailing backslash, nor a separator.
    EXPECT_TRUE(IsValidDirectoryName("C:\\\x95\x5c"));
    EXPECT_TRUE(IsValidFileName("C:\\\x95\x5c"));
    EXPECT_TRUE(IsValidFileName("C:\\\x95\x5c\\x.zat"));
    // A trail byte that looks like '|' is not forbidden.
    EXPECT_TRUE(IsValidFileName("C:\\\x81\x7c.zat"));
    setActiveCodePage(CodePage::SingleByte);
    EXPECT_FALSE(IsValidDirectoryName("C:\\\x95\x5c"));
    EXPECT_FALSE(IsValidFileName("C:\\\x81\x7c.zat"));
}

TEST_F(PathValidation, ExistenceOnTheHost) {
    test::TempFolder folder('D');
    folder.write("x.zat", "");
    folder.write("sub/y.zat", "");
    fs::create_directory(folder.path() / "d.zat");
    const std::string tmpName = "z2k-exists-" + std::to_string(::getpid()) + ".zat";
    const std::string systemTmp = "Z:\\tmp\\" + tmpName;

    EXPECT_FALSE(FileExists(systemTmp));
    fs::path host = fs::path("/tmp") / tmpName;
    std::ofstream(host).put('x');
    EXPECT_TRUE(FileExists(systemTmp));
    fs::remove(host);
    fs::create_directory(host);
    EXPECT_FALSE(FileExists(systemTmp));
    EXPECT_TRUE(DirectoryExists(systemTmp));
    fs::remove(host);
    EXPECT_FALSE(DirectoryExists(systemTmp));

    EXPECT_TRUE(DirectoryExists("Z:\\"));
    EXPECT_TRUE(DirectoryExists("D:\\"));
    EXPECT_TRUE(DirectoryExists("D:\\sub"));
    EXPECT_FALSE(DirectoryExists("D:\\sub\\"));  // valid only without the trailing backslash
    EXPECT_FALSE(DirectoryExists("D:\\x.zat"));
    EXPECT_TRUE(FileExists("D:\\x.zat"));
    EXPECT_TRUE(FileExists("d:\\sub\\y.zat"));
    EXPECT_FALSE(FileExists("D:\\d.zat"));
    EXPECT_FALSE(FileExists("D:\\sub\\..\\x.zat"));  // not a full path
    EXPECT_FALSE(FileExists("D:\\missing.zat"));

    EXPECT_TRUE(IsValidFileName("C:\\a"));
    EXPECT_FALSE(FileExists("C:\\a"));
    EXPECT_FALSE(FileExists("\\\\host\\share\\x.zat"));
    mapDrive('C', folder.path().string());
    folder.write("a", "");
    EXPECT_TRUE(FileExists("C:\\a"));
}

TEST_F(PathValidation, AnyTextIsHandled) {
    std::mt19937 random(12345);
    std::vector<std::string> texts = {"",
                                      std::string(1, '\x95'),
                                      "C:\\\x95",
                                      "\\\\\x95",
                                      "C:\\a\x81",
                                      std::string(100 * 1024, 'a'),
                                      "C:\\" + std::string(100 * 1024, '\\')};
    for (int i = 0; i < 300; ++i) {
        std::string text(1 + random() % 40, ' ');
        for (char& c : text) c = static_cast<char>(1 + random() % 255);
        if (i % 3 == 0) text = "C:\\" + text;
        if (i % 5 == 0) text += '\x95';
        texts.push_back(text);
    }
    std::string big;
    for (int i = 0; i < 50 * 1024; ++i) big += (i % 7 == 0) ? "\\" : "\x95\x5c";
    texts.push_back("C:\\" + big);
    for (CodePage page : {CodePage::SingleByte, CodePage::Cp932, CodePage::Utf8}) {
        setActiveCodePage(page);
        for (const std::string& t : texts) {
            std::string a, b;
            (void)LastChar(t);
            (void)NthOccurrence(t, '\\', 3);
            (void)LeftUpTo(t, t.size() / 2);
            (void)HasForbiddenChars(t);
            (void)GetExtension(t);
            (void)RemoveExtension(t);
            (void)GetFileTitle(t);
            (void)ParseDrivePath(t, a, b);
            (void)ParseMachinePath(t, a, b);
            (void)GetParentDirectory(t);
            (void)IsValidPathChars(t);
            EXPECT_FALSE(t.size() > 260 && IsValidFileName(t));
            EXPECT_FALSE(t.size() > 260 && IsValidDirectoryName(t));
            (void)FileExists(t);
            (void)DirectoryExists(t);
        }
    }
}

}  // namespace
}  // namespace z2k

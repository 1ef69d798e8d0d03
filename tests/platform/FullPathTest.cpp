#include "platform/FullPath.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/CodePage.h"
#include "platform/HostPaths.h"
#include "platform/TempFile.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

struct ExpandCase {
    std::string path;
    std::optional<std::string> full;
};

class FullPath : public ::testing::Test {
  protected:
    void SetUp() override {
        setActiveCodePage(CodePage::SingleByte);
        resetDriveMap();
    }
    void TearDown() override { resetDriveMap(); }
};

TEST_F(FullPath, AbsolutePaths) {
    const ExpandCase cases[] = {
        {"C:\\a\\b", "C:\\a\\b"},
        {"c:\\a\\b", "c:\\a\\b"},
        {"C:\\", "C:\\"},
        {"C:/a/b", "C:\\a\\b"},
        {"C:\\a\\\\b", "C:\\a\\b"},
        {"C:\\\\a", "C:\\a"},
        {"C:\\a\\.\\b", "C:\\a\\b"},
        {"C:\\a\\.", "C:\\a"},
        {"C:\\a\\.\\", "C:\\a\\"},
        {"C:\\a\\..\\b", "C:\\b"},
        {"C:\\a\\b\\..", "C:\\a"},
        {"C:\\..", "C:\\"},
        {"C:\\..\\..\\x", "C:\\x"},
        {"C:\\a\\", "C:\\a\\"},
        {"C:\\a.", "C:\\a"},
        {"C:\\a.\\b", "C:\\a\\b"},
        {"C:\\a...\\b", "C:\\a...\\b"},  // three dots stay
        {"C:\\...\\b", "C:\\...\\b"},
        {"C:\\a\\b. . ", "C:\\a\\b"},  // the last name loses trailing dots and blanks
        {"C:\\a \\b", "C:\\a \\b"},
        {"C:\\x \\.", "C:\\x"},  // the name that ends the result is trimmed
        {"C:\\a\\b..\\c\\..", "C:\\a\\b"},
        {"C:\\a\\...", "C:\\a\\"},
        {"C:\\a b", "C:\\a b"},
        {"C:\\a:b", "C:\\a:b"},
        {"\\\\host\\share", "\\\\host\\share"},
        {"\\\\host\\share\\", "\\\\host\\share\\"},
        {"\\\\host\\share\\a\\..\\..\\x", "\\\\host\\share\\x"},  // the share stays
        {"\\\\host\\share\\..", "\\\\host\\share"},
        {"//host/share/a", "\\\\host\\share\\a"},
        {"\\\\host", "\\\\host"},
        {"\\\\\\x", std::nullopt},
        {"C:x", "C:\\x"},  // drive-relative on a drive other than the current one
        {"", std::nullopt},
        {std::string("C:\\a\0b", 6), std::nullopt},
    };
    for (const ExpandCase& c : cases) EXPECT_EQ(expandFullPath(c.path), c.full) << c.path;
}

TEST_F(FullPath, LengthLimitCountsBytes) {
    const std::string fits = "C:\\" + std::string(257, 'a');
    EXPECT_EQ(expandFullPath(fits), fits);
    EXPECT_FALSE(expandFullPath(fits + "a"));
    EXPECT_EQ(expandFullPath(fits + "a", 261), fits + "a");
    // Shortened by "..", a long input can still fit.
    EXPECT_EQ(expandFullPath("C:\\" + std::string(300, 'b') + "\\..\\x"), "C:\\x");
}

TEST_F(FullPath, DoubleByteNamesAreNotSplit) {
    // "\x95\x5c" ends in the byte of '\' but is one character in CP932, two in a single-byte page.
    struct Case {
        std::string path;
        std::string cp932;
        std::string singleByte;
    };
    const Case cases[] = {
        {"C:\\\x95\x5c", "C:\\\x95\x5c", "C:\\\x95\\"},
        {"C:\\\x95\x5c\\x", "C:\\\x95\x5c\\x", "C:\\\x95\\x"},
        {"C:\\\x95\x5c..\\y", "C:\\\x95\x5c..\\y", "C:\\y"},
        {"C:\\a\\\x95\x5c\\..\\y", "C:\\a\\y", "C:\\a\\y"},
    };
    for (const Case& c : cases) {
        setActiveCodePage(CodePage::Cp932);
        EXPECT_EQ(expandFullPath(c.path), c.cp932) << c.path;
        setActiveCodePage(CodePage::SingleByte);
        EXPECT_EQ(expandFullPath(c.path), c.singleByte) << c.path;
    }
}

TEST_F(FullPath, RelativePathsTakeTheCurrentDirectory) {
    test::TempFolder folder;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    const std::string current = currentSystemDirectory();
    const std::optional<std::string> expected = hostToSystemPath(folder.path().string());
    std::filesystem::current_path(before);
    ASSERT_TRUE(expected);
    EXPECT_EQ(current, *expected);
    EXPECT_EQ(current.substr(0, 3), "Z:\\");

    std::filesystem::current_path(folder.path());
    const std::optional<std::string> relative = expandFullPath("a\\b.zat");
    const std::optional<std::string> up = expandFullPath("..\\x");
    const std::optional<std::string> rooted = expandFullPath("\\etc\\x");
    const std::optional<std::string> driveRelative = expandFullPath("Z:a");
    std::filesystem::current_path(before);
    EXPECT_EQ(relative, current + "\\a\\b.zat");
    EXPECT_EQ(up, current.substr(0, current.rfind('\\')) + "\\x");
    EXPECT_EQ(rooted, "Z:\\etc\\x");
    EXPECT_EQ(driveRelative, current + "\\a");
}

TEST(TempFile, NamesAreUniqueEmptyFilesInTheTemporaryFolder) {
    setActiveCodePage(CodePage::SingleByte);
    resetDriveMap();
    const std::string folder = temporaryFolder();
    ASSERT_EQ(folder.substr(0, 3), "Z:\\");
    EXPECT_NE(folder.back(), '\\');
    const std::string first = temporaryFileName("tmpdb");
    const std::string second = temporaryFileName("tmpdb");
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first, second);
    EXPECT_EQ(first.substr(0, folder.size() + 4), folder + "\\tmp");
    EXPECT_EQ(first.substr(first.size() - 4), ".tmp");
    for (const std::string& name : {first, second}) {
        const std::optional<std::string> host = systemToHostPath(name);
        ASSERT_TRUE(host);
        EXPECT_TRUE(std::filesystem::is_regular_file(*host));
        EXPECT_EQ(std::filesystem::file_size(*host), 0u);
        std::filesystem::remove(*host);
    }
}

}  // namespace
}  // namespace z2k

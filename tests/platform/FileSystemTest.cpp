#include "platform/FileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "platform/CodePage.h"
#include "platform/HostPaths.h"
#include "support/TestSupport.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;
using Listing = std::vector<std::pair<std::string, std::uint32_t>>;

Listing entriesOf(const DirectoryListing& listing) {
    Listing out;
    for (const DirectoryEntry& e : listing.entries) out.emplace_back(e.name, e.attributes);
    return out;
}

class FileSystem : public ::testing::Test {
  protected:
    void SetUp() override {
        setActiveCodePage(CodePage::SingleByte);
        resetDriveMap();
    }
    void TearDown() override { resetDriveMap(); }
};

// A tree with every kind of entry the project search must tell apart.
void makeTree(const test::TempFolder& folder) {
    const fs::path& root = folder.path();
    folder.write("beta", "b");
    folder.write("Alpha", "A");
    folder.write("alpha", "a");
    folder.write("_under", "");
    folder.write("Zed.txt", "z");
    folder.write("sub/inner.zat", "");
    fs::create_directory(root / ".hidden");
    fs::create_directory(root / "ro");
    fs::create_directory_symlink(root / "sub", root / "link");
    fs::create_symlink(root / "nowhere", root / "dangling");
    ::chmod((root / "ro").c_str(), 0555);
    ::chmod((root / "Zed.txt").c_str(), 0444);
}

TEST_F(FileSystem, EnumerationIsSortedWithAttributeWords) {
    test::TempFolder folder('D');
    makeTree(folder);
    mapDrive('E', (folder.path() / "sub").string());
    const DirectoryListing listing = enumerateDirectory("D:\\*.*");
    ASSERT_TRUE(listing.ok) << listing.error;
    // Names compare with letters folded to lower case, so '_' comes before every letter;
    // "Alpha" and "alpha" tie and then go by bytes. A drive root has no "." and "..".
    const Listing expected = {
        {".hidden", kAttributeDirectory | kAttributeHidden},
        {"_under", 0},
        {"Alpha", 0},
        {"alpha", 0},
        {"beta", 0},
        {"dangling", kAttributeReparsePoint},
        {"link", kAttributeDirectory | kAttributeReparsePoint},
        {"ro", kAttributeDirectory | kAttributeReadOnly},
        {"sub", kAttributeDirectory},
        {"Zed.txt", kAttributeReadOnly},
    };
    EXPECT_EQ(entriesOf(listing), expected);
}

TEST_F(FileSystem, FoldersBelowTheRootListDotEntries) {
    test::TempFolder folder('D');
    makeTree(folder);
    const DirectoryListing listing = enumerateDirectory("D:\\sub\\*.*");
    ASSERT_TRUE(listing.ok);
    const Listing expected = {{".", kAttributeDirectory}, {"..", kAttributeDirectory}, {"inner.zat", 0}};
    EXPECT_EQ(entriesOf(listing), expected);
    // Through the link the same folder is seen.
    EXPECT_EQ(entriesOf(enumerateDirectory("D:\\link\\*.*")), expected);
}

TEST_F(FileSystem, PatternsMatchNamesIgnoringCase) {
    test::TempFolder folder('D');
    folder.write("a.zat", "");
    folder.write("B.ZAT", "");
    folder.write("c.zat.bak", "");
    folder.write("zat", "");
    folder.write("back\\slash.zat", "");  // no system path can name it
    const DirectoryListing listing = enumerateDirectory("D:\\*.Zat");
    ASSERT_TRUE(listing.ok);
    ASSERT_EQ(listing.entries.size(), 2u);
    EXPECT_EQ(listing.entries[0].name, "a.zat");
    EXPECT_EQ(listing.entries[1].name, "B.ZAT");
    EXPECT_EQ(enumerateDirectory("D:\\?.zat").entries.size(), 2u);
}

TEST_F(FileSystem, EnumerationThatCannotStart) {
    test::TempFolder folder('D');
    const DirectoryListing empty = enumerateDirectory("D:\\*.*");  // a root with no entries
    EXPECT_FALSE(empty.ok);
    EXPECT_EQ(empty.error, ENOENT);
    const DirectoryListing missing = enumerateDirectory("D:\\missing\\*.*");
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.error, ENOENT);
    folder.write("file", "x");
    const DirectoryListing notFolder = enumerateDirectory("D:\\file\\*.*");
    EXPECT_FALSE(notFolder.ok);
    EXPECT_EQ(notFolder.error, ENOTDIR);
    EXPECT_FALSE(enumerateDirectory("C:\\*.*").ok);
    EXPECT_FALSE(enumerateDirectory("\\\\host\\share\\*.*").ok);
    EXPECT_FALSE(enumerateDirectory("*.*").ok);
    EXPECT_EQ(errorDescription(ENOENT), std::strerror(ENOENT));
}

TEST_F(FileSystem, AttributesOfPaths) {
    test::TempFolder folder('D');
    makeTree(folder);
    struct Case {
        const char* path;
        bool ok;
        std::uint32_t attributes;
    };
    const Case cases[] = {
        {"D:\\", true, kAttributeDirectory},
        {"D:\\beta", true, 0},
        {"D:\\Zed.txt", true, kAttributeReadOnly},
        {"D:\\.hidden", true, kAttributeDirectory | kAttributeHidden},
        {"D:\\.hidden\\", true, kAttributeDirectory | kAttributeHidden},
        {"D:\\ro", true, kAttributeDirectory | kAttributeReadOnly},
        {"D:\\link", true, kAttributeDirectory | kAttributeReparsePoint},
        {"D:\\dangling", true, kAttributeReparsePoint},
        {"D:\\sub\\inner.zat", true, 0},
        {"D:\\link\\inner.zat", true, 0},
        {"D:\\missing", false, 0},
        {"C:\\beta", false, 0},
        {"\\\\host\\share\\beta", false, 0},
    };
    for (const Case& c : cases) {
        const AttributeResult result = getFileAttributes(c.path);
        EXPECT_EQ(result.ok, c.ok) << c.path;
        if (c.ok) {
            EXPECT_EQ(result.attributes, c.attributes) << c.path;
        } else {
            EXPECT_EQ(result.error, ENOENT) << c.path;
        }
    }
    EXPECT_EQ(getFileAttributes("Z:\\").attributes & kAttributeDirectory, kAttributeDirectory);
}

TEST_F(FileSystem, StatusAndRemove) {
    test::TempFolder folder('D');
    folder.write("f.krp", "12345");
    const FileStatus status = fileStatus("D:\\f.krp");
    EXPECT_TRUE(status.exists);
    EXPECT_EQ(status.size, 5u);
    EXPECT_GT(status.modifiedNanoseconds, 0);
    EXPECT_FALSE(fileStatus("D:\\g.krp").exists);
    EXPECT_FALSE(fileStatus("C:\\f.krp").exists);
    folder.write("dir/x", "");
    EXPECT_FALSE(removeFile("D:\\dir"));
    EXPECT_TRUE(removeFile("D:\\f.krp"));
    EXPECT_FALSE(fs::exists(folder.path() / "f.krp"));
    EXPECT_FALSE(removeFile("D:\\f.krp"));
}

TEST_F(FileSystem, Cp932NamesAreListedInTheCodePage) {
    if (codePageForCodeSet(localeCodeSet()) != CodePage::Utf8) GTEST_SKIP() << "needs a UTF-8 locale";
    test::TempFolder folder('D');
    folder.write("\xe8\xa1\xa8.zat", "");  // U+8868, "\x95\x5c" in CP932
    folder.write("caf\xc3\xa9", "");       // no CP932 form: not listed
    setActiveCodePage(CodePage::Cp932);
    const DirectoryListing listing = enumerateDirectory("D:\\*.*");
    ASSERT_TRUE(listing.ok);
    ASSERT_EQ(listing.entries.size(), 1u);
    EXPECT_EQ(listing.entries[0].name, "\x95\x5c.zat");
    EXPECT_TRUE(getFileAttributes("D:\\\x95\x5c.zat").ok);
}

}  // namespace
}  // namespace z2k

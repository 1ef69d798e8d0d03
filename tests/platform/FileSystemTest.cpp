#include "platform/FileSystem.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

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

constexpr std::uint32_t kDir = kAttributeDirectory;

// A tree with every kind of entry the project search must tell apart.
void makeTree(const test::TempFolder& folder) {
    const fs::path& root = folder.path();
    for (const char* name : {"beta", "Alpha", "alpha", "_under", "Zed.txt", "sub/inner.zat"})
        folder.write(name, "x");
    fs::create_directory(root / ".hidden");
    fs::create_directory(root / "ro");
    fs::create_directory_symlink(root / "sub", root / "link");
    fs::create_symlink(root / "nowhere", root / "dangling");
    ::chmod((root / "ro").c_str(), 0555);
    ::chmod((root / "Zed.txt").c_str(), 0444);
}

TEST(FileSystem, EnumerationIsSortedWithAttributeWords) {
    test::TempFolder folder('D');
    makeTree(folder);
    // Names compare with letters folded to lower case, so '_' comes before every letter; "Alpha"
    // and "alpha" tie and then go by bytes. A drive root has no "." and "..".
    // clang-format off
    const Listing root = {{".hidden", kDir | kAttributeHidden}, {"_under", 0}, {"Alpha", 0}, {"alpha", 0}, {"beta", 0},
                          {"dangling", kAttributeReparsePoint}, {"link", kDir | kAttributeReparsePoint},
                          {"ro", kDir | kAttributeReadOnly}, {"sub", kDir}, {"Zed.txt", kAttributeReadOnly}};
    // clang-format on
    EXPECT_EQ(entriesOf(enumerateDirectory("D:\\*.*", folder.settings())), root);
    const Listing sub = {{".", kDir}, {"..", kDir}, {"inner.zat", 0}};
    EXPECT_EQ(entriesOf(enumerateDirectory("D:\\sub\\*.*", folder.settings())), sub);
    EXPECT_EQ(entriesOf(enumerateDirectory("D:\\link\\*.*", folder.settings())), sub);
    const Listing zats = {{"inner.zat", 0}};
    EXPECT_EQ(entriesOf(enumerateDirectory("D:\\sub\\*.ZAT", folder.settings())), zats);
    EXPECT_EQ(entriesOf(enumerateDirectory("D:\\sub\\?nner.zat", folder.settings())), zats);
}

TEST(FileSystem, NamesWithoutASystemFormAreSetApart) {
    test::TempFolder folder('D');
    folder.write("back\\slash.zat", "");
    folder.write("\xe8\xa1\xa8.zat", "");  // U+8868, "\x95\x5c" in CP932
    folder.write("caf\xc3\xa9.zat", "");   // no CP932 form
    folder.settings().codePage = CodePage::Cp932;
    folder.settings().hostCodeSet = "UTF-8";
    const DirectoryListing listing = enumerateDirectory("D:\\*.zat", folder.settings());
    EXPECT_EQ(entriesOf(listing), (Listing{{"\x95\x5c.zat", 0}}));
    ASSERT_EQ(listing.unnamed.size(), 2u);
    EXPECT_EQ(listing.unnamed[0].nameProblem, NameProblem::HoldsBackslash);
    EXPECT_EQ(listing.unnamed[1].nameProblem, NameProblem::NotInCodePage);
    EXPECT_TRUE(getFileAttributes("D:\\\x95\x5c.zat", folder.settings()).ok);
}

TEST(FileSystem, AttributesAndFailures) {
    test::TempFolder folder('D');
    makeTree(folder);
    folder.write("e/file", "x");
    const HostSettings& d = folder.settings();
    // clang-format off
    const std::tuple<const char*, int, std::uint32_t> cases[] = {
        {"D:\\", 0, kDir}, {"D:\\beta", 0, 0}, {"D:\\Zed.txt", 0, kAttributeReadOnly},
        {"D:\\.hidden\\", 0, kDir | kAttributeHidden}, {"D:\\ro", 0, kDir | kAttributeReadOnly},
        {"D:\\link", 0, kDir | kAttributeReparsePoint}, {"D:\\dangling", 0, kAttributeReparsePoint},
        {"D:\\link\\inner.zat", 0, 0}, {"D:\\missing", ENOENT, 0}, {"C:\\beta", ENOENT, 0},
        {"\\\\host\\share\\beta", ENOENT, 0},
    };
    // clang-format on
    for (const auto& [path, error, attributes] : cases) {
        const AttributeResult result = getFileAttributes(path, d);
        EXPECT_EQ(result.ok ? 0 : result.error, error) << path;
        EXPECT_EQ(result.attributes, attributes) << path;
    }
    EXPECT_EQ(enumerateDirectory("D:\\e\\file\\*.*", d).error, ENOTDIR);
    for (const char* pattern : {"D:\\missing\\*.*", "D:\\e\\*.none", "C:\\*.*", "*.*"})
        EXPECT_EQ(enumerateDirectory(pattern, d).error, ENOENT) << pattern;
    EXPECT_EQ(fileIdentity("D:\\link\\inner.zat", d), fileIdentity("D:\\sub\\inner.zat", d));
}

}  // namespace
}  // namespace z2k

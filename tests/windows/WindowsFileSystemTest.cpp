// The Windows host's files: what is read, how a file is replaced, how a folder is listed.
#include <gtest/gtest.h>
#include <windows.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/TextFile.h"

namespace z2k {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the temporary folder, as a system path without its last separator.
class Folder {
  public:
    Folder() {
        path_ = fs::temp_directory_path() / ("z2k-win-" + std::to_string(std::random_device{}()));
        fs::create_directories(path_);
        system_ = path_.string();
    }
    ~Folder() {
        for (const auto& entry : fs::recursive_directory_iterator(path_))
            ::SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::string file(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
        return at(name);
    }
    std::string at(const std::string& name) const { return system_ + "\\" + name; }
    const std::string& system() const { return system_; }

  private:
    fs::path path_;
    std::string system_;
};

TEST(WindowsFileSystem, DevicesAndFoldersAreNotReadAndAFileOpenForWritingIs) {
    Folder folder;
    const std::string zat = folder.file("open.zat", "a\r\nb\x1a rest");
    // Another program has the file open for writing, sharing it for reading and writing.
    const HANDLE other = ::CreateFileA(zat.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    struct Case {
        std::string path;
        std::string text;  // or the error
    };
    const HostSettings settings;
    for (const Case& c : std::vector<Case>{{zat, "a\nb"},
                                           {"C:\\NUL", "Not a regular file"},
                                           {folder.system(), errorDescription(EISDIR)},
                                           {folder.at("missing.zat"), errorDescription(ENOENT)},
                                           {"relative.zat", errorDescription(ENOENT)}}) {
        const TextReadResult read = readTextFile(c.path, settings);
        EXPECT_EQ(read.ok ? read.text : errorDescription(read.error), c.text) << c.path;
    }
    ::CloseHandle(other);
}

TEST(WindowsFileSystem, AReplaceKeepsTheBackupAndNeverTouchesAReadOnlyFile) {
    Folder folder;
    const std::string krp = folder.file("p.krp", "old");
    const HostSettings settings;
    ASSERT_EQ(replaceTextFile(krp, "new\nline", settings, true), 0);
    EXPECT_EQ(readTextFile(krp, settings).text, "new\nline");
    EXPECT_EQ(fileStatus(krp, settings).size, 9u) << "CR LF on disk";
    EXPECT_EQ(readTextFile(krp + ".bak", settings).text, "old");
    ::SetFileAttributesA(krp.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(replaceTextFile(krp, "newer", settings, true), EACCES);
    EXPECT_EQ(readTextFile(krp, settings).text, "new\nline");
    EXPECT_EQ(getFileAttributes(krp, settings).attributes, static_cast<std::uint32_t>(kAttributeReadOnly));
}

TEST(WindowsFileSystem, AFolderIsListedInTheOrderOfEveryHost) {
    Folder folder;
    for (const char* name : {"b", "A_", "a", "_z", "Z"}) folder.file(name, "x");
    fs::create_directory(fs::path(folder.system()) / "sub");
    const DirectoryListing listing = enumerateDirectory(folder.at("*.*"), HostSettings());
    ASSERT_TRUE(listing.ok);
    std::vector<std::string> names;
    for (const DirectoryEntry& entry : listing.entries)
        names.push_back(entry.name + (entry.attributes == kAttributeDirectory ? "\\" : ""));
    EXPECT_EQ(names, (std::vector<std::string>{".\\", "..\\", "_z", "a", "A_", "b", "sub\\", "Z"}));
    EXPECT_EQ(enumerateDirectory(folder.at("a*"), HostSettings()).entries.size(), 2u);
}

}  // namespace
}  // namespace z2k

#pragma once
// The files one conversion reads and the files it has written so far, so that no file it writes
// replaces one of its own inputs or an earlier output of the same run.
//
// Two paths name the same file when their texts agree in any letter case, when they lead to the
// same host file (device and inode, so links, hard links and two drive letters of one folder are
// caught), or, for a file that does not exist yet, when their folders are the same host folder and
// their names agree in any letter case. A file that replacing a target would move aside (its
// ".bak", when backups are kept) counts as written too.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/FileSystem.h"

namespace z2k {

class RunFiles {
  public:
    // Files are found through the settings, which must outlive this object.
    explicit RunFiles(const HostSettings& settings) : settings_(settings) {}

    // A file the run reads.
    void addInput(const std::string& path);
    // A KOR project the run wrote, converted from the ZAT project zatPath.
    void addProject(const std::string& krpPath, const std::string& zatPath);
    // Empty when target may be written; otherwise the line that names the target and the file of
    // this run it would replace.
    std::string conflict(const std::string& target) const;

  private:
    struct Keys {
        std::string text;                    // the path, ASCII letters folded
        std::optional<FileIdentity> file;    // the host file, when it exists
        std::optional<FileIdentity> folder;  // the host folder
        std::string name;                    // the file name, ASCII letters folded
    };
    using FolderKey = std::tuple<std::uint64_t, std::uint64_t, std::string>;

    Keys keysOf(const std::string& path) const;
    void add(const std::string& path, std::string description);
    // The description of the known file the keys name, or nothing.
    const std::string* find(const Keys& keys) const;

    const HostSettings& settings_;
    std::vector<std::string> descriptions_;
    std::map<std::string, std::size_t> byText_;
    std::map<FileIdentity, std::size_t> byFile_;
    std::map<FolderKey, std::size_t> byFolderName_;
};

}  // namespace z2k

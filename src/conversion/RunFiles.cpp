#include "conversion/RunFiles.h"

#include "paths/PathParts.h"
#include "platform/CodePage.h"
#include "platform/TextFile.h"

namespace z2k {

RunFiles::Keys RunFiles::keysOf(const std::string& path) const {
    const CodePage page = settings_.codePage;
    Keys keys;
    keys.text = toLowerText(path, page);
    keys.file = fileIdentity(path, settings_);
    keys.folder = fileIdentity(getParentDirectory(path, page), settings_);
    keys.name = toLowerText(getFileName(path, page), page);
    return keys;
}

void RunFiles::add(const std::string& path, std::string description) {
    const Keys keys = keysOf(path);
    const std::size_t index = descriptions_.size();
    descriptions_.push_back(std::move(description));
    // The first file under a key keeps it: the message names the earliest one.
    byText_.emplace(keys.text, index);
    if (keys.file) byFile_.emplace(*keys.file, index);
    if (keys.folder)
        byFolderName_.emplace(FolderKey{keys.folder->device, keys.folder->inode, keys.name}, index);
}

void RunFiles::addInput(const std::string& path) {
    add(path, path + ", an input of this run");
}

void RunFiles::addProject(const std::string& krpPath, const std::string& zatPath) {
    add(krpPath, "the KOR project of " + zatPath + ", converted earlier in this run");
}

const std::string* RunFiles::find(const Keys& keys) const {
    if (auto it = byText_.find(keys.text); it != byText_.end()) return &descriptions_[it->second];
    if (keys.file) {
        if (auto it = byFile_.find(*keys.file); it != byFile_.end()) return &descriptions_[it->second];
    }
    if (keys.folder) {
        auto it = byFolderName_.find(FolderKey{keys.folder->device, keys.folder->inode, keys.name});
        if (it != byFolderName_.end()) return &descriptions_[it->second];
    }
    return nullptr;
}

std::string RunFiles::conflict(const std::string& target) const {
    const Keys keys = keysOf(target);
    if (const std::string* known = find(keys)) return target + " would replace " + *known;
    // Replacing an existing file first moves it to its backup name, over whatever lies there.
    // Asked also in a dry run, which reports what a real run would do.
    if (settings_.keepBackups && keys.file) {
        const std::string backup = target + ".bak";
        if (const std::string* known = find(keysOf(backup))) return backup + " would replace " + *known;
    }
    return {};
}

}  // namespace z2k

#include "support/TestSupport.h"

#include <cstdlib>
#include <random>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "platform/HostPaths.h"

namespace z2k::test {

void RecordingTextDisplay::clear() {
    events.push_back("clear");
    buffer_.clear();
}
void RecordingTextDisplay::replace(std::string_view text) {
    events.push_back("replace:" + std::string(text));
    buffer_.replace(text);
}
void RecordingTextDisplay::appendLine(std::string_view line) {
    events.push_back("append:" + std::string(line));
    buffer_.appendLine(line);
}

void RecordingProgress::reset() {
    value_.reset();
    positions.push_back(value_.position());
}
void RecordingProgress::set(int position) {
    value_.set(position);
    positions.push_back(value_.position());
}
void RecordingProgress::step(int delta) {
    value_.step(delta);
    positions.push_back(value_.position());
}

void RecordingAlerts::show(std::string_view text, std::string_view title, AlertIcon icon) {
    alerts.push_back({std::string(text), std::string(title), icon});
}

TempFolder::TempFolder(char drive) : drive_(drive) {
    // create_directory tells whether it made the folder: a name taken meanwhile is tried anew.
    std::random_device random;
    for (int attempt = 0; path_.empty(); ++attempt) {
        if (attempt == 100) throw std::runtime_error("no temporary folder can be made");
        const std::filesystem::path candidate =
            std::filesystem::temp_directory_path() / ("z2k-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) path_ = candidate;
    }
    if (drive != '\0') settings_.drives.map(drive, path_.string());
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Give back the owner-write bit of folders a test made read-only, so they can be removed.
    for (auto it = std::filesystem::recursive_directory_iterator(
             path_, std::filesystem::directory_options::skip_permission_denied, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::onHost(std::string_view text) const {
    if (hostMapsDrives() || drive_ == '\0') return std::string(text);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool root = foldUpperAscii(text[i]) == foldUpperAscii(drive_) && text.substr(i + 1, 2) == ":\\";
        out += root ? path_.string() + "\\" : std::string(1, text[i]);
        i += root ? 2 : 0;
    }
    return out;
}

void TempFolder::write(const std::string& relative, std::string_view bytes) const {
    std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace z2k::test

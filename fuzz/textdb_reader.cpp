// Any bytes as a version-1 database: open it, ask for tables, open the first distinct tables found
// with a few record layouts and read all records. Every outcome is a result code.
//
// Each table open takes the shared lock and checks the file (a handful of system calls), so only
// the first kMaxTables distinct section names are opened: more of them would repeat the same
// reader paths and slow the campaign down tenfold.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"
#include "platform/HostPaths.h"
#include "textdb/Recordset.h"
#include "textdb/TextDatabase.h"

namespace {

using namespace z2k;

// A layout given as a string of type letters: t = text, i = integer.
class AnyRecord : public Recordset {
  public:
    AnyRecord(TextDatabase& database, std::string tableName, std::string_view layout)
        : Recordset(database, std::move(tableName)), texts_(layout.size()), numbers_(layout.size()) {
        for (std::size_t i = 0; i < layout.size(); ++i) {
            if (layout[i] == 't') {
                addField(texts_[i]);
            } else {
                addField(numbers_[i]);
            }
        }
    }
    std::size_t checksum() const {
        std::size_t sum = 0;
        for (const auto& text : texts_) sum += text.size();
        for (auto number : numbers_) sum += static_cast<std::size_t>(number);
        return sum;
    }

  private:
    std::vector<std::string> texts_;
    std::vector<std::int32_t> numbers_;
};

const std::filesystem::path& folder() {
    static const std::filesystem::path path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "z2k-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        return std::filesystem::path(pattern);
    }();
    return path;
}

constexpr std::size_t kMaxTables = 8;

// The distinct names of the first section lines in the bytes (any line that looks like one).
std::vector<std::string> sectionNames(std::string_view bytes) {
    std::vector<std::string> names;
    std::size_t pos = 0;
    while (pos < bytes.size() && names.size() < kMaxTables) {
        std::size_t end = bytes.find('\n', pos);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            const std::string_view name = line.substr(1, line.size() - 2);
            if (std::find(names.begin(), names.end(), name) == names.end()) names.emplace_back(name);
        }
        pos = end + 1;
    }
    return names;
}

}  // namespace

// What the reads gave, so that they cannot be left out.
std::size_t g_checksum = 0;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(folder() / "input.zat", std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    HostSettings settings;
    settings.drives.map('F', folder().string());
    TextDatabase database(settings);
    if (database.open("F:\\input") != DatabaseOpen::Ok) return 0;
    std::vector<std::string> names = sectionNames(bytes);
    names.push_back("MISSING");
    static const char* const layouts[] = {"t", "i", "tti", "itit", "ttttt", ""};
    std::size_t checksum = 0;
    for (const std::string& name : names) {
        database.tableExists(name);
        for (const char* layout : layouts) {
            AnyRecord record(database, name, layout);
            if (record.open() != TableOpen::Ok) continue;
            for (; !record.isEOF(); record.moveNext()) checksum += record.checksum();
            record.close();
        }
    }
    g_checksum += checksum;
    return 0;
}

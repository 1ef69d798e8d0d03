#pragma once
// The default file types of each family: name, extension and "TEXT" or "BIN", in table order.
#include <span>
#include <string_view>

namespace z2k {

struct FileType {
    std::string_view name;
    std::string_view extension;  // compared ignoring case wherever it is compared
    std::string_view kind;       // "TEXT" or "BIN"
};

// The table of the family, chosen by exact comparison; empty for any other family.
std::span<const FileType> fileTypeTable(std::string_view cpuFamily);

std::span<const FileType> quarixFileTypes();
std::span<const FileType> nerakFileTypes();

}  // namespace z2k

#include "translation/FileTypeTable.h"

#include <array>

#include "options/Families.h"

namespace z2k {

namespace {

constexpr std::array<FileType, 22> kQuarixFileTypes{{
    {"C source file", "C", "TEXT"},         {"C header file", "H", "TEXT"},
    {"C list file", "LST", "TEXT"},         {"Preprocessed C source file", "P", "TEXT"},
    {"C++ source file", "CPP", "TEXT"},     {"C++ header file", "HPP", "TEXT"},
    {"C++ list file", "LPP", "TEXT"},       {"Preprocessed C++ source file", "PP", "TEXT"},
    {"Object file", "OBJ", "BIN"},          {"Assembly source file", "SRC", "TEXT"},
    {"Assembly list file", "LIS", "TEXT"},  {"Expanded assembly source file", "EXP", "TEXT"},
    {"Linkage symbol file", "FSY", "TEXT"}, {"Assembly include file", "INC", "TEXT"},
    {"Library file", "LIB", "BIN"},         {"Absolute file", "ABS", "BIN"},
    {"Relocatable file", "REL", "BIN"},     {"Linkage map file", "MAP", "TEXT"},
    {"CPU information file", "CPU", "BIN"}, {"S-Record file", "MOT", "TEXT"},
    {"Library list file", "LSL", "TEXT"},   {"Library section list file", "SCT", "TEXT"},
}};

constexpr std::array<FileType, 24> kNerakFileTypes{{
    {"C source file", "C", "TEXT"},
    {"C header file", "H", "TEXT"},
    {"C list file", "LST", "TEXT"},
    {"Preprocessed C source file", "P", "TEXT"},
    {"C++ source file", "CPP", "TEXT"},
    {"C++ header file", "HPP", "TEXT"},
    {"C++ list file", "LPP", "TEXT"},
    {"Preprocessed C++ source file", "PP", "TEXT"},
    {"Object file", "OBJ", "BIN"},
    {"Assembly source file", "SRC", "TEXT"},
    {"Assembly source file", "MAR", "TEXT"},
    {"Assembly list file", "LIS", "TEXT"},
    {"Expanded assembly source file", "EXP", "TEXT"},
    {"Linkage symbol file", "FSY", "TEXT"},
    {"Assembly include file", "INC", "TEXT"},
    {"Library file", "LIB", "BIN"},
    {"Absolute file", "ABS", "BIN"},
    {"Relocatable file", "REL", "BIN"},
    {"Linkage map file", "MAP", "TEXT"},
    {"CPU information file", "CPU", "BIN"},
    {"S-Record file", "MOT", "TEXT"},
    {"Library list file", "LSL", "TEXT"},
    {"Library section list file", "SCT", "TEXT"},
    {"Optimized linkage list file", "LOP", "TEXT"},
}};

}  // namespace

std::span<const FileType> quarixFileTypes() {
    return kQuarixFileTypes;
}
std::span<const FileType> nerakFileTypes() {
    return kNerakFileTypes;
}

std::span<const FileType> fileTypeTable(std::string_view cpuFamily) {
    const FamilyInfo* family = findFamily(cpuFamily);
    if (family == nullptr) return {};
    return family->family == Family::Nerak ? nerakFileTypes() : quarixFileTypes();
}

}  // namespace z2k

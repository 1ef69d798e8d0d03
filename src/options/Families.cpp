#include "options/Families.h"

#include <algorithm>

namespace z2k {

namespace {

// The family names are ASCII, so a byte of a double-byte character never equals one of theirs
// and folding ASCII letters alone decides, whatever the code page.
bool equalsAsciiIgnoreCase(std::string_view a, std::string_view b) {
    auto lower = [](unsigned char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) {
        return lower(static_cast<unsigned char>(x)) == lower(static_cast<unsigned char>(y));
    });
}

}  // namespace

const FamilyInfo* findFamily(std::string_view name) {
    for (const FamilyInfo& info : kFamilies)
        if (info.name == name) return &info;
    return nullptr;
}

Family familyOf(std::string_view cpuFamily) {
    for (const FamilyInfo& info : kFamilies)
        if (equalsAsciiIgnoreCase(info.name, cpuFamily)) return info.family;
    return Family::Other;
}

const FamilyInfo* familyInfo(Family family) {
    for (const FamilyInfo& info : kFamilies)
        if (info.family == family) return &info;
    return nullptr;
}

bool isKnownFamily(std::string_view cpuFamily) {
    return cpuFamily == kNoFamilyName || findFamily(cpuFamily) != nullptr;
}

std::string_view toolChainOf(std::string_view cpuFamily) {
    const FamilyInfo* info = findFamily(cpuFamily);
    return info == nullptr ? std::string_view() : info->toolChain;
}

}  // namespace z2k

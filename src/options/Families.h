#pragma once
// The processor families that the converter knows and the KOR tool chain each is bound to. The
// conversion, the translator and both front ends read the families from here.
#include <array>
#include <string_view>

namespace z2k {

enum class Family { Quarix, Nerak, Other };

struct FamilyInfo {
    Family family;
    std::string_view name;              // the ZAT CPU family, also used in the KOR default tables
    std::string_view vendor;            // compared against the ZAT tool-chain field
    std::string_view toolChain;         // the KOR tool chain of the family's projects and workspace
    std::string_view toolChainFull;     // KOR TOOL_CHAIN variable
    std::string_view toolChainVersion;  // KOR TOOL_CHAIN value
    std::string_view korLinker;         // the KOR linker that takes the place of the link tools
};

// The two families, Quarix first.
inline constexpr std::array<FamilyInfo, 2> kFamilies{{
    {Family::Quarix, "Quarix RISC engine", "Vantrel", "Vantrel Quarix Standard",
     "Vantrel Quarix RISC engine Standard Toolchain", "5.1.0", "Vantrel QX IM OptLinker"},
    {Family::Nerak, "Nerak", "Vantrel", "Vantrel Nerak Standard", "Vantrel Nerak Standard Toolchain",
     "3.0A.0", "Vantrel Nerak IM OptLinker"},
}};

// The family key of a project that names no processor; the option converters accept it.
inline constexpr std::string_view kNoFamilyName = "NONE";

// The family whose name equals the text exactly; nullptr for any other text.
const FamilyInfo* findFamily(std::string_view name);

// The family of a CPU family text, ignoring the case of ASCII letters.
Family familyOf(std::string_view cpuFamily);

// The row of a family; nullptr for Family::Other.
const FamilyInfo* familyInfo(Family family);

// True for the two family names and "NONE" (exact comparison).
bool isKnownFamily(std::string_view cpuFamily);

// The KOR tool chain of the family named exactly; empty for any other text.
std::string_view toolChainOf(std::string_view cpuFamily);

}  // namespace z2k

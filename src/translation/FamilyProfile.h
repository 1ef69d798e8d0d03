#pragma once
// The constants of the two processor families: how a family is recognised, which KOR tool chain
// it is bound to, and the names of the families and ZAT tools that the converters know.
#include <array>
#include <string_view>

namespace z2k {

struct FamilyProfile {
    std::string_view familyKey;         // compared against the ZAT CPU family
    std::string_view familyName;        // the same text, used in the KOR default tables
    std::string_view vendor;            // compared against the ZAT tool-chain field
    std::string_view toolChainShort;    // KOR PROJECT_DETAILS tool chain
    std::string_view toolChainFull;     // KOR TOOL_CHAIN variable
    std::string_view toolChainVersion;  // KOR TOOL_CHAIN value
};

inline constexpr std::string_view kQuarixFamily = "Quarix RISC engine";
inline constexpr std::string_view kNerakFamily = "Nerak";
inline constexpr std::string_view kNoFamily = "NONE";

inline constexpr FamilyProfile kQuarixProfile{kQuarixFamily,
                                              kQuarixFamily,
                                              "Vantrel",
                                              "Vantrel Quarix Standard",
                                              "Vantrel Quarix RISC engine Standard Toolchain",
                                              "5.1.0"};
inline constexpr FamilyProfile kNerakProfile{
    kNerakFamily, kNerakFamily, "Vantrel", "Vantrel Nerak Standard", "Vantrel Nerak Standard Toolchain",
    "3.0A.0"};

// The two rows, Quarix first.
inline constexpr std::array<FamilyProfile, 2> kFamilyProfiles{kQuarixProfile, kNerakProfile};

// The profile whose family key equals the family exactly; nullptr for any other family.
const FamilyProfile* FindFamilyProfile(std::string_view family);

// The families the option converters accept (exact comparison).
inline constexpr std::array<std::string_view, 3> kKnownCpuFamilies{kQuarixFamily, kNerakFamily, kNoFamily};

// The nine ZAT tools that have an option converter, in the order that selects the converter.
inline constexpr std::string_view kZatQxCompiler = "Vantrel QX C Compiler";
inline constexpr std::string_view kZatQxAssembler = "Vantrel QX Assembler";
inline constexpr std::string_view kZatQxOptLinker = "Vantrel QX IM OptLinker";
inline constexpr std::string_view kZatNerakCompiler = "Vantrel Nerak C Compiler";
inline constexpr std::string_view kZatNerakAssembler = "Vantrel Nerak Assembler";
inline constexpr std::string_view kZatNerakOptimizer = "Vantrel Nerak IM Optimizer";
inline constexpr std::string_view kZatLinkageEditor = "Vantrel V Series Linkage Editor";
inline constexpr std::string_view kZatLibrarian = "Vantrel V Series Librarian";
inline constexpr std::string_view kZatStypeConverter = "Vantrel V Series Stype Converter";

inline constexpr std::array<std::string_view, 9> kKnownZatToolNames{
    kZatQxCompiler,     kZatQxAssembler,   kZatQxOptLinker, kZatNerakCompiler, kZatNerakAssembler,
    kZatNerakOptimizer, kZatLinkageEditor, kZatLibrarian,   kZatStypeConverter};

// KOR-side names that differ from the ZAT names.
inline constexpr std::string_view kKorQxCompiler = "Vantrel QX C/C++ Compiler";
inline constexpr std::string_view kKorNerakCompiler = "Vantrel Nerak C/C++ Compiler";
inline constexpr std::string_view kKorNerakLinker = "Vantrel Nerak IM OptLinker";

}  // namespace z2k

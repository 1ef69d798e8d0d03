// The KOR default tables and the tool names they are built from: tool chain, tool-chain phases,
// mappings and the syntax colouring of a family.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "options/ToolTable.h"
#include "translation/DefaultTables.h"
#include "translation/SyntaxColouring.h"

namespace z2k {
namespace {

constexpr std::string_view kQuarix = "Quarix RISC engine";
constexpr std::string_view kNerak = "Nerak";

InBuildOrder buildOrderOf(std::vector<std::string> names) {
    return [names = std::move(names)](std::string_view name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
}

TEST(DefaultTablesTest, PhasesAndMappingsFollowTheToolsOfTheFamily) {
    struct Case {
        std::string_view family;
        std::vector<std::string> buildOrder, phases, mappings;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {kQuarix, {"Vantrel QX C Compiler", "Vantrel V Series Linkage Editor"},
         {"Vantrel QX C/C++ Compiler", "Vantrel QX IM OptLinker"}, {"Object file|Vantrel QX IM OptLinker|Vantrel QX C/C++ Compiler"}},
        // Two link tools give one linker phase; the order is fixed, not that of the build.
        {kNerak,
         {"Vantrel V Series Stype Converter", "Vantrel V Series Librarian", "Vantrel Nerak IM Optimizer",
          "Vantrel V Series Linkage Editor", "Vantrel Nerak Assembler", "Vantrel Nerak C Compiler"},
         {"Vantrel Nerak C/C++ Compiler", "Vantrel Nerak Assembler", "Vantrel Nerak IM OptLinker",
          "Vantrel V Series Librarian", "Vantrel V Series Stype Converter"},
         {"Object file|Vantrel Nerak IM OptLinker|Vantrel Nerak C/C++ Compiler",
          "Object file|Vantrel Nerak IM OptLinker|Vantrel Nerak Assembler",
          "Assembly source file|Vantrel Nerak Assembler|Vantrel Nerak C/C++ Compiler",
          "Absolute file|Vantrel V Series Stype Converter|Vantrel Nerak IM OptLinker",
          "Object file|Vantrel V Series Librarian|Vantrel Nerak C/C++ Compiler",
          "Object file|Vantrel V Series Librarian|Vantrel Nerak Assembler"}},
        // The family's tools are found ignoring the family's case; the other family's are not its own.
        {"nERAK", {"Vantrel QX IM OptLinker", "Vantrel Nerak C/C++ Compiler", "Vantrel Nerak Assembler"}, {"Vantrel Nerak Assembler"}, {}},
        {"quarix risc engine", {"Vantrel Nerak IM Optimizer", "Vantrel QX IM OptLinker"}, {"Vantrel QX IM OptLinker"}, {}},
        // A family without the tool looks up the empty name.
        {kQuarix, {"", "Vantrel V Series Librarian"}, {"Vantrel QX IM OptLinker", "Vantrel V Series Librarian"}, {}},
        {"NONE", {""}, {"", "", "", "", ""},
         {"Object file||", "Object file||", "Assembly source file||", "Absolute file||", "Object file||", "Object file||"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(defaultToolchainPhases(c.family, buildOrderOf(c.buildOrder)), c.phases) << c.family;
        std::vector<std::string> flat;
        for (const MappingEntry& m : defaultMappings(c.family, buildOrderOf(c.buildOrder)))
            flat.push_back(m.fileType + "|" + m.consumer + "|" + m.producer);
        EXPECT_EQ(flat, c.mappings) << c.family;
    }
    EXPECT_EQ(defaultToolChain(kQuarix).variable + defaultToolChain(kQuarix).value,
              "Vantrel Quarix RISC engine Standard Toolchain5.1.0");
    EXPECT_EQ(defaultToolChain(kNerak).variable + defaultToolChain(kNerak).value,
              "Vantrel Nerak Standard Toolchain3.0A.0");
    EXPECT_EQ(defaultToolChain("nerak").variable + defaultToolChain("nerak").value, "0");
}

TEST(DefaultTablesTest, ToolNamesOnTheKorSide) {
    struct Case {
        std::string_view name, kor, sourceType;
    };
    const std::vector<Case> cases = {
        {"Nerak C Compiler", "Nerak C/C++ Compiler", "C source file"},
        {"QX C/C++ Compiler", "", "C source file"},
        {"Vantrel Nerak C/C++ Compiler", "", "C source file"},
        {"Nerak Assembler", "Nerak Assembler", "Assembly source file"},
        {"V Series Stype Converter", "V Series Stype Converter", ""},
        {"Vantrel ", "", ""},
        {"", "", ""},
        {"vantrel qx c compiler", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(korToolName(c.name), c.kor) << c.name;
        EXPECT_EQ(defaultSourceType(c.name), c.sourceType) << c.name;
    }
    EXPECT_TRUE(isKnownTool("NONE", "Vantrel Nerak Assembler"));
    EXPECT_FALSE(isKnownTool("None", "Vantrel QX C Compiler"));
    EXPECT_FALSE(isFamilyLinkTool("Nerak", "Vantrel QX IM OptLinker"));
    EXPECT_TRUE(isFamilyLinkTool("NERAK", "Vantrel V Series Linkage Editor"));
}

std::size_t countGroup(const SyntaxColouring& c, std::string_view group) {
    std::size_t n = 0;
    for (const auto& a : c.attributes) n += a.group == group;
    for (const auto& k : c.categories) n += k.group == group;
    for (const auto& f : c.fileGroups) n += f.fileGroup == group;
    return n;
}

TEST(DefaultTablesTest, ColouringOfTheFamilyAndOfUserTextGroups) {
    for (std::string_view family : {"NONE", "nerak", "Quarix risc engine"})
        EXPECT_EQ(countGroup(defaultSyntaxColouring(family, {{"Script", "TEXT"}}), "Script"), 0u) << family;
    const std::vector<ProjectFileGroup> groups{
        {"C source file", "TEXT"}, {"Object file", "BIN"}, {"Script", "TEXT"},
        {"Images", "BIN"},         {"Notes", "TEXT"},      {"Optimized linkage list file", "TEXT"}};
    const SyntaxColouring base = defaultSyntaxColouring(kQuarix, {});
    const SyntaxColouring c = defaultSyntaxColouring(kQuarix, groups);
    // Script, Notes and (Quarix has no fixed rows for it) the optimized list group: 5 + 4 + 1 each.
    EXPECT_EQ(countGroup(base, "Optimized linkage list file"), 0u);
    EXPECT_EQ(countGroup(c, "Script") + countGroup(c, "Notes") + countGroup(c, "Optimized linkage list file"),
              30u);
    EXPECT_EQ(countGroup(c, "Images"), 0u);
    EXPECT_EQ(countGroup(c, "C source file"), countGroup(base, "C source file"));
    EXPECT_EQ(c.attributes[base.attributes.size()].group, "Script");
    EXPECT_EQ(c.fileGroups.back().property, "USER");
    EXPECT_EQ(countGroup(defaultSyntaxColouring(kNerak, groups), "Optimized linkage list file"), 10u);
}

}  // namespace
}  // namespace z2k

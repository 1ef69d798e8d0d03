// The KOR default tables: tool chain, tool-chain phases, mappings and syntax colouring.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"
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

class DefaultTablesTest : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }
};

TEST_F(DefaultTablesTest, ToolChainRowComparesTheFamilyExactly) {
    struct Case {
        std::string_view family, variable, value;
    };
    const Case cases[] = {
        {kQuarix, "Vantrel Quarix RISC engine Standard Toolchain", "5.1.0"},
        {kNerak, "Vantrel Nerak Standard Toolchain", "3.0A.0"},
        {"nerak", "", "0"},
        {"NONE", "", "0"},
    };
    for (const Case& c : cases) {
        ToolChainEntry row = DefaultToolChain(c.family);
        EXPECT_EQ(row.variable, c.variable) << c.family;
        EXPECT_EQ(row.value, c.value) << c.family;
    }
}

TEST_F(DefaultTablesTest, CompilerAndLinkageEditorOnly) {
    auto inOrder = buildOrderOf({"Vantrel QX C Compiler", "Vantrel V Series Linkage Editor"});
    EXPECT_EQ(DefaultToolchainPhases(kQuarix, inOrder),
              (std::vector<std::string>{"Vantrel QX C/C++ Compiler", "Vantrel QX IM OptLinker"}));
    auto mappings = DefaultMappings(kQuarix, inOrder);
    ASSERT_EQ(mappings.size(), 1u);
    EXPECT_EQ(mappings[0].fileType, "Object file");
    EXPECT_EQ(mappings[0].consumer, "Vantrel QX IM OptLinker");
    EXPECT_EQ(mappings[0].producer, "Vantrel QX C/C++ Compiler");
}

TEST_F(DefaultTablesTest, EveryToolOfTheNerakFamily) {
    // Two link tools still give a single linker phase; the order is fixed, not that of the build.
    auto inOrder = buildOrderOf({"Vantrel V Series Stype Converter", "Vantrel V Series Librarian",
                                 "Vantrel Nerak IM Optimizer", "Vantrel V Series Linkage Editor",
                                 "Vantrel Nerak Assembler", "Vantrel Nerak C Compiler"});
    EXPECT_EQ(DefaultToolchainPhases(kNerak, inOrder),
              (std::vector<std::string>{"Vantrel Nerak C/C++ Compiler", "Vantrel Nerak Assembler",
                                        "Vantrel Nerak IM OptLinker", "Vantrel V Series Librarian",
                                        "Vantrel V Series Stype Converter"}));
    auto mappings = DefaultMappings(kNerak, inOrder);
    std::vector<std::string> flat;
    for (const MappingEntry& m : mappings) flat.push_back(m.fileType + "|" + m.consumer + "|" + m.producer);
    EXPECT_EQ(flat, (std::vector<std::string>{
                        "Object file|Vantrel Nerak IM OptLinker|Vantrel Nerak C/C++ Compiler",
                        "Object file|Vantrel Nerak IM OptLinker|Vantrel Nerak Assembler",
                        "Assembly source file|Vantrel Nerak Assembler|Vantrel Nerak C/C++ Compiler",
                        "Absolute file|Vantrel V Series Stype Converter|Vantrel Nerak IM OptLinker",
                        "Object file|Vantrel V Series Librarian|Vantrel Nerak C/C++ Compiler",
                        "Object file|Vantrel V Series Librarian|Vantrel Nerak Assembler",
                    }));
}

TEST_F(DefaultTablesTest, ToolsOfTheOtherFamilyDoNotCount) {
    // The Quarix optimizing linker is no linker of a Nerak project; the C/C++ name is no ZAT name.
    auto inOrder = buildOrderOf(
        {"Vantrel QX IM OptLinker", "Vantrel Nerak C/C++ Compiler", "Vantrel V Series Stype Converter"});
    EXPECT_EQ(DefaultToolchainPhases(kNerak, inOrder),
              (std::vector<std::string>{"Vantrel V Series Stype Converter"}));
    EXPECT_TRUE(DefaultMappings(kNerak, inOrder).empty());
}

std::size_t countGroup(const SyntaxColouring& c, std::string_view group) {
    std::size_t n = 0;
    for (const auto& a : c.attributes) n += a.group == group;
    for (const auto& k : c.categories) n += k.group == group;
    for (const auto& f : c.fileGroups) n += f.fileGroup == group;
    return n;
}

TEST_F(DefaultTablesTest, OptimizedLinkageListFileOnlyForNerak) {
    SyntaxColouring quarix = DefaultSyntaxColouring(kQuarix, {});
    SyntaxColouring nerak = DefaultSyntaxColouring(kNerak, {});
    EXPECT_EQ(countGroup(quarix, "Optimized linkage list file"), 0u);
    // 5 attributes, 4 categories, 1 file-group row.
    EXPECT_EQ(countGroup(nerak, "Optimized linkage list file"), 10u);

    // 18 groups of 5 attributes for Quarix, 19 for Nerak.
    EXPECT_EQ(quarix.attributes.size(), 18u * 5);
    EXPECT_EQ(nerak.attributes.size(), 19u * 5);
    // Categories: 4 per group + 4 per C group + 5 per C++ group + 3 per assembly group.
    EXPECT_EQ(quarix.categories.size(), 18u * 4 + 4 * 4 + 4 * 5 + 5 * 3);
    EXPECT_EQ(nerak.categories.size(), 19u * 4 + 4 * 4 + 4 * 5 + 5 * 3);
    EXPECT_EQ(quarix.fileGroups.size(), 1u + 9 + 4 + 4);
    EXPECT_EQ(nerak.fileGroups.size(), 1u + 9 + 4 + 1 + 4);
}

TEST_F(DefaultTablesTest, OtherFamiliesGetNoColouring) {
    for (std::string_view family : {"NONE", "nerak", "Quarix risc engine"}) {
        SyntaxColouring c = DefaultSyntaxColouring(family, {{"Script", "TEXT"}});
        EXPECT_TRUE(c.attributes.empty()) << family;
        EXPECT_TRUE(c.categories.empty()) << family;
        EXPECT_TRUE(c.fileGroups.empty()) << family;
    }
}

TEST_F(DefaultTablesTest, CategoriesOfEachKindOfGroup) {
    SyntaxColouring c = DefaultSyntaxColouring(kQuarix, {});
    auto rows = [&](std::string_view group) {
        std::vector<std::string> out;
        for (const auto& k : c.categories) {
            if (k.group == group)
                out.push_back(k.category + "|" + k.foreground + "|" + k.background + "|" + k.keywords);
        }
        return out;
    };
    const std::string pre(kPreprocessorKeywords);
    EXPECT_EQ(rows("(Default)"),
              (std::vector<std::string>{"Comments|SYSTEM|SYSTEM|", "Bookmarks|WHITE|DARKGREEN|",
                                        "Selected Text|WHITE|BLACK|", "Text|SYSTEM|SYSTEM|"}));
    EXPECT_EQ(
        rows("C header file"),
        (std::vector<std::string>{
            "Comments|DARKGREEN|SYSTEM|", "Bookmarks|WHITE|DARKGREEN|", "Selected Text|WHITE|BLACK|",
            "Text|BLACK|SYSTEM|", "PreProcessor|BLUE|SYSTEM|" + pre,
            "Control|RED|SYSTEM|" + std::string(kCControlKeywords),
            "Declaration|BLUE|SYSTEM|" + std::string(kCDeclarationKeywords), "Operator|CYAN|SYSTEM|sizeof"}));
    EXPECT_EQ(rows("C++ list file"),
              (std::vector<std::string>{"Comments|DARKGREEN|SYSTEM|", "Bookmarks|WHITE|DARKGREEN|",
                                        "Selected Text|WHITE|BLACK|", "Text|BLACK|SYSTEM|",
                                        "PreProcessor|BLUE|SYSTEM|" + pre,
                                        "Control|RED|SYSTEM|" + std::string(kCppControlKeywords),
                                        "Declaration|BLUE|SYSTEM|" + std::string(kCppDeclarationKeywords),
                                        "Operator|CYAN|SYSTEM|" + std::string(kCppOperatorKeywords),
                                        "Value|DARKYELLOW|SYSTEM|false|true|this"}));
    EXPECT_EQ(rows("Expanded assembly source file"),
              (std::vector<std::string>{"Comments|DARKGREEN|SYSTEM|", "Bookmarks|WHITE|DARKGREEN|",
                                        "Selected Text|WHITE|BLACK|", "Text|BLACK|SYSTEM|",
                                        "PreProcessor|BLUE|SYSTEM|" + std::string(kAsmPreprocessorKeywords),
                                        "Directive|RED|SYSTEM|" + std::string(kAsmDirectiveKeywords),
                                        "Data|PURPLE|SYSTEM|" + std::string(kAsmDataKeywords)}));
    EXPECT_EQ(rows("S-Record file"), rows("(Default)"));
}

std::size_t wordCount(std::string_view list) {
    return std::count(list.begin(), list.end(), '|') + 1;
}

TEST_F(DefaultTablesTest, KeywordListsHoldEveryWordOnce) {
    struct Case {
        std::string_view list;
        std::size_t words;
        std::string_view first, last;
    };
    const Case cases[] = {
        {kPreprocessorKeywords, 12, "#define", "#pragma"},
        {kCControlKeywords, 12, "break", "while"},
        {kCDeclarationKeywords, 19, "auto", "volatile"},
        {kCppControlKeywords, 15, "break", "while"},
        {kCppDeclarationKeywords, 35, "asm", "wchar_t"},
        {kCppOperatorKeywords, 9, "const_cast", "typeid"},
        {kAsmPreprocessorKeywords, 21, ".INCLUDE", ".SUBSTR"},
        {kAsmDirectiveKeywords, 54, ".CPU", ".CONTINUE"},
        {kAsmDataKeywords, 36, ".SECTION", ".FRES.S"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wordCount(c.list), c.words) << c.first;
        EXPECT_TRUE(c.list.starts_with(std::string(c.first) + "|")) << c.first;
        EXPECT_TRUE(c.list.ends_with(std::string("|").append(c.last))) << c.last;
        std::set<std::string_view> seen;
        std::size_t start = 0;
        while (start <= c.list.size()) {
            std::size_t bar = c.list.find('|', start);
            if (bar == std::string_view::npos) bar = c.list.size();
            std::string_view word = c.list.substr(start, bar - start);
            EXPECT_FALSE(word.empty()) << c.first;
            EXPECT_TRUE(seen.insert(word).second) << word;
            start = bar + 1;
        }
    }
}

TEST_F(DefaultTablesTest, UserTextGroupsGetDefaultColouringUnderTheirName) {
    std::vector<ProjectFileGroup> groups{
        {"C source file", "TEXT"}, {"Object file", "BIN"}, {"Script", "TEXT"},
        {"Images", "BIN"},         {"Notes", "TEXT"},      {"Optimized linkage list file", "TEXT"},
    };
    SyntaxColouring base = DefaultSyntaxColouring(kQuarix, {});
    SyntaxColouring c = DefaultSyntaxColouring(kQuarix, groups);
    // Script, Notes and (for Quarix, which has no fixed rows for it) the optimized list group.
    EXPECT_EQ(c.attributes.size(), base.attributes.size() + 3 * 5);
    EXPECT_EQ(c.categories.size(), base.categories.size() + 3 * 4);
    EXPECT_EQ(c.fileGroups.size(), base.fileGroups.size() + 3);
    EXPECT_EQ(countGroup(c, "Images"), 0u);
    EXPECT_EQ(countGroup(c, "C source file"), countGroup(base, "C source file"));

    std::size_t at = base.attributes.size();
    EXPECT_EQ(c.attributes[at].group, "Script");
    EXPECT_EQ(c.attributes[at].attribute, "COMMENTBLOCKSTART");
    EXPECT_EQ(c.attributes[at + 5].group, "Notes");
    EXPECT_EQ(c.categories[base.categories.size()].category, "Comments");
    EXPECT_EQ(c.categories[base.categories.size()].foreground, "SYSTEM");
    EXPECT_EQ(c.fileGroups.back().fileGroup, "Optimized linkage list file");
    EXPECT_EQ(c.fileGroups.back().property, "USER");

    // For Nerak the optimized list group already has its rows.
    SyntaxColouring nerak = DefaultSyntaxColouring(kNerak, groups);
    EXPECT_EQ(countGroup(nerak, "Optimized linkage list file"), 10u);
}

}  // namespace
}  // namespace z2k

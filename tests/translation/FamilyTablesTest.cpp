// The per-family constants: tool names, predicates, known names and default file types.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/CodePage.h"
#include "translation/FamilyTools.h"
#include "translation/FileTypeTable.h"
#include "translation/ToolNameMap.h"

namespace z2k {
namespace {

class FamilyTablesTest : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }
};

struct MapCase {
    std::string_view zat;
    std::string_view kor;
};

TEST_F(FamilyTablesTest, MapToolNameFollowsTheTable) {
    const MapCase cases[] = {
        {"", ""},
        {"QX C Compiler", "QX C/C++ Compiler"},
        {"Vantrel QX C Compiler", "Vantrel QX C/C++ Compiler"},
        {"QX Assembler", "QX Assembler"},
        {"Vantrel QX Assembler", "Vantrel QX Assembler"},
        {"QX IM OptLinker", "QX IM OptLinker"},
        {"Vantrel QX IM OptLinker", "Vantrel QX IM OptLinker"},
        {"Nerak C Compiler", "Nerak C/C++ Compiler"},
        {"Vantrel Nerak C Compiler", "Vantrel Nerak C/C++ Compiler"},
        {"Nerak Assembler", "Nerak Assembler"},
        {"Vantrel Nerak Assembler", "Vantrel Nerak Assembler"},
        {"Nerak IM Optimizer", ""},
        {"Vantrel Nerak IM Optimizer", ""},
        {"V Series Librarian", "V Series Librarian"},
        {"Vantrel V Series Librarian", "Vantrel V Series Librarian"},
        {"V Series Stype Converter", "V Series Stype Converter"},
        {"Vantrel V Series Stype Converter", "Vantrel V Series Stype Converter"},
        {"V Series Linkage Editor", ""},
        {"Vantrel V Series Linkage Editor", ""},
        // Exact comparison: case and blanks matter; anything else maps to nothing.
        {"vantrel QX Assembler", ""},
        {"Vantrel QX Assembler ", ""},
        {"Vantrel QX C/C++ Compiler", ""},
        {"My custom step", ""},
    };
    for (const MapCase& c : cases) EXPECT_EQ(MapToolName(c.zat), c.kor) << c.zat;
}

TEST_F(FamilyTablesTest, IsKnownToolNeedsKnownFamilyAndToolExactly) {
    struct Case {
        std::string_view family, tool;
        bool known;
    };
    const Case cases[] = {
        {"Quarix RISC engine", "Vantrel QX C Compiler", true},
        {"Nerak", "Vantrel V Series Stype Converter", true},
        {"NONE", "Vantrel Nerak IM Optimizer", true},
        // A family's tools are not checked against the family.
        {"Quarix RISC engine", "Vantrel Nerak Assembler", true},
        {"quarix risc engine", "Vantrel QX C Compiler", false},
        {"None", "Vantrel QX C Compiler", false},
        {"", "Vantrel QX C Compiler", false},
        {"Nerak", "Vantrel Nerak C/C++ Compiler", false},
        {"Nerak", "Nerak C Compiler", false},
        {"Nerak", "", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsKnownTool(c.family, c.tool), c.known) << c.family << " / " << c.tool;
}

TEST_F(FamilyTablesTest, DefaultSourceTypeByToolName) {
    const MapCase cases[] = {
        {"QX C/C++ Compiler", "C source file"},
        {"Vantrel QX C/C++ Compiler", "C source file"},
        {"Nerak C/C++ Compiler", "C source file"},
        {"Vantrel Nerak C/C++ Compiler", "C source file"},
        {"QX C Compiler", "C source file"},
        {"Vantrel QX C Compiler", "C source file"},
        {"Nerak C Compiler", "C source file"},
        {"Vantrel Nerak C Compiler", "C source file"},
        {"QX Assembler", "Assembly source file"},
        {"Vantrel QX Assembler", "Assembly source file"},
        {"Nerak Assembler", "Assembly source file"},
        {"Vantrel Nerak Assembler", "Assembly source file"},
        {"Vantrel QX IM OptLinker", ""},
        {"Vantrel V Series Librarian", ""},
        {"vantrel qx assembler", ""},
    };
    for (const MapCase& c : cases) EXPECT_EQ(DefaultSourceType(c.zat), c.kor) << c.zat;
}

TEST_F(FamilyTablesTest, PredicatesIgnoreCaseOfFamilyButNotOfTool) {
    using Predicate = bool (*)(std::string_view, std::string_view);
    struct Case {
        const char* label;
        Predicate predicate;
        std::string_view family, tool;
        bool expected;
    };
    const Case cases[] = {
        {"compiler", IsCompiler, "Quarix RISC engine", "Vantrel QX C Compiler", true},
        {"compiler", IsCompiler, "QUARIX risc ENGINE", "Vantrel QX C Compiler", true},
        {"compiler", IsCompiler, "Quarix RISC engine", "vantrel qx c compiler", false},
        {"compiler", IsCompiler, "Quarix RISC engine", "Vantrel Nerak C Compiler", false},
        {"compiler", IsCompiler, "nerak", "Vantrel Nerak C Compiler", true},
        {"compiler", IsCompiler, "NONE", "Vantrel QX C Compiler", false},
        {"assembler", IsAssembler, "Quarix RISC engine", "Vantrel QX Assembler", true},
        {"assembler", IsAssembler, "Nerak", "Vantrel Nerak Assembler", true},
        {"assembler", IsAssembler, "Nerak", "Vantrel QX Assembler", false},
        {"optlinker", IsOptLinker, "quarix risc engine", "Vantrel QX IM OptLinker", true},
        {"optlinker", IsOptLinker, "Nerak", "Vantrel QX IM OptLinker", false},
        {"optlinker", IsOptLinker, "Nerak", "Vantrel Nerak IM OptLinker", false},
        {"optlinker", IsOptLinker, "Nerak", "", false},
        {"optimizer", IsOptimizer, "Nerak", "Vantrel Nerak IM Optimizer", true},
        {"optimizer", IsOptimizer, "Quarix RISC engine", "Vantrel Nerak IM Optimizer", false},
        {"optimizer", IsOptimizer, "Quarix RISC engine", "", false},
        {"linkage editor", IsLinkageEditor, "Quarix RISC engine", "Vantrel V Series Linkage Editor", true},
        {"linkage editor", IsLinkageEditor, "NERAK", "Vantrel V Series Linkage Editor", true},
        {"linkage editor", IsLinkageEditor, "Other", "Vantrel V Series Linkage Editor", false},
        {"linkage editor", IsLinkageEditor, "Other", "", false},
        {"link tool", IsLinkTool, "Nerak", "Vantrel Nerak IM Optimizer", true},
        {"link tool", IsLinkTool, "Nerak", "Vantrel QX IM OptLinker", false},
        {"link tool", IsLinkTool, "Quarix RISC engine", "Vantrel QX IM OptLinker", true},
        {"link tool", IsLinkTool, "Quarix RISC engine", "Vantrel V Series Librarian", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.predicate(c.family, c.tool), c.expected)
            << c.label << ": " << c.family << " / " << c.tool;
    }
}

TEST_F(FamilyTablesTest, FamilyToolNames) {
    using Name = std::string_view (*)(std::string_view);
    struct Case {
        const char* label;
        Name name;
        std::string_view quarix, nerak;
    };
    const Case cases[] = {
        {"ZatCompilerName", ZatCompilerName, "Vantrel QX C Compiler", "Vantrel Nerak C Compiler"},
        {"KorCompilerName", KorCompilerName, "Vantrel QX C/C++ Compiler", "Vantrel Nerak C/C++ Compiler"},
        {"AssemblerName", AssemblerName, "Vantrel QX Assembler", "Vantrel Nerak Assembler"},
        {"OptLinkerName", OptLinkerName, "Vantrel QX IM OptLinker", ""},
        {"KorLinkerName", KorLinkerName, "Vantrel QX IM OptLinker", "Vantrel Nerak IM OptLinker"},
        {"OptimizerName", OptimizerName, "", "Vantrel Nerak IM Optimizer"},
        {"LinkageEditorName", LinkageEditorName, "Vantrel V Series Linkage Editor",
         "Vantrel V Series Linkage Editor"},
        {"LibrarianName", LibrarianName, "Vantrel V Series Librarian", "Vantrel V Series Librarian"},
        {"StypeConverterName", StypeConverterName, "Vantrel V Series Stype Converter",
         "Vantrel V Series Stype Converter"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.name("Quarix RISC engine"), c.quarix) << c.label;
        EXPECT_EQ(c.name("quarix RISC ENGINE"), c.quarix) << c.label;
        EXPECT_EQ(c.name("Nerak"), c.nerak) << c.label;
        EXPECT_EQ(c.name("nErAk"), c.nerak) << c.label;
        EXPECT_EQ(c.name("NONE"), "") << c.label;
        EXPECT_EQ(c.name("Nerak "), "") << c.label;
    }
}

TEST_F(FamilyTablesTest, FileTypeTablesPerFamily) {
    auto quarix = FileTypeTable("Quarix RISC engine");
    auto nerak = FileTypeTable("Nerak");
    ASSERT_EQ(quarix.size(), 22u);
    ASSERT_EQ(nerak.size(), 24u);
    EXPECT_TRUE(FileTypeTable("nerak").empty());
    EXPECT_TRUE(FileTypeTable("NONE").empty());

    EXPECT_EQ(quarix[0].name, "C source file");
    EXPECT_EQ(quarix[0].extension, "C");
    EXPECT_EQ(quarix[8].name, "Object file");
    EXPECT_EQ(quarix[8].kind, "BIN");
    EXPECT_EQ(quarix[9].extension, "SRC");
    EXPECT_EQ(quarix[10].name, "Assembly list file");
    EXPECT_EQ(quarix[21].name, "Library section list file");

    EXPECT_EQ(nerak[9].name, "Assembly source file");
    EXPECT_EQ(nerak[9].extension, "SRC");
    EXPECT_EQ(nerak[10].name, "Assembly source file");
    EXPECT_EQ(nerak[10].extension, "MAR");
    EXPECT_EQ(nerak[23].name, "Optimized linkage list file");
    EXPECT_EQ(nerak[23].extension, "LOP");
    for (const FileType& type : quarix) {
        EXPECT_NE(type.name, "Optimized linkage list file");
        EXPECT_NE(type.extension, "MAR");
    }
    // Apart from the two Nerak-only rows the tables agree row for row.
    std::size_t q = 0;
    for (const FileType& type : nerak) {
        if (type.extension == "MAR" || type.extension == "LOP") continue;
        ASSERT_LT(q, quarix.size());
        EXPECT_EQ(type.name, quarix[q].name);
        EXPECT_EQ(type.extension, quarix[q].extension);
        EXPECT_EQ(type.kind, quarix[q].kind);
        ++q;
    }
    EXPECT_EQ(q, quarix.size());
    for (const FileType& type : nerak) EXPECT_TRUE(type.kind == "TEXT" || type.kind == "BIN") << type.name;
}

}  // namespace
}  // namespace z2k

#include "translation/SyntaxColouring.h"

#include <array>
#include <unordered_set>

#include "options/ToolTable.h"

namespace z2k {

const std::string_view kPreprocessorKeywords =
    "#define|#undef|#include|#if|#ifdef|#ifndef|#else|#endif|#elif|#line|#error|#pragma";
const std::string_view kCControlKeywords =
    "break|case|continue|default|do|else|for|goto|if|return|switch|while";
const std::string_view kCDeclarationKeywords =
    "auto|char|const|double|enum|extern|float|int|long|register|short|signed|static|struct|typedef|union|"
    "unsigned|void|volatile";
const std::string_view kCppControlKeywords =
    "break|case|catch|continue|default|do|else|for|goto|if|return|switch|throw|try|while";
const std::string_view kCppDeclarationKeywords =
    "asm|auto|bool|char|class|const|double|enum|explicit|extern|float|friend|inline|int|long|mutable|"
    "namespace|private|protected|public|register|short|signed|static|struct|template|typedef|typename|"
    "union|unsigned|using|virtual|void|volatile|wchar_t";
const std::string_view kCppOperatorKeywords =
    "const_cast|delete|dynamic_cast|new|operator|reinterpret_cast|sizeof|static_cast|typeid";
const std::string_view kAsmPreprocessorKeywords =
    ".INCLUDE|.ASSIGNA|.ASSIGNC|.DEFINE|.AIF|.AELIF|.AELSE|.AENDI|.AIFDEF|.AREPEAT|.AENDR|.AWHILE|.AENDW|"
    ".AERROR|.ALIMIT|.MACRO|.ENDM|.EXITM|.LEN|.INSTR|.SUBSTR";
const std::string_view kAsmDirectiveKeywords =
    ".CPU|.EXPORT|.IMPORT|.GLOBAL|.OUTPUT|.DEBUG|.ENDIAN|.LINE|.DISPSIZE|.PRINT|.LIST|.FORM|.HEADING|.PAGE|"
    ".SPACE|.PROGRAM|.RADIX|.END|.POOL|.NOPOOL|.IF|.IF.B|.IF.W|.IF.L|.ELSE|.ENDI|.SWITCH|.SWITCH.B|"
    ".SWITCH.W|.SWITCH.L|.CASE|.BREAK|.OTHERS|.ENDS|.FOR|.FOR.B|.FOR.W|.FOR.L|.FORU|.FORU.B|.FORU.W|"
    ".FORU.L|.ENDF|.WHILE|.WHILE.B|.WHILE.W|.WHILE.L|.ENDW|.REPEAT|.UNTIL|.UNTIL.B|.UNTIL.W|.UNTIL.L|"
    ".CONTINUE";
const std::string_view kAsmDataKeywords =
    ".SECTION|.ORG|.ALIGN|.EQU|.ASSIGN|.REG|.FREG|.BEQU|.DATA|.DATA.B|.DATA.W|.DATA.L|.DATAB|.DATAB.B|"
    ".DATAB.W|.DATAB.L|.SDATA|.SDATAB|.SDATAC|.SDATAZ|.FDATA|.FDATA.S|.FDATAB|.FDATAB.S|.XDATA|.XDATA.W|"
    ".XDATA.L|.RES|.RES.B|.RES.W|.RES.L|.SRES|.SRESC|.SRESZ|.FRES|.FRES.S";

namespace {

// How a group is coloured.
enum class Language { Plain, C, Cpp, Assembly };

struct ColouredGroup {
    std::string_view name;
    Language language;
    bool nerakOnly;
};

constexpr std::string_view kDefaultGroup = "(Default)";
constexpr std::string_view kOptimizedListGroup = "Optimized linkage list file";

// Every group with fixed rows, in the order of the attribute and category lists.
constexpr std::array<ColouredGroup, 19> kColouredGroups{{
    {kDefaultGroup, Language::Plain, false},
    {"C source file", Language::C, false},
    {"C header file", Language::C, false},
    {"C list file", Language::C, false},
    {"Preprocessed C source file", Language::C, false},
    {"C++ source file", Language::Cpp, false},
    {"C++ header file", Language::Cpp, false},
    {"C++ list file", Language::Cpp, false},
    {"Preprocessed C++ source file", Language::Cpp, false},
    {"Assembly source file", Language::Assembly, false},
    {"Assembly list file", Language::Assembly, false},
    {"Expanded assembly source file", Language::Assembly, false},
    {"Linkage symbol file", Language::Assembly, false},
    {"Assembly include file", Language::Assembly, false},
    {"Linkage map file", Language::Plain, false},
    {kOptimizedListGroup, Language::Plain, true},
    {"S-Record file", Language::Plain, false},
    {"Library list file", Language::Plain, false},
    {"Library section list file", Language::Plain, false},
}};

// The groups whose colouring belongs to the compiler, then those that belong to the assembler.
constexpr std::array<std::string_view, 9> kCompilerColouredGroups{
    "C source file",       "C header file",   "C list file",   "Preprocessed C source file",
    "C++ source file",     "C++ header file", "C++ list file", "Preprocessed C++ source file",
    "Assembly source file"};
constexpr std::array<std::string_view, 4> kAssemblerColouredGroups{
    "Assembly list file", "Expanded assembly source file", "Linkage symbol file", "Assembly include file"};
constexpr std::array<std::string_view, 4> kUserColouredGroups{
    "Linkage map file", "S-Record file", "Library list file", "Library section list file"};

// The versions of the family's compiler and assembler that the system file groups name.
struct ColouringVersions {
    std::string_view compiler;
    std::string_view assembler;
};
constexpr ColouringVersions kQuarixColouringVersions{"5.0", "4.1"};
constexpr ColouringVersions kNerakColouringVersions{"3.0", "3.0A"};

void addAttributes(SyntaxColouring& out, std::string_view group, Language language) {
    std::string_view blockStart, blockEnd, lineComment, noCase = "OFF";
    switch (language) {
        case Language::C:
        case Language::Cpp:
            blockStart = "/*";
            blockEnd = "*/";
            lineComment = "//";
            break;
        case Language::Assembly:
            lineComment = ";";
            noCase = "ON";
            break;
        case Language::Plain:
            break;
    }
    std::string name(group);
    out.attributes.push_back({name, "COMMENTBLOCKSTART", std::string(blockStart)});
    out.attributes.push_back({name, "COMMENTBLOCKEND", std::string(blockEnd)});
    out.attributes.push_back({name, "LINECOMMENT", std::string(lineComment)});
    out.attributes.push_back({name, "NOCASE", std::string(noCase)});
    out.attributes.push_back({name, "NOQUOTES", "OFF"});
}

void addCategory(SyntaxColouring& out, std::string_view group, std::string_view category,
                 std::string_view foreground, std::string_view background, std::string_view keywords = {}) {
    out.categories.push_back({std::string(group), std::string(category), std::string(foreground),
                              std::string(background), std::string(keywords)});
}

void addCategories(SyntaxColouring& out, std::string_view group, Language language) {
    bool plain = language == Language::Plain;
    addCategory(out, group, "Comments", plain ? "SYSTEM" : "DARKGREEN", "SYSTEM");
    addCategory(out, group, "Bookmarks", "WHITE", "DARKGREEN");
    addCategory(out, group, "Selected Text", "WHITE", "BLACK");
    addCategory(out, group, "Text", plain ? "SYSTEM" : "BLACK", "SYSTEM");
    switch (language) {
        case Language::C:
            addCategory(out, group, "PreProcessor", "BLUE", "SYSTEM", kPreprocessorKeywords);
            addCategory(out, group, "Control", "RED", "SYSTEM", kCControlKeywords);
            addCategory(out, group, "Declaration", "BLUE", "SYSTEM", kCDeclarationKeywords);
            addCategory(out, group, "Operator", "CYAN", "SYSTEM", "sizeof");
            break;
        case Language::Cpp:
            addCategory(out, group, "PreProcessor", "BLUE", "SYSTEM", kPreprocessorKeywords);
            addCategory(out, group, "Control", "RED", "SYSTEM", kCppControlKeywords);
            addCategory(out, group, "Declaration", "BLUE", "SYSTEM", kCppDeclarationKeywords);
            addCategory(out, group, "Operator", "CYAN", "SYSTEM", kCppOperatorKeywords);
            addCategory(out, group, "Value", "DARKYELLOW", "SYSTEM", "false|true|this");
            break;
        case Language::Assembly:
            addCategory(out, group, "PreProcessor", "BLUE", "SYSTEM", kAsmPreprocessorKeywords);
            addCategory(out, group, "Directive", "RED", "SYSTEM", kAsmDirectiveKeywords);
            addCategory(out, group, "Data", "PURPLE", "SYSTEM", kAsmDataKeywords);
            break;
        case Language::Plain:
            break;
    }
}

void addFileGroup(SyntaxColouring& out, std::string_view group, std::string_view tool,
                  std::string_view version, std::string_view property) {
    out.fileGroups.push_back(
        {std::string(group), std::string(tool), std::string(version), std::string(property)});
}

}  // namespace

SyntaxColouring defaultSyntaxColouring(std::string_view cpuFamily,
                                       const std::vector<ProjectFileGroup>& fileGroups) {
    SyntaxColouring out;
    const FamilyInfo* family = findFamily(cpuFamily);
    if (family == nullptr) return out;
    const bool nerak = family->family == Family::Nerak;

    std::unordered_set<std::string_view> coloured;
    for (const ColouredGroup& group : kColouredGroups) {
        if (group.nerakOnly && !nerak) continue;
        addAttributes(out, group.name, group.language);
        coloured.insert(group.name);
    }
    for (const ColouredGroup& group : kColouredGroups) {
        if (group.nerakOnly && !nerak) continue;
        addCategories(out, group.name, group.language);
    }

    const ColouringVersions& versions = nerak ? kNerakColouringVersions : kQuarixColouringVersions;
    const std::string_view compiler = korCompilerName(cpuFamily);
    const std::string_view assembler = familyToolName(cpuFamily, ToolKind::Assembler);
    addFileGroup(out, kDefaultGroup, "", "", "DEFAULT");
    for (std::string_view group : kCompilerColouredGroups) {
        addFileGroup(out, group, compiler, versions.compiler, "SYSTEM");
    }
    for (std::string_view group : kAssemblerColouredGroups) {
        addFileGroup(out, group, assembler, versions.assembler, "SYSTEM");
    }
    if (nerak) addFileGroup(out, kOptimizedListGroup, "", "", "USER");
    for (std::string_view group : kUserColouredGroups) addFileGroup(out, group, "", "", "USER");

    // The project's other text groups are coloured like "(Default)", under their own names.
    for (const ProjectFileGroup& group : fileGroups) {
        if (group.property != "TEXT" || !coloured.insert(group.name).second) continue;
        addAttributes(out, group.name, Language::Plain);
        addCategories(out, group.name, Language::Plain);
        addFileGroup(out, group.name, "", "", "USER");
    }
    return out;
}

}  // namespace z2k

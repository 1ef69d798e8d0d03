#include "translation/ToolNameMap.h"

#include <algorithm>
#include <array>

#include "translation/FamilyProfile.h"

namespace z2k {

namespace {

constexpr std::array<ToolNameMapping, 19> kToolNameMap{{
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
}};

constexpr std::array<std::string_view, 8> kCompilerNames{
    "QX C/C++ Compiler", "Vantrel QX C/C++ Compiler", "Nerak C/C++ Compiler", "Vantrel Nerak C/C++ Compiler",
    "QX C Compiler",     "Vantrel QX C Compiler",     "Nerak C Compiler",     "Vantrel Nerak C Compiler"};

constexpr std::array<std::string_view, 4> kAssemblerNames{"QX Assembler", "Vantrel QX Assembler",
                                                          "Nerak Assembler", "Vantrel Nerak Assembler"};

template <typename List>
bool contains(const List& list, std::string_view name) {
    return std::find(list.begin(), list.end(), name) != list.end();
}

}  // namespace

std::span<const ToolNameMapping> ToolNameMap() {
    return kToolNameMap;
}

std::string MapToolName(std::string_view zatToolName) {
    for (const ToolNameMapping& row : ToolNameMap()) {
        if (row.zatName == zatToolName) return std::string(row.korName);
    }
    return {};
}

bool IsKnownTool(std::string_view cpuFamily, std::string_view zatToolName) {
    return contains(kKnownCpuFamilies, cpuFamily) && contains(kKnownZatToolNames, zatToolName);
}

std::string DefaultSourceType(std::string_view toolName) {
    if (contains(kCompilerNames, toolName)) return "C source file";
    if (contains(kAssemblerNames, toolName)) return "Assembly source file";
    return {};
}

}  // namespace z2k

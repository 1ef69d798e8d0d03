#pragma once
// The family-specific tool names and the tool predicates. The family is the KOR project's CPU
// family and is compared ignoring case; tool names are compared exactly. A family that is
// neither of the two gives empty names and false predicates.
#include <string_view>

namespace z2k {

enum class Family { Quarix, Nerak, Other };

// The family of a CPU family text, ignoring case.
Family FamilyOf(std::string_view cpuFamily);

bool IsCompiler(std::string_view cpuFamily, std::string_view toolName);
bool IsAssembler(std::string_view cpuFamily, std::string_view toolName);
bool IsOptLinker(std::string_view cpuFamily, std::string_view toolName);
bool IsOptimizer(std::string_view cpuFamily, std::string_view toolName);
bool IsLinkageEditor(std::string_view cpuFamily, std::string_view toolName);
// IsOptLinker, IsOptimizer or IsLinkageEditor.
bool IsLinkTool(std::string_view cpuFamily, std::string_view toolName);

std::string_view ZatCompilerName(std::string_view cpuFamily);
std::string_view KorCompilerName(std::string_view cpuFamily);
std::string_view AssemblerName(std::string_view cpuFamily);
std::string_view OptLinkerName(std::string_view cpuFamily);
std::string_view KorLinkerName(std::string_view cpuFamily);
std::string_view OptimizerName(std::string_view cpuFamily);
std::string_view LinkageEditorName(std::string_view cpuFamily);
std::string_view LibrarianName(std::string_view cpuFamily);
std::string_view StypeConverterName(std::string_view cpuFamily);

}  // namespace z2k

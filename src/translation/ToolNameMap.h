#pragma once
// How a ZAT tool is named on the KOR side, which tools the converters know, and which file type
// a tool's project-wide options are attached to.
#include <span>
#include <string>
#include <string_view>

namespace z2k {

struct ToolNameMapping {
    std::string_view zatName;
    std::string_view korName;
};

// The ordered mapping table; the first row whose ZAT name equals the name exactly decides.
std::span<const ToolNameMapping> ToolNameMap();

// The KOR name of a ZAT tool; empty when the tool has no KOR counterpart of its own (the
// optimizer and the linkage editor, which the KOR linker replaces) or matches no row.
std::string MapToolName(std::string_view zatToolName);

// True only when the family is one of the three known families and the tool one of the nine
// known ZAT tools (both exact).
bool IsKnownTool(std::string_view cpuFamily, std::string_view zatToolName);

// "C source file" for the compilers, "Assembly source file" for the assemblers, else empty.
std::string DefaultSourceType(std::string_view toolName);

}  // namespace z2k

#pragma once
// The nine ZAT tools that have an option converter, in one table: their ZAT and KOR names, what
// kind of tool each is, which family it belongs to and how its converter is made. The tool
// names, kinds and the converter of a tool are all derived from this table.
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "options/Families.h"
#include "options/ToolConverter.h"

namespace z2k {

enum class ToolKind { Compiler, Assembler, OptLinker, Optimizer, LinkageEditor, Librarian, StypeConverter };

struct ToolInfo {
    std::string_view zatName;
    // The KOR phase of the tool; empty for the optimizer and the linkage editor, whose place the
    // KOR linker of the family takes.
    std::string_view korName;
    ToolKind kind;
    Family family;  // Family::Other: a V Series tool that serves both families
    std::unique_ptr<ToolConverter> (*makeConverter)();
};

// The nine tools, in the order of the ZAT tool list.
std::span<const ToolInfo> tools();

// The tool whose ZAT name equals the name exactly; nullptr for any other name.
const ToolInfo* findTool(std::string_view zatName);

// True only when the family is one of the three known family keys and the tool one of the nine
// (both exact).
bool isKnownTool(std::string_view cpuFamily, std::string_view zatName);

// The ZAT name of the family's tool of this kind (the family ignoring case); empty where the
// family has no such tool.
std::string_view familyToolName(std::string_view cpuFamily, ToolKind kind);
// True when the family has a tool of this kind and its ZAT name equals the name exactly.
bool isFamilyTool(std::string_view cpuFamily, ToolKind kind, std::string_view zatName);
// The opt linker, the optimizer or the linkage editor of the family.
bool isFamilyLinkTool(std::string_view cpuFamily, std::string_view zatName);

// The KOR names of the family's compiler and linker; empty for another family.
std::string_view korCompilerName(std::string_view cpuFamily);
std::string_view korLinkerName(std::string_view cpuFamily);

// The KOR name of a ZAT tool, also for its name without the vendor prefix ("QX C Compiler" gives
// "QX C/C++ Compiler"); empty for the tools the KOR linker replaces and for any other name.
std::string korToolName(std::string_view zatName);

// "C source file" for the compilers, "Assembly source file" for the assemblers (by ZAT or KOR
// name, with or without the vendor prefix), else empty.
std::string defaultSourceType(std::string_view toolName);

// The converter of the tool, made once for the process and never changed after (a conversion
// keeps nothing in it), or nullptr for an unknown name.
const ToolConverter* sharedConverter(std::string_view zatName);

}  // namespace z2k

#include "options/ToolTable.h"

#include <array>

#include "options/LibrarianConverter.h"
#include "options/LinkageEditorConverter.h"
#include "options/NerakAssemblerConverter.h"
#include "options/NerakCompilerConverter.h"
#include "options/NerakOptimizerConverter.h"
#include "options/QxAssemblerConverter.h"
#include "options/QxCompilerConverter.h"
#include "options/QxOptLinkerConverter.h"
#include "options/StypeConverter.h"

namespace z2k {

namespace {

template <typename Converter>
std::unique_ptr<ToolConverter> make() {
    return std::make_unique<Converter>();
}

using K = ToolKind;

constexpr std::array<ToolInfo, 9> kTools{{
    {"Vantrel QX C Compiler", "Vantrel QX C/C++ Compiler", K::Compiler, Family::Quarix,
     &make<QxCompilerConverter>},
    {"Vantrel QX Assembler", "Vantrel QX Assembler", K::Assembler, Family::Quarix,
     &make<QxAssemblerConverter>},
    {"Vantrel QX IM OptLinker", "Vantrel QX IM OptLinker", K::OptLinker, Family::Quarix,
     &make<QxOptLinkerConverter>},
    {"Vantrel Nerak C Compiler", "Vantrel Nerak C/C++ Compiler", K::Compiler, Family::Nerak,
     &make<NerakCompilerConverter>},
    {"Vantrel Nerak Assembler", "Vantrel Nerak Assembler", K::Assembler, Family::Nerak,
     &make<NerakAssemblerConverter>},
    {"Vantrel Nerak IM Optimizer", "", K::Optimizer, Family::Nerak, &make<NerakOptimizerConverter>},
    {"Vantrel V Series Linkage Editor", "", K::LinkageEditor, Family::Other, &make<LinkageEditorConverter>},
    {"Vantrel V Series Librarian", "Vantrel V Series Librarian", K::Librarian, Family::Other,
     &make<LibrarianConverter>},
    {"Vantrel V Series Stype Converter", "Vantrel V Series Stype Converter", K::StypeConverter, Family::Other,
     &make<StypeConverter>},
}};

constexpr std::string_view kVendorPrefix = "Vantrel ";

// The name without the vendor prefix; empty when the name has no such prefix.
std::string_view shortName(std::string_view name) {
    return name.starts_with(kVendorPrefix) ? name.substr(kVendorPrefix.size()) : std::string_view();
}

const ToolInfo* familyTool(std::string_view cpuFamily, ToolKind kind) {
    const Family family = familyOf(cpuFamily);
    if (family == Family::Other) return nullptr;
    for (const ToolInfo& tool : kTools)
        if (tool.kind == kind && (tool.family == family || tool.family == Family::Other)) return &tool;
    return nullptr;
}

}  // namespace

std::span<const ToolInfo> tools() {
    return kTools;
}

const ToolInfo* findTool(std::string_view zatName) {
    for (const ToolInfo& tool : kTools)
        if (tool.zatName == zatName) return &tool;
    return nullptr;
}

bool isKnownTool(std::string_view cpuFamily, std::string_view zatName) {
    return isKnownFamily(cpuFamily) && findTool(zatName) != nullptr;
}

std::string_view familyToolName(std::string_view cpuFamily, ToolKind kind) {
    const ToolInfo* tool = familyTool(cpuFamily, kind);
    return tool == nullptr ? std::string_view() : tool->zatName;
}

bool isFamilyTool(std::string_view cpuFamily, ToolKind kind, std::string_view zatName) {
    const ToolInfo* tool = familyTool(cpuFamily, kind);
    return tool != nullptr && tool->zatName == zatName;
}

bool isFamilyLinkTool(std::string_view cpuFamily, std::string_view zatName) {
    return isFamilyTool(cpuFamily, K::OptLinker, zatName) || isFamilyTool(cpuFamily, K::Optimizer, zatName) ||
           isFamilyTool(cpuFamily, K::LinkageEditor, zatName);
}

std::string_view korCompilerName(std::string_view cpuFamily) {
    const ToolInfo* tool = familyTool(cpuFamily, K::Compiler);
    return tool == nullptr ? std::string_view() : tool->korName;
}

std::string_view korLinkerName(std::string_view cpuFamily) {
    const FamilyInfo* info = familyInfo(familyOf(cpuFamily));
    return info == nullptr ? std::string_view() : info->korLinker;
}

std::string korToolName(std::string_view zatName) {
    if (zatName.empty()) return {};
    for (const ToolInfo& tool : kTools) {
        if (tool.zatName == zatName) return std::string(tool.korName);
        if (shortName(tool.zatName) == zatName) return std::string(shortName(tool.korName));
    }
    return {};
}

std::string defaultSourceType(std::string_view toolName) {
    if (toolName.empty()) return {};
    for (const ToolInfo& tool : kTools) {
        if (tool.kind != K::Compiler && tool.kind != K::Assembler) continue;
        if (toolName == tool.zatName || toolName == tool.korName || toolName == shortName(tool.zatName) ||
            toolName == shortName(tool.korName))
            return tool.kind == K::Compiler ? "C source file" : "Assembly source file";
    }
    return {};
}

const ToolConverter* sharedConverter(std::string_view zatName) {
    // Built once, by the first caller of any thread, and constant from then on.
    static const std::array<std::unique_ptr<const ToolConverter>, kTools.size()> converters = [] {
        std::array<std::unique_ptr<const ToolConverter>, kTools.size()> made;
        for (std::size_t i = 0; i < kTools.size(); ++i) made[i] = kTools[i].makeConverter();
        return made;
    }();
    for (std::size_t i = 0; i < kTools.size(); ++i)
        if (kTools[i].zatName == zatName) return converters[i].get();
    return nullptr;
}

}  // namespace z2k

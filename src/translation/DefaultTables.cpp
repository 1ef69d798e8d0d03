#include "translation/DefaultTables.h"

#include "options/ToolTable.h"

namespace z2k {

namespace {

// Taken literally, also for a family that lacks the tool: the empty name is looked up like any
// other and finds a build-order row whose name is empty.
bool has(std::string_view name, const InBuildOrder& inBuildOrder) {
    return inBuildOrder(name);
}

struct ToolsPresent {
    bool compiler;
    bool assembler;
    bool linker;
    bool librarian;
    bool stypeConverter;
};

ToolsPresent toolsPresent(std::string_view family, const InBuildOrder& inBuildOrder) {
    auto hasTool = [&](ToolKind kind) { return has(familyToolName(family, kind), inBuildOrder); };
    return {hasTool(ToolKind::Compiler), hasTool(ToolKind::Assembler),
            hasTool(ToolKind::OptLinker) || hasTool(ToolKind::Optimizer) || hasTool(ToolKind::LinkageEditor),
            hasTool(ToolKind::Librarian), hasTool(ToolKind::StypeConverter)};
}

}  // namespace

ToolChainEntry defaultToolChain(std::string_view cpuFamily) {
    if (const FamilyInfo* info = findFamily(cpuFamily)) {
        return {std::string(info->toolChainFull), std::string(info->toolChainVersion)};
    }
    return {"", "0"};
}

std::vector<std::string> defaultToolchainPhases(std::string_view cpuFamily,
                                                const InBuildOrder& inBuildOrder) {
    ToolsPresent tools = toolsPresent(cpuFamily, inBuildOrder);
    std::vector<std::string> phases;
    if (tools.compiler) phases.emplace_back(korCompilerName(cpuFamily));
    if (tools.assembler) phases.emplace_back(familyToolName(cpuFamily, ToolKind::Assembler));
    if (tools.linker) phases.emplace_back(korLinkerName(cpuFamily));
    if (tools.librarian) phases.emplace_back(familyToolName(cpuFamily, ToolKind::Librarian));
    if (tools.stypeConverter) phases.emplace_back(familyToolName(cpuFamily, ToolKind::StypeConverter));
    return phases;
}

std::vector<MappingEntry> defaultMappings(std::string_view cpuFamily, const InBuildOrder& inBuildOrder) {
    ToolsPresent tools = toolsPresent(cpuFamily, inBuildOrder);
    std::string compiler(korCompilerName(cpuFamily));
    std::string assembler(familyToolName(cpuFamily, ToolKind::Assembler));
    std::string linker(korLinkerName(cpuFamily));
    std::string librarian(familyToolName(cpuFamily, ToolKind::Librarian));
    std::string stype(familyToolName(cpuFamily, ToolKind::StypeConverter));

    std::vector<MappingEntry> mappings;
    if (tools.compiler && tools.linker) mappings.push_back({"Object file", linker, compiler});
    if (tools.assembler && tools.linker) mappings.push_back({"Object file", linker, assembler});
    if (tools.compiler && tools.assembler) mappings.push_back({"Assembly source file", assembler, compiler});
    if (tools.linker && tools.stypeConverter) mappings.push_back({"Absolute file", stype, linker});
    if (tools.compiler && tools.librarian) mappings.push_back({"Object file", librarian, compiler});
    if (tools.assembler && tools.librarian) mappings.push_back({"Object file", librarian, assembler});
    return mappings;
}

}  // namespace z2k

#include "translation/DefaultTables.h"

#include "translation/FamilyProfile.h"
#include "translation/FamilyTools.h"

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
    return {has(ZatCompilerName(family), inBuildOrder), has(AssemblerName(family), inBuildOrder),
            has(OptLinkerName(family), inBuildOrder) || has(OptimizerName(family), inBuildOrder) ||
                has(LinkageEditorName(family), inBuildOrder),
            has(LibrarianName(family), inBuildOrder), has(StypeConverterName(family), inBuildOrder)};
}

}  // namespace

ToolChainEntry DefaultToolChain(std::string_view cpuFamily) {
    if (const FamilyProfile* profile = FindFamilyProfile(cpuFamily)) {
        return {std::string(profile->toolChainFull), std::string(profile->toolChainVersion)};
    }
    return {"", "0"};
}

std::vector<std::string> DefaultToolchainPhases(std::string_view cpuFamily,
                                                const InBuildOrder& inBuildOrder) {
    ToolsPresent tools = toolsPresent(cpuFamily, inBuildOrder);
    std::vector<std::string> phases;
    if (tools.compiler) phases.emplace_back(KorCompilerName(cpuFamily));
    if (tools.assembler) phases.emplace_back(AssemblerName(cpuFamily));
    if (tools.linker) phases.emplace_back(KorLinkerName(cpuFamily));
    if (tools.librarian) phases.emplace_back(LibrarianName(cpuFamily));
    if (tools.stypeConverter) phases.emplace_back(StypeConverterName(cpuFamily));
    return phases;
}

std::vector<MappingEntry> DefaultMappings(std::string_view cpuFamily, const InBuildOrder& inBuildOrder) {
    ToolsPresent tools = toolsPresent(cpuFamily, inBuildOrder);
    std::string compiler(KorCompilerName(cpuFamily));
    std::string assembler(AssemblerName(cpuFamily));
    std::string linker(KorLinkerName(cpuFamily));
    std::string librarian(LibrarianName(cpuFamily));
    std::string stype(StypeConverterName(cpuFamily));

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

#pragma once
// The KOR tables that follow from the family and from which tools the ZAT build order holds:
// the tool chain, the tool-chain phases and the file-type mappings between tools.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace z2k {

// Whether the ZAT build order has a row of this name, whatever its enabled flag.
using InBuildOrder = std::function<bool(std::string_view toolName)>;

struct ToolChainEntry {
    std::string variable;  // the tool chain's full name
    std::string value;     // its version
};

struct MappingEntry {
    std::string fileType;
    std::string consumer;
    std::string producer;
};

// The full tool-chain name and version of the family (exact comparison); {empty, "0"} otherwise.
ToolChainEntry defaultToolChain(std::string_view cpuFamily);

// One KOR tool name per tool of the build order: compiler, assembler, linker (once, for any of
// the three link tools), librarian, S-type converter.
std::vector<std::string> defaultToolchainPhases(std::string_view cpuFamily, const InBuildOrder& inBuildOrder);

// The file types passed between the tools of the build order, in the fixed order.
std::vector<MappingEntry> defaultMappings(std::string_view cpuFamily, const InBuildOrder& inBuildOrder);

}  // namespace z2k

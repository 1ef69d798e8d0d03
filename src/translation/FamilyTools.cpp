#include "translation/FamilyTools.h"

#include "platform/CodePage.h"
#include "translation/FamilyProfile.h"

namespace z2k {

namespace {

// The name of a tool in each family; empty where the family has no such tool.
struct FamilyToolName {
    std::string_view quarix;
    std::string_view nerak;

    std::string_view of(std::string_view cpuFamily) const {
        switch (FamilyOf(cpuFamily)) {
            case Family::Quarix:
                return quarix;
            case Family::Nerak:
                return nerak;
            case Family::Other:
                break;
        }
        return {};
    }

    // True when the family has this tool and the tool name equals it exactly.
    bool matches(std::string_view cpuFamily, std::string_view toolName) const {
        std::string_view name = of(cpuFamily);
        return !name.empty() && name == toolName;
    }
};

constexpr FamilyToolName kZatCompiler{kZatQxCompiler, kZatNerakCompiler};
constexpr FamilyToolName kKorCompiler{kKorQxCompiler, kKorNerakCompiler};
constexpr FamilyToolName kAssembler{kZatQxAssembler, kZatNerakAssembler};
constexpr FamilyToolName kOptLinker{kZatQxOptLinker, ""};
constexpr FamilyToolName kKorLinker{kZatQxOptLinker, kKorNerakLinker};
constexpr FamilyToolName kOptimizer{"", kZatNerakOptimizer};
constexpr FamilyToolName kLinkageEditor{kZatLinkageEditor, kZatLinkageEditor};
constexpr FamilyToolName kLibrarian{kZatLibrarian, kZatLibrarian};
constexpr FamilyToolName kStypeConverter{kZatStypeConverter, kZatStypeConverter};

}  // namespace

Family FamilyOf(std::string_view cpuFamily) {
    if (equalsIgnoreCase(cpuFamily, kQuarixFamily)) return Family::Quarix;
    if (equalsIgnoreCase(cpuFamily, kNerakFamily)) return Family::Nerak;
    return Family::Other;
}

bool IsCompiler(std::string_view cpuFamily, std::string_view toolName) {
    return kZatCompiler.matches(cpuFamily, toolName);
}
bool IsAssembler(std::string_view cpuFamily, std::string_view toolName) {
    return kAssembler.matches(cpuFamily, toolName);
}
bool IsOptLinker(std::string_view cpuFamily, std::string_view toolName) {
    return kOptLinker.matches(cpuFamily, toolName);
}
bool IsOptimizer(std::string_view cpuFamily, std::string_view toolName) {
    return kOptimizer.matches(cpuFamily, toolName);
}
bool IsLinkageEditor(std::string_view cpuFamily, std::string_view toolName) {
    return kLinkageEditor.matches(cpuFamily, toolName);
}
bool IsLinkTool(std::string_view cpuFamily, std::string_view toolName) {
    return IsOptLinker(cpuFamily, toolName) || IsOptimizer(cpuFamily, toolName) ||
           IsLinkageEditor(cpuFamily, toolName);
}

std::string_view ZatCompilerName(std::string_view cpuFamily) {
    return kZatCompiler.of(cpuFamily);
}
std::string_view KorCompilerName(std::string_view cpuFamily) {
    return kKorCompiler.of(cpuFamily);
}
std::string_view AssemblerName(std::string_view cpuFamily) {
    return kAssembler.of(cpuFamily);
}
std::string_view OptLinkerName(std::string_view cpuFamily) {
    return kOptLinker.of(cpuFamily);
}
std::string_view KorLinkerName(std::string_view cpuFamily) {
    return kKorLinker.of(cpuFamily);
}
std::string_view OptimizerName(std::string_view cpuFamily) {
    return kOptimizer.of(cpuFamily);
}
std::string_view LinkageEditorName(std::string_view cpuFamily) {
    return kLinkageEditor.of(cpuFamily);
}
std::string_view LibrarianName(std::string_view cpuFamily) {
    return kLibrarian.of(cpuFamily);
}
std::string_view StypeConverterName(std::string_view cpuFamily) {
    return kStypeConverter.of(cpuFamily);
}

}  // namespace z2k

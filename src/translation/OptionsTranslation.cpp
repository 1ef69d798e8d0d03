#include "translation/OptionsTranslation.h"

#include <utility>
#include <vector>

#include "options/ConvertToolOptions.h"
#include "options/ToolTable.h"
#include "translation/BuildOrderTranslation.h"
#include "translation/ConversionReport.h"

namespace z2k {

namespace {

constexpr std::string_view kDefaultMarker = "-default";
constexpr std::string_view kProjectDirectoryMarker = "$(PROJDIR)";

// The options last stored for one ZAT link tool in one configuration, and for the report the
// outcomes of that row (only the chosen tool's last row reaches the KOR project).
struct LinkSlot {
    std::string options;
    bool stored = false;
    std::string tool;
    std::string file;
    OptionOutcomes outcomes;
};

struct LinkSlots {
    LinkSlot editor, optLinker, optimizer;

    LinkSlot* of(std::string_view family, std::string_view tool) {
        return isFamilyTool(family, ToolKind::LinkageEditor, tool) ? &editor
               : isFamilyTool(family, ToolKind::OptLinker, tool)   ? &optLinker
               : isFamilyTool(family, ToolKind::Optimizer, tool)   ? &optimizer
                                                                   : nullptr;
    }
};

// ConvertToolOptions for this project: the ZAT project directory becomes "$(PROJDIR)". The CPU
// defaults are extracted only when cpuDefaults is given.
OptionConversion convert(const TranslationContext& context, std::string_view tool,
                         std::string_view zatOptions, std::string& korOptions, std::string* cpuDefaults,
                         OptionOutcomes* outcomes) {
    const std::string& directory = context.zat.projectDetails.strDirectory;
    if (cpuDefaults == nullptr)
        return convertToolOptionsWithoutCpuDefaults(context.family, tool, zatOptions, directory,
                                                    kProjectDirectoryMarker, korOptions, context.page,
                                                    outcomes);
    return convertToolOptions(context.family, tool, zatOptions, directory, kProjectDirectoryMarker,
                              korOptions, *cpuDefaults, context.page, outcomes);
}

// The rows of one known tool's table. False when a row's options do not convert.
bool convertToolRows(const TranslationContext& context, const std::string& configuration,
                     const std::string& tool, const std::vector<ZatOptionRow>& entries, LinkSlots& slots,
                     std::vector<KorOptionRow>& rows) {
    // The tool's CPU defaults, from its first row (or its defaults); empty for the tools that
    // have none.
    std::string cpuDefaults;
    {
        std::string ignored;
        convert(context, tool, entries.empty() ? kDefaultMarker : std::string_view(entries.front().strOption),
                ignored, &cpuDefaults, nullptr);
    }
    LinkSlot* slot = slots.of(context.family, tool);
    // One record store for all rows: each conversion clears it and reuses its room.
    OptionOutcomes outcomes;
    for (const ZatOptionRow& row : entries) {
        const std::string_view korFile = row.nID == 0 ? std::string_view() : context.korFilePath(row.nID);
        std::string options;
        outcomes.clear();
        if (row.strOption.empty()) {
            options = cpuDefaults;
        } else if (convert(context, tool, row.strOption, options, nullptr,
                           context.report != nullptr ? &outcomes : nullptr) != OptionConversion::Converted) {
            return false;
        }
        if (slot != nullptr) {
            *slot = {std::move(options), true, tool, std::string(korFile), std::move(outcomes)};
            continue;
        }
        if (context.report != nullptr) addOutcomes(*context.report, configuration, tool, korFile, outcomes);
        rows.push_back(
            {row.nID == 0 ? defaultSourceType(tool) : std::string(korFile), std::move(options), "", 0});
    }
    if (isFamilyTool(context.family, ToolKind::Compiler, tool)) {
        rows.push_back({"C source file", cpuDefaults, "", 0});
        rows.push_back({"C++ source file", cpuDefaults, "", 0});
    } else if (isFamilyTool(context.family, ToolKind::Assembler, tool)) {
        rows.push_back({"Assembly source file", cpuDefaults, "", 0});
        rows.push_back({"Linkage symbol file", cpuDefaults, "", 0});
    }
    return true;
}

// The options of the one KOR linker row of a configuration.
std::string linkerOptions(const TranslationContext& context, const std::string& configuration,
                          LinkSlots& slots) {
    const LinkerChoice choice = chooseLinker(context);
    LinkSlot* chosen = choice.tool.empty() ? nullptr : slots.of(context.family, choice.tool);
    const bool useDefault = choice.useDefault || chosen == nullptr || chosen->options == kDefaultMarker;
    if (!useDefault) {
        if (context.report != nullptr && chosen->stored)
            addOutcomes(*context.report, configuration, chosen->tool, chosen->file, chosen->outcomes);
        return chosen->options;
    }
    // A default conversion that fails (no link tool for the family) gives empty options.
    std::string converted;
    OptionOutcomes outcomes;
    if (convert(context, choice.tool, kDefaultMarker, converted, nullptr,
                context.report != nullptr ? &outcomes : nullptr) != OptionConversion::Converted)
        return {};
    if (context.report != nullptr) addOutcomes(*context.report, configuration, choice.tool, {}, outcomes);
    return converted;
}

}  // namespace

LinkerChoice chooseLinker(const TranslationContext& context) {
    const std::string& family = context.family;
    std::string_view linkerName;
    switch (familyOf(family)) {
        case Family::Quarix:
            linkerName = familyToolName(family, ToolKind::OptLinker);
            break;
        case Family::Nerak:
            linkerName = familyToolName(family, ToolKind::Optimizer);
            break;
        case Family::Other:
            return {{}, true};
    }
    const std::string_view editorName = familyToolName(family, ToolKind::LinkageEditor);
    const ZatBuildOrderRow* linker = context.findBuildOrderEntry(linkerName);
    const ZatBuildOrderRow* editor = context.findBuildOrderEntry(editorName);
    const LinkerChoice ownLinker{std::string(linkerName), false};
    const LinkerChoice ownLinkerDefaults{std::string(linkerName), true};
    const LinkerChoice linkageEditor{std::string(editorName), false};
    // An enabled flag counts as set whenever it is not 0.
    if (editor == nullptr) return linker != nullptr ? ownLinker : ownLinkerDefaults;
    if (linker == nullptr) return linkageEditor;
    if (editor->bEnabled == 0) return linker->bEnabled != 0 ? ownLinker : ownLinkerDefaults;
    if (linker->bEnabled != 0) return ownLinker;
    return linkageEditor;
}

bool translateOptions(TranslationContext& context) {
    bool linkToolInOrder = false;
    for (const ZatBuildOrderRow& entry : context.zat.buildOrder)
        linkToolInOrder = linkToolInOrder || context.isLinkTool(entry.strName);

    KorProject::ConfigurationMap<KorOptionRow> map;
    for (const auto& [configuration, tables] : context.zat.configurationTables) {
        KorProject::PhaseMap<KorOptionRow> phases;
        LinkSlots slots;  // empty for each configuration
        for (const auto& [tool, entries] : tables.options) {
            if (!context.inBuildOrder(tool)) continue;
            std::vector<KorOptionRow> rows;
            if (context.isCustomPhase(tool)) {
                for (const ZatOptionRow& row : entries)
                    rows.push_back({std::string(context.korFilePath(row.nID)),
                                    fileLeaf(row.strOption, context.page), "", 0});
                phases.set(tool, std::move(rows));
                continue;
            }
            if (!isKnownTool(context.family, tool)) return false;
            if (!convertToolRows(context, configuration, tool, entries, slots, rows)) return false;
            // The optimizer and the linkage editor both map to the empty name: the later list
            // replaces the earlier one and the key keeps its first place.
            phases.set(korToolName(tool), std::move(rows));
        }
        if (linkToolInOrder)
            phases.set(korLinkerName(context.family),
                       {KorOptionRow{"", linkerOptions(context, configuration, slots), "", 0}});
        map.set(configuration, std::move(phases));
    }
    context.kor.options = std::move(map);
    return true;
}

}  // namespace z2k

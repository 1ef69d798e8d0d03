#include "translation/BuildOrderTranslation.h"

#include <utility>
#include <vector>

#include "options/OptionText.h"
#include "options/ToolTable.h"

namespace z2k {

namespace {

constexpr std::string_view kUnknownCustomGroup = "UnknownCustom";

// The rows of every (configuration, phase) entry whose phase is in the build order, each made
// by makeRow.
template <typename KorRow, typename ZatRow, typename MakeRow>
KorProject::ConfigurationMap<KorRow> perPhaseRows(
    const TranslationContext& context, OrderedMap<std::vector<ZatRow>> ZatConfigurationTables::*table,
    MakeRow makeRow) {
    KorProject::ConfigurationMap<KorRow> map;
    for (const auto& [configuration, tables] : context.zat.configurationTables) {
        KorProject::PhaseMap<KorRow> phases;
        for (const auto& [phase, entries] : tables.*table) {
            if (!context.inBuildOrder(phase)) continue;
            std::vector<KorRow> rows;
            rows.reserve(entries.size());
            for (const ZatRow& row : entries) rows.push_back(makeRow(row));
            phases.set(phase, std::move(rows));
        }
        map.set(configuration, std::move(phases));
    }
    return map;
}

}  // namespace

std::string fileLeaf(std::string_view text, CodePage page) {
    return OptionText::replaceAll(text, "$(FILE)", "$(FILELEAF)", page);
}

void translateBuildOrder(TranslationContext& context) {
    std::vector<KorBuildOrderRow> rows;
    std::size_t linkerRow = 0;
    bool linkToolSeen = false;
    bool linkToolEnabled = false;
    for (const ZatBuildOrderRow& entry : context.zat.buildOrder) {
        if (context.isLinkTool(entry.strName)) {
            // The link tools become one KOR linker at the place of the first of them.
            if (!linkToolSeen) {
                linkerRow = rows.size();
                rows.push_back({std::string(korLinkerName(context.family)), entry.bEnabled});
                linkToolSeen = true;
            }
            linkToolEnabled = linkToolEnabled || entry.bEnabled != 0;
            continue;
        }
        std::string name = context.korPhaseName(entry.strName);
        if (!name.empty()) rows.push_back({std::move(name), entry.bEnabled});
    }
    if (linkToolSeen) rows[linkerRow].bEnabled = linkToolEnabled ? 1 : 0;
    context.kor.buildOrder = std::move(rows);
}

void translateBuildPhases(TranslationContext& context) {
    std::vector<KorBuildPhase> rows;
    bool linkToolSeen = false;
    for (const ZatBuildOrderRow& entry : context.zat.buildOrder) {
        if (context.isLinkTool(entry.strName)) {
            if (!linkToolSeen) rows.push_back({std::string(korLinkerName(context.family)), 1});
            linkToolSeen = true;
            continue;
        }
        const std::vector<std::size_t>* phases = context.buildPhasesNamed(entry.strName);
        if (phases == nullptr) continue;
        std::string name = context.korPhaseName(entry.strName);
        if (name.empty()) continue;
        for (std::size_t index : *phases) rows.push_back({name, context.zat.buildPhases[index].bSystem});
    }
    context.kor.buildPhases = std::move(rows);
}

void translateBuildFileOrder(TranslationContext& context) {
    OrderedMap<std::vector<KorBuildOrderRow>> map;
    for (const auto& [group, entries] : context.zat.buildFileOrder) {
        std::vector<KorBuildOrderRow> rows;
        for (const ZatBuildOrderRow& entry : entries) {
            if (!context.inBuildOrder(entry.strName)) continue;
            // No merging of link tools here: those that map to nothing vanish.
            std::string name = context.korPhaseName(entry.strName);
            if (!name.empty()) rows.push_back({std::move(name), entry.bEnabled});
        }
        map.set(group, std::move(rows));
    }
    context.kor.buildFileOrder = std::move(map);
}

void translateCustomPhases(TranslationContext& context) {
    std::vector<KorCustomPhase> rows;
    for (const ZatCustomPhase& phase : context.zat.customPhases) {
        if (!context.inBuildOrder(phase.strName)) continue;
        rows.push_back(
            {phase.strName, phase.strCommand, phase.strInitialDirectory, phase.bMultiple, phase.strGroup, 0});
    }
    context.kor.customPhases = std::move(rows);
}

void translateEnvironment(TranslationContext& context) {
    OrderedMap<std::vector<KorVariableRow>> map;
    for (const auto& [phase, entries] : context.zat.environment) {
        if (!context.inBuildOrder(phase)) continue;
        map.set(phase, entries);
    }
    context.kor.environment = std::move(map);
}

void translateDependencies(TranslationContext& context) {
    context.kor.dependencies = perPhaseRows<KorDependencyRow>(
        context, &ZatConfigurationTables::dependencies, [&](const ZatDependencyRow& row) {
            return KorDependencyRow{std::string(context.korFilePath(row.nID)),
                                    fileLeaf(row.strName, context.page), std::string(kUnknownCustomGroup)};
        });
}

void translateOutputFiles(TranslationContext& context) {
    context.kor.outputFiles = perPhaseRows<KorOutputFileRow>(
        context, &ZatConfigurationTables::outputFiles, [&](const ZatOutputFileRow& row) {
            return KorOutputFileRow{std::string(context.korFilePath(row.nID)),
                                    fileLeaf(row.strName, context.page), std::string(kUnknownCustomGroup),
                                    row.bBuildInput};
        });
}

}  // namespace z2k

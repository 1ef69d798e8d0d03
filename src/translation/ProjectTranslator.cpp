#include "translation/ProjectTranslator.h"

#include <utility>
#include <vector>

#include "translation/BuildOrderTranslation.h"
#include "translation/DefaultTables.h"
#include "translation/OptionsTranslation.h"
#include "translation/ProjectFilesTranslation.h"
#include "translation/SyntaxColouring.h"
#include "translation/TranslationContext.h"

namespace z2k {

namespace {

// The tables that are the ZAT project's own rows, and the empty ones KOR expects.
void copyPlainTables(TranslationContext& context) {
    const ZatProject& zat = context.zat;
    KorProject& kor = context.kor;
    kor.projectTools = {};
    kor.databaseVersion = zat.databaseVersion;
    kor.information = zat.information;
    // The ZAT editor record has no KOR table: the editor settings travel in GENERAL_TOOLS.
    kor.scrap = {};
    // Rows of the layouts that both formats share are taken over whole.
    kor.externalEvents = zat.externalEvents;
    kor.generalTools = zat.generalTools;
    kor.configurations = zat.configurations;
    kor.currentConfiguration = zat.currentConfiguration;
}

// KOR's own tables for the family: tool chain, toolchain phases, mappings, syntax colouring.
void addDefaultTables(TranslationContext& context) {
    KorProject& kor = context.kor;
    const auto inBuildOrder = [&context](std::string_view name) { return context.inBuildOrder(name); };
    ToolChainEntry toolChain = defaultToolChain(context.family);
    kor.toolChain = {std::move(toolChain.variable), std::move(toolChain.value)};

    std::vector<KorTextRow> phases;
    for (std::string& phase : defaultToolchainPhases(context.family, inBuildOrder))
        phases.push_back({std::move(phase)});
    kor.toolchainPhases = std::move(phases);

    std::vector<KorTripleRow> mappings;
    for (MappingEntry& m : defaultMappings(context.family, inBuildOrder))
        mappings.push_back({std::move(m.fileType), std::move(m.consumer), std::move(m.producer)});
    kor.mappings = std::move(mappings);

    kor.utilityPhases = {};
    kor.associatedApplications = {};
    kor.toolEnvironment = {};
    kor.excludedFiles = {};

    std::vector<ProjectFileGroup> groups;
    groups.reserve(kor.fileGroups.size());
    for (const KorFileGroup& group : kor.fileGroups) groups.push_back({group.strName, group.strProperty});
    SyntaxColouring colouring = defaultSyntaxColouring(context.family, groups);
    std::vector<KorSyntaxAttribute> attributes;
    attributes.reserve(colouring.attributes.size());
    for (ColouringAttribute& a : colouring.attributes)
        attributes.push_back({std::move(a.group), std::move(a.attribute), std::move(a.value)});
    std::vector<KorSyntaxCategory> categories;
    categories.reserve(colouring.categories.size());
    for (ColouringCategory& c : colouring.categories) {
        categories.push_back({std::move(c.group), std::move(c.category), std::move(c.foreground),
                              std::move(c.background), std::move(c.keywords)});
    }
    std::vector<KorSyntaxFileGroup> fileGroups;
    fileGroups.reserve(colouring.fileGroups.size());
    for (ColouringFileGroup& f : colouring.fileGroups) {
        fileGroups.push_back(
            {std::move(f.fileGroup), std::move(f.toolName), std::move(f.toolVersion), std::move(f.property)});
    }
    kor.syntaxColouringAttributes = std::move(attributes);
    kor.syntaxColouringCategories = std::move(categories);
    kor.syntaxColouringFileGroups = std::move(fileGroups);
}

}  // namespace

Translation translateProject(const ZatProject& zat, std::string_view krpPath,
                             const TranslationOptions& options) {
    Translation result;
    KorProject kor;
    TranslationContext context(zat, kor, options.page, options.alerts, options.report ? &result.report : nullptr);

    translateProjectDetails(context, krpPath);
    translateProjectFiles(context);
    copyPlainTables(context);
    translateFileGroups(context);
    if (!translateExtensions(context)) {
        result.failure = TranslationFailure::DuplicateExtension;
        return result;
    }
    translateBuildOrder(context);
    translateBuildPhases(context);
    translateBuildFileOrder(context);
    translateCustomPhases(context);
    translateEnvironment(context);
    translateDependencies(context);
    if (!translateOptions(context)) {
        context.alert(kInvalidOptionsMessage);
        result.failure = TranslationFailure::InvalidOptions;
        return result;
    }
    translateOutputFiles(context);
    addDefaultTables(context);
    result.project = std::move(kor);
    return result;
}

}  // namespace z2k

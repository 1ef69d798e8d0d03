#include "translation/ProjectTranslator.h"

#include <algorithm>
#include <utility>

#include "options/ConvertToolOptions.h"
#include "options/OptionText.h"
#include "options/ToolTable.h"
#include "paths/PathParts.h"
#include "platform/CodePage.h"
#include "translation/ConversionReport.h"
#include "translation/DefaultTables.h"
#include "translation/FileTypeTable.h"
#include "translation/SyntaxColouring.h"

namespace z2k {

namespace {

constexpr std::string_view kDefaultMarker = "-default";
constexpr std::string_view kProjectDirectoryMarker = "$(PROJDIR)";
constexpr std::string_view kUnknownCustomGroup = "UnknownCustom";

std::string fileLeaf(std::string_view text) {
    return OptionText::replaceAll(text, "$(FILE)", "$(FILELEAF)");
}

bool endsWithBackslash(std::string_view path) {
    return !path.empty() && findLastChar(path, '\\') == path.size() - 1;
}

// directory + "\" (unless it ends in one) + rest.
std::string joinPath(std::string_view directory, std::string_view rest) {
    std::string path(directory);
    if (!endsWithBackslash(path)) path += '\\';
    path.append(rest);
    return path;
}

}  // namespace

ProjectTranslator::ProjectTranslator(ZatProject& zat, KorProject& kor, Alerts* alerts)
    : zat_(zat), kor_(kor), alerts_(alerts) {}

void ProjectTranslator::clearWorkingTables() {
    korDetails_ = {};
    projectFiles_.clear();
    projectFileByNumber_.clear();
    fileGroups_.clear();
    lookupsReady_ = false;
    buildOrderIndex_.clear();
    buildPhasesByName_.clear();
    customPhaseNames_.clear();
}

int ProjectTranslator::Translate() {
    clearWorkingTables();
    if (report_ != nullptr) report_->beginProject(zat_.path());

    BuildProjectDetails();
    BuildProjectFiles();
    kor_.projectTools.clear();
    kor_.databaseVersion = zat_.databaseVersion();
    kor_.information = zat_.information();
    // The ZAT editor record has no KOR table: the editor settings travel in GENERAL_TOOLS.
    kor_.scrap.clear();
    // Rows of the layouts that both formats share are taken over whole.
    kor_.externalEvents = zat_.externalEvents();
    kor_.generalTools = zat_.generalTools();
    kor_.configurations = zat_.configurations();
    kor_.currentConfiguration = zat_.currentConfiguration();

    BuildFileGroups();
    if (!BuildExtensions()) {
        clearWorkingTables();
        return 1;
    }

    BuildBuildOrder();
    BuildBuildPhases();
    BuildBuildFileOrder();
    BuildCustomPhases();
    BuildEnvironment();
    BuildDependencies();
    if (BuildOptions() != 0) {
        alert(kInvalidOptionsMessage);
        clearWorkingTables();
        return 1;
    }
    BuildOutputFiles();

    BuildToolChain();
    BuildToolchainPhases();
    BuildMappings();

    kor_.utilityPhases.clear();
    kor_.associatedApplications.clear();
    kor_.toolEnvironment.clear();
    kor_.excludedFiles.clear();

    BuildSyntaxColouring();
    return 0;
}

// --- project details, files, groups and extensions -----------------------------------------------

void ProjectTranslator::BuildProjectDetails() {
    const ZatProjectDetails& zat = zat_.projectDetails();

    std::string file = joinPath(GetParentDirectory(korPath_), GetFileTitle(korPath_));
    file += ".krp";

    std::string toolChain = zat.strToolChain;
    const FamilyInfo* family = findFamily(zat.strCPUFamily);
    if (family != nullptr && zat.strToolChain == family->vendor) toolChain = family->toolChain;

    korDetails_ = KorProjectDetails{GetFileTitle(zat.strProjectName),
                                    GetParentDirectory(file),
                                    file,
                                    std::move(toolChain),
                                    zat.strCPUFamily,
                                    std::string(kConvertedProjectType)};
    kor_.projectDetails = korDetails_;
}

void ProjectTranslator::BuildProjectFiles() {
    projectFiles_.clear();
    projectFileByNumber_.clear();
    const std::string& zatDir = zat_.projectDetails().strDirectory;
    const std::string& korDir = korDetails_.strDirectory;
    const std::size_t n = zatDir.size();  // bytes

    std::vector<KorProjectFile> rows;
    rows.reserve(zat_.projectFiles().size());
    for (const ZatProjectFile& file : zat_.projectFiles()) {
        std::string path = file.strName;
        std::string fileDir = GetParentDirectory(path);
        // In the project tree: the same directory, or one below it. "The character at position n"
        // is the character that starts at byte n; there is none when byte n is a trail byte.
        bool inTree = equalsIgnoreCase(fileDir, zatDir) ||
                      (fileDir.size() > n && isCharStart(fileDir, n) && fileDir[n] == '\\' &&
                       equalsIgnoreCase(std::string_view(fileDir).substr(0, n), zatDir));
        if (inTree) {
            // The part after the first n + 1 bytes, taken literally (a directory that ends in
            // "\" therefore loses one more byte).
            std::string_view rest = std::string_view(path).substr(std::min(path.size(), n + 1));
            path = joinPath(korDir, rest);
        }
        projectFileByNumber_.try_emplace(file.nID, projectFiles_.size());
        projectFiles_.push_back({path, file.nID, file.strTag});
        rows.push_back({std::move(path), "User", 0});
    }
    kor_.projectFiles = std::move(rows);
}

std::string_view ProjectTranslator::KorFilePath(std::int32_t nID) const {
    auto found = projectFileByNumber_.find(nID);
    return found == projectFileByNumber_.end() ? std::string_view()
                                               : std::string_view(projectFiles_[found->second].path);
}

void ProjectTranslator::BuildFileGroups() {
    fileGroups_.clear();
    const std::string& family = Family();
    auto table = fileTypeTable(family);

    std::unordered_set<std::string> defaultNames;
    std::unordered_set<std::string> defaultExtensions;  // upper case
    std::unordered_set<std::string> present;
    auto append = [&](const std::string& name, const std::string& property) {
        fileGroups_.push_back({name, property, property == "TEXT" ? "EDITOR" : "NONE", ""});
        present.insert(name);
    };
    for (const FileType& type : table) {
        defaultNames.emplace(type.name);
        defaultExtensions.insert(toUpperText(type.extension));
        if (!present.contains(std::string(type.name))) append(std::string(type.name), std::string(type.kind));
    }

    // The groups that have at least one extension outside the family's defaults.
    std::unordered_set<std::string> withOwnExtension;
    for (const ZatExtension& extension : zat_.extensions()) {
        if (!defaultExtensions.contains(toUpperText(extension.strExtension))) {
            withOwnExtension.insert(extension.strGroup);
        }
    }
    for (const ZatFileGroup& group : zat_.fileGroups()) {
        if (defaultNames.contains(group.strName) || present.contains(group.strName)) continue;
        if (withOwnExtension.contains(group.strName)) append(group.strName, group.strProperty);
    }
    kor_.fileGroups = fileGroups_;
}

std::string ProjectTranslator::DuplicateExtensionMessage(std::string_view extension,
                                                         std::string_view existingGroup,
                                                         std::string_view zatGroup) {
    std::string text = "Error: The file extension \"";
    text.append(extension);
    text += "\" is defined twice for:\n\n\t";
    text.append(existingGroup);
    text += "\n\t";
    text.append(zatGroup);
    text += "\n\nPlease remove all references ";
    text += "to this extension in the ZAT project and\t\nconvert the project again.";
    return text;
}

bool ProjectTranslator::BuildExtensions() {
    std::vector<KorExtension> rows;
    std::unordered_map<std::string, std::size_t> byExtension;  // upper-case extension -> first row
    auto append = [&](std::string group, std::string extension) {
        byExtension.try_emplace(toUpperText(extension), rows.size());
        rows.push_back({std::move(group), std::move(extension)});
    };
    for (const FileType& type : fileTypeTable(Family()))
        append(std::string(type.name), std::string(type.extension));

    for (const ZatExtension& extension : zat_.extensions()) {
        auto found = byExtension.find(toUpperText(extension.strExtension));
        if (found == byExtension.end()) {
            append(extension.strGroup, extension.strExtension);
            continue;
        }
        const std::string& existingGroup = rows[found->second].strGroup;
        if (existingGroup == extension.strGroup) continue;
        // Preprocessed files share the extensions of their sources; only these exact names do.
        if (extension.strGroup == "Preprocessed C Source file" ||
            extension.strGroup == "Preprocessed C++ Source file") {
            continue;
        }
        alert(DuplicateExtensionMessage(extension.strExtension, existingGroup, extension.strGroup));
        return false;
    }
    kor_.extensions = std::move(rows);
    return true;
}

// --- build order and phases ------------------------------------------------------------------------

void ProjectTranslator::prepareLookups() {
    if (lookupsReady_) return;
    const auto& order = zat_.buildOrder();
    for (std::size_t i = 0; i < order.size(); ++i) buildOrderIndex_.try_emplace(order[i].strName, i);
    const auto& phases = zat_.buildPhases();
    for (std::size_t i = 0; i < phases.size(); ++i) buildPhasesByName_[phases[i].strName].push_back(i);
    for (const ZatCustomPhase& phase : zat_.customPhases())
        customPhaseNames_.insert(toLowerText(phase.strName));
    lookupsReady_ = true;
}

const ZatBuildOrderRow* ProjectTranslator::FindBuildOrderEntry(std::string_view name) {
    prepareLookups();
    auto found = buildOrderIndex_.find(std::string(name));
    return found == buildOrderIndex_.end() ? nullptr : &zat_.buildOrder()[found->second];
}

bool ProjectTranslator::inBuildOrder(std::string_view name) {
    return FindBuildOrderEntry(name) != nullptr;
}

bool ProjectTranslator::isCustomPhase(std::string_view name) {
    prepareLookups();
    return customPhaseNames_.contains(toLowerText(name));
}

bool ProjectTranslator::isLinkTool(std::string_view name) const {
    return isFamilyLinkTool(Family(), name);
}

std::string ProjectTranslator::korPhaseName(std::string_view name) {
    return isCustomPhase(name) ? std::string(name) : korToolName(name);
}

void ProjectTranslator::BuildBuildOrder() {
    std::vector<KorBuildOrderRow> rows;
    std::size_t linkerRow = 0;
    bool linkToolSeen = false;
    bool linkToolEnabled = false;
    for (const ZatBuildOrderRow& entry : zat_.buildOrder()) {
        if (isLinkTool(entry.strName)) {
            // The link tools become one KOR linker at the place of the first of them.
            if (!linkToolSeen) {
                linkerRow = rows.size();
                rows.push_back({std::string(korLinkerName(Family())), entry.bEnabled});
                linkToolSeen = true;
            }
            linkToolEnabled = linkToolEnabled || entry.bEnabled != 0;
            continue;
        }
        std::string name = korPhaseName(entry.strName);
        if (!name.empty()) rows.push_back({std::move(name), entry.bEnabled});
    }
    if (linkToolSeen) rows[linkerRow].bEnabled = linkToolEnabled ? 1 : 0;
    kor_.buildOrder = std::move(rows);
}

void ProjectTranslator::BuildBuildPhases() {
    prepareLookups();
    std::vector<KorBuildPhase> rows;
    bool linkToolSeen = false;
    for (const ZatBuildOrderRow& entry : zat_.buildOrder()) {
        if (isLinkTool(entry.strName)) {
            if (!linkToolSeen) rows.push_back({std::string(korLinkerName(Family())), 1});
            linkToolSeen = true;
            continue;
        }
        auto phases = buildPhasesByName_.find(entry.strName);
        if (phases == buildPhasesByName_.end()) continue;
        std::string name = korPhaseName(entry.strName);
        if (name.empty()) continue;
        for (std::size_t index : phases->second) rows.push_back({name, zat_.buildPhases()[index].bSystem});
    }
    kor_.buildPhases = std::move(rows);
}

void ProjectTranslator::BuildBuildFileOrder() {
    OrderedMap<std::vector<KorBuildOrderRow>> map;
    for (const auto& [group, entries] : zat_.buildFileOrder()) {
        std::vector<KorBuildOrderRow> rows;
        for (const ZatBuildOrderRow& entry : entries) {
            if (!inBuildOrder(entry.strName)) continue;
            // No merging of link tools here: those that map to nothing vanish.
            std::string name = korPhaseName(entry.strName);
            if (!name.empty()) rows.push_back({std::move(name), entry.bEnabled});
        }
        map.set(group, std::move(rows));
    }
    kor_.buildFileOrder = std::move(map);
}

void ProjectTranslator::BuildCustomPhases() {
    std::vector<KorCustomPhase> rows;
    for (const ZatCustomPhase& phase : zat_.customPhases()) {
        if (!inBuildOrder(phase.strName)) continue;
        rows.push_back(
            {phase.strName, phase.strCommand, phase.strInitialDirectory, phase.bMultiple, phase.strGroup, 0});
    }
    kor_.customPhases = std::move(rows);
}

void ProjectTranslator::BuildEnvironment() {
    OrderedMap<std::vector<KorVariableRow>> map;
    for (const auto& [phase, entries] : zat_.environment()) {
        if (!inBuildOrder(phase)) continue;
        map.set(phase, entries);
    }
    kor_.environment = std::move(map);
}

void ProjectTranslator::BuildDependencies() {
    KorProject::ConfigurationMap<KorDependencyRow> map;
    for (const auto& [configuration, tables] : zat_.configurationTables()) {
        KorProject::PhaseMap<KorDependencyRow> phases;
        for (const auto& [phase, entries] : tables.dependencies) {
            if (!inBuildOrder(phase)) continue;
            std::vector<KorDependencyRow> rows;
            rows.reserve(entries.size());
            for (const ZatDependencyRow& row : entries) {
                rows.push_back({std::string(KorFilePath(row.nID)), fileLeaf(row.strName),
                                std::string(kUnknownCustomGroup)});
            }
            phases.set(phase, std::move(rows));
        }
        map.set(configuration, std::move(phases));
    }
    kor_.dependencies = std::move(map);
}

void ProjectTranslator::BuildOutputFiles() {
    KorProject::ConfigurationMap<KorOutputFileRow> map;
    for (const auto& [configuration, tables] : zat_.configurationTables()) {
        KorProject::PhaseMap<KorOutputFileRow> phases;
        for (const auto& [phase, entries] : tables.outputFiles) {
            if (!inBuildOrder(phase)) continue;
            std::vector<KorOutputFileRow> rows;
            rows.reserve(entries.size());
            for (const ZatOutputFileRow& row : entries) {
                rows.push_back({std::string(KorFilePath(row.nID)), fileLeaf(row.strName),
                                std::string(kUnknownCustomGroup), row.bBuildInput});
            }
            phases.set(phase, std::move(rows));
        }
        map.set(configuration, std::move(phases));
    }
    kor_.outputFiles = std::move(map);
}

// --- tool options ----------------------------------------------------------------------------------

int ProjectTranslator::convertOptions(std::string_view toolName, std::string_view zatOptions,
                                      std::string& korOptions, std::string* cpuDefaults,
                                      OptionOutcomes* outcomes) const {
    const std::string& directory = zat_.projectDetails().strDirectory;
    if (cpuDefaults == nullptr)
        return convertToolOptionsWithoutCpuDefaults(Family(), toolName, zatOptions, directory,
                                                    kProjectDirectoryMarker, korOptions, outcomes);
    return convertToolOptions(Family(), toolName, zatOptions, directory, kProjectDirectoryMarker, korOptions,
                              *cpuDefaults, outcomes);
}

std::string ProjectTranslator::ChooseLinker(const std::string& linkageEditorOptions,
                                            const std::string& optLinkerOptions,
                                            const std::string& optimizerOptions, std::string& toolName) {
    const std::string& family = Family();
    std::string_view linkerName;
    const std::string* linkerOptions = nullptr;
    switch (familyOf(family)) {
        case Family::Quarix:
            linkerName = familyToolName(family, ToolKind::OptLinker);
            linkerOptions = &optLinkerOptions;
            break;
        case Family::Nerak:
            linkerName = familyToolName(family, ToolKind::Optimizer);
            linkerOptions = &optimizerOptions;
            break;
        case Family::Other:
            toolName.clear();
            return std::string(kDefaultMarker);
    }
    std::string_view editorName = familyToolName(family, ToolKind::LinkageEditor);
    const ZatBuildOrderRow* linker = FindBuildOrderEntry(linkerName);
    const ZatBuildOrderRow* editor = FindBuildOrderEntry(editorName);

    auto chooseLinker = [&](bool withOptions) {
        toolName = linkerName;
        return withOptions ? *linkerOptions : std::string(kDefaultMarker);
    };
    auto chooseEditor = [&] {
        toolName = editorName;
        return linkageEditorOptions;
    };
    // An enabled flag counts as set whenever it is not 0.
    if (editor == nullptr) return chooseLinker(linker != nullptr);
    if (linker == nullptr) return chooseEditor();
    if (editor->bEnabled == 0) return chooseLinker(linker->bEnabled != 0);
    if (linker->bEnabled != 0) return chooseLinker(true);
    return chooseEditor();
}

int ProjectTranslator::BuildOptions() {
    const std::string& family = Family();
    bool linkToolInOrder = false;
    for (const ZatBuildOrderRow& entry : zat_.buildOrder())
        linkToolInOrder = linkToolInOrder || isLinkTool(entry.strName);

    KorProject::ConfigurationMap<KorOptionRow> map;
    for (const auto& [configuration, tables] : zat_.configurationTables()) {
        KorProject::PhaseMap<KorOptionRow> phases;
        std::string editorSlot, optLinkerSlot, optimizerSlot;  // empty for each configuration
        // For the report: the outcomes of the row last stored in each link-tool slot.
        struct PendingLinkRow {
            std::string tool;
            std::string file;
            OptionOutcomes outcomes;
        };
        std::unordered_map<const std::string*, PendingLinkRow> pendingLinkRows;

        for (const auto& [tool, entries] : tables.options) {
            if (!inBuildOrder(tool)) continue;
            std::vector<KorOptionRow> rows;
            if (isCustomPhase(tool)) {
                for (const ZatOptionRow& row : entries) {
                    rows.push_back({std::string(KorFilePath(row.nID)), fileLeaf(row.strOption), "", 0});
                }
                phases.set(tool, std::move(rows));
                continue;
            }
            if (!isKnownTool(family, tool)) return 1;

            // The tool's CPU defaults, from its first row (or its defaults); computed afresh for
            // each tool, and empty for the tools that have none.
            std::string cpuDefaults;
            {
                std::string ignored;
                convertOptions(tool,
                               entries.empty() ? std::string(kDefaultMarker) : entries.front().strOption,
                               ignored, &cpuDefaults);
            }
            std::string* slot = isFamilyTool(family, ToolKind::LinkageEditor, tool) ? &editorSlot
                                : isFamilyTool(family, ToolKind::OptLinker, tool)   ? &optLinkerSlot
                                : isFamilyTool(family, ToolKind::Optimizer, tool)   ? &optimizerSlot
                                                                                    : nullptr;
            for (const ZatOptionRow& row : entries) {
                std::string file = row.nID == 0 ? defaultSourceType(tool) : std::string(KorFilePath(row.nID));
                std::string options;
                OptionOutcomes outcomes;
                if (row.strOption.empty()) {
                    options = cpuDefaults;
                } else {
                    OptionOutcomes* recorded = report_ != nullptr ? &outcomes : nullptr;
                    if (convertOptions(tool, row.strOption, options, nullptr, recorded) != 0) return 1;
                }
                // Only the options that reach the KOR project are reported: a link tool's row
                // counts once the link tool is chosen, and then only its last row.
                const std::string_view reportFile = row.nID == 0 ? std::string_view() : KorFilePath(row.nID);
                if (slot != nullptr) {
                    *slot = std::move(options);
                    if (report_ != nullptr)
                        pendingLinkRows[slot] = {tool, std::string(reportFile), std::move(outcomes)};
                } else {
                    if (report_ != nullptr) report_->addOutcomes(configuration, tool, reportFile, outcomes);
                    rows.push_back({std::move(file), std::move(options), "", 0});
                }
            }
            if (isFamilyTool(family, ToolKind::Compiler, tool)) {
                rows.push_back({"C source file", cpuDefaults, "", 0});
                rows.push_back({"C++ source file", cpuDefaults, "", 0});
            } else if (isFamilyTool(family, ToolKind::Assembler, tool)) {
                rows.push_back({"Assembly source file", cpuDefaults, "", 0});
                rows.push_back({"Linkage symbol file", cpuDefaults, "", 0});
            }
            // The optimizer and the linkage editor both map to the empty name: the later list
            // replaces the earlier one and the key keeps its first place.
            phases.set(korToolName(tool), std::move(rows));
        }

        if (linkToolInOrder) {
            std::string linkTool;
            std::string options = ChooseLinker(editorSlot, optLinkerSlot, optimizerSlot, linkTool);
            if (options == kDefaultMarker) {
                // A default conversion that fails (no link tool for the family) gives empty options.
                std::string converted;
                OptionOutcomes outcomes;
                OptionOutcomes* recorded = report_ != nullptr ? &outcomes : nullptr;
                if (convertOptions(linkTool, kDefaultMarker, converted, nullptr, recorded) != 0) {
                    converted.clear();
                } else if (report_ != nullptr) {
                    report_->addOutcomes(configuration, linkTool, {}, outcomes);
                }
                options = std::move(converted);
            } else if (report_ != nullptr) {
                const std::string* chosen =
                    isFamilyTool(family, ToolKind::LinkageEditor, linkTool) ? &editorSlot
                    : isFamilyTool(family, ToolKind::OptLinker, linkTool)   ? &optLinkerSlot
                    : isFamilyTool(family, ToolKind::Optimizer, linkTool)   ? &optimizerSlot
                                                                            : nullptr;
                auto pending = pendingLinkRows.find(chosen);
                if (pending != pendingLinkRows.end()) {
                    report_->addOutcomes(configuration, pending->second.tool, pending->second.file,
                                         pending->second.outcomes);
                }
            }
            phases.set(korLinkerName(family), {KorOptionRow{"", std::move(options), "", 0}});
        }
        map.set(configuration, std::move(phases));
    }
    kor_.options = std::move(map);
    return 0;
}

// --- default tables --------------------------------------------------------------------------------

void ProjectTranslator::BuildToolChain() {
    ToolChainEntry entry = defaultToolChain(Family());
    kor_.toolChain = {std::move(entry.variable), std::move(entry.value)};
}

void ProjectTranslator::BuildToolchainPhases() {
    std::vector<KorTextRow> rows;
    for (std::string& phase :
         defaultToolchainPhases(Family(), [this](std::string_view name) { return inBuildOrder(name); })) {
        rows.push_back({std::move(phase)});
    }
    kor_.toolchainPhases = std::move(rows);
}

void ProjectTranslator::BuildMappings() {
    std::vector<KorTripleRow> rows;
    for (MappingEntry& m :
         defaultMappings(Family(), [this](std::string_view name) { return inBuildOrder(name); })) {
        rows.push_back({std::move(m.fileType), std::move(m.consumer), std::move(m.producer)});
    }
    kor_.mappings = std::move(rows);
}

void ProjectTranslator::BuildSyntaxColouring() {
    std::vector<ProjectFileGroup> groups;
    groups.reserve(fileGroups_.size());
    for (const KorFileGroup& group : fileGroups_) groups.push_back({group.strName, group.strProperty});
    SyntaxColouring colouring = defaultSyntaxColouring(Family(), groups);

    std::vector<KorSyntaxAttribute> attributes;
    attributes.reserve(colouring.attributes.size());
    for (ColouringAttribute& a : colouring.attributes) {
        attributes.push_back({std::move(a.group), std::move(a.attribute), std::move(a.value)});
    }
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
    kor_.syntaxColouringAttributes = std::move(attributes);
    kor_.syntaxColouringCategories = std::move(categories);
    kor_.syntaxColouringFileGroups = std::move(fileGroups);
}

void ProjectTranslator::alert(std::string_view text) {
    if (alerts_ != nullptr) alerts_->show(text, kAlertTitle, AlertIcon::Error);
}

}  // namespace z2k

#pragma once
// Turns one ZAT project, already read, into the KOR project that the writer then saves: project
// details and tool chain, project files, file groups and extensions, build order and phases,
// per-configuration dependencies, options and output files, and KOR's default tables.
//
//   ProjectTranslator translator(zatProject, korProject, alerts);
//   if (translator.Translate() != 0) ...   // a message box was shown; nothing was written
//   translator.clearWorkingTables();       // between projects
//
// The family that every step after the first tests is the CPU family of the KOR project
// details built by the first step. The working tables (project-file list, new file groups,
// lookups over the ZAT build order and phases) live until clearWorkingTables() or the next
// Translate(); a failed translation empties them.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "kor/KorProject.h"
#include "platform/Displays.h"
#include "translation/ApplicationTitle.h"
#include "zat/ZatProject.h"

namespace z2k {

class ConversionReport;
class OptionOutcomes;

class ProjectTranslator {
  public:
    // The title of the translator's message boxes: the application's own.
    static constexpr std::string_view kAlertTitle = kApplicationTitle;
    // Ends in a blank.
    static constexpr std::string_view kInvalidOptionsMessage =
        "ERROR: Invalid option strings were detected in the project ";
    // What the project details record as the KOR project's type.
    static constexpr std::string_view kConvertedProjectType = "Converted ZAT Project";

    // One entry of the project-file list: the file's KOR path, its ZAT file number and tag.
    struct ProjectFileEntry {
        std::string path;
        std::int32_t nID = 0;
        std::string tag;
    };

    ProjectTranslator(ZatProject& zat, KorProject& kor, Alerts* alerts);

    // The whole sequence: 0 = translated, 1 = failed (a duplicate extension or an invalid option
    // string; the message box has been shown).
    int Translate();
    // Empties the working tables.
    void clearWorkingTables();
    // The path of the .krp the project is written to (its details name it).
    void setKorProjectPath(std::string path) { korPath_ = std::move(path); }
    // Where Translate() reports what became of the options (not owned; null: no report). Each
    // Translate() begins a project in it.
    void setReport(ConversionReport* report) { report_ = report; }

    // --- the steps, in the order Translate runs them -------------------------------------------
    void BuildProjectDetails();
    void BuildProjectFiles();
    void BuildFileGroups();
    // False when an extension is defined twice: the message box was shown and the KOR
    // EXTENSIONS list kept.
    bool BuildExtensions();
    void BuildBuildOrder();
    void BuildBuildPhases();
    void BuildBuildFileOrder();
    void BuildCustomPhases();
    void BuildEnvironment();
    void BuildDependencies();
    // 0, or 1 when a tool outside the known tools has option tables or a conversion fails; the
    // KOR option tables are then left as they were.
    int BuildOptions();
    void BuildOutputFiles();
    void BuildToolChain();
    void BuildToolchainPhases();
    void BuildMappings();
    void BuildSyntaxColouring();

    // --- helpers of the steps ------------------------------------------------------------------
    // The family of every step after the first: the CPU family of the KOR project details.
    const std::string& Family() const { return korDetails_.strCpuFamily; }
    // The first ZAT BUILD_ORDER row whose name equals name exactly, or nullptr.
    const ZatBuildOrderRow* FindBuildOrderEntry(std::string_view name);
    // The options of the single KOR link tool, from the converted options of the three ZAT link
    // tools; toolName receives the ZAT tool chosen (empty for a family that is neither). The
    // result "-default" asks for the chosen tool's default options.
    std::string ChooseLinker(const std::string& linkageEditorOptions, const std::string& optLinkerOptions,
                             const std::string& optimizerOptions, std::string& toolName);
    // The KOR path of the project file with this number; empty when no project file has it.
    std::string_view KorFilePath(std::int32_t nID) const;
    const std::vector<ProjectFileEntry>& ProjectFileList() const { return projectFiles_; }

    // The text of the duplicate-extension message box.
    static std::string DuplicateExtensionMessage(std::string_view extension, std::string_view existingGroup,
                                                 std::string_view zatGroup);

  private:
    // Lookups over the ZAT build order, build phases and custom phases, made once per project.
    void prepareLookups();
    bool inBuildOrder(std::string_view name);
    bool isCustomPhase(std::string_view name);
    bool isLinkTool(std::string_view name) const;
    // The KOR name of a build-order entry: a custom phase keeps its own name, any other name is
    // mapped (and may map to nothing).
    std::string korPhaseName(std::string_view name);
    // convertToolOptions for this project: the ZAT project directory becomes "$(PROJDIR)".
    // The CPU defaults are extracted only when cpuDefaults is given.
    int convertOptions(std::string_view toolName, std::string_view zatOptions, std::string& korOptions,
                       std::string* cpuDefaults, OptionOutcomes* outcomes = nullptr) const;
    void alert(std::string_view text);

    ZatProject& zat_;
    KorProject& kor_;
    std::string korPath_;
    Alerts* alerts_;
    ConversionReport* report_ = nullptr;

    KorProjectDetails korDetails_;
    std::vector<ProjectFileEntry> projectFiles_;
    std::unordered_map<std::int32_t, std::size_t> projectFileByNumber_;
    std::vector<KorFileGroup> fileGroups_;

    bool lookupsReady_ = false;
    std::unordered_map<std::string, std::size_t> buildOrderIndex_;
    std::unordered_map<std::string, std::vector<std::size_t>> buildPhasesByName_;
    std::unordered_set<std::string> customPhaseNames_;  // lower case
};

}  // namespace z2k

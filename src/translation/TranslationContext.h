#pragma once
// What the translation steps of one project share: the ZAT project they read, the KOR project
// they fill, the report they add to, and lookups over the ZAT build order, build phases, custom
// phases and project files, made once when the context is made. Lives for one translation.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "kor/KorProject.h"
#include "platform/CodePage.h"
#include "platform/Displays.h"
#include "translation/ApplicationTitle.h"
#include "zat/ZatProject.h"

namespace z2k {

struct ProjectReport;

class TranslationContext {
  public:
    // The title of the translator's message boxes: the application's own.
    static constexpr std::string_view kAlertTitle = kApplicationTitle;

    // zat, kor and report must outlive the context; report and alerts may be null.
    TranslationContext(const ZatProject& zat, KorProject& kor, CodePage page, Alerts* alerts,
                       ProjectReport* report);

    const ZatProject& zat;
    KorProject& kor;
    ProjectReport* const report;
    // The code page of every text of the project.
    const CodePage page;
    // The family of every step: the CPU family of the project details, as the ZAT project has it.
    const std::string& family;

    // The first ZAT BUILD_ORDER row whose name equals name exactly, or nullptr.
    const ZatBuildOrderRow* findBuildOrderEntry(std::string_view name) const;
    bool inBuildOrder(std::string_view name) const { return findBuildOrderEntry(name) != nullptr; }
    // A ZAT custom phase of this name, ignoring case.
    bool isCustomPhase(std::string_view name) const;
    bool isLinkTool(std::string_view name) const;
    // The KOR name of a build-order entry: a custom phase keeps its own name, any other name is
    // mapped (and may map to nothing).
    std::string korPhaseName(std::string_view name) const;
    // The ZAT build phases of this name, in list order.
    const std::vector<std::size_t>* buildPhasesNamed(std::string_view name) const;

    // Records the KOR path of a project file; the first file of a number counts.
    void addProjectFile(std::int32_t nID, std::string_view korPath);
    // The KOR path of the project file with this number; empty when no project file has it.
    std::string_view korFilePath(std::int32_t nID) const;

    void alert(std::string_view text) const;

  private:
    Alerts* alerts_;
    std::unordered_map<std::string_view, std::size_t> buildOrderIndex_;
    std::unordered_map<std::string_view, std::vector<std::size_t>> buildPhasesByName_;
    std::unordered_set<std::string> customPhaseNames_;  // lower case
    std::unordered_map<std::int32_t, std::string> projectFileByNumber_;
};

}  // namespace z2k

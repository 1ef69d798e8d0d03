#include "translation/TranslationContext.h"

#include "options/ToolTable.h"
#include "platform/CodePage.h"

namespace z2k {

TranslationContext::TranslationContext(const ZatProject& zatProject, KorProject& korProject,
                                       CodePage codePage, Alerts* alerts, ProjectReport* projectReport)
    : zat(zatProject),
      kor(korProject),
      report(projectReport),
      page(codePage),
      family(zatProject.projectDetails.strCPUFamily),
      alerts_(alerts) {
    // The keys are views of the ZAT project's own texts, which outlive the context.
    const auto& order = zat.buildOrder;
    for (std::size_t i = 0; i < order.size(); ++i) buildOrderIndex_.try_emplace(order[i].strName, i);
    const auto& phases = zat.buildPhases;
    for (std::size_t i = 0; i < phases.size(); ++i) buildPhasesByName_[phases[i].strName].push_back(i);
    for (const ZatCustomPhase& phase : zat.customPhases)
        customPhaseNames_.insert(toLowerText(phase.strName, page));
}

const ZatBuildOrderRow* TranslationContext::findBuildOrderEntry(std::string_view name) const {
    auto found = buildOrderIndex_.find(name);
    return found == buildOrderIndex_.end() ? nullptr : &zat.buildOrder[found->second];
}

bool TranslationContext::isCustomPhase(std::string_view name) const {
    return customPhaseNames_.contains(toLowerText(name, page));
}

bool TranslationContext::isLinkTool(std::string_view name) const {
    return isFamilyLinkTool(family, name);
}

std::string TranslationContext::korPhaseName(std::string_view name) const {
    return isCustomPhase(name) ? std::string(name) : korToolName(name);
}

const std::vector<std::size_t>* TranslationContext::buildPhasesNamed(std::string_view name) const {
    auto found = buildPhasesByName_.find(name);
    return found == buildPhasesByName_.end() ? nullptr : &found->second;
}

void TranslationContext::addProjectFile(std::int32_t nID, std::string_view korPath) {
    projectFileByNumber_.try_emplace(nID, korPath);
}

std::string_view TranslationContext::korFilePath(std::int32_t nID) const {
    auto found = projectFileByNumber_.find(nID);
    return found == projectFileByNumber_.end() ? std::string_view() : std::string_view(found->second);
}

void TranslationContext::alert(std::string_view text) const {
    if (alerts_ != nullptr) alerts_->show(text, kAlertTitle, AlertIcon::Error);
}

}  // namespace z2k

#include "translation/ConversionReport.h"

namespace z2k {

void ConversionReport::beginProject(std::string_view zatPath) {
    ProjectReport project;
    project.project = std::string(zatPath);
    projects_.push_back(std::move(project));
}

ProjectReport& ConversionReport::current() {
    if (projects_.empty()) beginProject({});
    return projects_.back();
}

void ConversionReport::addOutcomes(std::string_view configuration, std::string_view tool,
                                   std::string_view file, const OptionOutcomes& outcomes) {
    ProjectReport& project = current();
    for (const OptionRecord& record : outcomes.records()) {
        switch (record.outcome) {
            case OptionOutcome::Converted:
                ++project.converted;
                continue;
            case OptionOutcome::Other:
                ++project.other;
                break;
            case OptionOutcome::Rejected:
                ++project.dropped;
                break;
        }
        project.entries.push_back(ReportEntry{std::string(configuration), std::string(tool),
                                              std::string(file), record.text, record.name, record.value,
                                              record.outcome});
    }
}

void ConversionReport::finishProject(ReportResult result, std::string_view krpPath) {
    ProjectReport& project = current();
    project.result = result;
    project.korProject = std::string(krpPath);
}

const char* ReportResultName(ReportResult result) {
    switch (result) {
        case ReportResult::Pending:
            return "pending";
        case ReportResult::Converted:
            return "converted";
        case ReportResult::ReadFailed:
            return "read-failed";
        case ReportResult::TranslateFailed:
            return "translate-failed";
        case ReportResult::WriteFailed:
            return "write-failed";
    }
    return "pending";
}

}  // namespace z2k

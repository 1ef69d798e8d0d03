#include "translation/ConversionReport.h"

namespace z2k {

void addOutcomes(ProjectReport& project, std::string_view configuration, std::string_view tool,
                 std::string_view file, const OptionOutcomes& outcomes) {
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
        project.entries.push_back(ReportEntry{
            std::string(configuration), std::string(tool), std::string(file), std::string(record.text),
            std::string(record.name), std::string(record.value), record.outcome});
    }
}

const char* reportResultName(ReportResult result) {
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

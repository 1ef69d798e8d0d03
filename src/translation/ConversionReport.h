#pragma once
// What a conversion did with the ZAT options: per project, the options carried into an
// [S|OTHER|...] item and the options a converter rejected and dropped, with where they stood
// (configuration, ZAT tool, the file of the row), and the counts of converted, carried and
// dropped options. Filled by the translator from the outcomes the converters record while
// they convert; only the rows whose options reach the KOR project are counted.
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "options/OptionOutcomes.h"

namespace z2k {

// How far a project got; the driver sets it after the project's last stage.
enum class ReportResult { Pending, Converted, ReadFailed, TranslateFailed, WriteFailed };

struct ReportEntry {
    std::string configuration;
    std::string tool;    // the ZAT tool
    std::string file;    // the KOR path of the file the row belongs to; empty for tool-wide rows
    std::string option;  // the option as it stood in the ZAT string
    std::string name;
    std::string value;
    OptionOutcome outcome = OptionOutcome::Other;  // Other or Rejected
};

struct ProjectReport {
    std::string project;     // the .zat path
    std::string korProject;  // the .krp path (empty until the driver sets it)
    ReportResult result = ReportResult::Pending;
    std::size_t converted = 0;
    std::size_t other = 0;
    std::size_t dropped = 0;
    std::vector<ReportEntry> entries;  // in conversion order
    std::string problem;               // why it was not converted: "PATH: REASON", or empty
};

// A folder or file the search left out, or a project whose CPU family could not be read.
struct SkippedItem {
    std::string path;
    std::string reason;
};

// Adds the outcomes of one converted option row to a project's report.
void addOutcomes(ProjectReport& project, std::string_view configuration, std::string_view tool,
                 std::string_view file, const OptionOutcomes& outcomes);

class ConversionReport {
  public:
    // Appends the report of one project, complete with its result.
    void add(ProjectReport project) { projects_.push_back(std::move(project)); }

    void skip(SkippedItem item) { skipped_.push_back(std::move(item)); }

    const std::vector<ProjectReport>& projects() const { return projects_; }
    const std::vector<SkippedItem>& skipped() const { return skipped_; }
    bool empty() const { return projects_.empty() && skipped_.empty(); }
    void clear() {
        projects_.clear();
        skipped_.clear();
    }

  private:
    std::vector<ProjectReport> projects_;
    std::vector<SkippedItem> skipped_;
};

// "pending", "converted", "read-failed", "translate-failed", "write-failed".
const char* reportResultName(ReportResult result);

}  // namespace z2k

#pragma once
// Runs one conversion: one project into a new workspace (single mode), or every project of one
// CPU family found under a directory into one workspace (multiple mode).
#include <set>
#include <string>
#include <vector>

#include "conversion/ConversionRequest.h"
#include "conversion/ConversionSummary.h"
#include "conversion/RunFiles.h"

namespace z2k {

struct ProjectReport;

// The outcome of converting one project.
enum class ProjectResult { Converted = 0, ReadFailed = 1, TranslateFailed = 2, WriteFailed = 3 };

class ConversionDriver {
  public:
    // The request is not owned and must outlive the driver.
    explicit ConversionDriver(const ConversionRequest& request);
    ConversionDriver(const ConversionDriver&) = delete;
    ConversionDriver& operator=(const ConversionDriver&) = delete;

    // The whole conversion, single or multiple by the request's mode. Never throws.
    void run();
    // One project through reading, translation and writing. krpPath receives the .krp path
    // beside the .zat before any stage runs.
    ProjectResult convertProject(const std::string& zatPath, std::string& krpPath);
    // Fills the workspace from the request, the last project converted and the converted projects,
    // and saves it; false when it was not written.
    bool writeWorkspace();

    const ConversionSummary& summary() const { return summary_; }
    // The .krp path of every project converted successfully, in conversion order.
    const std::vector<std::string>& convertedProjects() const { return convertedProjects_; }

  private:
    // Reading, translation and writing of one project; reported receives the options' outcomes.
    ProjectResult convertStages(const std::string& zatPath, std::string& krpPath, ProjectReport& reported);
    void runSingle();
    void runMultiple();
    // The projects found below the workspace's folder, each recorded as an input of the run.
    std::vector<std::string> searchProjects();
    // Converts one project of the family asked for and says how it went; true when converted.
    bool convertMatching(const std::string& path);
    // Appends a line to the problems display, unless it is empty.
    void reportProblem(const std::string& line);
    // Shows the notices held for the project just converted, one line each.
    void reportNotices();
    // Before the run's first save in the folder of path, removes what killed saves left there.
    void clearFolderOnce(const std::string& path);

    const ConversionRequest& request_;
    // The CPU family of the last project converted: a single conversion's workspace takes it.
    std::string lastCpuFamily_;
    std::vector<std::string> convertedProjects_;
    // What the run read and wrote, so that nothing it writes replaces either.
    RunFiles runFiles_;
    ConversionSummary summary_;
    // Why the last project that was not converted failed, and why the last workspace was not
    // written: the path and the reason, shown after the failure's message (empty after a
    // translation failure, whose message box says why).
    std::string projectProblem_;
    std::string workspaceProblem_;
    // Lines shown to it are held until the driver passes them on.
    struct HeldLines : TextDisplay {
        void clear() override { lines.clear(); }
        void replace(std::string_view text) override { lines.assign(1, std::string(text)); }
        void appendLine(std::string_view line) override { lines.emplace_back(line); }
        std::vector<std::string> lines;
    };
    // The notices of the project being saved, held until its result was shown.
    HeldLines projectNotices_;
    // The folders (lower-cased) the run has cleared of killed saves' temporary files.
    std::set<std::string> clearedFolders_;
};

}  // namespace z2k

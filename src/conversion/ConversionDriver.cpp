#include "conversion/ConversionDriver.h"

#include "conversion/ProjectSearch.h"
#include "kor/KorProjectWriter.h"
#include "kor/KorWorkspaceWriter.h"
#include "options/Families.h"
#include "paths/PathParts.h"
#include "platform/CodePage.h"
#include "platform/TextFile.h"
#include "textdb/TextDatabase.h"
#include "translation/ConversionReport.h"
#include "translation/ProjectTranslator.h"
#include "zat/ZatProjectReader.h"

namespace z2k {

namespace {

constexpr const char* kZatExtension = ".zat";
constexpr const char* kKorProjectExtension = ".krp";
constexpr const char* kWorkspaceExtension = ".krs";

// A display that a page does not have stays null and is never reported to.
void progressSet(ProgressDisplay* bar, int position) {
    if (bar != nullptr) bar->set(position);
}
void progressReset(ProgressDisplay* bar) {
    if (bar != nullptr) bar->reset();
}
void textClear(TextDisplay* display) {
    if (display != nullptr) display->clear();
}
void textReplace(TextDisplay* display, std::string_view text) {
    if (display != nullptr) display->replace(text);
}
void textAppend(TextDisplay* display, std::string_view line) {
    if (display != nullptr) display->appendLine(line);
}

bool cancelRequested(const ConversionRequest& request) {
    return request.cancel != nullptr && request.cancel->load();
}

}  // namespace

ConversionDriver::ConversionDriver(const ConversionRequest& request)
    : request_(request), runFiles_(request.settings) {}

void ConversionDriver::reportProblem(const std::string& line) {
    if (!line.empty()) textAppend(request_.problems, line);
}

void ConversionDriver::reportNotices() {
    for (const std::string& line : projectNotices_.lines) textAppend(request_.notices, line);
    projectNotices_.clear();
}

void ConversionDriver::clearFolderOnce(const std::string& path) {
    const CodePage page = request_.settings.codePage;
    if (clearedFolders_.insert(toLowerText(getParentDirectory(path, page), page)).second)
        removeStaleTemporaryFilesBeside(path, request_.settings);
}

ProjectResult ConversionDriver::convertProject(const std::string& zatPath, std::string& krpPath) {
    ProjectReport reported;
    const ProjectResult result = convertStages(zatPath, krpPath, reported);
    if (ConversionReport* report = request_.report) {
        reported.project = zatPath;
        reported.korProject = krpPath;
        reported.problem = projectProblem_;
        reported.result = result == ProjectResult::Converted         ? ReportResult::Converted
                          : result == ProjectResult::ReadFailed      ? ReportResult::ReadFailed
                          : result == ProjectResult::TranslateFailed ? ReportResult::TranslateFailed
                                                                     : ReportResult::WriteFailed;
        report->add(std::move(reported));
    }
    return result;
}

ProjectResult ConversionDriver::convertStages(const std::string& zatPath, std::string& krpPath,
                                              ProjectReport& reported) {
    progressSet(request_.projectProgress, 25);
    TextDisplay* display = request_.mode == ConversionMode::Single ? request_.results : request_.status;
    // A dot in a folder name must not move the .krp out of the project's folder.
    krpPath = removeNameExtension(zatPath, request_.settings.codePage) + kKorProjectExtension;
    projectNotices_.clear();
    projectProblem_.clear();

    ZatReadResult read =
        readZatProject(zatPath, {display, request_.alerts, request_.lock, request_.settings});
    if (!read.project) {
        progressReset(request_.projectProgress);
        projectProblem_ = read.failure.text();
        return ProjectResult::ReadFailed;
    }
    progressSet(request_.projectProgress, 50);
    textReplace(display, "Converting project details...");

    Translation translation = translateProject(
        *read.project, krpPath, {request_.alerts, request_.report != nullptr, request_.settings.codePage});
    reported = std::move(translation.report);
    if (!translation.project) {
        progressReset(request_.projectProgress);
        return ProjectResult::TranslateFailed;
    }
    lastCpuFamily_ = read.cpuFamily;
    read.project.reset();
    progressSet(request_.projectProgress, 66);

    // The .krp must replace neither a file this run reads nor another project's .krp of this run.
    const std::string clash = runFiles_.conflict(krpPath);
    if (clash.empty()) clearFolderOnce(krpPath);
    const WriteStatus written =
        clash.empty() ? writeKorProject(*translation.project, krpPath,
                                        {request_.settings, request_.lock, display, &projectNotices_})
                      : WriteStatus{};
    if (!clash.empty() || !written.ok()) {
        progressReset(request_.projectProgress);
        projectProblem_ = clash.empty() ? written.failure.text() : clash;
        return ProjectResult::WriteFailed;
    }
    runFiles_.addProject(krpPath, zatPath);

    progressSet(request_.projectProgress, 100);
    return ProjectResult::Converted;
}

bool ConversionDriver::writeWorkspace() {
    KorWorkspace workspace;
    workspace.databaseVersion = "1.0";

    const std::string path = request_.workspacePath + kWorkspaceExtension;
    const CodePage page = request_.settings.codePage;
    const std::string file = korWorkspaceFile(path, page);
    KorWorkspaceDetails& details = workspace.details;
    details.strName = getFileTitle(file, page);
    details.strDirectory = getParentDirectory(file, page);
    details.strFileName = file;
    // Single mode: the family of the project just converted, as read from its details.
    details.strCpuFamily = request_.mode == ConversionMode::Single ? lastCpuFamily_ : request_.cpuFamily;
    details.strToolChain = std::string(toolChainOf(details.strCpuFamily));

    workspace.properties = {KorVariableRow{"GenerateLogFile", "OFF"}, KorVariableRow{"Log File", ""}};

    workspace.projects.reserve(convertedProjects_.size());
    for (const std::string& krp : convertedProjects_) {
        workspace.projects.push_back(
            KorWorkspaceProject{getFileTitle(krp, page), getParentDirectory(krp, page), krp});
    }
    if (!convertedProjects_.empty()) workspace.lastProject = convertedProjects_.front();

    const std::string clash = runFiles_.conflict(file);
    if (clash.empty()) clearFolderOnce(file);
    const WriteStatus written =
        clash.empty()
            ? writeKorWorkspace(workspace, path, {request_.settings, request_.lock, nullptr, nullptr})
            : WriteStatus{};
    const bool saved = clash.empty() && written.ok();
    workspaceProblem_ = saved ? std::string() : clash.empty() ? written.failure.text() : clash;
    summary_.workspaceWritten = saved;
    return saved;
}

void ConversionDriver::run() {
    summary_ = ConversionSummary{};
    textClear(request_.results);
    if (request_.mode == ConversionMode::Single) {
        runSingle();
    } else {
        runMultiple();
    }
}

void ConversionDriver::runSingle() {
    std::string path = request_.zatProjectPath;
    // Only a path without any '.' gets the extension, also when the '.' is in a folder name.
    if (path.find('.') == std::string::npos) path += kZatExtension;
    // The file the database layer opens for that path.
    runFiles_.addInput(TextDatabase::databaseFileName(path, request_.settings.codePage));

    summary_.found = 1;
    summary_.matched = 1;
    if (request_.projectStarted) request_.projectStarted(1, 1, path);
    std::string krpPath;
    const ProjectResult result = convertProject(path, krpPath);

    const char* message = "";
    std::string problem = projectProblem_;
    switch (result) {
        case ProjectResult::Converted:
            convertedProjects_.push_back(krpPath);
            summary_.converted = 1;
            if (writeWorkspace()) {
                message = "Project converted successfully.";
            } else {
                message = "Error creating workspace.";
                problem = workspaceProblem_;
            }
            break;
        case ProjectResult::ReadFailed:
            message = "Error reading ZAT project file.";
            break;
        case ProjectResult::TranslateFailed:
            message = "Error converting project details.";
            break;
        case ProjectResult::WriteFailed:
            message = "Error saving to KOR project file.";
            break;
    }
    if (result != ProjectResult::Converted) summary_.failed = 1;
    textReplace(request_.results, message);
    reportProblem(problem);
    reportNotices();
}

std::vector<std::string> ConversionDriver::searchProjects() {
    std::vector<std::string> found;
    ProjectSearch search(request_.alerts, request_.settings);
    search.find(getParentDirectory(request_.workspacePath, request_.settings.codePage),
                std::string("*") + kZatExtension, SearchDepth::Subfolders, found);
    summary_.found = static_cast<int>(found.size());
    for (const std::string& path : found) runFiles_.addInput(path);
    for (const SkippedEntry& entry : search.skipped()) {
        summary_.skipped.push_back((entry.folder ? "folder " : "file ") + entry.path + ": " + entry.reason);
        if (request_.report != nullptr) request_.report->skip({entry.path, entry.reason});
    }
    return found;
}

bool ConversionDriver::convertMatching(const std::string& path) {
    bool converted = false;
    ++summary_.matched;
    textAppend(request_.results, "Converting project " + path + "...");
    std::string krpPath;
    switch (convertProject(path, krpPath)) {
        case ProjectResult::Converted:
            convertedProjects_.push_back(krpPath);
            converted = true;
            textAppend(request_.results, "Project converted.");
            break;
        case ProjectResult::ReadFailed:
            textAppend(request_.results, "Error reading ZAT project file " + path);
            break;
        case ProjectResult::TranslateFailed:
            textAppend(request_.results, "Error converting project information for " + path);
            break;
        case ProjectResult::WriteFailed:
            textAppend(request_.results, "Error saving to KOR project file " + path);
            break;
    }
    reportProblem(projectProblem_);
    reportNotices();
    return converted;
}

void ConversionDriver::runMultiple() {
    int count = 0;
    progressReset(request_.overallProgress);
    textReplace(request_.results, "Searching for ZAT projects...");
    textClear(request_.status);
    const std::vector<std::string> found = searchProjects();
    if (found.empty()) {
        textAppend(request_.results, "No projects found to convert.");
        textClear(request_.status);
        return;
    }

    std::size_t looked = 0;  // projects the loop went through to the end
    for (const std::string& path : found) {
        if (cancelRequested(request_)) break;
        if (request_.projectStarted) request_.projectStarted(looked + 1, found.size(), path);
        // A reading pass without messages, only to learn the project's CPU family.
        const ZatReadResult familyRead =
            readZatProject(path, {nullptr, request_.alerts, request_.lock, request_.settings});
        // The family pass may have waited long for a lock, or given up on it for a stop: a stop
        // asked for meanwhile comes first, and the project counts as not looked at.
        if (cancelRequested(request_)) break;

        if (familyRead.cpuFamily == request_.cpuFamily) {
            count += convertMatching(path) ? 1 : 0;
        } else if (!familyRead.project) {
            // A project whose family could not be learned is skipped without a results line, but
            // never without a word on why it could not be read.
            reportProblem(familyRead.failure.text());
            ++summary_.unreadable;
            if (request_.report != nullptr) {
                const FileFailure& failure = familyRead.failure;
                request_.report->skip({path, failure.path == path ? failure.reason : failure.text()});
            }
        } else {
            ++summary_.otherFamilies;
        }
        ++looked;
        // The share of the projects looked at, so that the bar moves for any number of them.
        progressSet(request_.overallProgress, static_cast<int>(looked * 100 / found.size()));
    }

    summary_.cancelled = looked < found.size();
    if (summary_.cancelled) {
        textAppend(request_.results, "Conversion stopped early; " + std::to_string(found.size() - looked) +
                                         " of " + std::to_string(found.size()) +
                                         " project(s) found were skipped.");
    } else {
        progressSet(request_.overallProgress, 100);
    }
    summary_.converted = count;
    summary_.failed = summary_.matched - count;

    if (count == 0) {
        progressReset(request_.overallProgress);
        // Projects that matched and failed were found: saying none was found would hide them.
        textAppend(request_.results,
                   summary_.matched == 0 ? "No projects found to convert." : "No project was converted.");
    } else {
        textAppend(request_.results, std::to_string(count) + " project(s) converted successfully.");
        if (!writeWorkspace()) {
            textAppend(request_.results, "Error: unable to create workspace file.");
            reportProblem(workspaceProblem_);
        }
    }
    textClear(request_.status);
}

}  // namespace z2k

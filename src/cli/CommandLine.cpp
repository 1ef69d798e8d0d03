#include "cli/CommandLine.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "cli/ConsoleAlerts.h"
#include "cli/ConsoleProgress.h"
#include "cli/ConsoleTextDisplay.h"
#include "cli/LiveLine.h"
#include "cli/ReportWriter.h"
#include "cli/StopSignals.h"
#include "cli/TypedArguments.h"
#include "conversion/ConversionDriver.h"
#include "conversion/FieldChecks.h"
#include "conversion/RequestForm.h"
#include "platform/CodePage.h"
#include "platform/FileReplacement.h"
#include "platform/FileSystem.h"
#include "platform/HostPaths.h"
#include "platform/TextFile.h"
#include "translation/ConversionReport.h"

namespace z2k {

namespace {

// Writes the report file (a host path, as typed); false after printing the error.
bool writeReport(const std::string& file, const std::string& contents, const HostSettings& settings,
                 std::ostream& err) {
    // Replaced whole like every other output: a full disk never leaves half a report.
    const int error = replaceHostFile(file, contents, ReplaceOptions{}, settings);
    if (error != 0) {
        err << "zat2kor: error: cannot write the report " << file << ": " << errorDescription(error) << '\n';
        return false;
    }
    return true;
}

// The report file must be writable before anything is converted: its name asks for a format, its
// folder exists and can be written, and no folder stands in its place.
bool reportFileUsable(const std::string& file, std::ostream& err) {
    if (file.empty()) return true;
    ReportWriter::Format format = ReportWriter::Format::Text;
    if (!ReportWriter::formatOf(file, format)) {
        err << "zat2kor: error: --report FILE must end in .json or .txt\n";
        return false;
    }
    std::error_code failure;
    const std::filesystem::path absolute = std::filesystem::absolute(std::filesystem::path(file), failure);
    const int error = failure ? failure.value() : checkHostFileCreatable(absolute.string());
    if (error == 0) return true;
    err << "zat2kor: error: cannot write the report " << file << ": " << errorDescription(error) << '\n';
    return false;
}

// What a folder run found and did, in one line.
std::string foundLine(const ConversionSummary& summary, const std::string& family) {
    std::string line = "Found " + std::to_string(summary.found) + " .zat file" + (summary.found == 1 ? "" : "s") +
                       ": " + std::to_string(summary.matched) + " of family " + family + ", " +
                       std::to_string(summary.converted) + " converted, " + std::to_string(summary.failed) +
                       " failed, " + std::to_string(summary.otherFamilies) + " of other families skipped, " +
                       std::to_string(summary.unreadable) + " could not be read";
    const int notLooked = summary.found - summary.matched - summary.otherFamilies - summary.unreadable;
    if (summary.cancelled) line += ", " + std::to_string(notLooked) + " not looked at (stopped)";
    return line + ".\n";
}

}  // namespace

int CommandLine::run(int argc, char** argv) {
    CommandArguments args;
    if (const std::optional<int> status = parseCommand(argc, argv, args, out_, err_)) return *status;
    std::optional<HostSettings> settings = settingsFor(args);
    if (!settings) return kExitUsage;
    const std::optional<std::string> path = checkedPath(args, *settings);
    if (!path) return kExitUsage;
    return convert(args, *path, *settings);
}

std::optional<HostSettings> CommandLine::settingsFor(const CommandArguments& args) {
    const ProcessLocale locale = readProcessLocale();
    HostSettings settings = hostSettingsFor(locale);
    if (args.codePage.empty()) {
        if (!locale.set) {
            err_ << "zat2kor: warning: the locale named by the environment cannot be set; the code page is "
                 << codePageName(settings.codePage) << " (choose another with --code-page)\n";
        }
    } else {
        settings.codePage = args.codePage == "cp932"  ? CodePage::Cp932
                            : args.codePage == "utf8" ? CodePage::Utf8
                                                      : CodePage::SingleByte;
    }
    settings.keepBackups = !args.noBackup;
    settings.writeFiles = !args.dryRun;
    if (!reportFileUsable(args.reportFile, err_)) return std::nullopt;
    if (!mapDrives(args.drives, settings.drives, err_)) return std::nullopt;
    return settings;
}

std::optional<std::string> CommandLine::checkedPath(CommandArguments& args, const HostSettings& settings) {
    // Typed text is in the locale's code set; the field rules and the files hold code-page text.
    // (The family is one of two ASCII names and the report and drive folders are host paths.)
    const CodePage page = settings.codePage;
    const char* pathName = args.single ? "ZAT_FILE" : "DIRECTORY";
    const std::optional<std::string> pathText = hostNameToCodePage(args.path, settings);
    const std::optional<std::string> typedPath =
        pathText ? typedToSystem(args.path, *pathText, settings) : std::nullopt;
    const std::optional<std::string> workspaceName = hostNameToCodePage(args.workspaceName, settings);
    if (!typedPath || !workspaceName) {
        reportUnconvertible(typedPath ? "WORKSPACE_NAME" : pathName,
                            typedPath ? args.workspaceName : args.path, codePageName(page),
                            settings.hostCodeSet, err_);
        return std::nullopt;
    }
    args.workspaceName = *workspaceName;
    // A relative host path is held to the limit of the absolute one it stands for ("Z:" aside).
    const bool relativeHost = !args.path.empty() && !isSystemForm(args.path) && args.path[0] != '/' &&
                              typedPath->rfind("Z:", 0) == 0;
    if (!withinLimit(*pathText, kPathFieldLimit, pathName, page, err_) ||
        (relativeHost && !withinLimit(typedPath->substr(2), kPathFieldLimit, pathName, page, err_)) ||
        !withinLimit(args.workspaceName, kWorkspaceNameFieldLimit, "WORKSPACE_NAME", page, err_)) {
        return std::nullopt;
    }
    if (hostPathHoldsBackslash(args.path, settings.hostCodeSet)) {
        err_ << "zat2kor: error: " << pathName << " holds a '\\' in a host name, which no path can name: " << args.path
             << '\n';
        return std::nullopt;
    }
    const FieldCheck check = args.single
                                 ? checkSingleFields(*typedPath, args.workspaceName, settings)
                                 : checkMultipleFields(*typedPath, args.workspaceName, args.family, settings);
    if (!check.ok) {
        err_ << "zat2kor: error: " << check.message << '\n';
        return std::nullopt;
    }
    if (args.verbose && !args.quiet) {
        const std::optional<std::string> host = systemToHostPath(*typedPath, settings);
        err_ << "zat2kor: " << pathName << " \"" << args.path << "\" is " << *typedPath << " (host path "
             << (host ? *host : std::string("none")) << ")\n";
    }
    return typedPath;
}

int CommandLine::convert(const CommandArguments& args, const std::string& path,
                         const HostSettings& settings) {
    ConversionRequest request = args.single
                                    ? singleRequest(path, args.workspaceName, settings)
                                    : multipleRequest(path, args.workspaceName, args.family, settings);
    // --verbose shows every change as a line; a terminal shows the run on one live line.
    const bool lines = args.verbose && !args.quiet;
    std::optional<LiveLine> live;
    if (terminalColumns_ > 0 && !args.verbose && !args.quiet) live.emplace(err_, terminalColumns_, settings.codePage);
    LiveLine* liveLine = live ? &*live : nullptr;
    ConsoleProgress projectProgress(args.single ? "Total complete" : "Current project", err_, lines);
    ConsoleProgress overallProgress("Total complete", err_, lines);
    ConsoleTextDisplay results("Results", err_, lines, liveLine);
    ConsoleTextDisplay status("Status", err_, lines, liveLine);
    ConsoleAlerts alerts(err_, liveLine);
    // Each failure's detail line, always shown, as "zat2kor: error: TEXT" like a message box.
    ConsoleTextDisplay problems("zat2kor: error", err_, true, liveLine);
    // What a save did unasked, such as a backup kept under a shortened name.
    ConsoleTextDisplay notices("zat2kor: note", err_, !args.quiet, liveLine);
    ConversionReport report;
    request.report = &report;
    request.projectProgress = &projectProgress;
    request.results = &results;
    request.alerts = &alerts;
    request.problems = &problems;
    request.notices = &notices;
    if (args.lockTimeout >= 0)
        request.lock.waitMilliseconds = static_cast<std::uint32_t>(std::llround(args.lockTimeout * 1000));
    request.lock.longWaitNotice = [this, liveLine](const std::string& notice) {
        if (liveLine != nullptr) liveLine->clear();
        err_ << "zat2kor: note: " << notice << '\n' << std::flush;
    };
    if (liveLine != nullptr) {
        request.projectStarted = [liveLine](std::size_t index, std::size_t total, const std::string& path) {
            liveLine->project(index, total, path);
        };
    }
    request.cancel = &StopSignals::stopRequested();
    request.lock.stop = request.cancel;
    if (!args.single) {
        request.overallProgress = &overallProgress;
        request.status = &status;
    }

    ConversionSummary summary;
    {
        ConversionDriver driver(request);
        driver.run();
        summary = driver.summary();
    }
    live.reset();
    if (!args.quiet) out_ << results.lines() << std::flush;
    return finish(args, summary, report, settings);
}

int CommandLine::finish(const CommandArguments& args, const ConversionSummary& summary,
                        const ConversionReport& report, const HostSettings& settings) {
    // A reader of stdout that went away, a full disk or a closed stdout loses the results but
    // not the run: the report is still written and the exit status says so.
    const bool resultsShown = static_cast<bool>(out_);
    if (!resultsShown) {
        const int error = errno;
        err_ << "zat2kor: error: cannot write the results to stdout: " << std::strerror(error) << '\n' << std::flush;
    }
    for (const std::string& skipped : summary.skipped) err_ << "zat2kor: warning: skipped " << skipped << '\n';

    bool reportWritten = true;
    if (!args.reportFile.empty()) {
        ReportWriter::Format reportFormat = ReportWriter::Format::Text;
        ReportWriter::formatOf(args.reportFile, reportFormat);
        const std::string contents =
            reportFormat == ReportWriter::Format::Json
                ? ReportWriter::json(report, codePageName(settings.codePage), args.dryRun)
                : ReportWriter::text(report, args.dryRun);
        reportWritten = writeReport(args.reportFile, contents, settings, err_);
    } else if (!args.quiet) {
        // Without a report file, every run says on stderr how many options were carried over
        // unconverted or dropped, so that nothing is lost without a word.
        err_ << ReportWriter::summaryLines(report) << std::flush;
    }
    // Said after the results on stdout, never inside them: they stay what the window shows.
    if (!args.quiet && !args.single) err_ << foundLine(summary, args.family) << std::flush;
    if (!args.quiet && args.dryRun) err_ << "(dry run: nothing was written)\n" << std::flush;

    if (StopSignals::signal() != 0) {
        err_ << "zat2kor: stopped by " << StopSignals::signalName() << '\n' << std::flush;
        return 128 + StopSignals::signal();
    }
    const bool succeeded = summary.converted > 0 && summary.failed == 0 && summary.workspaceWritten &&
                           summary.skipped.empty() && reportWritten && resultsShown;
    return succeeded ? kExitConverted : kExitNotConverted;
}

}  // namespace z2k

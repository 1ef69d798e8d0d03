#include "cli/CommandLine.h"

#include <CLI/CLI.hpp>

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
#include "cli/ReportWriter.h"
#include "cli/StopSignals.h"
#include "cli/TypedArguments.h"
#include "conversion/ConversionDriver.h"
#include "conversion/FieldChecks.h"
#include "conversion/RequestForm.h"
#include "options/Families.h"
#include "platform/CodePage.h"
#include "platform/FileReplacement.h"
#include "platform/FileSystem.h"
#include "platform/HostPaths.h"
#include "platform/TextFile.h"
#include "translation/ConversionReport.h"

namespace z2k {

namespace {

// The values --family accepts, in the order of the family table.
std::vector<std::string> familyNames() {
    std::vector<std::string> names;
    for (const FamilyInfo& family : kFamilies) names.emplace_back(family.name);
    return names;
}

constexpr const char* kExamples =
    "\nExamples:\n"
    "  zat2kor single /home/ann/motor/motor.zat motor\n"
    "      converts motor.zat into motor.krp and writes the workspace motor.krs beside it\n"
    "  zat2kor multiple --family \"Quarix RISC engine\" /home/ann/projects all\n"
    "      converts every Quarix project below /home/ann/projects and lists them in the\n"
    "      workspace /home/ann/projects/all.krs\n"
    "  zat2kor single --drive D=/mnt/old 'D:\\motor\\motor.zat' motor\n"
    "      works on a path in drive form, with D: standing for the folder /mnt/old\n";

void addCommonOptions(CLI::App& command, CommandArguments& args) {
    command
        .add_option("--drive", args.drives, "Maps a drive letter to a host folder (X=DIR); Z: is the root /")
        ->type_name("X=DIR");
    command.add_option("--code-page", args.codePage, "The code page of the projects (default: the locale's)")
        ->check(CLI::IsMember({"single", "cp932", "utf8"}))
        ->type_name("CP");
    command.add_flag("--no-backup", args.noBackup,
                     "Does not keep NAME.krp.bak / NAME.krs.bak of replaced files");
    command.add_flag("--dry-run", args.dryRun, "Converts and reports but writes no .krp, .krs or .bak file");
    command
        .add_option("--report", args.reportFile,
                    "Writes the options carried over unconverted or dropped to FILE (.json or .txt)")
        ->type_name("FILE");
    // The largest wait below the value that means "no limit".
    command
        .add_option("--lock-timeout", args.lockTimeout,
                    "Gives up on a file whose lock another process holds after SECONDS (default: waits)")
        ->check(CLI::Range(0.0, (kInfiniteLockWait - 1) / 1000.0))
        ->type_name("SECONDS");
}

// Writes the report file (a host path, as typed); false after printing the error.
bool writeReport(const std::string& file, const std::string& contents, const HostSettings& settings,
                 std::ostream& err) {
    // Replaced whole like every other output: a full disk never leaves half a report.
    const int error = replaceHostFile(file, contents, ReplaceOptions{}, settings);
    if (error != 0) {
        err << "error: cannot write the report " << file << ": " << errorDescription(error) << '\n';
        return false;
    }
    return true;
}

}  // namespace

int CommandLine::run(int argc, char** argv) {
    CommandArguments args;
    if (const std::optional<int> status = parse(argc, argv, args)) return *status;
    std::optional<HostSettings> settings = settingsFor(args);
    if (!settings) return kExitUsage;
    const std::optional<std::string> path = checkedPath(args, *settings);
    if (!path) return kExitUsage;
    return convert(args, *path, *settings);
}

std::optional<int> CommandLine::parse(int argc, char** argv, CommandArguments& args) {
    CLI::App app{"zat2kor: converts ZAT projects into KOR projects and workspaces", "zat2kor"};
    app.set_version_flag("--version", std::string("zat2kor ") + ZAT2KOR_VERSION);
    app.require_subcommand(1, 1);
    app.footer(kExamples);

    CLI::App* single =
        app.add_subcommand("single", "Converts one ZAT project into a new workspace beside it");
    addCommonOptions(*single, args);
    single->add_option("ZAT_FILE", args.path, "The ZAT project file (.zat)")->required();
    single->add_option("WORKSPACE_NAME", args.workspaceName, "The name of the new KOR workspace")->required();
    single->footer(kExamples);

    CLI::App* multiple = app.add_subcommand(
        "multiple", "Converts every ZAT project of one CPU family below a folder into one workspace");
    addCommonOptions(*multiple, args);
    multiple->add_option("DIRECTORY", args.path, "The folder searched for ZAT projects")->required();
    multiple->add_option("WORKSPACE_NAME", args.workspaceName, "The name of the new KOR workspace")
        ->required();
    multiple->add_option("--family", args.family, "The CPU family of the projects to convert")
        ->check(CLI::IsMember(familyNames()))
        ->type_name("FAMILY");
    multiple->footer(kExamples);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out_, err_);
        return code == 0 ? 0 : kExitUsage;
    }
    args.single = single->parsed();
    return std::nullopt;
}

std::optional<HostSettings> CommandLine::settingsFor(const CommandArguments& args) {
    const ProcessLocale locale = readProcessLocale();
    HostSettings settings = hostSettingsFor(locale);
    if (args.codePage.empty()) {
        if (!locale.set) {
            err_ << "warning: the locale named by the environment cannot be set; the code page is "
                 << codePageName(settings.codePage) << " (choose another with --code-page)\n";
        }
    } else {
        settings.codePage = args.codePage == "cp932"  ? CodePage::Cp932
                            : args.codePage == "utf8" ? CodePage::Utf8
                                                      : CodePage::SingleByte;
    }
    settings.keepBackups = !args.noBackup;
    settings.writeFiles = !args.dryRun;
    ReportWriter::Format reportFormat = ReportWriter::Format::Text;
    if (!args.reportFile.empty() && !ReportWriter::formatOf(args.reportFile, reportFormat)) {
        err_ << "error: --report FILE must end in .json or .txt\n";
        return std::nullopt;
    }
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
        err_ << "error: " << pathName << " holds a '\\' in a host name, which no path can name: " << args.path
             << '\n';
        return std::nullopt;
    }
    const FieldCheck check = args.single
                                 ? checkSingleFields(*typedPath, args.workspaceName, settings)
                                 : checkMultipleFields(*typedPath, args.workspaceName, args.family, settings);
    if (!check.ok) {
        err_ << "error: " << check.message << '\n';
        return std::nullopt;
    }
    return typedPath;
}

int CommandLine::convert(const CommandArguments& args, const std::string& path,
                         const HostSettings& settings) {
    ConversionRequest request = args.single
                                    ? singleRequest(path, args.workspaceName, settings)
                                    : multipleRequest(path, args.workspaceName, args.family, settings);
    ConsoleProgress projectProgress(args.single ? "Total complete" : "Current project", err_, errIsTerminal_);
    ConsoleProgress overallProgress("Total complete", err_, errIsTerminal_);
    ConsoleTextDisplay results("Results", err_, errIsTerminal_);
    ConsoleTextDisplay status("Status", err_, errIsTerminal_);
    ConsoleAlerts alerts(err_);
    // Each failure's detail line, always shown, as "error: TEXT" like a message box.
    ConsoleTextDisplay problems("error", err_, true);
    // What a save did unasked, such as a backup kept under a shortened name.
    ConsoleTextDisplay notices("note", err_, true);
    ConversionReport report;
    request.report = &report;
    request.projectProgress = &projectProgress;
    request.results = &results;
    request.alerts = &alerts;
    request.problems = &problems;
    request.notices = &notices;
    if (args.lockTimeout >= 0)
        request.lock.waitMilliseconds = static_cast<std::uint32_t>(std::llround(args.lockTimeout * 1000));
    request.lock.longWaitNotice = [this](const std::string& notice) {
        err_ << "note: " << notice << '\n' << std::flush;
    };
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
    out_ << results.lines() << std::flush;
    return finish(args, summary, report, settings);
}

int CommandLine::finish(const CommandArguments& args, const ConversionSummary& summary,
                        const ConversionReport& report, const HostSettings& settings) {
    // A reader of stdout that went away, a full disk or a closed stdout loses the results but
    // not the run: the report is still written and the exit status says so.
    const bool resultsShown = static_cast<bool>(out_);
    if (!resultsShown) {
        const int error = errno;
        err_ << "error: cannot write the results to stdout: " << std::strerror(error) << '\n' << std::flush;
    }
    for (const std::string& skipped : summary.skipped) err_ << "warning: skipped " << skipped << '\n';

    bool reportWritten = true;
    if (!args.reportFile.empty()) {
        ReportWriter::Format reportFormat = ReportWriter::Format::Text;
        ReportWriter::formatOf(args.reportFile, reportFormat);
        const std::string contents =
            reportFormat == ReportWriter::Format::Json
                ? ReportWriter::json(report, codePageName(settings.codePage), args.dryRun)
                : ReportWriter::text(report, args.dryRun);
        reportWritten = writeReport(args.reportFile, contents, settings, err_);
    } else {
        // Without a report file, every run says on stderr how many options were carried over
        // unconverted or dropped, so that nothing is lost without a word.
        err_ << ReportWriter::summaryLines(report) << std::flush;
    }

    if (StopSignals::signal() != 0) {
        err_ << "zat2kor: stopped by " << StopSignals::signalName() << '\n' << std::flush;
        return 128 + StopSignals::signal();
    }
    const bool succeeded = summary.converted > 0 && summary.failed == 0 && summary.workspaceWritten &&
                           summary.skipped.empty() && reportWritten && resultsShown;
    return succeeded ? kExitConverted : kExitNotConverted;
}

}  // namespace z2k

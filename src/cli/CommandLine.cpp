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

struct Arguments {
    std::vector<std::string> drives;
    std::string codePage;
    bool noBackup = false;
    bool dryRun = false;
    std::string reportFile;
    double lockTimeout = -1;  // seconds; negative: wait as long as it takes
    std::string path;         // ZAT_FILE or DIRECTORY
    std::string workspaceName;
    std::string family;
};

void addCommonOptions(CLI::App& command, Arguments& args) {
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

// ASCII letters only, whatever the locale says about other bytes.
bool isDriveLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// A path in the system's own form: drive ("X:...") or starting with a backslash.
bool isSystemForm(const std::string& typed) {
    if (!typed.empty() && typed[0] == '\\') return true;
    return typed.size() >= 2 && isDriveLetter(typed[0]) && typed[1] == ':';
}

// What the user typed, in system form and in the code page: a host path (absolute, or relative
// to the current folder) becomes its Z: form, its names converted on the way; a path in system
// form is kept as typed, with every rule (inCodePage: the typed text converted from the locale's
// code set). Nothing when the host path cannot be converted.
std::optional<std::string> typedToSystem(const std::string& typed, const std::string& inCodePage,
                                         const HostSettings& settings) {
    if (typed.empty() || isSystemForm(typed)) return inCodePage;
    std::string host = typed;
    if (typed[0] != '/') {
        std::error_code error;
        const std::filesystem::path current = std::filesystem::current_path(error);
        if (error) return typed;
        host = (current / typed).lexically_normal().string();
    }
    std::string system = typedPathToSystem(host, settings);
    // The host path comes back as it was only when its names have no form in the code page.
    if (system.rfind("Z:\\", 0) != 0) return std::nullopt;
    return system;
}

// The refusal of typed text that has no form in the code page.
void reportUnconvertible(const char* what, const std::string& typed, const char* codePage,
                         const std::string& codeSet, std::ostream& err) {
    err << "error: " << what << " \"" << typed << "\" cannot be converted from the locale's code set "
        << (codeSet.empty() ? "(none)" : codeSet) << " to the code page " << codePage << '\n';
}

// A host name may hold a '\', but a system path cannot name it: it would be read as two names.
bool hostPathHoldsBackslash(const std::string& typed, const std::string& hostCodeSet) {
    return !isSystemForm(typed) &&
           findChar(typed, '\\', 0, codePageForCodeSet(hostCodeSet)) != std::string::npos;
}

bool mapDrives(const std::vector<std::string>& drives, DriveMap& map, std::ostream& err) {
    bool mapped[26] = {};
    for (const std::string& drive : drives) {
        if (drive.size() < 3 || !isDriveLetter(drive[0]) || drive[1] != '=') {
            err << "error: --drive expects X=DIR, got \"" << drive << "\"\n";
            return false;
        }
        const char letter = foldUpperAscii(drive[0]);
        if (letter == 'Z') {
            err << "error: --drive cannot map Z: it is always the host root /\n";
            return false;
        }
        if (mapped[letter - 'A']) {
            err << "error: --drive maps " << letter << ": twice\n";
            return false;
        }
        mapped[letter - 'A'] = true;
        std::error_code error;
        const std::filesystem::path folder = std::filesystem::absolute(drive.substr(2), error);
        if (error || !std::filesystem::is_directory(folder, error)) {
            err << "error: --drive " << letter << ": " << drive.substr(2) << ": "
                << (error ? error.message() : std::string("not a folder")) << '\n';
            return false;
        }
        map.map(drive[0], folder.lexically_normal().string());
    }
    return true;
}

// The code page's name as the --code-page option spells it.
const char* codePageName(CodePage codePage) {
    switch (codePage) {
        case CodePage::Cp932:
            return "cp932";
        case CodePage::Utf8:
            return "utf8";
        default:
            return "single";
    }
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

bool withinLimit(const std::string& value, std::size_t limit, const char* what, CodePage page,
                 std::ostream& err) {
    if (charCount(value, page) <= limit) return true;
    err << "error: " << what << " is longer than " << limit << " characters\n";
    return false;
}

}  // namespace

int CommandLine::run(int argc, char** argv) {
    CLI::App app{"zat2kor: converts ZAT projects into KOR projects and workspaces", "zat2kor"};
    app.set_version_flag("--version", std::string("zat2kor ") + ZAT2KOR_VERSION);
    app.require_subcommand(1, 1);
    app.footer(kExamples);

    Arguments args;
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

    const bool singleMode = single->parsed();
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
    const CodePage page = settings.codePage;
    ReportWriter::Format reportFormat = ReportWriter::Format::Text;
    if (!args.reportFile.empty() && !ReportWriter::formatOf(args.reportFile, reportFormat)) {
        err_ << "error: --report FILE must end in .json or .txt\n";
        return kExitUsage;
    }
    if (!mapDrives(args.drives, settings.drives, err_)) return kExitUsage;

    // Typed text is in the locale's code set; the field rules and the files hold code-page text.
    // (The family is one of two ASCII names and the report and drive folders are host paths.)
    const char* pathName = singleMode ? "ZAT_FILE" : "DIRECTORY";
    const std::optional<std::string> pathText = hostNameToCodePage(args.path, settings);
    const std::optional<std::string> typedPath =
        pathText ? typedToSystem(args.path, *pathText, settings) : std::nullopt;
    const std::optional<std::string> workspaceName = hostNameToCodePage(args.workspaceName, settings);
    if (!typedPath || !workspaceName) {
        reportUnconvertible(typedPath ? "WORKSPACE_NAME" : pathName,
                            typedPath ? args.workspaceName : args.path, codePageName(page),
                            settings.hostCodeSet, err_);
        return kExitUsage;
    }
    args.workspaceName = *workspaceName;
    // A relative host path is held to the limit of the absolute one it stands for ("Z:" aside).
    const bool relativeHost = !args.path.empty() && !isSystemForm(args.path) && args.path[0] != '/' &&
                              typedPath && typedPath->rfind("Z:", 0) == 0;
    if (!withinLimit(*pathText, kPathFieldLimit, pathName, page, err_) ||
        (relativeHost && !withinLimit(typedPath->substr(2), kPathFieldLimit, pathName, page, err_)) ||
        !withinLimit(args.workspaceName, kWorkspaceNameFieldLimit, "WORKSPACE_NAME", page, err_)) {
        return kExitUsage;
    }
    if (hostPathHoldsBackslash(args.path, settings.hostCodeSet)) {
        err_ << "error: " << pathName << " holds a '\\' in a host name, which no path can name: " << args.path
             << '\n';
        return kExitUsage;
    }

    const std::string& path = *typedPath;
    const FieldCheck check = singleMode
                                 ? checkSingleFields(path, args.workspaceName, settings)
                                 : checkMultipleFields(path, args.workspaceName, args.family, settings);
    if (!check.ok) {
        err_ << "error: " << check.message << '\n';
        return kExitUsage;
    }

    ConversionRequest request = singleMode ? singleRequest(path, args.workspaceName, settings)
                                           : multipleRequest(path, args.workspaceName, args.family, settings);
    ConsoleProgress projectProgress(singleMode ? "Total complete" : "Current project", err_, errIsTerminal_);
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
    if (!singleMode) {
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
        const std::string contents = reportFormat == ReportWriter::Format::Json
                                         ? ReportWriter::json(report, codePageName(page), args.dryRun)
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

#pragma once
// The command-line front end: parses the arguments, runs the window's field checks on them,
// forms the conversion request and runs the driver with console displays.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/HostSettings.h"

namespace z2k {

// Exit statuses.
inline constexpr int kExitConverted = 0;     // converted, nothing failed, workspace written
inline constexpr int kExitNotConverted = 1;  // the conversion ran but did not fully succeed
inline constexpr int kExitUsage = 2;         // usage and field-check errors

class ConversionReport;
struct ConversionSummary;

// What the command line was given, as typed.
struct CommandArguments {
    bool single = false;  // the "single" command; else "multiple"
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

class CommandLine {
  public:
    // errIsTerminal: progress and status lines go to err only when it is a terminal.
    CommandLine(std::ostream& out, std::ostream& err, bool errIsTerminal)
        : out_(out), err_(err), errIsTerminal_(errIsTerminal) {}
    int run(int argc, char** argv);

  private:
    // Nothing when the run goes on; else the exit status (help, version, usage errors).
    std::optional<int> parse(int argc, char** argv, CommandArguments& args);
    // The settings of the run; nothing after printing why the options cannot be taken.
    std::optional<HostSettings> settingsFor(const CommandArguments& args);
    // The typed path in system form after the window's field checks (the workspace name is
    // turned into code-page text on the way); nothing after printing the refusal.
    std::optional<std::string> checkedPath(CommandArguments& args, const HostSettings& settings);
    int convert(const CommandArguments& args, const std::string& path, const HostSettings& settings);
    // Shows what the run left to say, writes the report and gives the exit status.
    int finish(const CommandArguments& args, const ConversionSummary& summary, const ConversionReport& report,
               const HostSettings& settings);

    std::ostream& out_;
    std::ostream& err_;
    bool errIsTerminal_;
};

}  // namespace z2k

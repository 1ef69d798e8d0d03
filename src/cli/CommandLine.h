#pragma once
// The command-line front end: parses the arguments, runs the window's field checks on them,
// forms the conversion request and runs the driver with console displays.
#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/CommandParser.h"
#include "platform/HostSettings.h"

namespace z2k {

// Exit statuses.
inline constexpr int kExitConverted = 0;     // converted, nothing failed, workspace written
inline constexpr int kExitNotConverted = 1;  // the conversion ran but did not fully succeed
inline constexpr int kExitUsage = 2;         // usage and field-check errors

class ConversionReport;
struct ConversionSummary;

class CommandLine {
  public:
    // terminalColumns: the width of the terminal err is, or 0 when err is not a terminal; on a
    // terminal the progress is one line redrawn in place.
    CommandLine(std::ostream& out, std::ostream& err, std::size_t terminalColumns)
        : out_(out), err_(err), terminalColumns_(terminalColumns) {}
    int run(int argc, char** argv);

  private:
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
    std::size_t terminalColumns_;
};

}  // namespace z2k

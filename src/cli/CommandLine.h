#pragma once
// The command-line front end: parses the arguments, runs the window's field checks on them,
// forms the conversion request and runs the driver with console displays.
#include <ostream>

namespace z2k {

// Exit statuses.
inline constexpr int kExitConverted = 0;     // converted, nothing failed, workspace written
inline constexpr int kExitNotConverted = 1;  // the conversion ran but did not fully succeed
inline constexpr int kExitUsage = 2;         // usage and field-check errors

class CommandLine {
  public:
    // errIsTerminal: progress and status lines go to err only when it is a terminal.
    CommandLine(std::ostream& out, std::ostream& err, bool errIsTerminal)
        : out_(out), err_(err), errIsTerminal_(errIsTerminal) {}
    int run(int argc, char** argv);

  private:
    std::ostream& out_;
    std::ostream& err_;
    bool errIsTerminal_;
};

}  // namespace z2k

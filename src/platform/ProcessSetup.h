#pragma once
// What a command-line program sets up about its own process before a run: standard streams,
// stop signals, its arguments as host text and the console. Each host does it its own way.
#include <cstddef>
#include <string>
#include <vector>

namespace z2k {

// A standard stream the caller closed gets a read-only null device in its place: no file the
// conversion opens can then take its number and receive the results, and writing to it still
// fails, so a closed stdout is reported like any other.
void holdClosedStandardStreams();

// The width in columns of the terminal (console) stderr is, made ready for a line redrawn in
// place; 0 when stderr is no terminal or cannot redraw a line.
std::size_t standardErrorColumns();

// SIGINT and SIGTERM call onStop (a signal the caller ignores stays ignored; interrupted system
// calls resume). A reader of stdout that went away fails the write instead of ending the process.
void installStopHandler(void (*onStop)(int));

// The arguments as host text: as given on a POSIX host, UTF-8 from the wide command line on
// Windows (where the host names are UTF-8).
std::vector<std::string> hostArguments(int argc, char** argv);

// Where stdout or stderr is a Windows console, its bytes are shown through the console's wide
// output, taken in the ANSI code page; anywhere else (a file, a pipe, a POSIX host) the bytes go
// out as they are.
void useConsoleForStandardStreams();

}  // namespace z2k

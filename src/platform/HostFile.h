#pragma once
// Host-level reading and writing of whole files, shared by the readers and the writers. Only
// regular files are read: a FIFO, a device or a link to one would hang a run or never end, so
// it counts as a file that cannot be read.
#include <string>
#include <string_view>

namespace z2k {

// Opens a host path for reading without blocking or taking a terminal, and checks that it is a
// regular file. Returns the descriptor, or -1 with the error in `error` (EISDIR for a folder,
// kErrorNotRegularFile for any other file that is not regular, else errno).
int openRegularFileForReading(const std::string& hostPath, int& error);

// Reads the whole open file into out (appended); 0 or errno.
int readAll(int fd, std::string& out);

// Writes all bytes; 0 or errno.
int writeAll(int fd, std::string_view bytes);

// Writes the text with every line feed as CR LF; 0 or errno.
int writeAllAsText(int fd, std::string_view text);

}  // namespace z2k

#pragma once
// Text-mode files of the desktop: lines end in CR LF on disk; on reading, CR LF or a lone LF
// becomes one LF and byte 26 ends the readable text.
#include <string>
#include <string_view>

#include "platform/FileReplacement.h"
#include "platform/HostSettings.h"

namespace z2k {

struct TextReadResult {
    bool ok = false;
    int error = 0;     // errno when !ok
    std::string text;  // the text after text-mode conversion
};
TextReadResult readTextFile(std::string_view systemPath, const HostSettings& settings);

// Converts raw file bytes as a text-mode read would.
std::string textModeDecode(std::string_view bytes);
// Converts text as a text-mode write would: every LF becomes CR LF.
std::string textModeEncode(std::string_view text);

// Replaces the file at systemPath with the text-mode encoding of text, atomically: the bytes go to
// a temporary file in the same folder, are flushed, and the temporary file is renamed over the
// path only after everything was written. A failed write leaves the earlier file as it was.
// When keepBackup is set and the file exists, the old file is kept as systemPath + ".bak", or
// under a shortened name when that one is too long (its system path is then put in
// *shortenedBackup). A read-only file is not replaced (EACCES); the rest of the rules are
// replaceHostFile's. Returns 0 on success, else errno. In a dry run (settings.writeFiles off)
// every check that the real replace makes before it writes is made (checkReplaceable) and 0 or
// the error returned, without creating, changing or removing any file.
int replaceTextFile(std::string_view systemPath, std::string_view text, const HostSettings& settings,
                    bool keepBackup, std::string* shortenedBackup = nullptr);
// The same for text made piece by piece while it is written (see replaceHostFileFrom); a dry
// run makes the checks and never calls the producer.
int replaceTextFileFrom(std::string_view systemPath, const ContentProducer& produce,
                        const HostSettings& settings, bool keepBackup,
                        std::string* shortenedBackup = nullptr);

// Removes from the folder that a file's system path lies in the temporary files of replaces
// whose writer was killed (see TemporaryOutput.h). A run calls it once per folder before its
// first replace there, not per file, so that a folder of many projects is not read once for
// each of them. Does nothing in a dry run.
void removeStaleTemporaryFilesBeside(std::string_view systemPath, const HostSettings& settings);

}  // namespace z2k

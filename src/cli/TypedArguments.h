#pragma once
// The command line's typed text on its way into a request: host paths in system form, names in
// the code page, drive mappings, and the refusals that name what could not be taken.
#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/HostSettings.h"

namespace z2k {

// A path in the system's own form: drive ("X:...") or starting with a backslash.
bool isSystemForm(const std::string& typed);

// What the user typed, in system form and in the code page: a host path (absolute, or relative
// to the current folder) becomes its Z: form, its names converted on the way; a path in system
// form is kept as typed, with every rule (inCodePage: the typed text converted from the locale's
// code set). Nothing when the host path cannot be converted.
std::optional<std::string> typedToSystem(const std::string& typed, const std::string& inCodePage,
                                         const HostSettings& settings);

// The refusal of typed text that has no form in the code page.
void reportUnconvertible(const char* what, const std::string& typed, const char* codePage,
                         const std::string& codeSet, std::ostream& err);

// A host name may hold a '\', but a system path cannot name it: it would be read as two names.
bool hostPathHoldsBackslash(const std::string& typed, const std::string& hostCodeSet);

// Maps each "X=DIR" into map; false after printing why one cannot be mapped.
bool mapDrives(const std::vector<std::string>& drives, DriveMap& map, std::ostream& err);

// The code page's name as the --code-page option spells it.
const char* codePageName(CodePage codePage);

// True when value has at most limit characters; else false after printing the refusal.
bool withinLimit(const std::string& value, std::size_t limit, const char* what, CodePage page,
                 std::ostream& err);

}  // namespace z2k

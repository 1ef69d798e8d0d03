#pragma once
// Full-path expansion emulated as text with the desktop's rules.
#include <optional>
#include <string>
#include <string_view>

#include "platform/HostSettings.h"

namespace z2k {

// Expands a system path: '/' to '\', runs of separators after the root collapse, "." goes,
// ".." removes the component before it (never the root nor a machine path's share), a
// component ending in a single dot loses it, the last component loses trailing dots and blanks
// when the path does not end in a separator, relative and drive-relative forms get the current
// directory. Nothing when the result is longer than maxBytes (260) or cannot be formed.
std::optional<std::string> expandFullPath(std::string_view path, const HostSettings& settings,
                                          std::size_t maxBytes = 260);

// The current directory in system form (Z:\... of the process's working directory); empty when
// it cannot be read or its name cannot be held in the code page (then relative paths do not expand).
std::string currentSystemDirectory(const HostSettings& settings);

}  // namespace z2k

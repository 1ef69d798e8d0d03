#pragma once
// Character helpers over path texts. Every scan steps by whole characters of the code page, so
// a trail byte is never taken for '\', ':' or a forbidden character.
#include <cstddef>
#include <string_view>

#include "platform/CodePage.h"

namespace z2k {

// The position of the last character of s; for an empty s, the position of its end (0).
std::size_t lastChar(std::string_view s, CodePage page);

// True when s holds any of the characters that may never occur in a name: * ? / < > | and the
// double quote. False for an empty s.
bool hasForbiddenChars(std::string_view s, CodePage page);

}  // namespace z2k

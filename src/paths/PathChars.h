#pragma once
// Character helpers over path texts. Every scan steps by whole characters of the active code
// page, so a trail byte is never taken for '\', ':' or a forbidden character.
#include <cstddef>
#include <string>
#include <string_view>

namespace z2k {

// The position of the last character of s; for an empty s, the position of its end (0).
std::size_t LastChar(std::string_view s);

// The position of the n-th (counting from 1) occurrence of the single-byte character c in s;
// std::string::npos when n < 1 or s has fewer than n occurrences. The scan stops when nothing
// follows an occurrence.
std::size_t NthOccurrence(std::string_view s, char c, int n);

// s from its start up to and including the character at position p (a character is never
// split); empty when p is std::string::npos (before the start) or s is empty.
std::string LeftUpTo(std::string_view s, std::size_t p);

// True when s holds any of the characters that may never occur in a name: * ? / < > | and the
// double quote. False for an empty s.
bool HasForbiddenChars(std::string_view s);

}  // namespace z2k

#pragma once
// Code-page text as UTF-8, for files that other programs read (the JSON report). A character
// that has no form in UTF-8 (a byte the code page does not define, a broken double-byte pair, an
// invalid UTF-8 sequence) becomes U+FFFD, and the result says that the text was not exact, so
// that the caller can keep the original bytes beside it.
#include <functional>
#include <string>
#include <string_view>

#include "platform/CodePage.h"

namespace z2k {

struct Utf8Text {
    std::string text;
    bool exact = true;  // false when at least one character became U+FFFD
};

// Converts character by character (as the code page splits the text); time linear in its length.
Utf8Text toUtf8(std::string_view bytes, CodePage page);

// Appends the UTF-8 form of one character of a single-byte or CP932 text to out; false when it
// has none. Each host converts with its own system calls.
using CharacterToUtf8 = std::function<bool(std::string_view character, std::string& out)>;

// The walk that toUtf8 makes on every host: ASCII and valid UTF-8 characters are taken as they
// are, other characters of a UTF-8 text become U+FFFD, and the rest go through `convert`.
Utf8Text toUtf8ByCharacter(std::string_view bytes, CodePage page, const CharacterToUtf8& convert);

}  // namespace z2k

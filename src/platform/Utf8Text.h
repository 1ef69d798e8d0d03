#pragma once
// Code-page text as UTF-8, for files that other programs read (the JSON report). A character
// that has no form in UTF-8 (a byte the code page does not define, a broken double-byte pair, an
// invalid UTF-8 sequence) becomes U+FFFD, and the result says that the text was not exact, so
// that the caller can keep the original bytes beside it.
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

}  // namespace z2k

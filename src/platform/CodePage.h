#pragma once
// The code page of the projects' texts: every scan by character goes through here, so that a
// double-byte character is never split and a trail byte is never taken for '\', '.', a letter...
#include <cstddef>
#include <string>
#include <string_view>

namespace z2k {

enum class CodePage {
    SingleByte,  // every byte is one character
    Cp932,       // Shift_JIS: lead bytes 0x81-0x9F and 0xE0-0xFC take the next byte with them
    Utf8,        // a valid sequence is one character; any other byte is one character
};

// The process locale as a front end reads it once at start: setlocale(LC_CTYPE, "") then
// nl_langinfo(CODESET). Host file names are in this code set.
struct ProcessLocale {
    // False when the environment names a locale that cannot be set (not installed): then the
    // code set is the plain C locale's.
    bool set = false;
    std::string codeSet;
};
ProcessLocale readProcessLocale();

// The code page that a code set name stands for (UTF-8, Shift_JIS/CP932, else single-byte).
CodePage codePageForCodeSet(std::string_view codeSet);

// The name of the code set (for iconv) that the code page stands for.
const char* codePageCodeSet(CodePage page);

// Number of bytes of the multi-byte character that may start at pos (at least 1, never past the
// end); the out-of-line part of charLength, for a byte above 0x7F in a multi-byte code page.
std::size_t multiByteCharLength(std::string_view s, std::size_t pos, CodePage page);

// Number of bytes of the character that starts at pos (at least 1, never past the end).
// pos must be < s.size(). Every byte below 0x80 is a character of its own in every code page
// (CP932 lead bytes and UTF-8 sequences are all above 0x7F), so that case never leaves the caller.
inline std::size_t charLength(std::string_view s, std::size_t pos, CodePage page) {
    if (page == CodePage::SingleByte || pos >= s.size() || static_cast<unsigned char>(s[pos]) < 0x80)
        return 1;
    return multiByteCharLength(s, pos, page);
}

// True when byte pos of s is the first byte of a character (scanning from the start).
// Used where a position must be tested without splitting (for example "the character at byte n").
bool isCharStart(std::string_view s, std::size_t pos, CodePage page);

// Calls fn(pos, length) for every character of s in order.
template <typename Fn>
void forEachChar(std::string_view s, Fn&& fn, CodePage page) {
    for (std::size_t pos = 0; pos < s.size();) {
        std::size_t len = charLength(s, pos, page);
        fn(pos, len);
        pos += len;
    }
}

// Number of characters in s.
std::size_t charCount(std::string_view s, CodePage page);

// Position of the first/last single-byte character c in s (never a trail byte), or npos.
std::size_t findChar(std::string_view s, char c, std::size_t from, CodePage page);
std::size_t findLastChar(std::string_view s, char c, CodePage page);

// True when no byte of s is above 0x7F: then every byte is a character of its own in every code page.
inline bool isAsciiText(std::string_view s) {
    unsigned char high = 0;
    for (char c : s) high |= static_cast<unsigned char>(c);
    return high < 0x80;
}

// An ASCII letter in upper (lower) case; every other byte as it is.
inline char foldUpperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
inline char foldLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII-only case handling that never touches a trail byte.
std::string toUpperText(std::string_view s, CodePage page);
std::string toLowerText(std::string_view s, CodePage page);
bool equalsIgnoreCase(std::string_view a, std::string_view b, CodePage page);

}  // namespace z2k

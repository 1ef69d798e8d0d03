#include "platform/CodePage.h"

#include <string>

namespace z2k {
namespace {

bool isCp932Lead(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

bool isContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Length of the complete, valid UTF-8 sequence that starts at pos, or 1 when there is none
// (overlong forms, surrogates and values above U+10FFFF are not valid).
std::size_t utf8Length(std::string_view s, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    const std::size_t left = s.size() - pos;
    if (b0 < 0x80) return 1;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        if (left >= 2 && isContinuation(static_cast<unsigned char>(s[pos + 1]))) return 2;
        return 1;
    }
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        if (left < 3) return 1;
        const auto b1 = static_cast<unsigned char>(s[pos + 1]);
        const auto b2 = static_cast<unsigned char>(s[pos + 2]);
        if (!isContinuation(b1) || !isContinuation(b2)) return 1;
        if (b0 == 0xE0 && b1 < 0xA0) return 1;  // overlong
        if (b0 == 0xED && b1 > 0x9F) return 1;  // surrogate
        return 3;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        if (left < 4) return 1;
        const auto b1 = static_cast<unsigned char>(s[pos + 1]);
        const auto b2 = static_cast<unsigned char>(s[pos + 2]);
        const auto b3 = static_cast<unsigned char>(s[pos + 3]);
        if (!isContinuation(b1) || !isContinuation(b2) || !isContinuation(b3)) return 1;
        if (b0 == 0xF0 && b1 < 0x90) return 1;  // overlong
        if (b0 == 0xF4 && b1 > 0x8F) return 1;  // above U+10FFFF
        return 4;
    }
    return 1;
}

template <typename Fold>
std::string foldText(std::string_view s, CodePage page, Fold fold) {
    std::string out(s);
    if (page == CodePage::SingleByte) {
        for (char& c : out) c = fold(c);
        return out;
    }
    for (std::size_t pos = 0; pos < out.size();) {
        const std::size_t len = charLength(out, pos, page);
        if (len == 1) out[pos] = fold(out[pos]);
        pos += len;
    }
    return out;
}

bool sameCodeSetName(std::string_view a, std::string_view b) {
    return equalsIgnoreCase(a, b, CodePage::SingleByte);
}

}  // namespace

CodePage codePageForCodeSet(std::string_view codeSet) {
    if (sameCodeSetName(codeSet, "UTF-8") || sameCodeSetName(codeSet, "UTF8")) return CodePage::Utf8;
    for (const char* name : {"SHIFT_JIS", "SHIFT-JIS", "SJIS", "CP932", "WINDOWS-31J", "MS_KANJI"}) {
        if (sameCodeSetName(codeSet, name)) return CodePage::Cp932;
    }
    return CodePage::SingleByte;
}

const char* codePageCodeSet(CodePage page) {
    switch (page) {
        case CodePage::Cp932:
            return "CP932";
        case CodePage::Utf8:
            return "UTF-8";
        case CodePage::SingleByte:
            break;
    }
    return "CP1252";
}

std::size_t multiByteCharLength(std::string_view s, std::size_t pos, CodePage page) {
    if (pos >= s.size()) return 1;
    switch (page) {
        case CodePage::Cp932:
            // A lead byte at the very end of the text is a character of its own.
            return (isCp932Lead(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size()) ? 2 : 1;
        case CodePage::Utf8:
            return utf8Length(s, pos);
        case CodePage::SingleByte:
            break;
    }
    return 1;
}

bool isCharStart(std::string_view s, std::size_t pos, CodePage page) {
    if (pos >= s.size()) return pos == s.size();
    if (page == CodePage::SingleByte) return true;
    std::size_t at = 0;
    while (at < pos) at += charLength(s, at, page);
    return at == pos;
}

std::size_t charCount(std::string_view s, CodePage page) {
    if (page == CodePage::SingleByte) return s.size();
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < s.size(); pos += charLength(s, pos, page)) ++count;
    return count;
}

namespace {

// True when every byte equal to c starts a character, so that a plain byte search finds exactly
// the characters c: always in the single-byte code page, and for an ASCII c in UTF-8 (a valid
// sequence holds no byte below 0x80). A CP932 trail byte can be 0x40-0x7E ('\\', letters...).
bool plainSearchFinds(char c, CodePage page) {
    return page == CodePage::SingleByte || (page == CodePage::Utf8 && static_cast<unsigned char>(c) < 0x80);
}

}  // namespace

std::size_t findChar(std::string_view s, char c, std::size_t from, CodePage page) {
    if (plainSearchFinds(c, page)) return from >= s.size() ? std::string_view::npos : s.find(c, from);
    for (std::size_t pos = from; pos < s.size();) {
        const std::size_t len = charLength(s, pos, page);
        if (len == 1 && s[pos] == c) return pos;
        pos += len;
    }
    return std::string_view::npos;
}

std::size_t findLastChar(std::string_view s, char c, CodePage page) {
    if (plainSearchFinds(c, page)) return s.rfind(c);
    std::size_t found = std::string_view::npos;
    for (std::size_t pos = 0; pos < s.size();) {
        const std::size_t len = charLength(s, pos, page);
        if (len == 1 && s[pos] == c) found = pos;
        pos += len;
    }
    return found;
}

std::string toUpperText(std::string_view s, CodePage page) {
    return foldText(s, page, foldUpperAscii);
}

std::string toLowerText(std::string_view s, CodePage page) {
    return foldText(s, page, foldLowerAscii);
}

bool equalsIgnoreCase(std::string_view a, std::string_view b, CodePage page) {
    return a.size() == b.size() && toLowerText(a, page) == toLowerText(b, page);
}

}  // namespace z2k

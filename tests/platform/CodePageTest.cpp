#include "platform/CodePage.h"
#include "platform/ByteSearch.h"
#include "platform/HostPaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

namespace z2k {
namespace {

constexpr CodePage S = CodePage::SingleByte;
constexpr CodePage J = CodePage::Cp932;
constexpr CodePage U = CodePage::Utf8;

struct LengthCase {
    CodePage page;
    std::string text;
    std::size_t length;  // of the character at position 0
};

TEST(CodePage, CharacterLengths) {
    // clang-format off
    const LengthCase cases[] = {
        {S, "\x95\x5c", 1}, {J, "\x95\x5c", 2}, {J, "\x81\x41", 2}, {J, "\x9f\x41", 2}, {J, "\xe0\x41", 2},
        {J, "\xfc\x41", 2}, {J, "\x80\x41", 1}, {J, "\xa0\x41", 1}, {J, "\xb1\x41", 1}, {J, "\xfd\x41", 1},
        {J, "\x95", 1},  // a lead byte at the very end
        {U, "\xc3\xa9", 2}, {U, "\xe8\xa1\xa8", 3}, {U, "\xf0\x9f\x98\x80", 4}, {U, "\xc0\x80", 1},
        {U, "\xc1\xbf", 1}, {U, "\xe0\x80\x80", 1}, {U, "\xed\xa0\x80", 1}, {U, "\xf0\x80\x80\x80", 1},
        {U, "\xf4\x90\x80\x80", 1}, {U, "\xf5\x80\x80\x80", 1}, {U, "\xe8\xa1", 1}, {U, "\xe8\x41\x41", 1},
        {U, "\x80", 1},
    };
    // clang-format on
    for (const LengthCase& c : cases) EXPECT_EQ(charLength(c.text, 0, c.page), c.length) << c.text;
}

// Every search and count agrees with a walk by characters, which itself stays within bounds.
TEST(CodePage, SearchesAgreeWithAWalkByCharacters) {
    std::vector<std::string> texts = {"a\\b\\c",        "\x95\x5c\\x",    "x\\\x95\x5c", "\xe3\x81\\\x5c",
                                      "\xc3\xa9\\\xc3", "\xe8\\\x41",     "\x81",        "",
                                      "\"\x83\"\"",     "|\x95|\x96\x7c|"};
    for (int a = 0x80; a < 256; a += 3) texts.push_back({static_cast<char>(a), '\\', '\xbf', '.'});
    for (CodePage page : {S, J, U}) {
        for (const std::string& text : texts) {
            std::vector<std::size_t> starts;
            forEachChar(
                text, [&](std::size_t pos, std::size_t len) { starts.push_back(pos), (void)len; }, page);
            EXPECT_EQ(charCount(text, page), starts.size());
            for (char c : {'\\', '"', '|', '.', 'A', '\xa9'}) {
                std::vector<std::size_t> found;
                for (std::size_t i = 0; i < starts.size(); ++i) {
                    const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : text.size();
                    if (end - starts[i] == 1 && text[starts[i]] == c) found.push_back(starts[i]);
                }
                EXPECT_EQ(findLastChar(text, c, page), found.empty() ? std::string::npos : found.back());
                for (std::size_t from : starts) {
                    auto next = std::lower_bound(found.begin(), found.end(), from);
                    EXPECT_EQ(findChar(text, c, from, page), next == found.end() ? std::string::npos : *next);
                }
            }
            for (std::size_t pos = 0; pos < text.size(); ++pos)
                EXPECT_EQ(isCharStart(text, pos, page), std::count(starts.begin(), starts.end(), pos) == 1);
        }
    }
}

// The block search agrees with a plain search from every start, across block ends and in the tail.
TEST(ByteSearch, FindsTheFirstOfTheBytesFromEveryStart) {
    const std::string text = std::string(15, 'a') + "^x" + std::string(14, 'b') + "\"c\xff" + std::string(20, 'd') + "~";
    for (std::size_t from = 0; from <= text.size(); ++from) {
        const std::size_t plain = std::min(text.find_first_of("^\"~", from), text.size());
        EXPECT_EQ(findFirstOfBytes(text, from, '^', '"', '~'), plain) << from;
        EXPECT_EQ(findFirstOfBytes(text, from, '\xff'), std::min(text.find('\xff', from), text.size())) << from;
    }
}

TEST(CodePage, CaseFoldingTouchesOnlyAsciiLettersOutsideDoubleByteCharacters) {
    // 0x82 0x61 is one character whose trail byte looks like 'a'.
    EXPECT_EQ(toUpperText("ab\x82\x61z\xe9", J), "AB\x82\x61Z\xe9");
    EXPECT_EQ(toUpperText("ab\x82\x61z", S), "AB\x82\x41Z");
    EXPECT_EQ(toLowerText("AB\x82\x41Z", J), "ab\x82\x41z");
    EXPECT_EQ(toUpperText("\xc3\xa9t\xc3", U), "\xc3\xa9T\xc3");
    EXPECT_FALSE(equalsIgnoreCase("\x82\x61", "\x82\x41", J));
    EXPECT_TRUE(equalsIgnoreCase("\x82\x61", "\x82\x41", S));
    EXPECT_FALSE(equalsIgnoreCase("abc", "abcd", S));
    EXPECT_TRUE(equalsIgnoreCase("Motor.ZAT", "motor.zat", J));
}

// Text shown to a person: both directions, and what cannot be converted replaced one character
// at a time without stopping the rest.
TEST(CodePage, ShownTextToUtf8AndBack) {
    const std::tuple<CodePage, std::string, std::string> rows[] = {
        // 0x83 0x5C (the last character) has a trail byte equal to '\'.
        {J, "D:\\\x83\x76\x83\x8D\\\x83\x5C.zat", "D:\\\xE3\x83\x97\xE3\x83\xAD\\\xE3\x82\xBD.zat"},
        {S, "caf\xE9", "caf\xC3\xA9"},
        {U, "caf\xC3\xA9", "caf\xC3\xA9"},
    };
    for (const auto& [page, bytes, utf8] : rows) {
        EXPECT_EQ(codePageTextToUtf8(bytes, page), utf8) << bytes;
        EXPECT_EQ(utf8TextToCodePage(utf8, page), bytes) << bytes;
    }
    EXPECT_EQ(utf8TextToCodePage("a\xE3\x83\x97z\xE3\x83\x97", S), "a?z?");
    EXPECT_EQ(codePageTextToUtf8("a\xFFz\x83", J), "a\xEF\xBF\xBDz\xEF\xBF\xBD");
}

}  // namespace
}  // namespace z2k

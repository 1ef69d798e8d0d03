#include "platform/CodePage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace z2k {
namespace {

struct LengthCase {
    CodePage page;
    std::string text;
    std::size_t pos;
    std::size_t length;
};

class CodePageLength : public ::testing::TestWithParam<LengthCase> {};

TEST_P(CodePageLength, StepsByWholeCharacters) {
    const LengthCase& c = GetParam();
    EXPECT_EQ(charLength(c.text, c.pos, c.page), c.length);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CodePageLength,
    ::testing::Values(LengthCase{CodePage::SingleByte, "\x95\x5c", 0, 1},
                      LengthCase{CodePage::Cp932, "\x95\x5c", 0, 2},  // trail byte is '\'
                      LengthCase{CodePage::Cp932, "\x81\x41", 0, 2},  // first lead byte
                      LengthCase{CodePage::Cp932, "\x9f\x41", 0, 2},  // last lead byte of the low range
                      LengthCase{CodePage::Cp932, "\xe0\x41", 0, 2},  // first lead byte of the high range
                      LengthCase{CodePage::Cp932, "\xfc\x41", 0, 2},  // last lead byte
                      LengthCase{CodePage::Cp932, "\x80\x41", 0, 1},  // not a lead byte
                      LengthCase{CodePage::Cp932, "\xa0\x41", 0, 1},  // between the two ranges
                      LengthCase{CodePage::Cp932, "\xb1\x41", 0, 1},  // half-width katakana
                      LengthCase{CodePage::Cp932, "\xfd\x41", 0, 1},  // above the lead bytes
                      LengthCase{CodePage::Cp932, std::string("a\x95"), 1, 1},  // lead byte at the very end
                      LengthCase{CodePage::Utf8, "\xc3\xa9", 0, 2},
                      LengthCase{CodePage::Utf8, "\xe8\xa1\xa8", 0, 3},
                      LengthCase{CodePage::Utf8, "\xf0\x9f\x98\x80", 0, 4},
                      LengthCase{CodePage::Utf8, "\xc0\x80", 0, 1},          // overlong two-byte
                      LengthCase{CodePage::Utf8, "\xc1\xbf", 0, 1},          // overlong two-byte
                      LengthCase{CodePage::Utf8, "\xe0\x80\x80", 0, 1},      // overlong three-byte
                      LengthCase{CodePage::Utf8, "\xed\xa0\x80", 0, 1},      // surrogate
                      LengthCase{CodePage::Utf8, "\xf0\x80\x80\x80", 0, 1},  // overlong four-byte
                      LengthCase{CodePage::Utf8, "\xf4\x90\x80\x80", 0, 1},  // above U+10FFFF
                      LengthCase{CodePage::Utf8, "\xf5\x80\x80\x80", 0, 1},
                      LengthCase{CodePage::Utf8, "\xe8\xa1", 0, 1},  // cut short
                      LengthCase{CodePage::Utf8, "\xe8\x41\x41", 0, 1},
                      LengthCase{CodePage::Utf8, "\x80", 0, 1}));

TEST(CodePage, SeparatorInsideDoubleByteCharacterIsNotFound) {
    // "\x95\x5c" is one double-byte character whose trail byte is '\'.
    const std::string name =
        "a\x95\x5c"
        "b\\c";
    EXPECT_EQ(findChar(name, '\\', 0, CodePage::Cp932), 4u);
    EXPECT_EQ(findLastChar("x\\\x95\x5c", '\\', CodePage::Cp932), 1u);
    EXPECT_EQ(findChar("\x95\x5c", '\\', 0, CodePage::Cp932), std::string::npos);
    EXPECT_EQ(findChar(name, '\\', 0, CodePage::SingleByte), 2u);
    EXPECT_EQ(charCount(name, CodePage::Cp932), 5u);
    EXPECT_EQ(charCount(name, CodePage::SingleByte), 6u);
    EXPECT_FALSE(isCharStart(name, 2, CodePage::Cp932));
    EXPECT_TRUE(isCharStart(name, 3, CodePage::Cp932));
    EXPECT_TRUE(isCharStart(name, 2, CodePage::SingleByte));
}

TEST(CodePage, FindingACharacterAgreesWithAScanByCharacters) {
    const std::string texts[] = {
        "a\\b\\c",        "\x95\x5c\\x",      "x\\\x95\x5c",    "\xe3\x81\\\x5c",
        "\xc3\xa9\\\xc3", "\xe8\\\x41",       "\x81",              "",
        "\"\x83\"\"",       "\xc3\xa9.\xa9.",  "|\x95|\x96\x7c|",
    };
    const char characters[] = {'\\', '"', '|', '.', 'A', '\xa9', '\x5c'};
    for (CodePage page : {CodePage::SingleByte, CodePage::Cp932, CodePage::Utf8}) {
        for (const std::string& text : texts) {
            for (char c : characters) {
                std::vector<std::size_t> positions;
                forEachChar(
                    text,
                    [&](std::size_t pos, std::size_t len) {
                        if (len == 1 && text[pos] == c) positions.push_back(pos);
                    },
                    page);
                const std::size_t last = positions.empty() ? std::string::npos : positions.back();
                EXPECT_EQ(findLastChar(text, c, page), last) << text << " " << c;
                for (std::size_t from = 0; from <= text.size(); ++from) {
                    if (!isCharStart(text, from, page) && from != text.size()) continue;
                    auto next = std::lower_bound(positions.begin(), positions.end(), from);
                    EXPECT_EQ(findChar(text, c, from, page), next == positions.end() ? std::string::npos : *next)
                        << text << " " << c << " from " << from;
                }
            }
        }
    }
}

TEST(CodePage, CaseFoldingTouchesOnlyAsciiLettersOutsideDoubleByteCharacters) {
    // 0x82 0x61 is one character whose trail byte looks like 'a'.
    EXPECT_EQ(toUpperText("ab\x82\x61z\xe9", CodePage::Cp932), "AB\x82\x61Z\xe9");
    EXPECT_EQ(toUpperText("ab\x82\x61z", CodePage::SingleByte), "AB\x82\x41Z");
    EXPECT_EQ(toLowerText("AB\x82\x41Z", CodePage::Cp932), "ab\x82\x41z");
    EXPECT_EQ(toUpperText("\xc3\xa9t\xc3", CodePage::Utf8), "\xc3\xa9T\xc3");
    EXPECT_TRUE(equalsIgnoreCase("Motor.ZAT", "motor.zat", CodePage::Cp932));
    EXPECT_FALSE(equalsIgnoreCase("\x82\x61", "\x82\x41", CodePage::Cp932));
    EXPECT_TRUE(equalsIgnoreCase("\x82\x61", "\x82\x41", CodePage::SingleByte));
    EXPECT_FALSE(equalsIgnoreCase("abc", "abcd", CodePage::SingleByte));
}

TEST(CodePage, CompareFoldsToLowerCase) {
    // '_' lies between the upper- and the lower-case letters: folding to lower puts it first.
    EXPECT_LT(compareIgnoreCase("_x", "a", CodePage::SingleByte), 0);
    EXPECT_LT(compareIgnoreCase("_x", "A", CodePage::SingleByte), 0);
    EXPECT_GT(compareIgnoreCase("B", "a", CodePage::SingleByte), 0);
    EXPECT_LT(compareIgnoreCase("ab", "ABC", CodePage::SingleByte), 0);
    EXPECT_EQ(compareIgnoreCase("ABC", "abc", CodePage::SingleByte), 0);
    EXPECT_LT(compareIgnoreCase("a", "\xe9", CodePage::SingleByte), 0);  // bytes compare unsigned
}

TEST(CodePage, CodeSetNames) {
    EXPECT_EQ(codePageForCodeSet("UTF-8"), CodePage::Utf8);
    EXPECT_EQ(codePageForCodeSet("utf8"), CodePage::Utf8);
    EXPECT_EQ(codePageForCodeSet("SHIFT_JIS"), CodePage::Cp932);
    EXPECT_EQ(codePageForCodeSet("CP932"), CodePage::Cp932);
    EXPECT_EQ(codePageForCodeSet("ISO-8859-1"), CodePage::SingleByte);
    EXPECT_EQ(codePageForCodeSet("ANSI_X3.4-1968"), CodePage::SingleByte);
}

TEST(CodePage, EveryByteStringIsWalkedWithinBounds) {
    // Every one- and two-byte text, plus a three-byte tail, in every code page.
    for (CodePage page : {CodePage::SingleByte, CodePage::Cp932, CodePage::Utf8}) {
        for (int a = 1; a < 256; ++a) {
            for (int b = 1; b < 256; b += 7) {
                const std::string text{static_cast<char>(a), static_cast<char>(b), '\xbf'};
                for (std::size_t size = 1; size <= text.size(); ++size) {
                    std::string_view s(text.data(), size);
                    std::size_t total = 0;
                    forEachChar(
                        s,
                        [&](std::size_t pos, std::size_t len) {
                            ASSERT_EQ(pos, total);
                            ASSERT_GE(len, 1u);
                            total += len;
                        },
                        page);
                    ASSERT_EQ(total, size);
                }
            }
        }
    }
}

}  // namespace
}  // namespace z2k

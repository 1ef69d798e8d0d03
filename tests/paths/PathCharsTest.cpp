#include "paths/PathChars.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/CodePage.h"

namespace z2k {
namespace {

constexpr std::size_t npos = std::string::npos;

class PathChars : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::Cp932); }
};

TEST_F(PathChars, LastChar) {
    EXPECT_EQ(LastChar(""), 0u);
    EXPECT_EQ(LastChar("a"), 0u);
    EXPECT_EQ(LastChar("C:\\"), 2u);
    EXPECT_EQ(LastChar("a\x95\x5c"), 1u);  // the last character is two bytes long
    EXPECT_EQ(LastChar("a\x95"), 1u);      // a lead byte at the end stands alone
    setActiveCodePage(CodePage::SingleByte);
    EXPECT_EQ(LastChar("a\x95\x5c"), 2u);
}

TEST_F(PathChars, NthOccurrence) {
    struct Case {
        std::string s;
        char c;
        int n;
        std::size_t pos;
    };
    const Case cases[] = {
        {"\\\\host\\share", '\\', 1, 0},
        {"\\\\host\\share", '\\', 2, 1},
        {"\\\\host\\share", '\\', 3, 6},
        {"\\\\host\\share", '\\', 4, npos},
        {"\\\\host\\", '\\', 3, 6},  // an occurrence at the very end is found
        {"a\\b", '\\', 0, npos},
        {"a\\b", '\\', -1, npos},
        {"", '\\', 1, npos},
        {"\\\x95\x5c\\", '\\', 2, 3},  // the trail byte is not counted
    };
    for (const Case& c : cases) EXPECT_EQ(NthOccurrence(c.s, c.c, c.n), c.pos) << c.s << " " << c.n;
}

TEST_F(PathChars, LeftUpTo) {
    EXPECT_EQ(LeftUpTo("C:\\dir\\file", 2), "C:\\");
    EXPECT_EQ(LeftUpTo("C:\\dir\\file", 0), "C");
    EXPECT_EQ(LeftUpTo("C:\\dir\\file", npos), "");
    EXPECT_EQ(LeftUpTo("", 0), "");
    EXPECT_EQ(LeftUpTo("abc", 99), "abc");
    EXPECT_EQ(LeftUpTo("a\x95\x5c"
                       "b",
                       1),
              "a\x95\x5c");  // the character is never split
}

TEST_F(PathChars, HasForbiddenChars) {
    for (const char* bad : {"a*b", "a?b", "a/b", "a<b", "a>b", "a|b", "a\"b", "*"}) {
        EXPECT_TRUE(HasForbiddenChars(bad)) << bad;
    }
    for (const char* good : {"", "C:\\a b\\c.zat", "a:b", "a.b", "\\\\m\\s"}) {
        EXPECT_FALSE(HasForbiddenChars(good)) << good;
    }
    // 0x81 0x7C is one character whose trail byte looks like '|'.
    EXPECT_FALSE(HasForbiddenChars("\x81\x7c"));
    setActiveCodePage(CodePage::SingleByte);
    EXPECT_TRUE(HasForbiddenChars("\x81\x7c"));
}

}  // namespace
}  // namespace z2k

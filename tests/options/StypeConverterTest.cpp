// S-type converter options: the rewrite of the leading file names, every documented example and
// the output file list, converted through the public entry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/ConvertToolOptions.h"
#include "options/StypeConverter.h"
#include "platform/CodePage.h"

namespace z2k {
namespace {

const std::string kVersion = "[V|VERSION|1] ";

struct Case {
    std::string input;     // ZAT option string (TAB separated), or the value to rework
    std::string expected;  // KOR option string after the version item, or the reworked text
};

TEST(StypeConverterTest, ConvertsEveryDocumentedOption) {
    const std::vector<Case> cases = {
        {"-default", R"~([S|OUTPUT|"$(CONFIGDIR)\$(PROJECTNAME).mot"])~"},
        {"-record=s2", "[S|RECORD|S2]"},
        {"-s9", "[B|S9|1]"},
        {"-nos9", R"~([S|OTHER|"-nos9"])~"},
        {R"~(-ws="c:\Foo\foo.sub")~", R"~([S|OTHER|"-ws=""c:\Foo\foo.sub"""])~"},
        // Buckets: "-output" 15, "-record" 16.
        {"\"test.abs\"\t\"test1.mot\"=0,ffff\t\"test2.mot\"=10000,1ffff\t-record=s2",
         R"~([B|DIVIDEOUTPUT|1] [S|MULTIOUTPUT|"test1.mot"=0,ffff|"test2.mot"=10000,1ffff] [S|RECORD|S2])~"},
        {"\"test.abs\"\t\"c:\\Out\\test.mot\"", R"~([S|OUTPUT|"c:\Out\$(PROJECTNAME).mot"])~"},
        {"\"test.abs\"\t\"a.mot\"\t\"b.mot\"", R"~([S|OUTPUT|"$(PROJECTNAME).mot"])~"},
        {"\"test.abs\"\t\"c:\\Out\\big.mot\"=0,FFFF",
         R"~([B|DIVIDEOUTPUT|1] [S|MULTIOUTPUT|"c:\Out\big.mot"=0,FFFF])~"},
        {"-output=\"c:\\Out\\test.mot\"", R"~([S|OUTPUT|"c:\Out\$(PROJECTNAME).mot"])~"},
        {"\"test.abs\"", R"~([S|OUTPUT|"$(PROJECTNAME).abs"])~"},  // no TAB: nothing is deleted
        {"-record=s2\tx", "[S|RECORD|S2|X]"},                      // a TAB before a non-option joins
        {"", ""},
    };
    setActiveCodePage(CodePage::SingleByte);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        std::string options;
        std::string cpuDefaults = "untouched";
        ASSERT_EQ(ConvertToolOptions("Nerak", "Vantrel V Series Stype Converter", c.input, "", "", options,
                                     cpuDefaults),
                  0);
        EXPECT_EQ(options, kVersion + c.expected);
        EXPECT_EQ(cpuDefaults, "untouched");  // the S-type converter has no CPU defaults
    }
}

TEST(StypeConverterTest, RewritesTheLeadingFileNames) {
    const std::vector<Case> cases = {
        {"\"test.abs\"\t\"test1.mot\"\t\"test2.mot\"\t-record=s2",
         "-output=\"test1.mot\",\"test2.mot\"\t-record=s2"},
        {"test.abs\ttest1.mot", "-output=test1.mot"},  // no quotes are added
        {"test.abs", "-output=test.abs"},
        {"-record=s2\t-s9", "-record=s2\t-s9"},
        {"-record=s2\tx\t", "-record=s2,x,"},
        {"", ""},
    };
    setActiveCodePage(CodePage::SingleByte);
    StypeConverter converter;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(converter.RewriteOptionString(c.input), c.expected);
    }
}

TEST(StypeConverterTest, RejoinsAddressRangesBetweenHexDigitsOnly) {
    const std::vector<Case> cases = {
        {"\"a.mot\"=0|ffff|\"b.mot\"=10000|1FFFF", "\"a.mot\"=0,ffff|\"b.mot\"=10000,1FFFF"},
        {"a|b", "a|b"},      // position 1 is too early
        {"ab|cd", "ab,cd"},  // position 2 is the first that counts
        {"0|g", "0|g"},
        {"x9|", "x9|"},
        {"|||", "|||"},
    };
    setActiveCodePage(CodePage::SingleByte);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(StypeConverter::RejoinAddressRanges(c.input), c.expected);
    }
}

TEST(StypeConverterTest, TrailByteIsNeverTakenForAHexDigit) {
    // 0x83 0x61 is one CP932 character whose trail byte looks like 'a'.
    setActiveCodePage(CodePage::Cp932);
    EXPECT_EQ(StypeConverter::RejoinAddressRanges("x\x83\x61|1"), "x\x83\x61|1");
    setActiveCodePage(CodePage::SingleByte);
    EXPECT_EQ(StypeConverter::RejoinAddressRanges("x\x83\x61|1"), "x\x83\x61,1");
}

}  // namespace
}  // namespace z2k

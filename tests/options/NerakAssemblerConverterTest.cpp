// Nerak assembler options: every documented example and the registrations that differ from the
// QX assembler, converted through the public entry so that splitting and the options table's
// order take part.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/ConvertToolOptions.h"
#include "platform/CodePage.h"

namespace z2k {
namespace {

const std::string kVersion = "[V|VERSION|1] ";
const std::string kFixedDefaults =
    R"~([B|DEBUG|1] [S|OUTPUTPATH|"$(CONFIGDIR)\$(FILELEAF).obj"] [B|LIST|0] [B|CHGINCPATH|1] [B|ERRORPATH|1])~";

struct Case {
    std::string input;     // ZAT option string (TAB separated)
    std::string expected;  // KOR option string after the version item
};

struct Result {
    int code = -1;
    std::string options;
    std::string cpuDefaults;
};

Result convertNerakAssembler(const std::string& zat) {
    setActiveCodePage(CodePage::SingleByte);
    Result r;
    r.code = ConvertToolOptions("Nerak", "Vantrel Nerak Assembler", zat, "", "", r.options, r.cpuDefaults);
    return r;
}

TEST(NerakAssemblerConverterTest, ConvertsEveryDocumentedOption) {
    const std::vector<Case> cases = {
        {"-default", kFixedDefaults},
        {R"~(-o="c:\Foo\foo.obj")~", R"~([S|OUTPUT|OBJECT] [S|OUTPUTPATH|"c:\Foo\$(FILELEAF).obj"])~"},
        {R"~(-exp="c:\Foo\foo.exp")~", R"~([S|OUTPUT|EXPAND] [S|OUTPUTPATH|"c:\Foo\$(FILELEAF).exp"])~"},
        {"-o", "[S|OUTPUT|OBJECT]"},
        {R"~(-lis="c:\Foo\foo.lis")~", R"~([B|LIST|1] [S|LISTPATH|"$(CONFIGDIR)\$(FILELEAF).lis"])~"},
        {"-lis", "[B|LIST|1]"},
        {"-nolis", "[B|LIST|0]"},
        // Nerak keeps the listing path also for "-nolis".
        {R"~(-nolis="c:\Foo\foo.lis")~", R"~([B|LIST|0] [S|LISTPATH|"$(CONFIGDIR)\$(FILELEAF).lis"])~"},
        {"-nosh=ca,e,cod", "[B|SHOWCALLS|0] [B|SHOWEXPANSIONS|0] [B|SHOWCODE|0]"},
        {"-sh",
         "[B|SHOWCONDITIONALS|1] [B|SHOWDEFINITIONS|1] [B|SHOWCALLS|1] [B|SHOWEXPANSIONS|1] "
         "[B|SHOWSTRUCTURED|1] [B|SHOWCODE|1]"},
        {"-sh=s,con", "[B|SHOWSTRUCTURED|1] [B|SHOWCONDITIONALS|1]"},
        {"-sh=x", ""},
        {"-sh=con,x", ""},
        {"-sh=(con,d)", ""},  // the Nerak assembler keeps the parentheses, so no element matches
        {"-abs8=sym1,sym2", "[B|ABS8|1] [S|ABS8|sym1|sym2]"},
        {"-abs16", "[B|ABS16|1]"},
        {R"~(-abs16="a]b")~", R"~([B|ABS16|1] [S|ABS16|"a]]b"])~"},
        {"-br=16", "[I|BR_RELATIVE|16]"},
        {R"~(-def=sym1="str1",sym2="str2")~", R"~([S|DEFINE|sym1="str1"|sym2="str2"])~"},
        {"-eu\t-ch", R"~([B|CHGINCPATH|1] [S|OTHER|"-eu"])~"},
        {"-sj\t-ch\t-log=\"foo foo.log\"", R"~([B|CHGINCPATH|1] [S|OTHER|"-sj -log=""foo foo.log"""])~"},
        {R"~(-i="c:\a,b","d")~", R"~([S|INCLUDE|"c:\a,b"|"d"])~"},
        {R"~(-i="a"b"c")~", R"~([S|INCLUDE|"a""b""c"])~"},
        {"-i=a,", "[S|INCLUDE|a|]"},
        {"-ch", "[B|CHGINCPATH|1]"},
        {"-err", "[B|ERRORPATH|1]"},
        {"-asa=x=1", "[S|ASSIGNA|x=1]"},
        {"-asc=a,b", "[S|ASSIGNC|a|b]"},
        {"-d", "[B|DEBUG|1]"},
        {"-nod", "[B|DEBUG|0]"},
        {"-e", "[B|EXCLUDE|1]"},
        {"-noe", "[B|EXCLUDE|0]"},
        {"-so", "[B|SOURCE|1]"},
        {"-noso", "[B|SOURCE|0]"},
        {"-cr", "[B|CROSS_REFERENCE|1]"},
        {"-nocr", "[B|CROSS_REFERENCE|0]"},
        {"-se", "[B|SECTION|1]"},
        {"-nose", "[B|SECTION|0]"},
        {"-op", "[B|OPTIMIZE|1]"},
        {"-noop", "[B|OPTIMIZE|0]"},
        {"-go", "[B|GOPTIMIZE|1]"},
        {"-cp=nk7", "[S|CPU|NK7]"},
        // QX-only options and near misses stay unrecognised.
        {"-cpu=qx3", R"~([S|OTHER|"-cpu=qx3"])~"},
        {"-auto", R"~([S|OTHER|"-auto"])~"},
        {"-en=b", R"~([S|OTHER|"-en=b"])~"},
        {"-CH", R"~([S|OTHER|"-CH"])~"},
        {"-abs", R"~([S|OTHER|"-abs"])~"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        Result r = convertNerakAssembler(c.input);
        ASSERT_EQ(r.code, 0);
        EXPECT_EQ(r.options, kVersion + c.expected);
    }
}

TEST(NerakAssemblerConverterTest, CpuDefaultsTakeTheCpuItem) {
    const std::vector<Case> cases = {
        {"-cp=nk7\t-d", "[S|CPU|NK7] " + kFixedDefaults},
        {"-ch", " " + kFixedDefaults},
        {"-default", " " + kFixedDefaults},
        {"", " " + kFixedDefaults},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        Result r = convertNerakAssembler(c.input);
        ASSERT_EQ(r.code, 0);
        EXPECT_EQ(r.cpuDefaults, kVersion + c.expected);
    }
}

}  // namespace
}  // namespace z2k

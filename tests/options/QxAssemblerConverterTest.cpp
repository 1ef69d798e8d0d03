// QX assembler options: every documented example and the registrations that differ from the
// Nerak assembler, converted through the public entry.
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

Result convertQxAssembler(const std::string& zat) {
    setActiveCodePage(CodePage::SingleByte);
    Result r;
    r.code = ConvertToolOptions("Quarix RISC engine", "Vantrel QX Assembler", zat, "", "", r.options,
                                r.cpuDefaults);
    return r;
}

TEST(QxAssemblerConverterTest, ConvertsEveryDocumentedOption) {
    const std::vector<Case> cases = {
        {"-default", kFixedDefaults},
        {R"~(-o="c:\Foo\foo.obj")~", R"~([S|OUTPUT|OBJECT] [S|OUTPUTPATH|"c:\Foo\$(FILELEAF).obj"])~"},
        {R"~(-exp="c:\Foo\foo.exp")~", R"~([S|OUTPUT|EXPAND] [S|OUTPUTPATH|"c:\Foo\$(FILELEAF).exp"])~"},
        {R"~(-lis="c:\Foo\foo.lis")~", R"~([B|LIST|1] [S|LISTPATH|"$(CONFIGDIR)\$(FILELEAF).lis"])~"},
        {"-lis", "[B|LIST|1]"},
        {"-nolis", "[B|LIST|0]"},
        // QX drops the listing path of "-nolis".
        {R"~(-nolis="c:\Foo\foo.lis")~", "[B|LIST|0]"},
        {"-nosh=ca,e,cod", "[B|SHOWCALLS|0] [B|SHOWEXPANSIONS|0] [B|SHOWCODE|0]"},
        {"-sh=(con,d)", "[B|SHOWCONDITIONALS|1] [B|SHOWDEFINITIONS|1]"},
        {"-sh=((cod))", "[B|SHOWCODE|1]"},
        {"-sh",
         "[B|SHOWCONDITIONALS|1] [B|SHOWDEFINITIONS|1] [B|SHOWCALLS|1] [B|SHOWEXPANSIONS|1] [B|SHOWCODE|1]"},
        {"-nosh=()",
         "[B|SHOWCONDITIONALS|0] [B|SHOWDEFINITIONS|0] [B|SHOWCALLS|0] [B|SHOWEXPANSIONS|0] [B|SHOWCODE|0]"},
        {"-sh=x", ""},
        {"-sh=s", ""},  // "structured" is a Nerak-only element
        {R"~(-def=sym1="str1",sym2="str2")~", R"~([S|DEFINE|sym1="str1"|sym2="str2"])~"},
        {"-eu\t-ch", R"~([B|CHGINCPATH|1] [S|OTHER|"-eu"])~"},
        {"-cpu=qx3", "[S|CPU|QX3]"},
        {"-en=b", "[S|ENDIAN|BIG]"},
        {"-en=l", "[S|ENDIAN|LITTLE]"},
        {"-en=x", ""},
        {"-en=B", ""},
        {"-den=off", "[B|DENORMALIZE|0]"},
        {"-den=on", "[B|DENORMALIZE|1]"},
        {"-den=1", ""},
        {"-r=n", "[S|ROUND|NEAREST]"},
        {"-r=z", "[S|ROUND|ZERO]"},
        {"-r", ""},
        {"-auto", "[B|AUTO_LITERAL|1]"},
        {R"~(-i="c:\inc")~", R"~([S|INCLUDE|"c:\inc"])~"},
        {"-asc=a,b", "[S|ASSIGNC|a|b]"},
        {"-nod", "[B|DEBUG|0]"},
        {"-nocr", "[B|CROSS_REFERENCE|0]"},
        {"-noso", "[B|SOURCE|0]"},
        {"-se", "[B|SECTION|1]"},
        {"-err", "[B|ERRORPATH|1]"},
        // Nerak-only options stay unrecognised.
        {"-cp=nk7", R"~([S|OTHER|"-cp=nk7"])~"},
        {"-br=16", R"~([S|OTHER|"-br=16"])~"},
        {"-abs8=sym1,sym2", R"~([S|OTHER|"-abs8=sym1,sym2"])~"},
        {"-e", R"~([S|OTHER|"-e"])~"},
        {"-op", R"~([S|OTHER|"-op"])~"},
        {"-go", R"~([S|OTHER|"-go"])~"},
        {"-noauto", R"~([S|OTHER|"-noauto"])~"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        Result r = convertQxAssembler(c.input);
        ASSERT_EQ(r.code, 0);
        EXPECT_EQ(r.options, kVersion + c.expected);
    }
}

TEST(QxAssemblerConverterTest, CpuDefaultsCollectTheFourCpuItemsInListOrder) {
    const std::vector<Case> cases = {
        {"-cpu=qx3\t-en=b\t-den=off\t-r=n",
         "[S|CPU|QX3] [S|ENDIAN|BIG] [B|DENORMALIZE|0] [S|ROUND|NEAREST] " + kFixedDefaults},
        {"-r=z\t-ch\t-en=l", "[S|ENDIAN|LITTLE] [S|ROUND|ZERO] " + kFixedDefaults},
        {"-ch", " " + kFixedDefaults},
        {"-default", " " + kFixedDefaults},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        Result r = convertQxAssembler(c.input);
        ASSERT_EQ(r.code, 0);
        EXPECT_EQ(r.cpuDefaults, kVersion + c.expected);
    }
}

TEST(QxAssemblerConverterTest, ItemOrderFollowsTheOptionsTable) {
    // Buckets: "-r" 1, "-en" 3, "-cpu" 8, "-den" 13.
    Result r = convertQxAssembler("-cpu=qx3\t-en=b\t-den=off\t-r=n");
    ASSERT_EQ(r.code, 0);
    EXPECT_EQ(r.options, kVersion + "[S|ROUND|NEAREST] [S|ENDIAN|BIG] [S|CPU|QX3] [B|DENORMALIZE|0]");
}

}  // namespace
}  // namespace z2k

// Nerak optimizer options: its own registrations (abbreviations, "-op", the address list), and
// those it takes from the linkage editor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/ConvertToolOptions.h"
#include "platform/CodePage.h"

namespace z2k {
namespace {

const std::string kVersion = "[V|VERSION|1] ";

struct Case {
    std::string input;     // ZAT option string (TAB separated)
    std::string expected;  // KOR option string after the version item
};

void expectConversions(const std::vector<Case>& cases) {
    setActiveCodePage(CodePage::SingleByte);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        std::string options;
        std::string cpuDefaults = "untouched";
        ASSERT_EQ(
            ConvertToolOptions("Nerak", "Vantrel Nerak IM Optimizer", c.input, "", "", options, cpuDefaults),
            0);
        EXPECT_EQ(options, kVersion + c.expected);
        EXPECT_EQ(cpuDefaults, "untouched");
    }
}

TEST(NerakOptimizerConverterTest, ConvertsEveryDocumentedOption) {
    expectConversions({
        {"-default", R"~([B|OPTIMIZE|0] [B|DEBUG|1] [S|OBJECT|"$(CONFIGDIR)\$(FILELEAF).abs"])~"},
        {"-tovamiplus", "[S|OBJECTFORMAT|TOVAMIPLUS]"},
        {"-elf", "[S|OBJECTFORMAT|ELF]"},
        {"-show=symbol,reference", "[S|SHOW|SYMBOL|REFERENCE]"},
        {"-optimize", "[S|OPTIMIZEITEMS|ALL]"},
        {"-optimize=string_unify,symbol_delete", "[S|OPTIMIZEITEMS|STRING_UNIFY|SYMBOL_DELETE]"},
        {"-optimize=branch,function_call,same_code,register,variable_access,symbol_delete,string_unify",
         "[S|OPTIMIZEITEMS|ALL]"},
        // The QX list is not complete here.
        {"-optimize=branch,same_code,register,symbol_delete,string_unify",
         "[S|OPTIMIZEITEMS|BRANCH|SAME_CODE|REGISTER|SYMBOL_DELETE|STRING_UNIFY]"},
        {"-nooptimize", "[B|OPTIMIZE|0]"},
        {"-samesize=7fff", "[I|SAMESIZE|7fff]"},
        {"-sames=10", "[I|SAMESIZE|10]"},
        {"-symbol=sym1,sym2", R"~([S|SYMBOL_FORBID|"sym1"|"sym2"])~"},
        {"-sy=a", R"~([S|SYMBOL_FORBID|"a"])~"},
        {"-samecode=f1,f2", R"~([S|SAMECODE_FORBID|"f1"|"f2"])~"},
        {"-samec=f1", R"~([S|SAMECODE_FORBID|"f1"])~"},
        {"-function_forbid=func1,func2", R"~([S|FUNCTION_FORBID|"func1"|"func2"])~"},
        {"-fu=func1", R"~([S|FUNCTION_FORBID|"func1"])~"},
        {"-variable_forbid=v1,v2", R"~([S|VARIABLE_FORBID|"v1"|"v2"])~"},
        {"-v=v1", R"~([S|VARIABLE_FORBID|"v1"])~"},
        {"-information", "[B|INFORMATION|1]"},
        {"-inf", "[B|INFORMATION|1]"},
        {R"~(-mlist="c:\Foo\foo.lst")~", R"~([S|MLIST|"$(CONFIGDIR)\$(PROJECTNAME).lst"])~"},
        {";CheckDevice=ROM,H'0010,H'00F0\t;CheckDevice=RAM,H'0110,H'01F0",
         "[I|CPUINFORMATIONCHECK|1] [S|;CHECKDEVICE|ROM,H'0010,H'00F0|RAM,H'0110,H'01F0]"},
        {";CheckDevice=A,B,C,D", "[I|CPUINFORMATIONCHECK|1] [S|;CHECKDEVICE|A,B,C|D]"},
        {"-noop", "[B|OPTIMIZE|0]"},
        {R"~(-i="main.obj")~", R"~([S|INPUT|"main.obj"])~"},
        {"-def=A(1)", R"~([S|DEFINE|"A","(1)"])~"},
        {"-DEB", R"~([S|OTHER|"-DEB"])~"},
    });
}

TEST(NerakOptimizerConverterTest, ExpandsOptimizeAbbreviations) {
    expectConversions({
        {"-op=sp", "[S|OPTIMIZEITEMS|SPEED]"},
        {"-op=saf", "[S|OPTIMIZEITEMS|SAFE]"},
        {"-op=st,r", "[S|OPTIMIZEITEMS|STRING_UNIFY|REGISTER]"},
        {"-op", "[S|OPTIMIZEITEMS]"},
        {"-op=st,sy,v,r,sam,f,b", "[S|OPTIMIZEITEMS|ALL]"},
        {"-op=b,r,st", "[S|OPTIMIZEITEMS|SAFE]"},
        {"-op=st,sy,v,r,b", "[S|OPTIMIZEITEMS|SPEED]"},
        {"-op=sp,st", "[S|OPTIMIZEITEMS|SPEED]"},   // "sp" removes the items it covers
        {"-op=b,saf", "[S|OPTIMIZEITEMS|SAFE]"},    // so does "saf"
        {"-op=sp,saf", "[S|OPTIMIZEITEMS|SPEED]"},  // "sp" also removes "saf"
        {"-op=saf,sy", "[S|OPTIMIZEITEMS|STRING_UNIFY|REGISTER|BRANCH|SYMBOL_DELETE]"},
        {"-op=sp,sam",
         "[S|OPTIMIZEITEMS|STRING_UNIFY|SYMBOL_DELETE|VARIABLE_ACCESS|REGISTER|BRANCH|SAME_CODE]"},
        {"-op=sp,sam,f", "[S|OPTIMIZEITEMS|ALL]"},
        {"-op=f", "[S|OPTIMIZEITEMS|FUNCTION_CALL]"},
        {"-op=x", "[S|OPTIMIZEITEMS|x]"},
    });
}

TEST(NerakOptimizerConverterTest, WritesAddressLists) {
    expectConversions({
        {"-abs=1200+100", "[S|ABSOLUTE_FORBID|000001200+000000100]"},
        {"-absolute_forbid=1200+100,ff+1", "[S|ABSOLUTE_FORBID|000001200+000000100|0000000FF+000000001]"},
        {"-abs=0f100", "[S|ABSOLUTE_FORBID|00000F100+000000000]"},  // no size: zero
        {"-abs=abcdef12+1+2", "[S|ABSOLUTE_FORBID|0ABCDEF12+000000001]"},
        {"-abs=1ffffffff+0", "[S|ABSOLUTE_FORBID|0FFFFFFFF+000000000]"},  // read into 32 bits
        {"-abs=zz+", "[S|ABSOLUTE_FORBID|000000000+000000000]"},
    });
}

}  // namespace
}  // namespace z2k

// QX optimizing linker options: its own registrations, those it takes from the linkage editor,
// and the Nerak-only ones it must not know.
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

TEST(QxOptLinkerConverterTest, ConvertsEveryDocumentedOption) {
    const std::vector<Case> cases = {
        {"-default", R"~([B|OPTIMIZE|0] [B|DEBUG|1] [S|OBJECT|"$(CONFIGDIR)\$(FILELEAF).abs"])~"},
        {"-tovamiplus", "[S|OBJECTFORMAT|TOVAMIPLUS]"},
        {"-tovami", "[S|OBJECTFORMAT|TOVAMI]"},
        {"-elf", "[S|OBJECTFORMAT|ELF]"},
        {"-optimize", "[S|OPTIMIZEITEMS|ALL]"},
        {"-optimize=string_unify,symbol_delete", "[S|OPTIMIZEITEMS|STRING_UNIFY|SYMBOL_DELETE]"},
        {"-optimize=branch,same_code,register,symbol_delete,string_unify", "[S|OPTIMIZEITEMS|ALL]"},
        {"-optimize=same_code,branch,register,symbol_delete,string_unify",
         "[S|OPTIMIZEITEMS|SAME_CODE|BRANCH|REGISTER|SYMBOL_DELETE|STRING_UNIFY]"},
        {"-optimize=branch,function_call,same_code,register,variable_access,symbol_delete,string_unify",
         "[S|OPTIMIZEITEMS|BRANCH|FUNCTION_CALL|SAME_CODE|REGISTER|VARIABLE_ACCESS|SYMBOL_DELETE|STRING_"
         "UNIFY]"},
        {"-nooptimize", "[B|OPTIMIZE|0]"},
        {"-samesize=7fff", "[I|SAMESIZE|7fff]"},
        {"-symbol=sym1,sym2", R"~([S|SYMBOL_FORBID|"sym1"|"sym2"])~"},
        {"-samecode=f1", R"~([S|SAMECODE_FORBID|"f1"])~"},
        {"-information", "[B|INFORMATION|1]"},
        {";CheckDevice=ROM,H'0010,H'00F0\t;CheckDevice=RAM,H'0110,H'01F0",
         "[I|CPUINFORMATIONCHECK|1] [S|;CHECKDEVICE|ROM,H'0010,H'00F0|RAM,H'0110,H'01F0]"},
        // Linkage-editor options keep working.
        {R"~(-i="main.obj")~", R"~([S|INPUT|"main.obj"])~"},
        {"-st=A,B(1),C", "[S|START|A,B(1)|C]"},
        {"-nod", "[B|DEBUG|0]"},
        // Nerak-only options stay unrecognised.
        {"-show=symbol,reference", R"~([S|OTHER|"-show=symbol,reference"])~"},
        {"-sames=10", R"~([S|OTHER|"-sames=10"])~"},
        {"-sy=a", R"~([S|OTHER|"-sy=a"])~"},
        {"-samec=a", R"~([S|OTHER|"-samec=a"])~"},
        {"-abs=1200+100", R"~([S|OTHER|"-abs=1200+100"])~"},
        {"-fu=f", R"~([S|OTHER|"-fu=f"])~"},
        {"-v=x", R"~([S|OTHER|"-v=x"])~"},
        {"-inf", R"~([S|OTHER|"-inf"])~"},
        {"-op=sp", R"~([S|OTHER|"-op=sp"])~"},
        {"-noop", R"~([S|OTHER|"-noop"])~"},
        {R"~(-mlist="c:\a\b.lst")~", R"~([S|OTHER|"-mlist=""c:\a\b.lst"""])~"},
    };
    setActiveCodePage(CodePage::SingleByte);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        std::string options;
        std::string cpuDefaults = "untouched";
        ASSERT_EQ(ConvertToolOptions("Quarix RISC engine", "Vantrel QX IM OptLinker", c.input, "", "",
                                     options, cpuDefaults),
                  0);
        EXPECT_EQ(options, kVersion + c.expected);
        EXPECT_EQ(cpuDefaults, "untouched");
    }
}

}  // namespace
}  // namespace z2k

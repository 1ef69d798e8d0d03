// Linkage editor options: every documented example, converted through the public entry.
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

TEST(LinkageEditorConverterTest, ConvertsEveryDocumentedOption) {
    const std::vector<Case> cases = {
        {"-default", R"~([B|DEBUG|1] [S|OBJECT|"$(CONFIGDIR)\$(FILELEAF).abs"])~"},
        {R"~(-i="funclib"(sin,cos),"tan.o")~", R"~([S|INPUT|"funclib"(sin,cos)|"tan.o"])~"},
        {"-i=a(b,c", "[S|INPUT|a(b,c]"},  // an unclosed parenthesis runs to the end of the value
        {"-i=a(b),c,d(e,f)", "[S|INPUT|a(b)|c|d(e,f)]"},
        {R"~(-lib="a.lib","b]x.lib")~", R"~([S|INPUTLIBRARY|"a.lib"|"b]]x.lib"])~"},
        {"-def=MAIN_RTN(RPG_EXIT),SUB_RTN(RPG_SUB)",
         R"~([S|DEFINE|"MAIN_RTN","(RPG_EXIT)"|"SUB_RTN","(RPG_SUB)"])~"},
        {"-def=A(1)B", R"~([S|DEFINE|"A","(1)B"])~"},
        {"-def=X", ""},
        {"-def=A(1),X", ""},
        {"-def", ""},
        {"-ent=PRG_ENT", R"~([B|ENTRY|1] [S|ENTRY|"PRG_ENT"])~"},
        {"-f=a", "[S|FORM|A]"},
        {R"~(-o="c:\Foo\foo.abs")~", R"~([S|OUTPUT|"c:\Foo\$(PROJECTNAME).abs"])~"},
        {R"~(-o="foo.abs")~", R"~([S|OUTPUT|"$(PROJECTNAME).abs"])~"},
        {"-deb", "[B|DEBUG|1]"},
        {"-nod", "[B|DEBUG|0]"},
        {"-sd", "[B|SDEBUG|1]"},
        {"-ro=(C,RAM_CSCT),(D,RAM_DSCT)", "[S|ROM|(C,RAM_CSCT)|(D,RAM_DSCT)]"},
        {"-ro=(C,RAM", "[S|ROM|(C,RAM]"},
        {"-excl", "[B|EXCLUDE|1]"},
        {"-noex", "[B|EXCLUDE|0]"},
        {R"~(-p="foo.map")~", R"~([B|PRINT|1] [S|MAPPATH|"$(CONFIGDIR)\$(PROJECTNAME).map"])~"},
        {R"~(-p="c:\Foo\foo.map")~", R"~([B|PRINT|1] [S|MAPPATH|"$(CONFIGDIR)\$(PROJECTNAME).map"])~"},
        {"-p", R"~([B|PRINT|1] [S|MAPPATH|"$(CONFIGDIR)\$(PROJECTNAME)"])~"},
        {"-nop", "[B|PRINT|0]"},
        {"-st=RAM0,RAM1(8000),ROM1,ROM2(1000),ROM0", "[S|START|RAM0,RAM1(8000)|ROM1,ROM2(1000)|ROM0]"},
        {"-st=A,B", "[S|START|A,B]"},
        {"-al", "[B|ALIGN_SECTION|1]"},
        {"-fs=sect1,sect2", "[S|FSYMBOL|sect1|sect2]"},
        {"-ch", "[B|CHECK_SECTION|1]"},
        {R"~(-cpu="foo.cpu")~", R"~([I|CPUINFORMATIONCHECK|2] [S|CPU|"foo.cpu"])~"},
        {R"~(-c="foo.cpu")~", R"~([I|CPUINFORMATIONCHECK|2] [S|CPU|"foo.cpu"])~"},
        {"-cpuc", "[B|CPUCHECK|1]"},
        {"-udfc", "[B|UDFCHECK|1]"},
        {R"~(-ws="c:\Foo\foo.sub")~", R"~([B|SUBCOMMAND|1] [S|SUBCOMMAND|"c:\Foo\foo.sub"])~"},
        {"-lis=m", R"~([S|OTHER|"-lis=m"])~"},
        {"-u", R"~([S|OTHER|"-u"])~"},
        {R"~(-exch="foo.obj")~", R"~([S|OTHER|"-exch=""foo.obj"""])~"},
        // Buckets: "-exch" 1, "-u" 4, "-lis" 5.
        {"-lis=m\t-u\t-exch=\"foo.obj\"", R"~([S|OTHER|"-exch=""foo.obj"" -u -lis=m"])~"},
        // Optimizing-linker options are not linkage-editor options.
        {"-elf", R"~([S|OTHER|"-elf"])~"},
        {"-optimize", R"~([S|OTHER|"-optimize"])~"},
    };
    setActiveCodePage(CodePage::SingleByte);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        std::string options;
        std::string cpuDefaults = "untouched";
        ASSERT_EQ(ConvertToolOptions("Nerak", "Vantrel V Series Linkage Editor", c.input, "", "", options,
                                     cpuDefaults),
                  0);
        EXPECT_EQ(options, kVersion + c.expected);
        EXPECT_EQ(cpuDefaults, "untouched");  // the linkage editor has no CPU defaults
    }
}

TEST(LinkageEditorConverterTest, TrailBytesAreNeverTakenForBars) {
    // 0x83 0x7C is one CP932 character whose trail byte looks like "|".
    const std::vector<Case> cases = {
        {"-i=a(\x83\x7C)", "[S|INPUT|a(\x83\x7C)]"},
        {"-st=\x83\x7C", "[S|START|\x83\x7C]"},
        {";CheckDevice=A", R"~([S|OTHER|";CheckDevice=A"])~"},
    };
    setActiveCodePage(CodePage::Cp932);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.input);
        std::string options;
        std::string cpuDefaults;
        ASSERT_EQ(ConvertToolOptions("Nerak", "Vantrel V Series Linkage Editor", c.input, "", "", options,
                                     cpuDefaults),
                  0);
        EXPECT_EQ(options, kVersion + c.expected);
    }
    setActiveCodePage(CodePage::SingleByte);
}

}  // namespace
}  // namespace z2k

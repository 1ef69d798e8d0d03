// Option conversion of the nine tools through the public entry: one line per case (tool, ZAT
// option string, expected KOR items after the version item), then CPU defaults, refusals and
// the record of what became of every option.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/ConvertToolOptions.h"
#include "options/ToolTable.h"
#include "platform/CodePage.h"

namespace z2k {
namespace {

enum Tool { QxC, QxA, QxL, NkC, NkA, NkO, Led, Lib, Sty };
const char* const kNames[] = {
    "Vantrel QX C Compiler",           "Vantrel QX Assembler",       "Vantrel QX IM OptLinker",
    "Vantrel Nerak C Compiler",        "Vantrel Nerak Assembler",    "Vantrel Nerak IM Optimizer",
    "Vantrel V Series Linkage Editor", "Vantrel V Series Librarian", "Vantrel V Series Stype Converter"};

// The code page the cases are converted in.
CodePage page = CodePage::SingleByte;

struct Result {
    OptionConversion code;
    std::string kor, cpu;
};

Result convert(Tool tool, const std::string& zat, std::string family = "NONE", std::string from = "",
               std::string to = "", OptionOutcomes* outcomes = nullptr) {
    Result r{OptionConversion::UnknownTool, "", "untouched"};
    r.code = convertToolOptions(family, kNames[tool], zat, from, to, r.kor, r.cpu, page, outcomes);
    return r;
}

struct Case {
    Tool tool;
    std::string zat, kor;
};

// The cases of one tool family share the option parsing; each line guards a distinct mapping.
// clang-format off
const std::vector<Case> kCases = {
    // The QX compiler's table-driven conversion.
    {QxC, "-default",
     "[B|CHGINCPATH|1] [B|ERRORPATH|1] [S|OUTPUTPATH|\"$(CONFIGDIR)\\$(FILELEAF).obj\"] [B|DEBUG|1] "
     "[B|LIST|0]"},
    {QxC, "-i=\"c:\\dir1\"\t-deb\t-i=\"c:\\dir2\"", "[S|INCLUDE|\"c:\\dir1\"|\"c:\\dir2\"] [B|DEBUG|1]"},
    {QxC, "-l=\"c:\\Foo\\foo.lst\"", "[B|LIST|1] [S|LISTPATH|\"$(CONFIGDIR)\\$(FILELEAF).lst\"]"},
    {QxC, "-inl", "[B|INLINE|1] [I|INLINE|0]"}, {QxC, "-inl=30", "[B|INLINE|1] [I|INLINE|30]"},
    {QxC, "-ne=2", "[B|NESTINLINE|1] [I|NESTINLINE|2]"},
    {QxC, "-op=1\t-m=0\t-p=1", "[B|OPTIMIZE|1] [B|MACSAVE|0] [B|PIC|1]"},
    {QxC, "-cp=qx2\t-en=l\t-den=on", "[S|CPU|QX2] [S|ENDIAN|LITTLE] [B|DENORMALIZE|1]"},
    {QxC, "-sj\t-eu\t-log=\"foo foo.log\"", "[S|OTHER|\"-sj -log=\"\"foo foo.log\"\" -eu\"]"},
    {QxC, "-sh=so,noob,w=200,l=120", "[S|SHOW|SOURCE|NOOBJECT]"},
    {QxC, "-sh=w=132", "[S|SHOW]"}, {QxC, "-se=p=P,c=C", "[S|SECTION|P=P|C=C]"},
    {QxC, "-def=a=val,b=val1", "[S|DEFINE|a=val|b=val1]"},
    {QxC, "-def=a]b", "[S|DEFINE|a]]b]"},
    {QxC, "-nol\t-l", "[B|LIST|0] [S|LISTPATH|\"$(CONFIGDIR)\\$(FILELEAF)\"]"},
    {QxC, "-nosp\t-sp", "[B|SPEED|0]"},
    {QxC, "-inl=5\t-noinl", "[B|INLINE|0] [I|INLINE|5]"},
    {QxC, "-prep=\"c:\\a\\b.i\"\t-c=m\t-ob=\"c:\\o\\x.obj\"",
     "[S|OUTPUT|PREPROCESSOR] [S|OUTPUTPATH|\"c:\\a\\$(FILELEAF).i\"]"},
    {QxC, "-ob", "[S|OUTPUTPATH|$(FILELEAF)]"},
    {QxC, "-c=m\t-c=a", "[S|OTHER|\"-c=m|a\"]"}, {QxC, "-se=p", "[S|OTHER|\"-se=p\"]"},
    {QxC, "-com=n\t-st=d\t-ab=ru\t-di=p\t-fp=s\t-r=z\t-do=x",
     "[B|COMMENTNEST|1] [S|STRING|DATA] [S|ABS16|RUN] [S|DIVISION|PERIPHERAL] [S|DOUBLE|FLOAT] "
     "[S|FPU|SINGLE] "
     "[S|ROUND|ZERO]"},
    {QxC, "-ch=5\t-nome\t-me\t-si\t-lo\t-nolo\t-rtnext\t-nortnext\t-al\t-noal\t-b\t-ecpp\t-err",
     "[B|ECPP|1] [B|CHGINCPATH|1|5] [B|ERRORPATH|1] [B|MESSAGE|1] [B|MESSAGE|0] [B|BROWSER|1] [B|SIZE|1] "
     "[B|LOOP|0] [B|LOOP|1] [B|RTNEXT|1] [B|RTNEXT|0] [B|ALIGN16|1] [B|ALIGN16|0]"},
    {QxC, "-DEB", "[S|OTHER|\"-DEB\"]"},
    {QxC, "-other=a,b", "[S|OTHER|\"-other=a|b\"]"},
    {QxC, "-x=$(FILE)", "[S|OTHER|\"-x=$(FILELEAF)\"]"},
    {QxC, "-prei=\"a\"b\"", "[S|PREINCLUDE|\"a\"\"b\"]"},
    // The Nerak compiler's registrations, and the option framework they share.
    {NkC, "-default",
     "[B|DEBUG|1] [S|OUTPUTPATH|\"$(CONFIGDIR)\\$(FILELEAF).obj\"] [B|LIST|0] [B|CHGINCPATH|1]"},
    {NkC, "-nom=1,8,305", "[B|MESSAGE|0] [S|NOMESSAGE|1|8|305]"},
    {NkC, "-c=a\t-ob=\"c:\\Foo\\foo.obj\"", "[S|OUTPUT|ASMCODE] [S|OUTPUTPATH|\"c:\\Foo\\$(FILELEAF).obj\"]"},
    {NkC, "-pa=2\t-pa=3", ""}, {NkC, "-pa=2", "[B|PACK|0]"},
    {NkC, "-sp=r,sh,l,sw,i=105,st,e",
     "[B|SPEED|1] [S|SPEED|REGISTER|SHIFT|LOOP|SWITCH|INLINE=105|STRUCT|EXPRESSION]"},
    {NkC, "-sp=r", "[B|SPEED|1] [S|SPEED|REGISTER|INLINE=0]"},
    {NkC, "-sp=i=", "[B|SPEED|1] [S|SPEED|INLINE=]"},
    {NkC, "-sp=r,x", ""},
    {NkC, "-cp=nk7\t-regp=3", "[I|REGPARAM|3] [S|CPU|NK7]"},
    {NkC, "-lan=c\t-op=0", "[B|OPTIMIZE|0] [S|OTHER|\"-lan=c\"]"},
    {NkC, "-c=m\t-c=x", ""},
    {NkC, "-prep=\"c:\\my.dir\\foo\"", "[S|OUTPUT|PREPROCESSOR] [S|OUTPUTPATH|\"c:\\my.dir\\$(FILELEAF)\"]"},
    {NkC, "-sh=a,noa,st,nost,e,noe,noso,o",
     "[S|SHOW|ALLOCATION|NOALLOCATION|STATISTICS|NOSTATISTICS|EXPANSION|NOEXPANSION|NOSOURCE|OBJECT]"},
    {NkC, "-se=abc=x=y", "[S|SECTION|ABC=x=y]"}, {NkC, "-se=p=P,c", ""},
    {NkC, "-ca=i\t-nov\t-nor\t-nocpue", "[B|REGEXPANSION|0] [B|VOLATILE|0] [S|CASE|IFTHEN] [B|CPUEXPAND|0]"},
    {NkC, "-ca=t\t-g\t-b\t-ma\t-cm",
     "[B|BYTEENUM|1] [B|CMNCODE|1] [B|GOPTIMIZE|1] [S|CASE|TABLE] [B|MACSAVE|1]"},
    {NkC, "-ind\t-abs8\t-abs16\t-ee", "[B|ABS8|1] [B|ABS16|1] [B|EEPMOV|1] [B|INDIRECT|1]"},
    {NkC, "-prei=a.h", "[S|PREINCLUDE|a.h]"},
    {NkC, "-err=x\t-h", "[S|OTHER|\"-h\"]"}, {NkC, "-me\t-lis", "[S|OTHER|\"-me -lis\"]"},
    {NkC, "-x=a]b", "[S|OTHER|\"-x=a]]b\"]"},
    {NkC, "-x=\"a\tb\n-y", "[S|OTHER|\"-x=\"\"a\tb\n-y\"]"},
    {NkC, "\t\r\n-deb\r-x==y", "[B|DEBUG|1] [S|OTHER|\"-x=y\"]"},
    {NkC, "-other=a,b", "[S|OTHER|\"a b\"]"},
    // The two assemblers: shared registrations and where they differ.
    {QxA, "-default",
     "[B|DEBUG|1] [S|OUTPUTPATH|\"$(CONFIGDIR)\\$(FILELEAF).obj\"] [B|LIST|0] [B|CHGINCPATH|1] "
     "[B|ERRORPATH|1]"},
    {QxA, "-o=\"c:\\Foo\\foo.obj\"", "[S|OUTPUT|OBJECT] [S|OUTPUTPATH|\"c:\\Foo\\$(FILELEAF).obj\"]"},
    {QxA, "-exp=\"c:\\Foo\\foo.exp\"", "[S|OUTPUT|EXPAND] [S|OUTPUTPATH|\"c:\\Foo\\$(FILELEAF).exp\"]"},
    {QxA, "-lis=\"c:\\Foo\\foo.lis\"", "[B|LIST|1] [S|LISTPATH|\"$(CONFIGDIR)\\$(FILELEAF).lis\"]"},
    {QxA, "-nolis=\"c:\\Foo\\foo.lis\"", "[B|LIST|0]"},
    {QxA, "-nosh=ca,e,cod", "[B|SHOWCALLS|0] [B|SHOWEXPANSIONS|0] [B|SHOWCODE|0]"},
    {QxA, "-sh=(con,d)", "[B|SHOWCONDITIONALS|1] [B|SHOWDEFINITIONS|1]"},
    {QxA, "-sh=((cod))", "[B|SHOWCODE|1]"},
    {QxA, "-nosh=()",
     "[B|SHOWCONDITIONALS|0] [B|SHOWDEFINITIONS|0] [B|SHOWCALLS|0] [B|SHOWEXPANSIONS|0] [B|SHOWCODE|0]"},
    {QxA, "-sh=s", ""},
    {QxA, "-cpu=qx3\t-en=b\t-den=off\t-r=n",
     "[S|ROUND|NEAREST] [S|ENDIAN|BIG] [S|CPU|QX3] [B|DENORMALIZE|0]"},
    {QxA, "-en=x\t-en=B\t-den=1\t-r", ""},
    {QxA, "-auto\t-r=z", "[S|ROUND|ZERO] [B|AUTO_LITERAL|1]"},
    {QxA, "-cp=nk7\t-noauto", "[S|OTHER|\"-cp=nk7 -noauto\"]"},
    {NkA, "-nolis=\"c:\\Foo\\foo.lis\"", "[B|LIST|0] [S|LISTPATH|\"$(CONFIGDIR)\\$(FILELEAF).lis\"]"},
    {NkA, "-sh",
     "[B|SHOWCONDITIONALS|1] [B|SHOWDEFINITIONS|1] [B|SHOWCALLS|1] [B|SHOWEXPANSIONS|1] [B|SHOWSTRUCTURED|1] "
     "[B|SHOWCODE|1]"},
    {NkA, "-sh=s,con", "[B|SHOWSTRUCTURED|1] [B|SHOWCONDITIONALS|1]"},
    {NkA, "-sh=con,x", ""}, {NkA, "-sh=(con,d)", ""},
    {NkA, "-abs8=sym1,sym2", "[B|ABS8|1] [S|ABS8|sym1|sym2]"},
    {NkA, "-abs16=\"a]b\"", "[B|ABS16|1] [S|ABS16|\"a]]b\"]"},
    {NkA, "-br=16", "[I|BR_RELATIVE|16]"},
    {NkA, "-def=sym1=\"str1\",sym2=\"str2\"", "[S|DEFINE|sym1=\"str1\"|sym2=\"str2\"]"},
    {NkA, "-i=\"c:\\a,b\",\"d\"", "[S|INCLUDE|\"c:\\a,b\"|\"d\"]"},
    {NkA, "-asa=x=1\t-asc=a,b", "[S|ASSIGNA|x=1] [S|ASSIGNC|a|b]"},
    {NkA, "-nod\t-noe\t-noso\t-nocr\t-nose\t-noop",
     "[B|DEBUG|0] [B|EXCLUDE|0] [B|SOURCE|0] [B|CROSS_REFERENCE|0] [B|OPTIMIZE|0] [B|SECTION|0]"},
    {NkA, "-cpu=qx3\t-en=b\t-CH", "[S|OTHER|\"-en=b -cpu=qx3 -CH\"]"},
    // The optimizing linker and the optimizer, and the linkage editor options both take.
    {QxL, "-default", "[B|OPTIMIZE|0] [B|DEBUG|1] [S|OBJECT|\"$(CONFIGDIR)\\$(FILELEAF).abs\"]"},
    {QxL, "-optimize=branch,same_code,register,symbol_delete,string_unify", "[S|OPTIMIZEITEMS|ALL]"},
    {QxL, "-optimize=same_code,branch,register,symbol_delete,string_unify",
     "[S|OPTIMIZEITEMS|SAME_CODE|BRANCH|REGISTER|SYMBOL_DELETE|STRING_UNIFY]"},
    {QxL, ";CheckDevice=ROM,H'0010,H'00F0\t;CheckDevice=RAM,H'0110,H'01F0",
     "[I|CPUINFORMATIONCHECK|1] [S|;CHECKDEVICE|ROM,H'0010,H'00F0|RAM,H'0110,H'01F0]"},
    {QxL, "-samesize=7fff\t-information", "[B|INFORMATION|1] [I|SAMESIZE|7fff]"},
    {QxL, "-st=A,B(1),C", "[S|START|A,B(1)|C]"},
    {QxL, "-sames=10\t-inf\t-noop", "[S|OTHER|\"-inf -sames=10 -noop\"]"},
    {QxL, "-mlist=\"c:\\a\\b.lst\"", "[S|OTHER|\"-mlist=\"\"c:\\a\\b.lst\"\"\"]"},
    {NkO, "-tovamiplus\t-nooptimize", "[B|OPTIMIZE|0] [S|OBJECTFORMAT|TOVAMIPLUS]"},
    {NkO, "-show=symbol,reference", "[S|SHOW|SYMBOL|REFERENCE]"},
    {NkO, "-optimize", "[S|OPTIMIZEITEMS|ALL]"},
    {NkO, "-optimize=branch,function_call,same_code,register,variable_access,symbol_delete,string_unify",
     "[S|OPTIMIZEITEMS|ALL]"},
    {NkO, "-optimize=branch,same_code,register,symbol_delete,string_unify",
     "[S|OPTIMIZEITEMS|BRANCH|SAME_CODE|REGISTER|SYMBOL_DELETE|STRING_UNIFY]"},
    {NkO, "-sames=10\t-sy=a", "[S|SYMBOL_FORBID|\"a\"] [I|SAMESIZE|10]"},
    {NkO, "-samec=f1\t-fu=func1\t-v=v1",
     "[S|VARIABLE_FORBID|\"v1\"] [S|FUNCTION_FORBID|\"func1\"] [S|SAMECODE_FORBID|\"f1\"]"},
    {NkO, "-inf", "[B|INFORMATION|1]"},
    {NkO, "-mlist=\"c:\\Foo\\foo.lst\"", "[S|MLIST|\"$(CONFIGDIR)\\$(PROJECTNAME).lst\"]"},
    {NkO, ";CheckDevice=A,B,C,D", "[I|CPUINFORMATIONCHECK|1] [S|;CHECKDEVICE|A,B,C|D]"},
    {NkO, "-op=sp", "[S|OPTIMIZEITEMS|SPEED]"},
    {NkO, "-op=st,r", "[S|OPTIMIZEITEMS|STRING_UNIFY|REGISTER]"},
    {NkO, "-op", "[S|OPTIMIZEITEMS]"},
    {NkO, "-op=b,r,st", "[S|OPTIMIZEITEMS|SAFE]"},
    {NkO, "-op=st,sy,v,r,b", "[S|OPTIMIZEITEMS|SPEED]"},
    {NkO, "-op=sp,st", "[S|OPTIMIZEITEMS|SPEED]"},
    {NkO, "-op=sp,saf", "[S|OPTIMIZEITEMS|SPEED]"},
    {NkO, "-op=saf,sy", "[S|OPTIMIZEITEMS|STRING_UNIFY|REGISTER|BRANCH|SYMBOL_DELETE]"},
    {NkO, "-op=sp,sam",
     "[S|OPTIMIZEITEMS|STRING_UNIFY|SYMBOL_DELETE|VARIABLE_ACCESS|REGISTER|BRANCH|SAME_CODE]"},
    {NkO, "-op=f\t-abs=1200+100,ff+1",
     "[S|ABSOLUTE_FORBID|000001200+000000100|0000000FF+000000001] [S|OPTIMIZEITEMS|FUNCTION_CALL]"},
    {NkO, "-op=x\t-abs=0f100", "[S|ABSOLUTE_FORBID|00000F100+000000000] [S|OPTIMIZEITEMS|x]"},
    {NkO, "-abs=abcdef12+1+2", "[S|ABSOLUTE_FORBID|0ABCDEF12+000000001]"},
    {NkO, "-abs=1ffffffff+0", "[S|ABSOLUTE_FORBID|0FFFFFFFF+000000000]"},
    {NkO, "-abs=zz+", "[S|ABSOLUTE_FORBID|000000000+000000000]"},
    {NkO, "-def=A(1)", "[S|DEFINE|\"A\",\"(1)\"]"},
    {Led, "-default", "[B|DEBUG|1] [S|OBJECT|\"$(CONFIGDIR)\\$(FILELEAF).abs\"]"},
    {Led, "-i=\"funclib\"(sin,cos),\"tan.o\"", "[S|INPUT|\"funclib\"(sin,cos)|\"tan.o\"]"},
    {Led, "-i=a(b,c", "[S|INPUT|a(b,c]"},
    {Led, "-i=a(b),c,d(e,f)", "[S|INPUT|a(b)|c|d(e,f)]"},
    {Led, "-lib=\"a.lib\",\"b]x.lib\"", "[S|INPUTLIBRARY|\"a.lib\"|\"b]]x.lib\"]"},
    {Led, "-def=MAIN_RTN(RPG_EXIT),SUB_RTN(RPG_SUB)",
     "[S|DEFINE|\"MAIN_RTN\",\"(RPG_EXIT)\"|\"SUB_RTN\",\"(RPG_SUB)\"]"},
    {Led, "-def=A(1)B", "[S|DEFINE|\"A\",\"(1)B\"]"},
    {Led, "-def=A(1),X", ""},
    {Led, "-ent=PRG_ENT\t-f=a", "[S|FORM|A] [B|ENTRY|1] [S|ENTRY|\"PRG_ENT\"]"},
    {Led, "-o=\"c:\\Foo\\foo.abs\"", "[S|OUTPUT|\"c:\\Foo\\$(PROJECTNAME).abs\"]"},
    {Led, "-o=\"foo.abs\"", "[S|OUTPUT|\"$(PROJECTNAME).abs\"]"},
    {Led, "-nod\t-sd", "[B|DEBUG|0] [B|SDEBUG|1]"},
    {Led, "-ro=(C,RAM_CSCT),(D,RAM_DSCT)", "[S|ROM|(C,RAM_CSCT)|(D,RAM_DSCT)]"},
    {Led, "-excl\t-noex", "[B|EXCLUDE|1] [B|EXCLUDE|0]"},
    {Led, "-p=\"c:\\Foo\\foo.map\"", "[B|PRINT|1] [S|MAPPATH|\"$(CONFIGDIR)\\$(PROJECTNAME).map\"]"},
    {Led, "-p", "[B|PRINT|1] [S|MAPPATH|\"$(CONFIGDIR)\\$(PROJECTNAME)\"]"},
    {Led, "-st=RAM0,RAM1(8000),ROM1,ROM2(1000),ROM0", "[S|START|RAM0,RAM1(8000)|ROM1,ROM2(1000)|ROM0]"},
    {Led, "-al\t-fs=sect1,sect2\t-ch", "[B|ALIGN_SECTION|1] [S|FSYMBOL|sect1|sect2] [B|CHECK_SECTION|1]"},
    {Led, "-cpu=\"foo.cpu\"", "[I|CPUINFORMATIONCHECK|2] [S|CPU|\"foo.cpu\"]"},
    {Led, "-c=\"foo.cpu\"\t-cpuc\t-udfc",
     "[I|CPUINFORMATIONCHECK|2] [S|CPU|\"foo.cpu\"] [B|CPUCHECK|1] [B|UDFCHECK|1]"},
    {Led, "-ws=\"c:\\Foo\\foo.sub\"", "[B|SUBCOMMAND|1] [S|SUBCOMMAND|\"c:\\Foo\\foo.sub\"]"},
    {Led, "-lis=m\t-u\t-exch=\"foo.obj\"", "[S|OTHER|\"-exch=\"\"foo.obj\"\" -u -lis=m\"]"},
    {Led, "-elf\t-optimize", "[S|OTHER|\"-optimize -elf\"]"},
    // The librarian and the S-type converter rewrite the whole string first.
    {Lib, "-default", "[S|CREATE|\"$(CONFIGDIR)\\$(PROJECTNAME).lib\"]"},
    {Lib, "create \"c:\\Lib\\userlib.lib\"", "[S|CREATE|\"c:\\Lib\\$(PROJECTNAME).lib\"]"},
    {Lib, "create \"userlib.lib\"", "[S|CREATE|\"$(PROJECTNAME).lib\"]"},
    {Lib, "list \"c:\\Out\\lib.lis\"", "[B|LIST|1] [S|LISTPATH|\"$(CONFIGDIR)\\$(PROJECTNAME).lis\"]"},
    {Lib, "replace \"userlib.lib\"", "[S|OTHER|\"-replace=\"\"userlib.lib\"\"\"]"},
    {Lib, "ws \"c:\\Foo Studio\\foo.sub\"", "[B|SUBCOMMAND|1] [S|SUBCOMMAND|\"c:\\Foo Studio\\foo.sub\"]"},
    {Lib, "create \"c:\\Lib\\userlib.lib\" (S)",
     "[S|CREATE|\"c:\\Lib\\$(PROJECTNAME).lib\"] [B|CREATESYSTEM|1]"},
    {Lib, "list \"c:\\Out\\lib.lis\" (S)",
     "[B|LIST|1] [S|LISTPATH|\"$(CONFIGDIR)\\$(PROJECTNAME).lis\"] [B|LISTSYSTEM|1]"},
    {Lib, "slist \"c:\\Out\\lib.sls\" (S)",
     "[B|SLIST|1] [S|SLISTPATH|\"$(CONFIGDIR)\\$(PROJECTNAME).sls\" (S)]"},
    {Lib, "create \"c:\\Lib\\u.lib\"\tlist\tslist",
     "[B|SLIST|1] [B|LIST|1] [S|CREATE|\"c:\\Lib\\$(PROJECTNAME).lib\"]"},
    {Lib, "\"c:\\a b.obj\"", "[S|OTHER|\"-\"\"c:\\a b.obj\"\"\"]"},
    {Lib, "x \"a\" b\t\"a b", "[S|OTHER|\"-\"\"a=b -x=\"\"a\"\" b\"]"},
    {Sty, "-default", "[S|OUTPUT|\"$(CONFIGDIR)\\$(PROJECTNAME).mot\"]"},
    {Sty, "-record=s2\t-s9\t-nos9", "[B|S9|1] [S|RECORD|S2] [S|OTHER|\"-nos9\"]"},
    {Sty, "\"test.abs\"\t\"test1.mot\"=0,ffff\t\"test2.mot\"=10000,1ffff\t-record=s2",
     "[B|DIVIDEOUTPUT|1] [S|MULTIOUTPUT|\"test1.mot\"=0,ffff|\"test2.mot\"=10000,1ffff] [S|RECORD|S2]"},
    {Sty, "\"test.abs\"\t\"c:\\Out\\test.mot\"", "[S|OUTPUT|\"c:\\Out\\$(PROJECTNAME).mot\"]"},
    {Sty, "\"test.abs\"\t\"a.mot\"\t\"b.mot\"", "[S|OUTPUT|\"$(PROJECTNAME).mot\"]"},
    {Sty, "\"test.abs\"", "[S|OUTPUT|\"$(PROJECTNAME).abs\"]"},
    {Sty, "\"a.abs\"\t\"b.mot\"=xy,cd", "[B|DIVIDEOUTPUT|1] [S|MULTIOUTPUT|\"b.mot\"=xy|cd]"},
    {Sty, "test.abs\ttest1.mot", "[S|OUTPUT|$(PROJECTNAME).mot]"},
    {Sty, "-record=s2\tx", "[S|RECORD|S2|X]"},
    {Sty, "-record=s2\tx\t", "[S|RECORD|S2|X|]"},
    {Sty, "\"a.abs\"\t\"a.mot\"=0,g\t\"b.mot\"=ab,cd",
     "[B|DIVIDEOUTPUT|1] [S|MULTIOUTPUT|\"a.mot\"=0|g|\"b.mot\"=ab,cd]"},
};
// clang-format on

TEST(ToolOptionsTest, ConvertsEveryCase) {
    page = CodePage::SingleByte;
    for (const Case& c : kCases) {
        const Result r = convert(c.tool, c.zat);
        ASSERT_EQ(r.code, OptionConversion::Converted) << kNames[c.tool] << ": " << c.zat;
        EXPECT_EQ(r.kor, "[V|VERSION|1] " + c.kor) << kNames[c.tool] << ": " << c.zat;
    }
}

TEST(ToolOptionsTest, CpuDefaultsFollowTheItemListOfTheTool) {
    const std::string qxC =
        "[B|DEBUG|1] [S|OUTPUTPATH|\"$(CONFIGDIR)\\$(FILELEAF).obj\"] [B|LIST|0] [B|CHGINCPATH|1]";
    const std::string assembler = qxC + " [B|ERRORPATH|1]";
    const std::vector<Case> cases = {
        {QxC, "-deb", " " + assembler},
        {QxC, "-p=1\t-r=n\t-cp=qx2\t-en=b\t-do\t-di=n\t-fp=d\t-den=off",
         "[S|CPU|QX2] [S|ENDIAN|BIG] [S|FPU|DOUBLE] [B|DENORMALIZE|0] [S|DIVISION|NOMASK] [S|ROUND|NEAREST] "
         "[B|PIC|1] [S|DOUBLE|FLOAT] " +
             assembler},
        {NkC, "-deb", " " + qxC},
        {NkC, "-cp=nk7\t-regp=3", "[S|CPU|NK7] [I|REGPARAM|3] " + qxC},
        {NkC, "-regp=3", "[I|REGPARAM|3] " + qxC},
        {QxA, "-cpu=qx3\t-en=b\t-den=off\t-r=n",
         "[S|CPU|QX3] [S|ENDIAN|BIG] [B|DENORMALIZE|0] [S|ROUND|NEAREST] " + assembler},
        {QxA, "-r=z\t-ch\t-en=l", "[S|ENDIAN|LITTLE] [S|ROUND|ZERO] " + assembler},
        {NkA, "-cp=nk7\t-d", "[S|CPU|NK7] " + assembler},
        {NkA, "", " " + assembler},
    };
    page = CodePage::SingleByte;
    for (const Case& c : cases) {
        const Result r = convert(c.tool, c.zat);
        ASSERT_EQ(r.code, OptionConversion::Converted) << c.zat;
        EXPECT_EQ(r.cpu, "[V|VERSION|1] " + c.kor) << kNames[c.tool] << ": " << c.zat;
    }
    for (Tool tool : {QxL, NkO, Led, Lib, Sty}) EXPECT_EQ(convert(tool, "-nod").cpu, "untouched");
}

TEST(ToolOptionsTest, UnknownFamilyOrToolLeavesEverythingUntouched) {
    struct Refusal {
        std::string family, tool;
        OptionConversion code;
    };
    const std::vector<Refusal> cases = {
        {"quarix risc engine", kNames[QxC], OptionConversion::UnknownFamily},
        {"Nerak ", kNames[NkC], OptionConversion::UnknownFamily},
        {"Other", "Other", OptionConversion::UnknownFamily},
        {"Nerak", "vantrel nerak c compiler", OptionConversion::UnknownTool},
        {"NONE", "", OptionConversion::UnknownTool},
        {"Nerak", "Nerak C Compiler", OptionConversion::UnknownTool},
    };
    for (const Refusal& c : cases) {
        std::string kor = "kor";
        std::string cpu = "cpu";
        OptionOutcomes outcomes;
        outcomes.add("kept", "kept", "");
        EXPECT_EQ(convertToolOptions(c.family, c.tool, "-deb", "", "", kor, cpu, page, &outcomes), c.code)
            << c.tool;
        EXPECT_EQ(kor + cpu, "korcpu");
        ASSERT_EQ(outcomes.size(), 1u);
    }
    for (const char* family : {"Quarix RISC engine", "Nerak", "NONE"})
        for (Tool tool : {QxC, QxA, QxL, NkC, NkA, NkO, Led, Lib, Sty})
            EXPECT_EQ(convert(tool, "-zz", family).code, OptionConversion::Converted) << family << kNames[tool];
}

TEST(ToolOptionsTest, HandedInTextProjectDirectoryAndCodePage) {
    page = CodePage::SingleByte;
    std::string kor = "held";
    std::string cpu;
    ASSERT_EQ(convertToolOptions("Nerak", kNames[NkC], "", "", "", kor, cpu, page), OptionConversion::Converted);
    EXPECT_EQ(kor, "[V|VERSION|1] held");
    kor = "held";
    ASSERT_EQ(convertToolOptions("Nerak", kNames[QxC], "-deb", "", "", kor, cpu, page), OptionConversion::Converted);
    EXPECT_EQ(kor, "[V|VERSION|1] held [B|DEBUG|1]");
    EXPECT_EQ(
        convert(QxC, "-i=\"C:\\Work\\Proj\\inc\",\"c:\\other\"", "NONE", "c:\\work\\proj", "$(PROJDIR)").kor,
        "[V|VERSION|1] [S|INCLUDE|\"$(PROJDIR)\\inc\"|\"c:\\other\"]");
    EXPECT_EQ(convert(NkC, "-i=C:\\Proj", "NONE", "c:\\proj", "$(PROJDIR)").kor,
              "[V|VERSION|1] [S|INCLUDE|$(PROJDIR)]");  // a value that is the directory itself
    // The replacement runs before commas become bars; option names are never replaced.
    EXPECT_EQ(convert(NkC, "-foo=foo\t-i=AB", "NONE", "b", ",").kor,
              "[V|VERSION|1] [S|INCLUDE|A|] [S|OTHER|\"-foo=foo\"]");
    // 0x83 0x7C and 0x83 0x41: characters whose trail bytes look like '|' and 'A'.
    const std::vector<Case> cp932 = {
        {Led, "-i=a(\x83\x7C)", "[S|INPUT|a(\x83\x7C)]"},
        {Led, "-st=\x83\x7C", "[S|START|\x83\x7C]"},
        {Led, ";CheckDevice=A", "[S|OTHER|\";CheckDevice=A\"]"},
        {NkC, "-x=\x83\x7C", "[S|OTHER|\"-x=\x83\x7C\"]"},
        {NkC, "-x=a]b", "[S|OTHER|\"-x=a]]b\"]"},  // the quote at the very start counts
        {NkC, "-ob=\"c:\\\x95\x5C.o\"", "[S|OUTPUTPATH|\"c:\\$(FILELEAF).o\"]"},
        {Sty, "\"a.abs\"\t\"b.mot\"=x\x83\x61,1", "[B|DIVIDEOUTPUT|1] [S|MULTIOUTPUT|\"b.mot\"=x\x83\x61|1]"},
    };
    page = CodePage::Cp932;
    for (const Case& c : cp932) EXPECT_EQ(convert(c.tool, c.zat).kor, "[V|VERSION|1] " + c.kor) << c.zat;
    EXPECT_EQ(convert(NkC, "-i=\x83\x41z", "NONE", "a", "#").kor, "[V|VERSION|1] [S|INCLUDE|\x83\x41z]");
    EXPECT_EQ(convert(NkC, "-i=a\x83\x41" "a", "NONE", "a", "#").kor, "[V|VERSION|1] [S|INCLUDE|#\x83\x41#]");
    page = CodePage::SingleByte;
    EXPECT_EQ(convert(NkC, "-i=\x83\x41z", "NONE", "a", "#").kor, "[V|VERSION|1] [S|INCLUDE|\x83#z]");
}

TEST(ToolOptionsTest, RecordsWhatBecameOfEveryOption) {
    struct OutcomeCase {
        Tool tool;
        std::string zat;
        std::vector<std::string> records;  // text and outcome of each option met
    };
    const std::vector<OutcomeCase> cases = {
        {NkC,
         "-cp=nk7\t-pa=3\t-lan=c,d\t-cp=x\t-ob=\"c:\\a\\b.o\"\t-other",
         {"-cp=nk7 Converted", "-pa=3 Rejected", "-lan=c,d Other", "-cp=x Converted",
          "-ob=\"c:\\a\\b.o\" Converted", "-other Other"}},
        {QxC, "-c=x\t-deb\t-se=p\t-l\t-nol",
         {"-c=x Other", "-deb Converted", "-se=p Other", "-l Converted", "-nol Converted"}},
        {Led, "", {}},
    };
    page = CodePage::SingleByte;
    for (const OutcomeCase& c : cases) {
        OptionOutcomes outcomes;
        outcomes.add("stale", "stale", "");
        ASSERT_EQ(convert(c.tool, c.zat, "NONE", "", "", &outcomes).code, OptionConversion::Converted);
        std::vector<std::string> records;
        for (const OptionRecord& r : outcomes.records())
            records.push_back(std::string(r.text) + " " + optionOutcomeName(r.outcome));
        EXPECT_EQ(records, c.records) << c.zat;
    }
}

}  // namespace
}  // namespace z2k

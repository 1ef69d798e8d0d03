// The QX C/C++ compiler's table-driven conversion, through ConvertToolOptions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/ConvertToolOptions.h"
#include "platform/CodePage.h"

namespace z2k {
namespace {

constexpr const char* kTool = "Vantrel QX C Compiler";
constexpr const char* kFixed =
    "[B|DEBUG|1] [S|OUTPUTPATH|\"$(CONFIGDIR)\\$(FILELEAF).obj\"] [B|LIST|0] [B|CHGINCPATH|1] "
    "[B|ERRORPATH|1]";

struct Case {
    std::string options, expected;
};

class QxCompilerConverterTest : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }
};

TEST_F(QxCompilerConverterTest, ConvertsEveryDocumentedExample) {
    const std::vector<Case> cases = {
        {"-default",
         "[B|CHGINCPATH|1] [B|ERRORPATH|1] [S|OUTPUTPATH|\"$(CONFIGDIR)\\$(FILELEAF).obj\"] [B|DEBUG|1] "
         "[B|LIST|0]"},
        {"-i=\"c:\\dir1\"\t-deb\t-i=\"c:\\dir2\"", "[S|INCLUDE|\"c:\\dir1\"|\"c:\\dir2\"] [B|DEBUG|1]"},
        {"-deb\t-ch", "[B|CHGINCPATH|1] [B|DEBUG|1]"},
        {"-l=\"c:\\Foo\\foo.lst\"", "[B|LIST|1] [S|LISTPATH|\"$(CONFIGDIR)\\$(FILELEAF).lst\"]"},
        {"-nol", "[B|LIST|0]"},
        {"-inl", "[B|INLINE|1] [I|INLINE|0]"},
        {"-inl=30", "[B|INLINE|1] [I|INLINE|30]"},
        {"-ne=2", "[B|NESTINLINE|1] [I|NESTINLINE|2]"},
        {"-op=1", "[B|OPTIMIZE|1]"},
        {"-m=0", "[B|MACSAVE|0]"},
        {"-p=1", "[B|PIC|1]"},
        {"-cp=qx2", "[S|CPU|QX2]"},
        {"-en=l", "[S|ENDIAN|LITTLE]"},
        {"-den=on", "[B|DENORMALIZE|1]"},
        {"-c=x", "[S|OTHER|\"-c=x\"]"},
        // Table order: "-sj" (bucket 2), "-log" (4), "-eu" (10).
        {"-sj\t-eu\t-log=\"foo foo.log\"", "[S|OTHER|\"-sj -log=\"\"foo foo.log\"\" -eu\"]"},
        {"-h", "[S|OTHER|\"-h\"]"},
        {"-sh=so,noob,w=200,l=120", "[S|SHOW|SOURCE|NOOBJECT]"},
        {"-sh=w=132", "[S|SHOW]"},
        {"-se=p=P,c=C", "[S|SECTION|P=P|C=C]"},
        {"-def=a=val,b=val1", "[S|DEFINE|a=val|b=val1]"},
        {"", ""},
    };
    for (const Case& c : cases) {
        std::string kor;
        std::string cpu;
        ASSERT_EQ(ConvertToolOptions("Quarix RISC engine", kTool, c.options, "", "", kor, cpu), 0);
        EXPECT_EQ(kor, "[V|VERSION|1] " + c.expected) << c.options;
    }
}

TEST_F(QxCompilerConverterTest, HandlerRowsAndOrdering) {
    const std::vector<Case> cases = {
        // The two names of a row run in row order, whatever the input order.
        {"-nol\t-l", "[B|LIST|0] [S|LISTPATH|\"$(CONFIGDIR)\\$(FILELEAF)\"]"},
        {"-nosp\t-sp", "[B|SPEED|0]"},
        {"-inl=5\t-noinl", "[B|INLINE|0] [I|INLINE|5]"},
        // "-prep" comes after "-c" and "-ob" in the handler table and wins.
        {"-prep=\"c:\\a\\b.i\"\t-c=m\t-ob=\"c:\\o\\x.obj\"",
         "[S|OUTPUT|PREPROCESSOR] [S|OUTPUTPATH|\"c:\\a\\$(FILELEAF).i\"]"},
        {"-ob", "[S|OUTPUTPATH|$(FILELEAF)]"},
        {"-prep", "[S|OUTPUT|PREPROCESSOR] [S|OUTPUTPATH|$(FILELEAF)]"},
        // Rejected keywords stay in the table and go to OTHER with "|" kept.
        {"-c=m\t-c=a", "[S|OTHER|\"-c=m|a\"]"},
        {"-se=p", "[S|OTHER|\"-se=p\"]"},
        {"-se", "[S|OTHER|\"-se\"]"},
        {"-com=n\t-st=d\t-ab=ru\t-di=p\t-fp=s\t-r=z\t-do=x",
         "[B|COMMENTNEST|1] [S|STRING|DATA] [S|ABS16|RUN] [S|DIVISION|PERIPHERAL] [S|DOUBLE|FLOAT] "
         "[S|FPU|SINGLE] "
         "[S|ROUND|ZERO]"},
        // Fixed items take the option's value; abbreviations and other cases are not options.
        {"-ch=5\t-nome\t-me\t-si\t-lo\t-nolo\t-rtnext\t-nortnext\t-al\t-noal\t-b\t-ecpp\t-err",
         "[B|ECPP|1] [B|CHGINCPATH|1|5] [B|ERRORPATH|1] [B|MESSAGE|1] [B|MESSAGE|0] [B|BROWSER|1] [B|SIZE|1] "
         "[B|LOOP|0] [B|LOOP|1] [B|RTNEXT|1] [B|RTNEXT|0] [B|ALIGN16|1] [B|ALIGN16|0]"},
        {"-DEB", "[S|OTHER|\"-DEB\"]"},
        // No "-other" treatment: its value stays as written.
        {"-other=a,b", "[S|OTHER|\"-other=a|b\"]"},
        {"-def=\"s\",t", "[S|DEFINE|\"s\"|t]"},
        {"-x=$(FILE)", "[S|OTHER|\"-x=$(FILELEAF)\"]"},
        {"-prei=\"a\"b\"", "[S|PREINCLUDE|\"a\"\"b\"]"},
    };
    for (const Case& c : cases) {
        std::string kor;
        std::string cpu;
        ASSERT_EQ(ConvertToolOptions("NONE", kTool, c.options, "", "", kor, cpu), 0);
        EXPECT_EQ(kor, "[V|VERSION|1] " + c.expected) << c.options;
    }
}

TEST_F(QxCompilerConverterTest, AllRejectedKeywordsGoToOther) {
    std::string kor;
    std::string cpu;
    ASSERT_EQ(ConvertToolOptions("NONE", kTool, "-com=x\t-st=x\t-ab=x\t-di=x\t-fp=x\t-den=x\t-r=x\t-en=x", "",
                                 "", kor, cpu),
              0);
    EXPECT_EQ(kor, "[V|VERSION|1] [S|OTHER|\"-r=x -com=x -en=x -fp=x -ab=x -st=x -den=x -di=x\"]");
}

TEST_F(QxCompilerConverterTest, CpuDefaults) {
    const std::vector<Case> cases = {
        {"-deb", "[V|VERSION|1]  " + std::string(kFixed)},
        {"-p=1\t-r=n\t-cp=qx2\t-en=b\t-do\t-di=n\t-fp=d\t-den=off",
         "[V|VERSION|1] [S|CPU|QX2] [S|ENDIAN|BIG] [S|FPU|DOUBLE] [B|DENORMALIZE|0] [S|DIVISION|NOMASK] "
         "[S|ROUND|NEAREST] [B|PIC|1] [S|DOUBLE|FLOAT] " +
             std::string(kFixed)},
        {"-cp=qx3\t-h", "[V|VERSION|1] [S|CPU|QX3] " + std::string(kFixed)},
    };
    for (const Case& c : cases) {
        std::string kor;
        std::string cpu = "stale";
        ASSERT_EQ(ConvertToolOptions("Quarix RISC engine", kTool, c.options, "", "", kor, cpu), 0);
        EXPECT_EQ(cpu, c.expected) << c.options;
    }
}

TEST_F(QxCompilerConverterTest, ReplacesTheProjectDirectory) {
    std::string kor;
    std::string cpu;
    ASSERT_EQ(ConvertToolOptions("Quarix RISC engine", kTool, "-i=\"C:\\Work\\Proj\\inc\",\"c:\\other\"",
                                 "c:\\work\\proj", "$(PROJDIR)", kor, cpu),
              0);
    EXPECT_EQ(kor, "[V|VERSION|1] [S|INCLUDE|\"$(PROJDIR)\\inc\"|\"c:\\other\"]");
}

}  // namespace
}  // namespace z2k

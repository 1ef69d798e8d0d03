// The Nerak C/C++ compiler's registrations, through ConvertToolOptions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/ConvertToolOptions.h"
#include "platform/CodePage.h"

namespace z2k {
namespace {

constexpr const char* kTool = "Vantrel Nerak C Compiler";
constexpr const char* kFixed =
    "[B|DEBUG|1] [S|OUTPUTPATH|\"$(CONFIGDIR)\\$(FILELEAF).obj\"] [B|LIST|0] [B|CHGINCPATH|1]";

struct Case {
    std::string options, expected;
};

class NerakCompilerConverterTest : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }

    static std::string Convert(const std::string& options) {
        std::string kor;
        std::string cpu;
        EXPECT_EQ(ConvertToolOptions("Nerak", kTool, options, "", "", kor, cpu), 0);
        return kor;
    }
};

TEST_F(NerakCompilerConverterTest, ConvertsEveryDocumentedExample) {
    const std::vector<Case> cases = {
        {"-default",
         "[B|DEBUG|1] [S|OUTPUTPATH|\"$(CONFIGDIR)\\$(FILELEAF).obj\"] [B|LIST|0] [B|CHGINCPATH|1]"},
        {"-nom=1,8,305", "[B|MESSAGE|0] [S|NOMESSAGE|1|8|305]"},
        {"-c=a\t-ob=\"c:\\Foo\\foo.obj\"", "[S|OUTPUT|ASMCODE] [S|OUTPUTPATH|\"c:\\Foo\\$(FILELEAF).obj\"]"},
        {"-l=\"c:\\Foo\\foo.lst\"", "[B|LIST|1] [S|LISTPATH|\"$(CONFIGDIR)\\$(FILELEAF).lst\"]"},
        {"-pa=2", "[B|PACK|0]"},
        {"-pa=3", ""},
        {"-sh=so,noo,w=200,l=120", "[S|SHOW|SOURCE|NOOBJECT]"},
        {"-sh=w=132", "[S|SHOW]"},
        {"-sp=r,sh,l,sw,i=105,st,e",
         "[B|SPEED|1] [S|SPEED|REGISTER|SHIFT|LOOP|SWITCH|INLINE=105|STRUCT|EXPRESSION]"},
        {"-sp=r", "[B|SPEED|1] [S|SPEED|REGISTER|INLINE=0]"},
        {"-regp=3", "[I|REGPARAM|3]"},
        {"-cp=nk7", "[S|CPU|NK7]"},
        {"-def=a=val,b=val1,c=val2", "[S|DEFINE|a=val|b=val1|c=val2]"},
        {"-lan=c", "[S|OTHER|\"-lan=c\"]"},
        {"-op=0", "[B|OPTIMIZE|0]"},
    };
    for (const Case& c : cases) EXPECT_EQ(Convert(c.options), "[V|VERSION|1] " + c.expected) << c.options;
}

TEST_F(NerakCompilerConverterTest, EveryRegistration) {
    const std::vector<Case> cases = {
        {"-ec", "[B|ECPP|1]"},
        {"-i=\"c:\\a\",b", "[S|INCLUDE|\"c:\\a\"|b]"},
        {"-i=a,", "[S|INCLUDE|a|]"},
        {"-prei=\"x\"y\"", "[S|PREINCLUDE|\"x\"\"y\"]"},
        {"-ch", "[B|CHGINCPATH|1]"},
        {"-com", "[B|COMMENTNEST|1]"},
        {"-m", "[B|MESSAGE|1]"},
        {"-nom", "[B|MESSAGE|0]"},
        {"-c=m", "[S|OUTPUT|MACHINECODE]"},
        {"-c=x", ""},
        {"-ob", ""},
        {"-noob", ""},
        {"-prep", "[S|OUTPUT|PREPROCESSOR]"},
        {"-prep=\"c:\\a\\b.p\"", "[S|OUTPUT|PREPROCESSOR] [S|OUTPUTPATH|\"c:\\a\\$(FILELEAF).p\"]"},
        {"-deb", "[B|DEBUG|1]"},
        {"-nodeb", "[B|DEBUG|0]"},
        {"-br", "[B|BROWSER|1]"},
        {"-pa=1", "[B|PACK|1]"},
        {"-pa", ""},
        {"-st=c", "[S|STRING|CONST]"},
        {"-st=d", "[S|STRING|DATA]"},
        {"-st=x", ""},
        {"-l", "[B|LIST|1]"},
        {"-nol", "[B|LIST|0]"},
        {"-sh=a,noa,st,nost,e,noe,noso,o",
         "[S|SHOW|ALLOCATION|NOALLOCATION|STATISTICS|NOSTATISTICS|EXPANSION|NOEXPANSION|NOSOURCE|OBJECT]"},
        {"-se=p=P,c=C", "[S|SECTION|P=P|C=C]"},
        {"-se=abc=x=y", "[S|SECTION|ABC=x=y]"},
        {"-se=p=P,c", ""},
        {"-se", ""},
        {"-sp", ""},
        {"-sp=r,x", ""},
        {"-sp=i", "[B|SPEED|1] [S|SPEED|INLINE=105]"},
        {"-sp=i=", "[B|SPEED|1] [S|SPEED|INLINE=]"},
        {"-g", "[B|GOPTIMIZE|1]"},
        {"-b", "[B|BYTEENUM|1]"},
        {"-v", "[B|VOLATILE|1]"},
        {"-nov", "[B|VOLATILE|0]"},
        {"-ma", "[B|MACSAVE|1]"},
        {"-r", "[B|REGEXPANSION|1]"},
        {"-nor", "[B|REGEXPANSION|0]"},
        {"-cm", "[B|CMNCODE|1]"},
        {"-ca=i", "[S|CASE|IFTHEN]"},
        {"-ca=t", "[S|CASE|TABLE]"},
        {"-ca=x", ""},
        {"-ind", "[B|INDIRECT|1]"},
        {"-abs8", "[B|ABS8|1]"},
        {"-abs16", "[B|ABS16|1]"},
        {"-cpue", "[B|CPUEXPAND|1]"},
        {"-nocpue", "[B|CPUEXPAND|0]"},
        {"-ee", "[B|EEPMOV|1]"},
        {"-err", ""},
        {"-err=x\t-h", "[S|OTHER|\"-h\"]"},
        // Exact names only: no abbreviations, no other letter case.
        {"-me", "[S|OTHER|\"-me\"]"},
        {"-lis", "[S|OTHER|\"-lis\"]"},
        {"-DEB", "[S|OTHER|\"-DEB\"]"},
        {"-def=\"s\",t", "[S|DEFINE|\"s\"|t]"},
    };
    for (const Case& c : cases) EXPECT_EQ(Convert(c.options), "[V|VERSION|1] " + c.expected) << c.options;
}

TEST_F(NerakCompilerConverterTest, CpuDefaultsFollowTheItemList) {
    const std::vector<Case> cases = {
        {"-deb", "[V|VERSION|1]  " + std::string(kFixed)},
        // "-regp" and "-cp" share bucket 7, so "-regp" (newer) comes first in the converted
        // string; the CPU defaults follow the item list instead.
        {"-cp=nk7\t-regp=3", "[V|VERSION|1] [S|CPU|NK7] [I|REGPARAM|3] " + std::string(kFixed)},
        {"-regp=3", "[V|VERSION|1] [I|REGPARAM|3] " + std::string(kFixed)},
    };
    for (const Case& c : cases) {
        std::string kor;
        std::string cpu;
        ASSERT_EQ(ConvertToolOptions("Nerak", kTool, c.options, "", "", kor, cpu), 0);
        EXPECT_EQ(cpu, c.expected) << c.options;
    }
    EXPECT_EQ(Convert("-cp=nk7\t-regp=3"), "[V|VERSION|1] [I|REGPARAM|3] [S|CPU|NK7]");
}

}  // namespace
}  // namespace z2k

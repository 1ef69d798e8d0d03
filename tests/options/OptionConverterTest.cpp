// The registry-driven converter: item writing, the OTHER item, escaping, the standard handlers
// and the path-rebuilding forms. A converter that knows only "-ch" stands in for a tool.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/OptionConverter.h"
#include "platform/CodePage.h"

namespace z2k {
namespace {

class ChangeDirectoryOnly : public OptionConverter {
  public:
    ChangeDirectoryOnly() { Register("-ch", "B|CHGINCPATH", Flag); }
};

std::string ConvertWith(OptionConverter& converter, std::string_view options, std::string handedIn = {}) {
    OptionsTable table;
    table.Read(options, "", "");
    converter.Convert(table, handedIn);
    return "[V|VERSION|1] " + handedIn;
}

class OptionConverterTest : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }
    void TearDown() override { setActiveCodePage(CodePage::SingleByte); }
};

TEST_F(OptionConverterTest, FrameworkRules) {
    struct Case {
        std::string options, expected;
    };
    const std::vector<Case> cases = {
        // Buckets 2 ("-sj"), 16 ("-ch"), 4 ("-log"): OTHER keeps the table's order.
        {"-sj\t-ch\t-log=\"foo foo.log\"",
         "[V|VERSION|1] [B|CHGINCPATH|1] [S|OTHER|\"-sj -log=\"\"foo foo.log\"\"\"]"},
        {"-log=\"foo foo.log\"", "[V|VERSION|1] [S|OTHER|\"-log=\"\"foo foo.log\"\"\"]"},
        {"-ch", "[V|VERSION|1] [B|CHGINCPATH|1]"},
        {"-def=a\t-def=b", "[V|VERSION|1] [S|OTHER|\"-def=a,b\"]"},
        {"-x=a,b", "[V|VERSION|1] [S|OTHER|\"-x=a,b\"]"},
        {"-other=a,b", "[V|VERSION|1] [S|OTHER|\"a b\"]"},
        {"-other", "[V|VERSION|1] [S|OTHER|\"\"]"},
        {"-other=", "[V|VERSION|1] [S|OTHER|\"\"]"},
        {"-x=$(FILE).c", "[V|VERSION|1] [S|OTHER|\"-x=$(FILELEAF).c\"]"},
        {"-x=a]b", "[V|VERSION|1] [S|OTHER|\"-x=a]]b\"]"},
        {"-x=\"a\tb\n-y", "[V|VERSION|1] [S|OTHER|\"-x=\"\"a\tb\n-y\"]"},
        {"", "[V|VERSION|1] "},
        {"\t\r\n", "[V|VERSION|1] "},
    };
    ChangeDirectoryOnly converter;
    for (const Case& c : cases) EXPECT_EQ(ConvertWith(converter, c.options), c.expected) << c.options;
}

TEST_F(OptionConverterTest, OutputHandedInIsKeptWhenNothingIsProducedOrOnlyOther) {
    ChangeDirectoryOnly converter;
    EXPECT_EQ(ConvertWith(converter, "", "kept"), "[V|VERSION|1] kept");
    EXPECT_EQ(ConvertWith(converter, "-ch", "kept"), "[V|VERSION|1] [B|CHGINCPATH|1]");
    EXPECT_EQ(ConvertWith(converter, "-h", "kept "), "[V|VERSION|1] kept [S|OTHER|\"-h\"]");
    EXPECT_EQ(ConvertWith(converter, "-h\t-ch", "kept"), "[V|VERSION|1] [B|CHGINCPATH|1] [S|OTHER|\"-h\"]");
}

TEST_F(OptionConverterTest, RejectedOptionsVanishAndRegistrationReplaces) {
    ChangeDirectoryOnly converter;
    converter.Register("-ch", "B|X", [](const OptionHandler& h, OptionPairs& pairs) {
        if (h.Value() != "ok") return false;
        pairs.Add(h.ItemName(), "1");
        pairs.Add("B|TWO|1] [S|TWO", h.ZatName());
        pairs.Add("S|EMPTY", "");
        return true;
    });
    EXPECT_EQ(ConvertWith(converter, "-ch=bad"), "[V|VERSION|1] ");
    EXPECT_EQ(ConvertWith(converter, "-ch=ok"), "[V|VERSION|1] [B|X|1] [B|TWO|1] [S|TWO|-ch] [S|EMPTY]");
    EXPECT_TRUE(converter.IsRegistered("-ch"));
    EXPECT_FALSE(converter.IsRegistered("-CH"));
    EXPECT_EQ(converter.Find("-CH", ""), nullptr);
}

TEST_F(OptionConverterTest, EscapeValueDoublesBetweenFirstAndLastQuote) {
    struct Case {
        std::string text, expected;
    };
    const std::vector<Case> cases = {
        {"\"a\"b\"", "\"a\"\"b\""},
        {"x\"a]b\"]", "x\"a]]b\"]"},
        {"a]b", "a]b"},
        {"\"a]b", "\"a]b"},
        {"\"\"", "\"\""},
        {"\"a\"]\"", "\"a\"\"]]\""},
        {"\\\"x\\\"", "\\\"x\\\""},
    };
    for (const Case& c : cases) EXPECT_EQ(OptionConverter::EscapeValue(c.text), c.expected) << c.text;
    EXPECT_EQ(OptionConverter::EscapeList("\"a\"b\"|\"c]\"|d]"), "\"a\"\"b\"|\"c]]\"|d]");
}

TEST_F(OptionConverterTest, StandardHandlers) {
    struct Case {
        std::string zatName, value;
        HandlerFunction function;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"-v", "a|b", OptionConverter::Verbatim, "[S|ITEM|a|b]"},
        {"-v", "\"a\"b\"|c", OptionConverter::EscapedList, "[S|ITEM|\"a\"\"b\"|c]"},
        {"-v", "sym1|sym2", OptionConverter::QuotedList, "[S|ITEM|\"sym1\"|\"sym2\"]"},
        {"-v", "", OptionConverter::QuotedList, "[S|ITEM|\"\"]"},
        {"-v", "nk7|ab", OptionConverter::UpperCase, "[S|ITEM|NK7|AB]"},
        {"-v", "x", OptionConverter::Flag, "[S|ITEM|1]"},
        {"-nov", "x", OptionConverter::Flag, "[S|ITEM|0]"},
        {"-n", "", OptionConverter::Flag, "[S|ITEM|1]"},
        {"-v", "x", OptionConverter::Ignore, ""},
        {"-v", "x", OptionConverter::FixedPairs({{"B|A", "1"}, {"S|B", "\"$(FILE).o\""}}),
         "[B|A|1] [S|B|\"$(FILELEAF).o\"]"},
        {"-v", "l", OptionConverter::Keywords({{"b", "BIG"}, {"l", "LITTLE"}}), "[S|ITEM|LITTLE]"},
    };
    for (const Case& c : cases) {
        OptionHandler handler(c.zatName, "S|ITEM", c.function);
        handler.SetValue(c.value);
        OptionPairs pairs;
        EXPECT_TRUE(handler.Run(pairs)) << c.zatName << "=" << c.value;
        EXPECT_EQ(OptionConverter::FormatPairs(pairs), c.expected) << c.zatName << "=" << c.value;
    }
    OptionHandler keyword("-en", "S|ENDIAN", OptionConverter::Keywords({{"b", "BIG"}}));
    for (const char* value : {"", "B", "bb", "b|b"}) {
        keyword.SetValue(value);
        OptionPairs pairs;
        EXPECT_FALSE(keyword.Run(pairs)) << value;
    }
}

TEST_F(OptionConverterTest, PathForms) {
    using Form = std::string (*)(std::string_view);
    struct Case {
        Form form;
        std::string value, expected;
    };
    const Form same = OptionConverter::RebuildSameDirectory;
    const Form config = OptionConverter::RebuildConfigDirectory;
    const Form projectConfig = OptionConverter::RebuildProjectInConfigDirectory;
    const Form projectSame = OptionConverter::RebuildProjectInSameDirectory;
    const std::vector<Case> cases = {
        {same, "\"c:\\Foo\\foo.obj\"", "\"c:\\Foo\\$(FILE).obj\""},
        {config, "\"c:\\Foo\\foo.lis\"", "\"$(CONFIGDIR)\\$(FILE).lis\""},
        {projectConfig, "\"foo.map\"", "\"$(CONFIGDIR)\\$(PROJECTNAME).map\""},
        {projectSame, "\"c:\\Foo\\foo.abs\"", "\"c:\\Foo\\$(PROJECTNAME).abs\""},
        // Values the rules cannot rebuild as written keep their quotes balanced.
        {config, "", "\"$(CONFIGDIR)\\$(FILE)\""},
        {same, "", "$(FILE)"},
        {projectConfig, "", "\"$(CONFIGDIR)\\$(PROJECTNAME)\""},
        {projectSame, "\"foo.abs\"", "\"$(PROJECTNAME).abs\""},
        {same, "\"c:\\Foo\\foo\"", "\"c:\\Foo\\$(FILE)\""},
        {same, "\"c:\\my.dir\\foo\"", "\"c:\\my.dir\\$(FILE)\""},
        {same, "foo.obj", "$(FILE).obj"},
        // A path that can be rebuilt is rebuilt exactly, balanced or not.
        {config, "c:\\Foo\\foo.lst", "\"$(CONFIGDIR)\\$(FILE).lst"},
        // The result passes through EscapeList.
        {same, "\"c:\\a\"b\\x.o\"", "\"c:\\a\"\"b\\$(FILE).o\""},
    };
    for (const Case& c : cases) EXPECT_EQ(c.form(c.value), c.expected) << c.value;
}

TEST_F(OptionConverterTest, Cp932TrailBytesAreNotSeparatorsOrBackslashes) {
    setActiveCodePage(CodePage::Cp932);
    // 0x83 0x7C: a trail byte that looks like '|'; 0x95 0x5C: one that looks like '\'.
    ChangeDirectoryOnly converter;
    EXPECT_EQ(ConvertWith(converter, "-x=\x83\x7C"), "[V|VERSION|1] [S|OTHER|\"-x=\x83\x7C\"]");
    EXPECT_EQ(OptionConverter::SplitList("a\x83\x7C"
                                         "b|c"),
              (std::vector<std::string>{"a\x83\x7C"
                                        "b",
                                        "c"}));
    EXPECT_EQ(OptionConverter::RebuildSameDirectory("\"c:\\\x95\x5C.o\""), "\"c:\\$(FILE).o\"");
    EXPECT_EQ(OptionConverter::RebuildSameDirectory("\"\x95\x5C.o\""), "\"$(FILE).o\"");
    setActiveCodePage(CodePage::SingleByte);
    EXPECT_EQ(OptionConverter::RebuildSameDirectory("\"\x95\x5C.o\""), "\"\x95\\$(FILE).o\"");
}

}  // namespace
}  // namespace z2k

// The entry of the option conversion: family and tool checks, outputs, CPU defaults and the
// record of what became of every option.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/ConvertToolOptions.h"
#include "options/ConverterFactory.h"
#include "platform/CodePage.h"

namespace z2k {
namespace {

class ConvertToolOptionsTest : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }
};

const std::vector<std::string> kTools = {
    "Vantrel QX C Compiler",           "Vantrel QX Assembler",       "Vantrel QX IM OptLinker",
    "Vantrel Nerak C Compiler",        "Vantrel Nerak Assembler",    "Vantrel Nerak IM Optimizer",
    "Vantrel V Series Linkage Editor", "Vantrel V Series Librarian", "Vantrel V Series Stype Converter",
};

TEST_F(ConvertToolOptionsTest, UnknownFamilyOrToolLeavesOutputsUntouched) {
    struct Case {
        std::string family, tool;
        int result;
    };
    const std::vector<Case> cases = {
        {"quarix risc engine", "Vantrel QX C Compiler", 1},
        {"", "Vantrel QX C Compiler", 1},
        {"Nerak ", "Vantrel Nerak C Compiler", 1},
        {"Nerak", "vantrel nerak c compiler", 2},
        {"NONE", "", 2},
        {"NONE", "Vantrel QX C Compiler ", 2},
        {"Other", "Other", 1},
    };
    for (const Case& c : cases) {
        std::string kor = "kor";
        std::string cpu = "cpu";
        OptionOutcomes outcomes;
        outcomes.Add("kept", "kept", "");
        EXPECT_EQ(ConvertToolOptions(c.family, c.tool, "-deb", "", "", kor, cpu, &outcomes), c.result)
            << c.family << "/" << c.tool;
        EXPECT_EQ(kor, "kor");
        EXPECT_EQ(cpu, "cpu");
        ASSERT_EQ(outcomes.Size(), 1u);
        EXPECT_EQ(outcomes.Records()[0].text, "kept");
    }
}

TEST_F(ConvertToolOptionsTest, EveryFamilyAndToolIsAccepted) {
    for (const char* family : {"Quarix RISC engine", "Nerak", "NONE"}) {
        for (const std::string& tool : kTools) {
            std::string kor;
            std::string cpu;
            EXPECT_EQ(ConvertToolOptions(family, tool, "-zz", "", "", kor, cpu), 0) << family << "/" << tool;
            EXPECT_EQ(kor.rfind("[V|VERSION|1] ", 0), 0u) << tool;
        }
    }
    EXPECT_TRUE(ConverterFactory::IsKnownTool("Vantrel V Series Librarian"));
    EXPECT_FALSE(ConverterFactory::IsKnownTool("Vantrel V Series"));
    EXPECT_EQ(ConverterFactory::Create("Vantrel"), nullptr);
}

TEST_F(ConvertToolOptionsTest, CpuDefaultsOnlyForToolsThatHaveThem) {
    std::string kor;
    std::string cpu = "untouched";
    ASSERT_EQ(ConvertToolOptions("NONE", "Vantrel V Series Linkage Editor", "-x", "", "", kor, cpu), 0);
    EXPECT_EQ(cpu, "untouched");
    for (const char* tool : {"Vantrel QX C Compiler", "Vantrel Nerak C Compiler"}) {
        std::unique_ptr<ToolConverter> converter = ConverterFactory::Create(tool);
        ASSERT_NE(converter, nullptr);
        EXPECT_TRUE(converter->HasCpuDefaults()) << tool;
    }
}

TEST_F(ConvertToolOptionsTest, EmptyOptionStringKeepsWhatWasHandedIn) {
    std::string kor;
    std::string cpu;
    ASSERT_EQ(ConvertToolOptions("Nerak", "Vantrel Nerak C Compiler", "", "", "", kor, cpu), 0);
    EXPECT_EQ(kor, "[V|VERSION|1] ");
    kor = "held";
    ASSERT_EQ(ConvertToolOptions("Nerak", "Vantrel Nerak C Compiler", "", "", "", kor, cpu), 0);
    EXPECT_EQ(kor, "[V|VERSION|1] held");
    kor = "held";
    ASSERT_EQ(ConvertToolOptions("Nerak", "Vantrel QX C Compiler", "-deb", "", "", kor, cpu), 0);
    EXPECT_EQ(kor, "[V|VERSION|1] held [B|DEBUG|1]");
}

TEST_F(ConvertToolOptionsTest, CpuItemWithoutClosingBracketRunsToTheEnd) {
    std::unique_ptr<ToolConverter> converter = ConverterFactory::Create("Vantrel Nerak C Compiler");
    ASSERT_NE(converter, nullptr);
    EXPECT_EQ(converter->ExtractCpuDefaults("x[S|CPU|A"),
              "[V|VERSION|1] [S|CPU|A " + converter->FixedDefaults());
    EXPECT_EQ(converter->ExtractCpuDefaults("S|CPU|A] [I|REGPARAM|2]"),
              "[V|VERSION|1] [I|REGPARAM|2] " + converter->FixedDefaults());
}

struct Expected {
    std::string text;
    OptionOutcome outcome;
    std::string items;
};

void ExpectOutcomes(const char* tool, const std::string& options, const std::vector<Expected>& expected) {
    std::string kor;
    std::string cpu;
    OptionOutcomes outcomes;
    outcomes.Add("stale", "stale", "");
    ASSERT_EQ(ConvertToolOptions("NONE", tool, options, "", "", kor, cpu, &outcomes), 0);
    ASSERT_EQ(outcomes.Size(), expected.size()) << options;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const OptionRecord& record = outcomes.Records()[i];
        EXPECT_EQ(record.text, expected[i].text) << options;
        EXPECT_EQ(OptionOutcomeName(record.outcome), std::string(OptionOutcomeName(expected[i].outcome)))
            << record.text;
        EXPECT_EQ(record.Items(), expected[i].items) << record.text;
    }
}

TEST_F(ConvertToolOptionsTest, OutcomesOfTheRegistryConverter) {
    using enum OptionOutcome;
    ExpectOutcomes("Vantrel Nerak C Compiler",
                   "-cp=nk7\t-pa=3\t-lan=c,d\t-cp=x\t-err\t-ob=\"c:\\a\\b.o\"\t-other",
                   {
                       {"-cp=nk7", Converted, "[S|CPU|NK7|X]"},
                       {"-pa=3", Rejected, ""},
                       {"-lan=c,d", Other, ""},
                       {"-cp=x", Converted, "[S|CPU|NK7|X]"},
                       {"-err", Converted, ""},
                       {"-ob=\"c:\\a\\b.o\"", Converted, "[S|OUTPUTPATH|\"c:\\a\\$(FILELEAF).o\"]"},
                       {"-other", Other, ""},
                   });
}

TEST_F(ConvertToolOptionsTest, OutcomesOfTheTableDrivenConverter) {
    using enum OptionOutcome;
    ExpectOutcomes("Vantrel QX C Compiler", "-c=x\t-deb\t-ne=2\t-se=p\t-l\t-nol",
                   {
                       {"-c=x", Other, ""},
                       {"-deb", Converted, "[B|DEBUG|1]"},
                       {"-ne=2", Converted, "[B|NESTINLINE|1] [I|NESTINLINE|2]"},
                       {"-se=p", Other, ""},
                       {"-l", Converted, "[B|LIST|1] [S|LISTPATH|\"$(CONFIGDIR)\\$(FILELEAF)\"]"},
                       {"-nol", Converted, "[B|LIST|0]"},
                   });
}

TEST_F(ConvertToolOptionsTest, RepeatedOptionsShareOneItemsText) {
    std::string kor;
    std::string cpu;
    OptionOutcomes outcomes;
    ASSERT_EQ(
        ConvertToolOptions("NONE", "Vantrel QX C Compiler", "-i=a\t-deb\t-i=b", "", "", kor, cpu, &outcomes),
        0);
    ASSERT_EQ(outcomes.Size(), 3u);
    EXPECT_EQ(outcomes.Records()[0].Items(), "[S|INCLUDE|a|b]");
    EXPECT_EQ(outcomes.Records()[0].items.get(), outcomes.Records()[2].items.get());
    EXPECT_EQ(outcomes.Count(OptionOutcome::Converted), 3u);
}

TEST_F(ConvertToolOptionsTest, OutcomesReplaceEarlierRecords) {
    using enum OptionOutcome;
    ExpectOutcomes("Vantrel V Series Linkage Editor", "", {});
}

}  // namespace
}  // namespace z2k

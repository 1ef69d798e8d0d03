// Reading a ZAT option string into the options table: splitting, name/value parsing, value
// clean-up, joining of repeated names and the table's enumeration order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/OptionsTable.h"
#include "platform/CodePage.h"

namespace z2k {
namespace {

class OptionsTableTest : public ::testing::Test {
  protected:
    void SetUp() override { setActiveCodePage(CodePage::SingleByte); }
    void TearDown() override { setActiveCodePage(CodePage::SingleByte); }
};

std::vector<std::string> Names(const OptionsTable& table) {
    std::vector<std::string> names;
    for (const OptionEntry* entry : table.Entries()) names.push_back(entry->name);
    return names;
}

TEST_F(OptionsTableTest, BucketUsesTimes33OverSignedBytes) {
    struct Case {
        std::string name;
        std::size_t bucket;
    };
    const std::vector<Case> cases = {
        {"-sj", 2},
        {"-ch", 16},
        {"-log", 4},
        {"-eu", 10},
        {"", 0},
        {"-other", 16},
        // Bytes above 0x7F count as negative: unsigned arithmetic would give 0 and 1 here.
        {"\xE9"
         "a",
         2},
        {"-\xE9", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(OptionsTable::BucketOf(c.name), c.bucket) << c.name;
}

TEST_F(OptionsTableTest, EnumeratesBucketsInOrderNewestFirstWithinABucket) {
    OptionsTable table;
    // "-ag" and "-ax" share bucket 0, "-al" and "-bm" bucket 5; "-sj" is in 2, "-ch" in 16.
    for (const char* name : {"-ch", "-ag", "-al", "-sj", "-ax", "-bm", "-ag"}) table.Add(name, "");
    EXPECT_EQ(Names(table), (std::vector<std::string>{"-ax", "-ag", "-sj", "-bm", "-al", "-ch"}));
}

TEST_F(OptionsTableTest, RepeatedNamesJoinValuesInInputOrder) {
    OptionsTable table;
    table.Read("-def=a\t-x\t-def=b\r\n-def=", "", "");
    ASSERT_NE(table.Find("-def"), nullptr);
    EXPECT_EQ(table.Find("-def")->value, "a|b|");
    EXPECT_EQ(table.Size(), 2u);
}

TEST_F(OptionsTableTest, RemovedNamesLeaveTheEnumeration) {
    OptionsTable table;
    table.Read("-sj\t-ch\t-log=x", "", "");
    EXPECT_TRUE(table.Remove("-log"));
    EXPECT_FALSE(table.Remove("-log"));
    EXPECT_EQ(Names(table), (std::vector<std::string>{"-sj", "-ch"}));
    EXPECT_EQ(table.Find("-log"), nullptr);
}

TEST_F(OptionsTableTest, SplitsAtTabCrLfOutsideQuotesOnly) {
    struct Case {
        std::string text;
        std::vector<std::string> pieces;
    };
    const std::vector<Case> cases = {
        {"-a\t-b\r-c\n-d", {"-a", "-b", "-c", "-d"}},
        {"\t\t-a\r\n\r\n-b\t", {"-a", "-b"}},
        {"-log=\"foo\tfoo.log\"\t-x", {"-log=\"foo\tfoo.log\"", "-x"}},
        // An unterminated quote takes the rest of the string, separators included.
        {"-a\t-x=\"a\tb\n-y", {"-a", "-x=\"a\tb\n-y"}},
        {"", {}},
        {"-a -b", {"-a -b"}},
    };
    for (const Case& c : cases) EXPECT_EQ(OptionsTable::SplitOptions(c.text), c.pieces) << c.text;
}

TEST_F(OptionsTableTest, ParsesNameAndValueAroundRunsOfEquals) {
    struct Case {
        std::string option, name, value;
    };
    const std::vector<Case> cases = {
        {"-x==y", "-x", "y"},       {"-x", "-x", ""},
        {"=-x=1", "-x", "1"},       {"===", "", ""},
        {"-x=", "-x", ""},          {"-sh=w=132", "-sh", "w=132"},
        {"==-a==b=c", "-a", "b=c"},
    };
    std::string name = "stale";
    std::string value = "stale";
    for (const Case& c : cases) {
        OptionsTable::ParseOption(c.option, name, value);
        EXPECT_EQ(name, c.name) << c.option;
        EXPECT_EQ(value, c.value) << c.option;
    }
}

TEST_F(OptionsTableTest, CleansValuesReplacementFirstThenCommas) {
    struct Case {
        std::string options, from, to, name, value;
    };
    const std::vector<Case> cases = {
        {"-i=\"c:\\a,b\",\"d\"", "", "", "-i", "\"c:\\a,b\"|\"d\""},
        {"-i=C:\\FOO\\Inc,c:\\foo\\lib", "c:\\Foo", "$(PROJDIR)", "-i", "$(PROJDIR)\\Inc|$(PROJDIR)\\lib"},
        // The replacement runs first: a comma it brings in is turned into "|" as well.
        {"-x=AB", "b", ",", "-x", "A|"},
        {"-x=abc", "", "zz", "-x", "abc"},
        // Names are not touched by the replacement.
        {"-foo=foo", "foo", "bar", "-foo", "bar"},
    };
    for (const Case& c : cases) {
        OptionsTable table;
        table.Read(c.options, c.from, c.to);
        const OptionEntry* entry = table.Find(c.name);
        ASSERT_NE(entry, nullptr) << c.options;
        EXPECT_EQ(entry->value, c.value) << c.options;
    }
}

TEST_F(OptionsTableTest, Cp932TrailBytesAreNeverMatchedOrSplit) {
    setActiveCodePage(CodePage::Cp932);
    // 0x83 0x41 is one character whose trail byte looks like 'A'.
    EXPECT_EQ(OptionsTable::ReplaceIgnoreCase("\x83\x41z", "a", "#"), "\x83\x41z");
    EXPECT_EQ(OptionsTable::ReplaceIgnoreCase("\x83\x41"
                                              "a",
                                              "A", "#"),
              "\x83\x41#");
    setActiveCodePage(CodePage::SingleByte);
    EXPECT_EQ(OptionsTable::ReplaceIgnoreCase("\x83\x41z", "a", "#"), "\x83#z");
}

TEST_F(OptionsTableTest, ReadRecordsEveryOccurrence) {
    OptionOutcomes outcomes;
    OptionsTable table;
    table.Read("-d=a,b\t-x\t-d=c", "", "", &outcomes);
    ASSERT_EQ(outcomes.Size(), 3u);
    EXPECT_EQ(outcomes.Records()[0].text, "-d=a,b");
    EXPECT_EQ(outcomes.Records()[0].value, "a|b");
    EXPECT_EQ(outcomes.Records()[2].name, "-d");
    EXPECT_EQ(table.Find("-d")->occurrences, (std::vector<std::size_t>{0, 2}));
    table.Settle(*table.Find("-d"), OptionOutcome::Rejected);
    EXPECT_EQ(outcomes.Records()[0].outcome, OptionOutcome::Rejected);
    EXPECT_EQ(outcomes.Records()[1].outcome, OptionOutcome::Other);
    EXPECT_EQ(outcomes.Records()[2].outcome, OptionOutcome::Rejected);
}

}  // namespace
}  // namespace z2k

// Reading version-1 files: the check, table lookup, records and their edge cases, continuation
// lines; and the version-1 writer that the tests and tools make projects with.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "platform/CodePage.h"
#include "support/TestSupport.h"
#include "textdb/Recordset.h"
#include "textdb/TextDatabase.h"
#include "textdb/Version1Writer.h"

namespace z2k::test {
namespace {

// A layout given as letters, t = text and i = integer; a record reads as its values joined by "|".
struct AnyRecord : Recordset {
    AnyRecord(TextDatabase& database, std::string table, std::string_view layout)
        : Recordset(database, std::move(table)), texts(layout.size()), numbers(layout.size()) {
        for (std::size_t i = 0; i < layout.size(); ++i)
            layout[i] == 't' ? addField(texts[i]) : addField(numbers[i]);
    }
    std::vector<std::string> readAll() {
        std::vector<std::string> records;
        for (; !isEOF(); moveNext()) {
            records.emplace_back();
            for (std::size_t i = 0; i < texts.size(); ++i)
                records.back() += (i ? "|" : "") + texts[i] + (numbers[i] ? std::to_string(numbers[i]) : "");
        }
        return records;
    }
    std::vector<std::string> texts;
    std::vector<std::int32_t> numbers;
};

std::string version1(std::string_view body) {
    return "[ZATDBVersion]\n1.0\n" + std::string(body) + "[END]\n";
}

// The values as the records of a table T, written by the version-1 writer.
const std::vector<std::string> kValues = {
    "a^b\"c", "^\"", "^^x", "", std::string(200, '^') + "x", std::string(100, 'v')};
std::string written(int minorVersion) {
    Version1Writer writer(minorVersion);
    writer.addSection("T");
    for (const std::string& value : kValues) {
        std::string line;
        Version1Writer::appendText(line, value);
        writer.addRecordLine(line);
    }
    return writer.text();
}

// The file (none when empty) is opened and its table T read with the layout. Lines are read in
// pieces of 94 characters; a closing caret escapes the quote, and the value runs on.
TEST(Version1Read, FilesTablesAndRecords) {
    using D = DatabaseOpen;
    using T = TableOpen;
    const std::tuple<std::string, const char*, DatabaseOpen, TableOpen, std::vector<std::string>> cases[] = {
        {version1("[T]\r\n\"c\" 1 \r\n\"a^\"b^\" c^^d\" 0 \r\n[N]\n"),
         "ti",
         D::Ok,
         T::Ok,
         {"c|1", "a\"b\" c^d|"}},
        {"[ZATDBVersion]\n2.0\n[T]\n[END]\n", "t", D::WrongVersion, T::Unreadable, {}},
        {"[ZATDBVersion]\n10\n[END]\n", "t", D::WrongVersion, T::Unreadable, {}},
        {"[ZATDBVersion] \n1.0\n[END]\n", "t", D::NotADatabase, T::Unreadable, {}},
        {"[zatdbversion]\n1.0\n[END]\n", "t", D::NotADatabase, T::Unreadable, {}},
        {"[ZATDBVersion]\n1.0\n[T]\n\"a\" \n", "t", D::NotADatabase, T::Unreadable, {}},
        {"[ZATDBVersion]\n1.0\n[END]", "t", D::NotADatabase, T::Unreadable, {}},
        {"[ZATDBVersion]\n1.0\n\x1a[END]\n", "t", D::NotADatabase, T::Unreadable, {}},
        {"", "t", D::Unreadable, T::Unreadable, {}},
        {version1("[A]\n"), "t", D::Ok, T::NoSection, {}},
        {version1("[A]\n") + "[T]\n\"b\" \n", "t", D::Ok, T::NoSection, {}},  // after the end marker
        {version1("[T]\n\"runs on\n"), "t", D::Ok, T::BadRecord, {}},
        {version1("[T]\n\"a\" \"x\" 5 \n\n xy \"b\" \n"), "t", D::Ok, T::Ok, {"a", "b"}},
        {version1("[T]\n\"1\" \n[T]\n\"2\" \n"), "t", D::Ok, T::Ok, {"1"}},
        {version1("[T]\n\"ab~\ncd\" \n\"a~b\" \n\"a\nb\" \n"), "t", D::Ok, T::Ok, {"abcd", "a~b", "a\nb"}},
        {version1("[T]\n\"a^^\" \n\"b\" \n"), "t", D::Ok, T::Ok, {"a^\" \n"}},  // a closing caret runs on
        {version1("[T]\n\"a\" 12[x]\n\"c\" 3 \n\"d\" \n[N]\n"), "ti", D::Ok, T::Ok, {"a|12", "c|3"}},
        {version1("[T]\n12~\n34 \n1~2 \n5\n6 \n"), "i", D::Ok, T::Ok, {"1234", "12", "56"}},
        {version1("[T]\n-2147483648 \n2147483647 \n"), "i", D::Ok, T::Ok, {"-2147483648", "2147483647"}},
        {version1("[T]\n9999999999 \n-9999999999 \n"), "i", D::Ok, T::Ok, {"2147483647", "-2147483648"}},
        {version1("[T]\nx \n+5 \n-0 \n7a \n\"5\" 6 \n"), "i", D::Ok, T::Ok, {"", "5", "", "7", ""}},
        {version1(std::string(94, 'x') + "[T]\n\"h\" \n"), "t", D::Ok, T::Ok, {"h"}},
        {written(0), "t", D::Ok, T::Ok, kValues},
    };
    for (const auto& [file, layout, opened, table, records] : cases) {
        SCOPED_TRACE(file);
        TempFolder folder{'D'};
        if (!file.empty()) folder.write("r.zat", file);
        TextDatabase database{folder.settings()};
        EXPECT_EQ(database.open(folder.onHost("D:\\r")), opened);
        AnyRecord recordset(database, "T", layout);
        EXPECT_EQ(recordset.open(), table);
        EXPECT_EQ(recordset.readAll(), records);
    }
}

TEST(Version1Read, ChangedFileIsReadAgain) {
    TempFolder folder{'D'};
    folder.write("c.zat", version1("[A]\n\"a\" \n"));
    TextDatabase database{folder.settings()};
    ASSERT_EQ(database.open(folder.onHost("D:\\c.zat")), DatabaseOpen::Ok);
    EXPECT_EQ(database.tableExists("B"), TableCheck::Absent);
    folder.write("c.zat", version1("[A]\n\"a2\" \n[B]\n"));
    EXPECT_EQ(database.tableExists("B"), TableCheck::Present);
    AnyRecord a(database, "A", "t");
    ASSERT_EQ(a.open(), TableOpen::Ok);
    EXPECT_EQ(a.readAll(), std::vector<std::string>{"a2"});
    a.close();
    folder.write("c.zat", "[ZATDBVersion]\n2.0\n[A]\n[END]\n");
    EXPECT_EQ(a.open(), TableOpen::NotADatabase);
    EXPECT_EQ(database.tableExists("A"), TableCheck::Unreadable);
    std::filesystem::remove(folder.path() / "c.zat");
    EXPECT_EQ(a.open(), TableOpen::Unreadable);
}

TEST(Version1Writer, EscapesAndContinuesLongLines) {
    const std::string text = written(3), v(100, 'v');
    EXPECT_EQ(text.rfind("[ZATDBVersion]\n1.3\n[T]\n\"a^^b^\"c\" \n", 0), 0u);
    EXPECT_NE(text.find("\n\"" + v.substr(0, 85) + "~\n" + v.substr(85) + "\" \n[END]\n"), std::string::npos);
}

// 0x95 0x5C is one double-byte character in CP932: the last component then has a full stop.
TEST(TextDatabaseFileName, ExtensionRule) {
    for (const auto& [path, single, cp932] :
         {std::tuple{"D:\\a\\p.", "D:\\a\\p.zat", "D:\\a\\p.zat"},
          std::tuple{"D:\\a.b\\p", "D:\\a.b\\p.zat", "D:\\a.b\\p.zat"},
          std::tuple{"D:\\v1.\x95\\x", "D:\\v1.\x95\\x.zat", "D:\\v1.\x95\\x"}}) {
        EXPECT_EQ(TextDatabase::databaseFileName(path, CodePage::Cp932), cp932) << path;
        EXPECT_EQ(TextDatabase::databaseFileName(path, CodePage::SingleByte), single) << path;
    }
}

}  // namespace
}  // namespace z2k::test

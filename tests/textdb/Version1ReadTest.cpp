// Reading version-1 files: the check, table lookup, records, continuation lines.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestRecords.h"
#include "textdb/Version1Writer.h"

namespace z2k::test {
namespace {

constexpr const char* kWorkedExample =
    "[ZATDBVersion]\n"
    "2.0\n"
    "[FILES]\n"
    "\"main.c\" \"C source\" 1 \n"
    "\"a^\"b^\" c^^d\" \"\" 0 \n"
    "[NOTES]\n"
    "[END]\n";

std::string version1(std::string_view body) {
    return "[ZATDBVersion]\n1.0\n" + std::string(body) + "[END]\n";
}

TEST(Version1Read, WorkedExampleWrittenAndReadByteForByte) {
    DriveD d;
    Version1Writer writer;
    writer.addSection("FILES");
    std::string line;
    Version1Writer::appendText(line, "main.c");
    Version1Writer::appendText(line, "C source");
    Version1Writer::appendInteger(line, 1);
    writer.addRecordLine(line);
    line.clear();
    Version1Writer::appendText(line, "a\"b\" c^d");
    Version1Writer::appendText(line, "");
    Version1Writer::appendInteger(line, 0);
    writer.addRecordLine(line);
    writer.addSection("NOTES");
    ASSERT_EQ(writer.writeFile(d.path("example.zat")), 0);

    std::string expected = kWorkedExample;
    expected.replace(expected.find("2.0"), 3, "1.0");
    EXPECT_EQ(d.read("example.zat"), crlf(expected));

    TextDatabase database(TextDatabase::Version1);
    ASSERT_EQ(database.open(d.path("example")), 0);
    EXPECT_EQ(database.path(), d.path("example.zat"));
    FilesRecord files(database);
    ASSERT_EQ(files.open(), 0);
    EXPECT_EQ(readAll(files), (std::vector<FileRow>{{"main.c", "C source", 1}, {"a\"b\" c^d", "", 0}}));
    EXPECT_EQ(files.close(), 0);
    NotesRecord notes(database);
    ASSERT_EQ(notes.open(), 0);
    EXPECT_TRUE(notes.isEOF());
    EXPECT_TRUE(notes.isBOF());
    EXPECT_EQ(notes.close(), 0);
}

TEST(Version1Read, LoneLineFeedsAreAccepted) {
    DriveD d;
    std::string text = kWorkedExample;
    text.replace(text.find("2.0"), 3, "1.0");
    d.write("lf.zat", text);
    TextDatabase database(TextDatabase::Version1);
    ASSERT_EQ(database.open(d.path("lf.zat")), 0);
    FilesRecord files(database);
    ASSERT_EQ(files.open(), 0);
    EXPECT_EQ(readAll(files), (std::vector<FileRow>{{"main.c", "C source", 1}, {"a\"b\" c^d", "", 0}}));
}

struct CheckCase {
    const char* what;
    const char* bytes;  // nullptr: no file
    int version1Code;
    int version2Code;
};

class CheckCodes : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckCodes, BothVersions) {
    const CheckCase& c = GetParam();
    DriveD d;
    if (c.bytes) d.write("check.zat", crlf(c.bytes));
    TextDatabase one(TextDatabase::Version1);
    EXPECT_EQ(one.open(d.path("check.zat")), c.version1Code) << c.what;
    EXPECT_EQ(one.isOpen(), c.version1Code == 0);
    TextDatabase two(TextDatabase::Version2);
    EXPECT_EQ(two.open(d.path("check.zat")), c.version2Code) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Version1AndVersion2, CheckCodes,
    testing::Values(CheckCase{"version 1.0", "[ZATDBVersion]\n1.0\n[T]\n[END]\n", 0, 3},
                    CheckCase{"version 1.7", "[ZATDBVersion]\n1.7\n[END]\n", 0, 3},
                    CheckCase{"version 2.0", "[ZATDBVersion]\n2.0\n[END]\n", 3, 0},
                    CheckCase{"version 2.5", "[ZATDBVersion]\n2.5\n[END]\n", 3, 0},
                    CheckCase{"version line without full stop", "[ZATDBVersion]\n10\n[END]\n", 3, 2},
                    CheckCase{"header followed by a blank", "[ZATDBVersion] \n1.0\n[END]\n", 2, 3},
                    CheckCase{"header in lower case", "[zatdbversion]\n2.0\n[END]\n", 2, 3},
                    CheckCase{"no end marker", "[ZATDBVersion]\n1.0\n[T]\n\"a\" \n", 2, 3},
                    CheckCase{"no end marker, version 2", "[ZATDBVersion]\n2.0\n[T]\n", 3, 0},
                    CheckCase{"end marker without line feed", "[ZATDBVersion]\n1.0\n[END]", 2, 3},
                    CheckCase{"end marker with a blank", "[ZATDBVersion]\n1.0\n[END] \n", 2, 3},
                    CheckCase{"byte 26 ends the text", "[ZATDBVersion]\n1.0\n\x1a[END]\n", 2, 3},
                    CheckCase{"empty file", "", 2, 3}, CheckCase{"header only", "[ZATDBVersion]\n", 3, 2},
                    CheckCase{"missing file", nullptr, 1, 1}),
    [](const testing::TestParamInfo<CheckCase>& info) { return "Case" + std::to_string(info.index); });

TEST(Version1Read, UnmappedPathIsAMissingFile) {
    TextDatabase database(TextDatabase::Version1);
    EXPECT_EQ(database.open("Q:\\nowhere\\x.zat"), 1);
    EXPECT_EQ(database.tableExists("T"), -1);
}

struct FileNameCase {
    const char* path;
    const char* single;
    const char* cp932;
};

TEST(TextDatabaseFileName, ExtensionRule) {
    const FileNameCase cases[] = {
        {"D:\\a\\proj", "D:\\a\\proj.zat", "D:\\a\\proj.zat"},
        {"D:\\a\\proj.", "D:\\a\\proj.zat", "D:\\a\\proj.zat"},
        {"D:\\a\\proj.krp", "D:\\a\\proj.krp", "D:\\a\\proj.krp"},
        {"D:\\a.b\\proj", "D:\\a.b\\proj.zat", "D:\\a.b\\proj.zat"},
        {"proj", "proj.zat", "proj.zat"},
        // 0x95 0x5C is one double-byte character in CP932: the last component then has a dot.
        {"D:\\v1.\x95\\x", "D:\\v1.\x95\\x.zat", "D:\\v1.\x95\\x"},
    };
    for (const auto& c : cases) {
        setActiveCodePage(CodePage::SingleByte);
        EXPECT_EQ(TextDatabase::databaseFileName(c.path), c.single) << c.path;
        setActiveCodePage(CodePage::Cp932);
        EXPECT_EQ(TextDatabase::databaseFileName(c.path), c.cp932) << c.path;
    }
    setActiveCodePage(CodePage::SingleByte);
}

// A NOTES table of one logical record line of the given length (quotes and blank included).
std::string notesLine(std::size_t length) {
    std::string value;
    for (std::size_t i = 0; i + 3 < length; ++i) value.push_back(static_cast<char>('a' + i % 26));
    return value;
}

TEST(Version1Read, ContinuationAfterEvery86Characters) {
    struct Case {
        std::size_t length;
        std::string physical;  // the record as written, after the section line
    };
    std::string v86 = notesLine(86), v87 = notesLine(87), v173 = notesLine(173);
    std::string l86 = "\"" + v86 + "\" ", l87 = "\"" + v87 + "\" ", l173 = "\"" + v173 + "\" ";
    const Case cases[] = {
        {86, l86 + "\n"},
        {87, l87.substr(0, 86) + "~\n" + l87.substr(86) + "\n"},
        {173, l173.substr(0, 86) + "~\n" + l173.substr(86, 86) + "~\n" + l173.substr(172) + "\n"},
    };
    for (const Case& c : cases) {
        DriveD d;
        std::string value = notesLine(c.length);
        Version1Writer writer;
        writer.addSection("NOTES");
        std::string line;
        Version1Writer::appendText(line, value);
        ASSERT_EQ(line.size(), c.length);
        writer.addRecordLine(line);
        ASSERT_EQ(writer.writeFile(d.path("long.zat")), 0);
        EXPECT_EQ(d.read("long.zat"), crlf(version1("[NOTES]\n" + c.physical))) << c.length;

        TextDatabase database(TextDatabase::Version1);
        ASSERT_EQ(database.open(d.path("long.zat")), 0);
        NotesRecord notes(database);
        ASSERT_EQ(notes.open(), 0);
        EXPECT_EQ(readAll(notes), std::vector<std::string>{value}) << c.length;
    }
}

TEST(Version1Read, AddRecordWritesTheMembers) {
    DriveD d;
    TextDatabase database(TextDatabase::Version1);
    FilesRecord files(database);
    files.strName = "x^\"y";
    files.strType = "t";
    files.nKind = -17;
    Version1Writer writer(3);
    writer.addSection("FILES");
    writer.addRecord(files);
    EXPECT_EQ(writer.text(), "[ZATDBVersion]\n1.3\n[FILES]\n\"x^^^\"y\" \"t\" -17 \n[END]\n");
}

// Tables read from a version-1 file written as given (line feeds become CR LF on disk).
struct RecordCase {
    const char* what;
    const char* body;  // between the version line and the end marker
    const char* table;
    std::vector<std::string> notes;  // expected NOTES-layout records
};

TEST(Version1Read, RecordRules) {
    const RecordCase cases[] = {
        {"values after the last field are ignored",
         "[NOTES]\n\"a\" \"ignored\" 5 \n\"b\" \n",
         "NOTES",
         {"a", "b"}},
        {"a section directly followed by the next", "[NOTES]\n[OTHER]\n\"x\" \n", "NOTES", {}},
        {"the first of two sections wins", "[NOTES]\n\"first\" \n[NOTES]\n\"second\" \n", "NOTES", {"first"}},
        {"a continuation inside a text value", "[NOTES]\n\"ab~\ncd\" \n", "NOTES", {"abcd"}},
        {"a tilde not before a line feed is kept", "[NOTES]\n\"a~b\" \n", "NOTES", {"a~b"}},
        {"a line feed inside a text value", "[NOTES]\n\"a\nb\" \n", "NOTES", {"a\nb"}},
        {"characters before the quote are skipped", "[NOTES]\nxy \"a\" \n", "NOTES", {"a"}},
        {"a value ending in a caret runs on (decided)", "[NOTES]\n\"a^^\" \n\"b\" \n", "NOTES", {"a^\" \n"}},
        {"blank lines between records", "[NOTES]\n\n\"a\" \n\n\"b\" \n", "NOTES", {"a", "b"}},
        {"a later table", "[A]\n\"1\" \n[NOTES]\n\"2\" \n", "NOTES", {"2"}},
    };
    for (const RecordCase& c : cases) {
        DriveD d;
        d.write("r.zat", crlf(version1(c.body)));
        TextDatabase database(TextDatabase::Version1);
        ASSERT_EQ(database.open(d.path("r.zat")), 0) << c.what;
        NotesRecord notes(database, c.table);
        ASSERT_EQ(notes.open(), 0) << c.what;
        EXPECT_EQ(readAll(notes), c.notes) << c.what;
    }
}

TEST(Version1Read, RecordCutShortBySectionLineIsDropped) {
    DriveD d;
    d.write("cut.zat", crlf(version1("[FILES]\n\"a\" \"b\" 1 \n\"c\" \n[NOTES]\n\"n\" \n")));
    TextDatabase database(TextDatabase::Version1);
    ASSERT_EQ(database.open(d.path("cut.zat")), 0);
    FilesRecord files(database);
    ASSERT_EQ(files.open(), 0);
    EXPECT_EQ(readAll(files), (std::vector<FileRow>{{"a", "b", 1}}));
    NotesRecord notes(database);
    ASSERT_EQ(notes.open(), 0);
    EXPECT_EQ(readAll(notes), std::vector<std::string>{"n"});
}

struct IntegerCase {
    const char* records;  // NUMBERS records
    std::vector<std::int32_t> version1;
    std::vector<std::int32_t> version2;
};

TEST(IntegerTokens, BothVersions) {
    const IntegerCase cases[] = {
        {"12~\n34 \n", {1234}, {12, 34}},  // version 2: "12~" reads 12, "34" is the next record
        {"1~2 \n", {12}, {1}},
        {"12\n34 \n", {1234}, {12, 34}},
        {"-2147483648 \n2147483647 \n", {-2147483648, 2147483647}, {-2147483648, 2147483647}},
        {"99999999999 \n-99999999999 \n", {2147483647, -2147483648}, {2147483647, -2147483648}},
        {"x \n+5 \n-0 \n", {0, 5, 0}, {0, 5, 0}},
        {"7a \n\n  8 \n", {7, 8}, {7, 8}},
        {"5[\n", {5}, {5}},  // the "[" ends the token; the rest of the line is skipped
        {"\"5\" 6 \n", {0}, {0}},
    };
    for (const IntegerCase& c : cases) {
        for (int version = 1; version <= 2; ++version) {
            DriveD d;
            std::string body = std::string("[NUMBERS]\n") + c.records;
            d.write("n.zat", crlf("[ZATDBVersion]\n" + std::to_string(version) + ".0\n" + body + "[END]\n"));
            TextDatabase database(version == 1 ? TextDatabase::Version1 : TextDatabase::Version2);
            ASSERT_EQ(database.open(d.path("n.zat")), 0);
            NumbersRecord numbers(database);
            ASSERT_EQ(numbers.open(), 0) << c.records;
            std::vector<std::int32_t> values;
            for (; !numbers.isEOF(); numbers.moveNext()) values.push_back(numbers.nValue);
            EXPECT_EQ(values, version == 1 ? c.version1 : c.version2) << c.records << " version " << version;
        }
    }
}

TEST(Version1Read, IntegerEndedByBracketKeepsARecordWhenLast) {
    DriveD d;
    d.write("b.zat", crlf(version1("[FILES]\n\"a\" \"b\" 12[x]\n\"c\" \"d\" 3 \n")));
    TextDatabase database(TextDatabase::Version1);
    ASSERT_EQ(database.open(d.path("b.zat")), 0);
    FilesRecord files(database);
    ASSERT_EQ(files.open(), 0);
    EXPECT_EQ(readAll(files), (std::vector<FileRow>{{"a", "b", 12}, {"c", "d", 3}}));
}

TEST(Version1Read, OpenCodes) {
    DriveD d;
    d.write("o.zat", crlf(version1("[NOTES]\n\"a\" \n[BROKEN]\n\"runs past the end\n")));
    TextDatabase database(TextDatabase::Version1);
    NotesRecord before(database);
    EXPECT_EQ(before.open(), 6);  // no database open
    ASSERT_EQ(database.open(d.path("o.zat")), 0);

    NotesRecord notes(database);
    ASSERT_EQ(notes.open(), 0);
    EXPECT_EQ(notes.open(), 5);
    EXPECT_TRUE(notes.isOpen());
    EXPECT_EQ(readAll(notes), std::vector<std::string>{"a"});

    NotesRecord missing(database, "MISSING");
    EXPECT_EQ(missing.open(), 2);
    EXPECT_FALSE(missing.isOpen());

    // The text value runs over the end marker to the end of the file.
    NotesRecord broken(database, "BROKEN");
    EXPECT_EQ(broken.open(), 3);
    EXPECT_FALSE(broken.isOpen());
    EXPECT_TRUE(broken.isEOF());
}

TEST(Version1Read, SectionAfterEndMarkerIsNotFound) {
    DriveD d;
    d.write("e.zat", crlf("[ZATDBVersion]\n1.0\n[A]\n[END]\n[B]\n\"b\" \n"));
    TextDatabase database(TextDatabase::Version1);
    ASSERT_EQ(database.open(d.path("e.zat")), 0);
    EXPECT_EQ(database.tableExists("A"), 1);
    EXPECT_EQ(database.tableExists("B"), 0);
    EXPECT_EQ(database.tableExists("END"), 0);
    NotesRecord b(database, "B");
    EXPECT_EQ(b.open(), 2);
}

TEST(Version1Read, LinesAreReadInPiecesOf94Characters) {
    DriveD d;
    std::string filler(94, 'x');
    std::string longName(100, 'L');
    d.write("p.zat", crlf(version1(filler + "[HIDDEN]\n\"h\" \n[" + longName + "]\n\"l\" \n")));
    TextDatabase database(TextDatabase::Version1);
    ASSERT_EQ(database.open(d.path("p.zat")), 0);
    // The second piece of the long line is a section line of its own.
    EXPECT_EQ(database.tableExists("HIDDEN"), 1);
    NotesRecord hidden(database, "HIDDEN");
    ASSERT_EQ(hidden.open(), 0);
    EXPECT_EQ(readAll(hidden), std::vector<std::string>{"h"});
    // A section line longer than 94 characters is never seen whole.
    EXPECT_EQ(database.tableExists(longName), 0);
}

TEST(Version1Read, ChangedFileIsCheckedAgain) {
    DriveD d;
    d.write("c.zat", crlf(version1("[A]\n\"a\" \n")));
    TextDatabase database(TextDatabase::Version1);
    ASSERT_EQ(database.open(d.path("c.zat")), 0);
    EXPECT_EQ(database.tableExists("B"), 0);

    d.write("c.zat", crlf(version1("[A]\n\"a2\" \n[B]\n\"b\" \n")));
    EXPECT_EQ(database.tableExists("B"), 1);
    NotesRecord a(database, "A");
    ASSERT_EQ(a.open(), 0);
    EXPECT_EQ(readAll(a), std::vector<std::string>{"a2"});
    a.close();

    d.write("c.zat", crlf("[ZATDBVersion]\n2.0\n[A]\n[END]\n"));
    EXPECT_EQ(a.open(), 7);
    EXPECT_EQ(database.tableExists("A"), -1);

    std::filesystem::remove(d.folder.path() / "c.zat");
    EXPECT_EQ(a.open(), 6);
}

TEST(Version1Read, WritingOperationsAreRefused) {
    DriveD d;
    d.write("w.zat", crlf(version1("[NOTES]\n\"a\" \n")));
    TextDatabase database(TextDatabase::Version1);
    EXPECT_EQ(database.create(d.path("w.zat")), 1);
    ASSERT_EQ(database.open(d.path("w.zat")), 0);
    EXPECT_EQ(database.createTable("NEW"), 6);
    EXPECT_EQ(database.save(), 6);
    NotesRecord notes(database);
    EXPECT_EQ(notes.addNew(), 1);
    EXPECT_EQ(notes.update(), -1);
    ASSERT_EQ(notes.open(), 0);
    EXPECT_EQ(notes.update(), -1);
    EXPECT_EQ(notes.addNew(), 0);
    EXPECT_EQ(notes.addNew(), 1);
    EXPECT_EQ(d.read("w.zat"), crlf(version1("[NOTES]\n\"a\" \n")));
}

}  // namespace
}  // namespace z2k::test

namespace z2k::test {
namespace {

TEST(Version1Read, EscapingRoundTrips) {
    const std::vector<std::string> values = {"a^b\"c", "^\"", "\"\"", "^^x",  "x\"",
                                             "\"",     "",    "^a^b", "a\nb", std::string(200, '^') + "x"};
    DriveD d;
    Version1Writer writer;
    writer.addSection("NOTES");
    for (const std::string& value : values) {
        std::string line;
        Version1Writer::appendText(line, value);
        writer.addRecordLine(line);
    }
    ASSERT_EQ(writer.writeFile(d.path("esc.zat")), 0);
    TextDatabase database(TextDatabase::Version1);
    ASSERT_EQ(database.open(d.path("esc.zat")), 0);
    NotesRecord notes(database);
    ASSERT_EQ(notes.open(), 0);
    EXPECT_EQ(readAll(notes), values);
}

}  // namespace
}  // namespace z2k::test

// Version-2 databases: create, load, tables, records, saving.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestRecords.h"
#include "platform/TextFile.h"

namespace z2k::test {
namespace {

constexpr const char* kEmpty = "[ZATDBVersion]\n2.0\n[END]\n";

class Version2 : public testing::Test {
  protected:
    void SetUp() override { setBackupsEnabled(true); }
    void TearDown() override { setBackupsEnabled(true); }

    // create and open, as the writers do.
    void createAndOpen(TextDatabase& database, const std::string& name) {
        ASSERT_EQ(database.create(d.path(name)), 0);
        ASSERT_EQ(database.open(d.path(name)), 0);
    }
    DriveD d;
};

TEST_F(Version2, WorkedExampleWrittenByteForByte) {
    TextDatabase database(TextDatabase::Version2);
    d.write("example.krp", "earlier bytes");
    createAndOpen(database, "example.krp");
    // The created database reaches the disk only with the save, which replaces the file whole.
    EXPECT_EQ(d.read("example.krp"), "earlier bytes");
    FilesRecord files(database);
    NotesRecord notes(database);
    ASSERT_EQ(database.createTable(files), 0);
    ASSERT_EQ(database.createTable(notes), 0);
    ASSERT_EQ(files.open(), 0);
    ASSERT_EQ(files.deleteAll(), 0);
    ASSERT_EQ(files.addNew(), 0);
    files.strName = "main.c";
    files.strType = "C source";
    files.nKind = 1;
    EXPECT_EQ(files.update(), 1);
    ASSERT_EQ(files.addNew(), 0);
    files.strName = "a\"b\" c^d";
    EXPECT_EQ(files.update(), 1);
    ASSERT_EQ(files.close(), 0);
    ASSERT_EQ(database.save(), 0);
    EXPECT_EQ(d.read("example.krp"),
              crlf("[ZATDBVersion]\n2.0\n[FILES]\n\"main.c\" \"C source\" 1 \n\"a^\"b^\" c^^d\" \"\" 0 \n"
                   "[NOTES]\n[END]\n"));

    TextDatabase again(TextDatabase::Version2);
    ASSERT_EQ(again.open(d.path("example.krp")), 0);
    FilesRecord back(again);
    ASSERT_EQ(back.open(), 0);
    EXPECT_EQ(readAll(back), (std::vector<FileRow>{{"main.c", "C source", 1}, {"a\"b\" c^d", "", 0}}));
}

TEST_F(Version2, EscapingRoundTrips) {
    // A value that ends in "^" does not read back (its closing quote is taken as escaped).
    const std::vector<std::string> values = {"a^b\"c", "^\"",        "\"\"", "^^x",
                                             "x\"",    "\"",         "",     "a\"b\" c^d",
                                             "^a^b",   "line\nfeed", "~\n",  "[NOT A SECTION]"};
    TextDatabase database(TextDatabase::Version2);
    createAndOpen(database, "escape.krp");
    NotesRecord notes(database);
    ASSERT_EQ(notes.open(), 0);
    for (const std::string& value : values) {
        ASSERT_EQ(notes.addNew(), 0);
        notes.strText = value;
        notes.update();
    }
    ASSERT_EQ(notes.close(), 0);
    ASSERT_EQ(database.save(), 0);

    TextDatabase again(TextDatabase::Version2);
    ASSERT_EQ(again.open(d.path("escape.krp")), 0);
    NotesRecord back(again);
    ASSERT_EQ(back.open(), 0);
    EXPECT_EQ(readAll(back), values);
}

TEST_F(Version2, CreateTableRefusals) {
    TextDatabase database(TextDatabase::Version2);
    EXPECT_EQ(database.createTable("T"), 6);  // nothing open
    d.write("t.krp", crlf("[ZATDBVersion]\n2.0\n[OLD]\n\"x\" \n[END]\n"));
    ASSERT_EQ(database.open(d.path("t.krp")), 0);
    struct Case {
        std::string name;
        int code;
    };
    const Case cases[] = {
        {"END", 7},
        {"ZATDBVersion", 7},
        {std::string(81, 'N'), 7},
        {std::string(80, 'N'), 0},
        {"NEW", 0},
        {"NEW", 7},
        {"OLD", 7},
        {"end", 0},
        {"zatdbversion", 0},
        {"A\nB", 7},
    };
    for (const Case& c : cases) EXPECT_EQ(database.createTable(c.name), c.code) << c.name;
    EXPECT_EQ(database.tableExists("NEW"), 1);
    EXPECT_EQ(database.tableExists("OLD"), 1);
    EXPECT_EQ(database.tableExists("NONE"), 0);
}

TEST_F(Version2, OpenCodes) {
    TextDatabase database(TextDatabase::Version2);
    NotesRecord early(database);
    EXPECT_EQ(early.open(), 6);
    createAndOpen(database, "codes.krp");
    NotesRecord notes(database);
    ASSERT_EQ(notes.open(), 0);  // no section: opens with no records
    EXPECT_TRUE(notes.isEOF());
    EXPECT_EQ(notes.open(), 10);
    EXPECT_TRUE(notes.isOpen());
    ASSERT_EQ(notes.close(), 0);
    EXPECT_EQ(notes.close(), 11);
    EXPECT_EQ(notes.open(), 12);
    NotesRecord other(database, "NOTES");
    EXPECT_EQ(other.open(), 12);
    EXPECT_FALSE(other.isOpen());
    // After a save the closed list starts empty again.
    ASSERT_EQ(database.save(), 0);
    EXPECT_EQ(other.open(), 0);
}

TEST_F(Version2, RecordReadErrorGivesNine) {
    d.write("bad.krp", crlf("[ZATDBVersion]\n2.0\n[NOTES]\n\"never closed\n"));
    TextDatabase database(TextDatabase::Version2);
    ASSERT_EQ(database.open(d.path("bad.krp")), 0);
    NotesRecord notes(database);
    EXPECT_EQ(notes.open(), 9);
    EXPECT_FALSE(notes.isOpen());
}

TEST_F(Version2, SaveOrderWithBareSections) {
    TextDatabase database(TextDatabase::Version2);
    createAndOpen(database, "order.krp");
    for (const char* name : {"A", "B", "C", "D", "E"}) ASSERT_EQ(database.createTable(name), 0);
    auto fill = [](NotesRecord& table, std::vector<std::string> values) {
        ASSERT_EQ(table.open(), 0);
        ASSERT_EQ(table.deleteAll(), 0);
        for (auto& value : values) {
            ASSERT_EQ(table.addNew(), 0);
            table.strText = value;
            table.update();
        }
        ASSERT_EQ(table.close(), 0);
    };
    NotesRecord c(database, "C"), a(database, "A"), e(database, "E");
    fill(c, {"c1", "c2"});
    fill(a, {"a1"});
    fill(e, {});
    ASSERT_EQ(database.save(), 0);
    // Closed tables in close order, then the never-opened ones as bare sections in creation order.
    const std::string expected =
        "[ZATDBVersion]\n2.0\n[C]\n\"c1\" \n\"c2\" \n[A]\n\"a1\" \n[E]\n[B]\n[D]\n[END]\n";
    EXPECT_EQ(d.read("order.krp"), crlf(expected));
    // Saving again without changes gives the same bytes.
    ASSERT_EQ(database.save(), 0);
    EXPECT_EQ(d.read("order.krp"), crlf(expected));
}

TEST_F(Version2, LoadedTablesAreCopiedUnchangedAndMinorVersionKept) {
    d.write("old.krp", crlf("[ZATDBVersion]\n2.3\njunk before the tables\n[X]\n\"x1\"   \"extra\" \n\n[Y]\n"
                            "\"y1\" \n[Z]\n[END]\nafter the end\n"));
    TextDatabase database(TextDatabase::Version2);
    ASSERT_EQ(database.open(d.path("old.krp")), 0);
    EXPECT_EQ(database.minorVersion(), 3);
    ASSERT_EQ(database.createTable("NEW"), 0);
    NotesRecord y(database, "Y");
    ASSERT_EQ(y.open(), 0);
    EXPECT_EQ(readAll(y), std::vector<std::string>{"y1"});
    // After deleteAll and three addNew/update pairs, exactly three records in the order added.
    ASSERT_EQ(y.deleteAll(), 0);
    EXPECT_TRUE(y.isEOF());
    EXPECT_EQ(y.recordCount(), 0u);
    for (const char* value : {"3", "1", "2"}) {
        ASSERT_EQ(y.addNew(), 0);
        y.strText = value;
        EXPECT_EQ(y.update(), 1);
    }
    ASSERT_EQ(y.close(), 0);
    ASSERT_EQ(database.save(), 0);
    EXPECT_EQ(d.read("old.krp"), crlf("[ZATDBVersion]\n2.3\n[Y]\n\"3\" \n\"1\" \n\"2\" \n[X]\n\"x1\"   "
                                      "\"extra\" \n\n[Z]\n[NEW]\n[END]\n"));
}

TEST_F(Version2, CursorsAndStates) {
    d.write("cur.krp", crlf("[ZATDBVersion]\n2.0\n[NOTES]\n\"1\" \n\"2\" \n\"3\" \n[END]\n"));
    TextDatabase database(TextDatabase::Version2);
    ASSERT_EQ(database.open(d.path("cur.krp")), 0);
    NotesRecord notes(database);
    EXPECT_TRUE(notes.isEOF());
    EXPECT_TRUE(notes.isBOF());
    ASSERT_EQ(notes.open(), 0);
    EXPECT_FALSE(notes.isModified());
    EXPECT_EQ(notes.strText, "1");
    EXPECT_FALSE(notes.isEOF());
    EXPECT_FALSE(notes.isBOF());
    notes.movePrev();
    EXPECT_TRUE(notes.isBOF());
    EXPECT_FALSE(notes.isEOF());
    notes.moveNext();
    EXPECT_EQ(notes.strText, "1");
    notes.moveLast();
    EXPECT_EQ(notes.strText, "3");
    notes.moveNext();
    EXPECT_TRUE(notes.isEOF());
    notes.moveNext();
    EXPECT_TRUE(notes.isEOF());
    notes.movePrev();
    EXPECT_EQ(notes.strText, "3");
    notes.movePrev();
    EXPECT_EQ(notes.strText, "2");

    // The adding state.
    EXPECT_EQ(notes.update(), 11);
    ASSERT_EQ(notes.addNew(), 0);
    EXPECT_TRUE(notes.isAdding());
    EXPECT_EQ(notes.strText, "");
    EXPECT_EQ(notes.addNew(), 11);
    EXPECT_EQ(notes.update(), 0);  // nothing differs from an empty record
    EXPECT_FALSE(notes.isAdding());
    EXPECT_TRUE(notes.isModified());
    ASSERT_EQ(notes.addNew(), 0);
    notes.moveFirst();  // gives the new record up
    EXPECT_FALSE(notes.isAdding());
    EXPECT_EQ(notes.update(), 11);
    EXPECT_EQ(notes.recordCount(), 4u);
    notes.moveLast();
    EXPECT_EQ(notes.strText, "");
    ASSERT_EQ(notes.close(), 0);
    EXPECT_TRUE(notes.isEOF());
    EXPECT_EQ(notes.addNew(), 11);
    EXPECT_EQ(notes.deleteAll(), 11);
}

TEST_F(Version2, IntegerFieldChangesCountInUpdate) {
    TextDatabase database(TextDatabase::Version2);
    createAndOpen(database, "u.krp");
    NumbersRecord numbers(database);
    ASSERT_EQ(numbers.open(), 0);
    ASSERT_EQ(numbers.addNew(), 0);
    EXPECT_EQ(numbers.update(), 0);
    ASSERT_EQ(numbers.addNew(), 0);
    numbers.nValue = -5;
    EXPECT_EQ(numbers.update(), 1);
    ASSERT_EQ(numbers.close(), 0);
    ASSERT_EQ(database.save(), 0);
    EXPECT_EQ(d.read("u.krp"), crlf("[ZATDBVersion]\n2.0\n[NUMBERS]\n0 \n-5 \n[END]\n"));
}

TEST_F(Version2, CreateCodes) {
    TextDatabase database(TextDatabase::Version2);
    EXPECT_EQ(database.create(""), 1);
    EXPECT_EQ(database.create("Q:\\unmapped\\x.krp"), 1);
    EXPECT_EQ(database.create(d.path("missing\\x.krp")), 1);
    EXPECT_EQ(database.create(d.path("noext")), 0);
    EXPECT_FALSE(std::filesystem::exists(d.folder.path() / "noext.zat"));  // nothing on disk before a save
    EXPECT_EQ(database.save(), 6);                                         // created, not opened
    ASSERT_EQ(database.open(d.path("noext")), 0);
    ASSERT_EQ(database.save(), 0);
    EXPECT_EQ(d.read("noext.zat"), crlf(kEmpty));
}

TEST_F(Version2, BackupKeepsTheFileAsItWasBefore) {
    d.write("b.krp", "old bytes");
    {
        TextDatabase database(TextDatabase::Version2);
        createAndOpen(database, "b.krp");
        ASSERT_EQ(database.createTable("T"), 0);
        ASSERT_EQ(database.save(), 0);
        ASSERT_EQ(database.save(), 0);
    }
    EXPECT_EQ(d.read("b.krp.bak"), "old bytes");
    EXPECT_EQ(d.read("b.krp"), crlf("[ZATDBVersion]\n2.0\n[T]\n[END]\n"));

    // A later writer keeps the file that the first one wrote.
    TextDatabase later(TextDatabase::Version2);
    ASSERT_EQ(later.open(d.path("b.krp")), 0);
    ASSERT_EQ(later.save(), 0);
    EXPECT_EQ(d.read("b.krp.bak"), crlf("[ZATDBVersion]\n2.0\n[T]\n[END]\n"));

    setBackupsEnabled(false);
    d.write("n.krp", "old");
    TextDatabase none(TextDatabase::Version2);
    createAndOpen(none, "n.krp");
    ASSERT_EQ(none.save(), 0);
    EXPECT_FALSE(std::filesystem::exists(d.folder.path() / "n.krp.bak"));
}

TEST_F(Version2, FailedSaveKeepsTheState) {
    std::filesystem::create_directories(d.folder.path() / "sub");
    TextDatabase database(TextDatabase::Version2);
    createAndOpen(database, "sub\\f.krp");
    ASSERT_EQ(database.createTable("T"), 0);
    NotesRecord t(database, "T");
    ASSERT_EQ(t.open(), 0);
    ASSERT_EQ(t.addNew(), 0);
    t.strText = "kept";
    t.update();
    ASSERT_EQ(t.close(), 0);
    std::filesystem::remove_all(d.folder.path() / "sub");
    EXPECT_EQ(database.save(), 1);
    // The closed table is still waiting to be written.
    EXPECT_EQ(t.open(), 12);
    std::filesystem::create_directories(d.folder.path() / "sub");
    ASSERT_EQ(database.save(), 0);
    EXPECT_EQ(d.read("sub/f.krp"), crlf("[ZATDBVersion]\n2.0\n[T]\n\"kept\" \n[END]\n"));
}

TEST_F(Version2, CloseForgetsEverything) {
    TextDatabase database(TextDatabase::Version2);
    createAndOpen(database, "c.krp");
    ASSERT_EQ(database.createTable("T"), 0);
    database.close();
    EXPECT_FALSE(database.isOpen());
    EXPECT_EQ(database.path(), "");
    EXPECT_EQ(database.save(), 6);
    EXPECT_EQ(database.tableExists("T"), -1);
    EXPECT_FALSE(std::filesystem::exists(d.folder.path() / "c.krp"));
}

}  // namespace
}  // namespace z2k::test

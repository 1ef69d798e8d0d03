#pragma once
// One table of a text database, opened, walked record by record and closed. Every table layout
// has its own record class derived from Recordset: the constructor declares the table's fields in
// layout order, each bound to a member variable of the record class (text members for type 6,
// 32-bit integers for type 0). Moving to a record copies its values into the members; update()
// stores the members as a new record.
//
// A record class:
//
//   class FilesRecord : public Recordset {
//   public:
//       explicit FilesRecord(TextDatabase& database, std::string tableName = "FILES")
//           : Recordset(database, std::move(tableName)) {
//           addField("strName", strName);   // text, type 6
//           addField("strType", strType);   // text, type 6
//           addField("nKind", nKind);       // signed 32-bit integer, type 0
//       }
//       std::string strName;
//       std::string strType;
//       std::int32_t nKind = 0;
//   };
//
// Reading (version 1):
//   FilesRecord files(database);
//   if (files.open() != 0) return 1;
//   for (; !files.isEOF(); files.moveNext()) use(files.strName, files.nKind);
//   files.close();
//
// Writing (version 2), after database.createTable(files):
//   files.open(); files.deleteAll();
//   files.addNew(); files.strName = "main.c"; files.nKind = 1; files.update();
//   files.close();   // the table's text goes to the database's output; database.save() writes it
//
// A recordset refers to its own members, so it can be neither copied nor moved. It must not
// outlive its database.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace z2k {

class TextDatabase;

// Field type codes of a layout.
inline constexpr int kFieldInteger = 0;  // signed 32-bit integer (names beginning with b or n)
inline constexpr int kFieldText = 6;     // text

// Result codes of the recordset operations that the two versions report differently.
inline constexpr int kRecordsetErrorVersion2 = 11;  // addNew/update/close/deleteAll, version 2

class Recordset {
  public:
    struct FieldInfo {
        std::string name;
        int type = kFieldText;
    };

    Recordset(TextDatabase& database, std::string tableName);
    virtual ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    TextDatabase& database() const { return *database_; }
    const std::string& tableName() const { return tableName_; }

    // Loads the table. mode 0 (the only mode) reads the table and, in version 2, writes it back
    // through the database's output text on close(). Codes:
    //   version 1: 0 opened, 2 no section for the table, 3 a record could not be read,
    //              4 lock not obtained, 5 already open, 6 file missing or unreadable,
    //              7 header, version line or end marker wrong;
    //   version 2: 0 opened (a table without a section opens empty), 9 a record could not be
    //              read, 10 already open, 12 the table was already closed since the database
    //              was opened; 6 when no database is open.
    int open(int mode = 0);
    // Version 2: appends the section line and one record line per record that is not deleted to
    // the database's output text and frees the rows; version 1: frees the rows. 0; version 2
    // gives 11 when the recordset is not open.
    int close();
    bool isOpen() const { return open_; }

    // True when not open, when there is no record, or when the cursor is past the last (isEOF)
    // or before the first (isBOF) record.
    bool isEOF() const;
    bool isBOF() const;
    // Move to the first/next/previous/last record that is not deleted and copy it into the
    // members; stop on the end markers (moveNext on the last record gives isEOF()). A move while
    // adding gives up the new record.
    void moveFirst();
    void moveNext();
    void movePrev();
    void moveLast();

    // Starts a new record: the members are set to an empty record (empty texts, zero); set them,
    // then update(). 0, or 11 (version 2) / 1 (version 1) when not open or already adding.
    int addNew();
    // Commits the new record after the last one. 0, or 1 when at least one member differs from
    // an empty record (empty text, zero); 11 (version 2) / -1 (version 1) when not open or not
    // adding.
    int update();
    // Marks every record deleted and moves to the first position. 0, or the not-open code of
    // addNew.
    int deleteAll();

    bool isAdding() const { return adding_; }
    bool isModified() const { return modified_; }
    // Number of records that are not deleted.
    std::size_t recordCount() const;

    // The layout, in field order.
    std::size_t fieldCount() const { return fields_.size(); }
    FieldInfo fieldInfo(std::size_t index) const;
    // Index of the field with exactly this name, or -1.
    int fieldIndex(std::string_view name) const;

  protected:
    // Registers the next field of the layout, bound to a member of the record class. Call from
    // the record class's constructor, in layout order.
    void addField(std::string name, std::string& member);   // type 6
    void addField(std::string name, std::int32_t& member);  // type 0

  private:
    friend class TextDatabase;
    friend class Version1Writer;

    struct Value {
        std::int32_t number = 0;
        std::string text;
    };
    struct Row {
        std::vector<Value> values;
        bool included = true;
        bool isNew = false;
        bool deleted = false;
    };
    struct Field {
        std::string name;
        int type = kFieldText;
        std::string* text = nullptr;
        std::int32_t* number = nullptr;
    };

    bool isVersion2() const;
    int notOpenCode(bool forUpdate) const;
    void loadRow(std::size_t index);
    bool liveRow(std::size_t index) const;
    void clearRows();
    // The record line of a row (version 2 form, without continuation), ended by a line feed.
    void appendRowLine(std::string& out, const Row& row) const;
    void appendMemberLine(std::string& out) const;

    TextDatabase* database_;
    std::string tableName_;
    std::vector<Field> fields_;
    std::vector<Row> rows_;
    Row pending_;
    // The cursor: -1 is the head marker, rows_.size() the tail marker.
    std::ptrdiff_t cursor_ = -1;
    std::size_t liveRows_ = 0;
    bool open_ = false;
    bool adding_ = false;
    bool modified_ = false;
};

}  // namespace z2k

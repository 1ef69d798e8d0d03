#pragma once
// One table of a version-1 text database, opened, walked record by record and closed. Every
// table layout has its own record class derived from Recordset: the constructor declares the
// table's fields in layout order, each bound to a member variable of the record class (text
// members for type 6, 32-bit integers for type 0). Moving to a record copies its values into the
// members. RowRecordset makes the record class of a row struct.
//
//   FilesRecord files(database, "FILES");
//   if (files.open() != TableOpen::Ok) return fail(database.lastFailure());
//   for (; !files.isEOF(); files.moveNext()) use(files.strName, files.nKind);
//   files.close();
//
// A recordset refers to its own members, so it can be neither copied nor moved. It must not
// outlive its database.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "textdb/TextDatabase.h"

namespace z2k {

class Recordset {
  public:
    Recordset(TextDatabase& database, std::string tableName);
    virtual ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    const std::string& tableName() const { return tableName_; }

    // Loads the table's records and moves to the first.
    TableOpen open();
    // Frees the records.
    void close();

    // True when not open, when there is no record, or when the cursor is past the last record.
    bool isEOF() const;
    // Moves to the next record and copies it into the members (moveNext on the last record
    // gives isEOF()). The cursor only moves forward: each record is copied once.
    void moveNext();

  protected:
    // Registers the next field of the layout, bound to a member of the record class. Call from
    // the record class's constructor, in layout order.
    void addField(std::string& member);   // type 6
    void addField(std::int32_t& member);  // type 0

  private:
    friend class TextDatabase;

    struct Value {
        std::int32_t number = 0;
        std::string text;
    };
    using Row = std::vector<Value>;
    // One of the two members is set.
    struct Field {
        std::string* text = nullptr;
        std::int32_t* number = nullptr;
    };

    void moveFirst();
    void loadRow(std::size_t index);
    void clearRows();

    TextDatabase* database_;
    std::string tableName_;
    std::vector<Field> fields_;
    std::vector<Row> rows_;
    std::size_t cursor_ = 0;
    bool open_ = false;
};

}  // namespace z2k

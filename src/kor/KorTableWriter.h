#pragma once
// Writes the rows of KOR tables into an open version-2 database: a table that gets rows is
// opened, emptied, filled with one record per row and closed; a composed table with no rows is
// only created, so it is saved as a bare section after the closed tables.
#include <string>
#include <vector>

#include "kor/KorRecordset.h"
#include "textdb/TextDatabase.h"

namespace z2k {

class KorTableWriter {
  public:
    // Opens the table, replaces its records by one record per row, closes it. False at the first
    // failing operation.
    template <typename Row>
    static bool writeRows(KorRecordset<Row>& recordset, const std::vector<Row>& rows) {
        if (recordset.open(0) != 0) return false;
        if (recordset.deleteAll() != 0) return false;
        for (const Row& row : rows) {
            if (recordset.addNew() != 0) return false;
            recordset.row = row;
            int updated = recordset.update();
            if (updated != 0 && updated != 1) return false;  // 1 only says that a value was stored
        }
        return recordset.close() == 0;
    }

    // Creates the table and writes its rows when there are any.
    template <typename Row>
    static bool writeComposed(TextDatabase& database, std::string name, const std::vector<Row>& rows) {
        KorRecordset<Row> recordset(database, std::move(name));
        if (database.createTable(recordset) != 0) return false;
        if (rows.empty()) return true;
        return writeRows(recordset, rows);
    }
};

}  // namespace z2k

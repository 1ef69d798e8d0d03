#pragma once
// The record class of one KOR table layout: a Recordset whose fields are the members of one row
// struct (KorRecords.h, KorLayouts.h), declared in layout order. addNew(), set row, update().
#include <string>
#include <utility>

#include "kor/KorLayouts.h"
#include "textdb/Recordset.h"

namespace z2k {

template <typename RowType>
class KorRecordset : public Recordset {
  public:
    KorRecordset(TextDatabase& database, std::string tableName) : Recordset(database, std::move(tableName)) {
        describeFields(row, [&](const char* name, auto& member) { addField(name, member); });
    }

    RowType row;
};

}  // namespace z2k

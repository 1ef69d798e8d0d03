#pragma once
// A record class over a plain row struct: its fields are the struct's members in layout order,
// as the struct's describeFields(row, field) overload (found next to the struct) lists them.
// Moving to a record fills row.
#include <string>
#include <utility>

#include "textdb/Recordset.h"

namespace z2k {

template <typename RowType>
class RowRecordset : public Recordset {
  public:
    RowRecordset(TextDatabase& database, std::string tableName) : Recordset(database, std::move(tableName)) {
        describeFields(row, [&](const char*, auto& member) { addField(member); });
    }

    RowType row;
};

}  // namespace z2k

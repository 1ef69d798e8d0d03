#pragma once
// The record class of one ZAT table layout: a Recordset whose fields are the members of one row
// struct (ZatRecords.h, ZatLayouts.h), declared in layout order. Moving to a record fills row.
#include <string>
#include <utility>

#include "textdb/Recordset.h"
#include "zat/ZatLayouts.h"

namespace z2k {

template <typename RowType>
class ZatRecordset : public Recordset {
  public:
    ZatRecordset(TextDatabase& database, std::string tableName) : Recordset(database, std::move(tableName)) {
        describeFields(row, [&](const char* name, auto& member) { addField(name, member); });
    }

    RowType row;
};

}  // namespace z2k

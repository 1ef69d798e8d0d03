#pragma once
// The record class of one ZAT table layout: the members of one row struct (ZatRecords.h,
// ZatLayouts.h) in layout order.
#include "textdb/RowRecordset.h"
#include "zat/ZatLayouts.h"

namespace z2k {

template <typename RowType>
using ZatRecordset = RowRecordset<RowType>;

}  // namespace z2k

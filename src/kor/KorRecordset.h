#pragma once
// The record class of one KOR table layout: the members of one row struct (KorRecords.h,
// KorLayouts.h) in layout order.
#include "kor/KorLayouts.h"
#include "textdb/RowRecordset.h"

namespace z2k {

template <typename RowType>
using KorRecordset = RowRecordset<RowType>;

}  // namespace z2k

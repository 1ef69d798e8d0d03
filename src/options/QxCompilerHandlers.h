#pragma once
// The QX C/C++ compiler's option handlers, in the order in which they run: each turns one option
// into items, or rejects it so that it goes to OTHER.
#include <span>
#include <string_view>

#include "options/OptionHandler.h"

namespace z2k {

// A handler gets the option's name and value and appends pairs, or returns false to reject.
using QxHandler = bool (*)(std::string_view name, std::string_view value, CodePage page, OptionPairs& pairs);

struct QxHandlerRow {
    std::string_view option;
    QxHandler handler;
};

// The handler table in its order; the two names of one row ("-l", "-nol") run in row order,
// whatever their order in the input, so "-nol" wins over "-l".
std::span<const QxHandlerRow> qxCompilerHandlers();

}  // namespace z2k

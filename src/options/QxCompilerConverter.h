#pragma once
// The QX C/C++ compiler's converter: table-driven (fixed items, handlers, output order) rather
// than registry-driven. It consumes the options table: recognised names are removed from it,
// and what is left becomes the OTHER item.
#include <string>

#include "options/ToolConverter.h"

namespace z2k {

class QxCompilerConverter : public ToolConverter {
  public:
    QxCompilerConverter();
    void convert(OptionsTable& table, std::string& korOptions) const override;
};

}  // namespace z2k

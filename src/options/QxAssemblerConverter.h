#pragma once
// The QX assembler's converter: registers the assembler's options in its constructor.
#include "options/OptionConverter.h"

namespace z2k {

class QxAssemblerConverter : public OptionConverter {
  public:
    QxAssemblerConverter();
};

}  // namespace z2k

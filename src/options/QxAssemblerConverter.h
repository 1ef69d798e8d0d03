#pragma once
// The QX assembler's converter: registers the assembler's options in its constructor.
#include "options/AssemblerConverter.h"

namespace z2k {

class QxAssemblerConverter : public AssemblerConverter {
  public:
    QxAssemblerConverter();
};

}  // namespace z2k

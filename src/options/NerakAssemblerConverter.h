#pragma once
// The Nerak assembler's converter: registers the assembler's options in its constructor.
#include "options/AssemblerConverter.h"

namespace z2k {

class NerakAssemblerConverter : public AssemblerConverter {
  public:
    NerakAssemblerConverter();
};

}  // namespace z2k

#pragma once
// The Nerak assembler's converter: registers the assembler's options in its constructor.
#include "options/OptionConverter.h"

namespace z2k {

class NerakAssemblerConverter : public OptionConverter {
  public:
    NerakAssemblerConverter();
};

}  // namespace z2k

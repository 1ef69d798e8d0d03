#pragma once
// The Nerak C/C++ compiler's converter: registers the compiler's options in its constructor.
#include "options/OptionConverter.h"

namespace z2k {

class NerakCompilerConverter : public OptionConverter {
  public:
    NerakCompilerConverter();
};

}  // namespace z2k

#pragma once
// The QX optimizing linker's converter: the linkage editor's registrations plus the optimizing
// linker's own.
#include "options/LinkageEditorConverter.h"

namespace z2k {

class QxOptLinkerConverter : public LinkageEditorConverter {
  public:
    QxOptLinkerConverter();
};

}  // namespace z2k

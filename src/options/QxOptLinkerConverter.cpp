#include "options/QxOptLinkerConverter.h"

namespace z2k {

QxOptLinkerConverter::QxOptLinkerConverter() {
    registerOptimizingLinkerOptions("BRANCH|SAME_CODE|REGISTER|SYMBOL_DELETE|STRING_UNIFY");
}

}  // namespace z2k

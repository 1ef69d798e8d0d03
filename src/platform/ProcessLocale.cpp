// The process locale of a POSIX host: its code set names the code set of host file names.
#include <langinfo.h>

#include <clocale>

#include "platform/CodePage.h"

namespace z2k {

ProcessLocale readProcessLocale() {
    ProcessLocale read;
    read.set = std::setlocale(LC_CTYPE, "") != nullptr;
    const char* name = nl_langinfo(CODESET);
    read.codeSet = name ? name : "";
    return read;
}

}  // namespace z2k

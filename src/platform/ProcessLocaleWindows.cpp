// The process locale of a Windows host: the ANSI code page (GetACP) names the code set of typed
// text and of the bytes a program prints.
#include <windows.h>

#include <string>

#include "platform/CodePage.h"

namespace z2k {

ProcessLocale readProcessLocale() {
    ProcessLocale read;
    read.set = true;
    const UINT page = ::GetACP();
    read.codeSet = page == CP_UTF8 ? std::string("UTF-8") : "CP" + std::to_string(page);
    return read;
}

}  // namespace z2k

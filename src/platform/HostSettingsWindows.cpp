#include "platform/HostSettings.h"

namespace z2k {

// Host names are UTF-8 on Windows (the wide names of the file system, converted without loss);
// the projects' code page follows the ANSI code page.
HostSettings hostSettingsFor(const ProcessLocale& locale) {
    HostSettings settings;
    settings.hostCodeSet = "UTF-8";
    settings.codePage = codePageForCodeSet(locale.codeSet);
    return settings;
}

}  // namespace z2k

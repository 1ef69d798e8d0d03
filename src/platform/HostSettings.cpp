#include "platform/HostSettings.h"

namespace z2k {

HostSettings hostSettingsFor(const ProcessLocale& locale) {
    HostSettings settings;
    settings.hostCodeSet = locale.codeSet;
    settings.codePage = codePageForCodeSet(locale.codeSet);
    return settings;
}

}  // namespace z2k

// Code-page text as UTF-8 on a Windows host: each character through the wide form, in the
// Windows code page that stands for the projects' code page.
#include <optional>

#include "platform/Utf8Text.h"
#include "platform/WideText.h"

namespace z2k {

namespace {

constexpr unsigned kUtf8Page = 65001;

}  // namespace

Utf8Text toUtf8(std::string_view bytes, CodePage page) {
    const unsigned windowsPage = windowsCodePage(page);
    return toUtf8ByCharacter(bytes, page, [windowsPage](std::string_view character, std::string& out) {
        const std::optional<std::wstring> wide = wideFromCodePage(character, windowsPage);
        const std::optional<std::string> utf8 = wide ? codePageFromWide(*wide, kUtf8Page) : std::nullopt;
        if (utf8) out += *utf8;
        return utf8.has_value();
    });
}

}  // namespace z2k

// Code-page text as UTF-8 on a Windows host: each character through the wide form, in the
// Windows code page that stands for the projects' code page.
#include <optional>

#include "platform/Utf8Text.h"
#include "platform/WideText.h"

namespace z2k {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
constexpr unsigned kUtf8Page = 65001;

}  // namespace

Utf8Text toUtf8(std::string_view bytes, CodePage page) {
    Utf8Text result;
    result.text.reserve(bytes.size());
    const unsigned windowsPage = windowsCodePage(page);
    forEachChar(
        bytes,
        [&](std::size_t pos, std::size_t length) {
            const std::string_view character = bytes.substr(pos, length);
            if (static_cast<unsigned char>(character[0]) < 0x80) {
                result.text += character[0];
                return;
            }
            // The code page takes a byte that starts no valid UTF-8 sequence as a character alone.
            const bool invalidUtf8 = page == CodePage::Utf8 && length == 1;
            const std::optional<std::wstring> wide =
                invalidUtf8 ? std::nullopt : wideFromCodePage(character, windowsPage);
            const std::optional<std::string> utf8 = wide ? codePageFromWide(*wide, kUtf8Page) : std::nullopt;
            if (utf8) {
                result.text += *utf8;
            } else {
                result.text += kReplacement;
                result.exact = false;
            }
        },
        page);
    return result;
}

}  // namespace z2k

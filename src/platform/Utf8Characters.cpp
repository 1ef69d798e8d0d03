// The character walk of the UTF-8 conversion, the same on every host.
#include "platform/Utf8Text.h"

namespace z2k {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

}  // namespace

Utf8Text toUtf8ByCharacter(std::string_view bytes, CodePage page, const CharacterToUtf8& convert) {
    Utf8Text result;
    if (isAsciiText(bytes)) {
        result.text.assign(bytes);
        return result;
    }
    result.text.reserve(bytes.size());
    forEachChar(
        bytes,
        [&](std::size_t pos, std::size_t length) {
            const std::string_view character = bytes.substr(pos, length);
            if (static_cast<unsigned char>(character[0]) < 0x80) {
                result.text += character[0];
                return;
            }
            // The code page takes a byte that starts no valid UTF-8 sequence as a character alone.
            if (page == CodePage::Utf8 && length > 1) {
                result.text.append(character);
                return;
            }
            if (page == CodePage::Utf8 || !convert(character, result.text)) {
                result.text += kReplacement;
                result.exact = false;
            }
        },
        page);
    return result;
}

}  // namespace z2k

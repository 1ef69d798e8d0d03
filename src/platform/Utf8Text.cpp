#include "platform/Utf8Text.h"

#include <iconv.h>

#include <array>

namespace z2k {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

class Converter {
  public:
    explicit Converter(const char* from) : cd_(iconv_open("UTF-8", from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Appends one character's UTF-8 form to out; false when it has none.
    bool append(std::string_view character, std::string& out) {
        std::array<char, 16> buffer{};
        std::array<char, 8> in{};
        character.copy(in.data(), in.size());
        char* inPtr = in.data();
        std::size_t inLeft = character.size();
        char* outPtr = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // no shift state carries over
        // An irreversible conversion stands for a character the code page does not define.
        if (result != 0 || inLeft != 0) return false;
        out.append(buffer.data(), static_cast<std::size_t>(outPtr - buffer.data()));
        return true;
    }

  private:
    iconv_t cd_;
};

}  // namespace

Utf8Text toUtf8(std::string_view bytes, CodePage page) {
    Utf8Text result;
    result.text.reserve(bytes.size());
    if (isAsciiText(bytes)) {
        result.text.assign(bytes);
        return result;
    }
    Converter converter(codePageCodeSet(page));
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
            if (page == CodePage::Utf8 || !converter.ok() || !converter.append(character, result.text)) {
                result.text += kReplacement;
                result.exact = false;
            }
        },
        page);
    return result;
}

}  // namespace z2k

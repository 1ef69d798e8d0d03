#include "platform/Utf8Text.h"

#include <iconv.h>

#include <array>
#include <optional>

namespace z2k {
namespace {

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
    // The converter is opened only for a text that needs it.
    std::optional<Converter> converter;
    return toUtf8ByCharacter(bytes, page, [&](std::string_view character, std::string& out) {
        if (!converter) converter.emplace(codePageCodeSet(page));
        return converter->ok() && converter->append(character, out);
    });
}

}  // namespace z2k

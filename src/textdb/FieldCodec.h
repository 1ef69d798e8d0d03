#pragma once
// The encodings of field values on a record line, shared by both versions.
#include <cstdint>
#include <string>
#include <string_view>

namespace z2k {

class FieldCodec {
  public:
    // A text value: a double quote, the text with every "^" doubled and every double quote
    // written as "^\"", a double quote, a blank.
    static void appendText(std::string& line, std::string_view value);
    // An integer value: decimal digits, a leading minus sign when negative, a blank.
    static void appendInteger(std::string& line, std::int32_t value);
    // The text of a raw value read between its quotes: "^\"" becomes a double quote, then "^^"
    // becomes "^", each pass left to right without re-scanning what it replaced.
    static std::string unescape(std::string_view raw);
};

}  // namespace z2k

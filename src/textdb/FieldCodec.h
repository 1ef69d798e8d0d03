#pragma once
// The encodings of field values on a record line, shared by both versions.
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

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

    // The values of a row struct in layout order, as its describeFields(row, field) overload
    // (found next to the struct) names them: std::string members as texts, std::int32_t
    // members as integers.
    template <typename Row>
    static void appendRow(std::string& line, const Row& row) {
        // describeFields takes a modifiable row because the readers bind its members; here the
        // members are only read.
        describeFields(const_cast<Row&>(row), [&line](const char*, const auto& member) {
            if constexpr (std::is_same_v<std::decay_t<decltype(member)>, std::string>) {
                appendText(line, member);
            } else {
                appendInteger(line, member);
            }
        });
    }
};

}  // namespace z2k

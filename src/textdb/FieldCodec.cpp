#include "textdb/FieldCodec.h"

#include <charconv>

namespace z2k {

void FieldCodec::appendText(std::string& line, std::string_view value) {
    line.push_back('"');
    // The runs between the characters that take a '^' before them are copied whole.
    std::size_t done = 0;
    for (std::size_t pos = value.find_first_of("^\""); pos != std::string_view::npos;
         pos = value.find_first_of("^\"", pos + 1)) {
        line.append(value.substr(done, pos - done));
        line.push_back('^');
        done = pos;
    }
    line.append(value.substr(done));
    line += "\" ";
}

void FieldCodec::appendInteger(std::string& line, std::int32_t value) {
    char digits[16];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    line.append(digits, result.ptr);
    line.push_back(' ');
}

namespace {

// Replaces every pair (first, second) by second, scanning left to right; a replaced pair is not
// scanned again.
std::string collapsePairs(std::string_view text, char second) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '^' && i + 1 < text.size() && text[i + 1] == second) {
            out.push_back(second);
            ++i;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

}  // namespace

std::string FieldCodec::unescape(std::string_view raw) {
    if (raw.find('^') == std::string_view::npos) return std::string(raw);
    return collapsePairs(collapsePairs(raw, '"'), '^');
}

}  // namespace z2k

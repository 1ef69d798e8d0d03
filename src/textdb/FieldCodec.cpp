#include "textdb/FieldCodec.h"

#include <charconv>

#include "platform/ByteSearch.h"

namespace z2k {

void FieldCodec::appendText(std::string& line, std::string_view value) {
    line.push_back('"');
    // The runs between the characters that take a '^' before them are copied whole.
    std::size_t done = 0;
    for (std::size_t pos = findFirstOfBytes(value, 0, '^', '"'); pos < value.size();
         pos = findFirstOfBytes(value, pos + 1, '^', '"')) {
        line.append(value.data() + done, pos - done);
        line.push_back('^');
        done = pos;
    }
    line.append(value.data() + done, value.size() - done);
    line.append("\" ", 2);
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
    std::size_t done = 0;
    for (std::size_t i = text.find('^'); i != std::string_view::npos; i = text.find('^', i)) {
        if (i + 1 < text.size() && text[i + 1] == second) {
            out.append(text.substr(done, i - done));
            out.push_back(second);
            done = i + 2;
        }
        i = done == i + 2 ? done : i + 1;
    }
    out.append(text.substr(done));
    return out;
}

}  // namespace

std::string FieldCodec::unescape(std::string_view raw) {
    if (raw.find('^') == std::string_view::npos) return std::string(raw);
    return collapsePairs(collapsePairs(raw, '"'), '^');
}

}  // namespace z2k

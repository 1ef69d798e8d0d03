#include "paths/PathChars.h"

namespace z2k {

std::size_t lastChar(std::string_view s, CodePage page) {
    std::size_t last = 0;
    forEachChar(
        s, [&](std::size_t pos, std::size_t) { last = pos; }, page);
    return last;
}

bool hasForbiddenChars(std::string_view s, CodePage page) {
    bool found = false;
    forEachChar(
        s,
        [&](std::size_t pos, std::size_t len) {
            if (len != 1) return;
            switch (s[pos]) {
                case '*':
                case '?':
                case '/':
                case '<':
                case '>':
                case '|':
                case '"':
                    found = true;
                    break;
                default:
                    break;
            }
        },
        page);
    return found;
}

}  // namespace z2k

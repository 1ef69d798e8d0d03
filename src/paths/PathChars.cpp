#include "paths/PathChars.h"

#include "platform/CodePage.h"

namespace z2k {

std::size_t LastChar(std::string_view s) {
    std::size_t last = 0;
    forEachChar(s, [&](std::size_t pos, std::size_t) { last = pos; });
    return last;
}

std::size_t NthOccurrence(std::string_view s, char c, int n) {
    if (n < 1) return std::string::npos;
    int seen = 0;
    for (std::size_t pos = findChar(s, c); pos != std::string_view::npos; pos = findChar(s, c, pos + 1)) {
        if (++seen == n) return pos;
    }
    return std::string::npos;
}

std::string LeftUpTo(std::string_view s, std::size_t p) {
    if (s.empty() || p == std::string::npos) return std::string();
    if (p >= s.size()) return std::string(s);
    // Up to the end of the character that holds byte p.
    std::size_t end = 0;
    while (end <= p) end += charLength(s, end);
    return std::string(s.substr(0, end));
}

bool HasForbiddenChars(std::string_view s) {
    bool found = false;
    forEachChar(s, [&](std::size_t pos, std::size_t len) {
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
    });
    return found;
}

}  // namespace z2k

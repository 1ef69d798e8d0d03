#include "options/OptionText.h"

#include "platform/CodePage.h"

namespace z2k {

OptionText::OptionText(std::string_view text, CodePage page) : text_(text) {
    // Every byte starts a character in a single-byte code page, and in every code page when no
    // byte is above 0x7F (CP932 lead bytes and UTF-8 sequences all are).
    if (page == CodePage::SingleByte || isAsciiText(text)) {
        allStarts_ = true;
        return;
    }
    starts_.assign(text.size() + 1, false);
    forEachChar(
        text, [this](std::size_t pos, std::size_t) { starts_[pos] = true; }, page);
    starts_[text.size()] = true;
}

std::size_t OptionText::find(std::string_view needle, std::size_t from) const {
    if (needle.empty()) return std::string::npos;
    std::size_t pos = text_.find(needle, from);
    if (allStarts_) return pos;
    while (pos != std::string::npos) {
        if (starts_[pos] && starts_[pos + needle.size()]) return pos;
        pos = text_.find(needle, pos + 1);
    }
    return std::string::npos;
}

std::string OptionText::replaceAll(std::string_view text, std::string_view from, std::string_view to,
                                   CodePage page) {
    if (from.empty() || text.size() < from.size() || text.find(from) == std::string_view::npos)
        return std::string(text);
    OptionText scan(text, page);
    std::string result;
    result.reserve(text.size());
    std::size_t done = 0;
    for (std::size_t pos = scan.find(from); pos != std::string::npos; pos = scan.find(from, done)) {
        result.append(text.substr(done, pos - done));
        result.append(to);
        done = pos + from.size();
    }
    result.append(text.substr(done));
    return result;
}

std::vector<std::string> OptionText::split(std::string_view text, char c, CodePage page) {
    std::vector<std::string> elements;
    std::size_t begin = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t len = charLength(text, pos, page);
        if (len == 1 && text[pos] == c) {
            elements.emplace_back(text.substr(begin, pos - begin));
            begin = pos + 1;
        }
        pos += len;
    }
    elements.emplace_back(text.substr(begin));
    return elements;
}

std::string OptionText::join(const std::vector<std::string>& elements, std::string_view separator) {
    std::string result;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (i != 0) result.append(separator);
        result.append(elements[i]);
    }
    return result;
}

std::string OptionText::replaceChar(std::string_view text, char from, char to, CodePage page) {
    std::string result(text);
    forEachChar(
        text,
        [&](std::size_t pos, std::size_t len) {
            if (len == 1 && result[pos] == from) result[pos] = to;
        },
        page);
    return result;
}

std::string OptionText::trimRight(std::string_view text, CodePage page) {
    std::size_t end = 0;  // end of the last character that is not white space
    forEachChar(
        text,
        [&](std::size_t pos, std::size_t len) {
            const char c = text[pos];
            const bool space =
                len == 1 && (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f');
            if (!space) end = pos + len;
        },
        page);
    return std::string(text.substr(0, end));
}

std::size_t OptionText::countQuotes(std::string_view text, CodePage page) {
    std::size_t count = 0;
    forEachChar(
        text,
        [&](std::size_t pos, std::size_t len) {
            if (len == 1 && text[pos] == '"') ++count;
        },
        page);
    return count;
}

}  // namespace z2k

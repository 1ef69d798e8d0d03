#include "options/OptionConverter.h"

#include "options/OptionText.h"
#include "platform/ByteSearch.h"
#include "platform/CodePage.h"

namespace z2k {

void OptionConverter::registerOption(std::string_view zatName, std::string_view itemName,
                                     HandlerFunction function) {
    registry_.insert_or_assign(std::string(zatName), Registered{std::string(itemName), std::move(function)});
}

void OptionConverter::registerOption(std::initializer_list<std::string_view> zatNames,
                                     std::string_view itemName, const HandlerFunction& function) {
    for (std::string_view name : zatNames) registerOption(name, itemName, function);
}

namespace {

// Appends value with every single-byte character '|' turned into with.
void appendBarsAs(std::string& out, std::string_view value, char with, CodePage page) {
    const std::size_t start = out.size();
    out.append(value);
    for (std::size_t pos = 0; pos < value.size();) {
        const std::size_t len = charLength(value, pos, page);
        if (len == 1 && value[pos] == '|') out[start + pos] = with;
        pos += len;
    }
}

}  // namespace

void OptionConverter::convert(OptionsTable& table, std::string& korOptions) const {
    const CodePage page = table.page();
    std::string result;
    std::string others;
    OptionPairs pairs;
    for (const OptionEntry* entry : table.entries()) {
        const auto found = registry_.find(std::string_view(entry->name));
        if (found != registry_.end()) {
            pairs.clear();
            const Registered& registered = found->second;
            const OptionHandler handler(found->first, registered.itemName, entry->value, page);
            if (!registered.function || !registered.function(handler, pairs)) {
                table.settle(*entry, OptionOutcome::Rejected);
                continue;
            }
            for (std::size_t i = 0; i < pairs.size(); ++i) {
                appendItem(result, pairs.name(i), pairs.value(i));
                result.push_back(' ');
            }
            table.settle(*entry, OptionOutcome::Converted);
            continue;
        }
        const bool other = entry->name == "-other";
        if (!other) others.append(entry->name);
        if (!entry->value.empty()) {
            if (!other) others.push_back('=');
            appendBarsAs(others, entry->value, other ? ' ' : ',', page);
        }
        others.push_back(' ');
        table.settle(*entry, OptionOutcome::Other);
    }

    if (others.empty()) {
        // Every item ends in "] ": trimming leaves the text up to the last ']'.
        if (!result.empty()) {
            result.pop_back();
            korOptions = std::move(result);
        }
    } else {
        if (!result.empty()) korOptions = std::move(result);
        korOptions.append("[S|OTHER|");
        // Appended, not "\"" + temporary: GCC 12 at -O3 warns falsely (-Wrestrict) on that.
        std::string quoted = "\"";
        quoted.append(OptionText::trimRight(others, page)).push_back('"');
        korOptions.append(escapeValue(quoted, page));
        korOptions.push_back(']');
    }
    fileToLeaf(korOptions, page);
}

// --- standard handlers ---

bool OptionConverter::verbatim(const OptionHandler& h, OptionPairs& pairs) {
    pairs.add(h.itemName(), h.value());
    return true;
}

bool OptionConverter::escapedList(const OptionHandler& h, OptionPairs& pairs) {
    appendEscapedList(pairs.openValue(h.itemName()), h.value(), h.page());
    return true;
}

bool OptionConverter::quotedList(const OptionHandler& h, OptionPairs& pairs) {
    std::string& out = pairs.openValue(h.itemName());
    const std::vector<std::string> elements = splitList(h.value(), h.page());
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (i != 0) out.push_back('|');
        out.push_back('"');
        out.append(elements[i]);
        out.push_back('"');
    }
    return true;
}

bool OptionConverter::upperCase(const OptionHandler& h, OptionPairs& pairs) {
    pairs.add(h.itemName(), toUpperText(h.value(), h.page()));
    return true;
}

bool OptionConverter::flag(const OptionHandler& h, OptionPairs& pairs) {
    pairs.add(h.itemName(), isNegative(h.zatName()) ? "0" : "1");
    return true;
}

bool OptionConverter::ignore(const OptionHandler&, OptionPairs&) {
    return true;
}

HandlerFunction OptionConverter::fixedPairs(std::vector<std::pair<std::string, std::string>> fixed) {
    return [fixed = std::move(fixed)](const OptionHandler&, OptionPairs& pairs) {
        for (const auto& [name, value] : fixed) pairs.add(name, value);
        return true;
    };
}

HandlerFunction OptionConverter::keywords(std::vector<std::pair<std::string, std::string>> keywords) {
    return [keywords = std::move(keywords)](const OptionHandler& h, OptionPairs& pairs) {
        for (const auto& [key, keyword] : keywords) {
            if (h.value() == key) {
                pairs.add(h.itemName(), keyword);
                return true;
            }
        }
        return false;
    };
}

// --- values ---

namespace {

// True when the text has fewer than two '"' bytes: then it has fewer than two '"' characters in
// any code page, and nothing in it is escaped.
bool hasNoQuotedPart(std::string_view text) {
    const std::size_t first = text.find('"');
    return first == std::string_view::npos || first == text.rfind('"');
}

}  // namespace

namespace {

// A plain loop: the set has one or two characters, fewer than a library search call costs.
bool isOneOf(char c, std::string_view characters) {
    for (char candidate : characters)
        if (c == candidate) return true;
    return false;
}

// Appends text with every single-byte character of characters doubled between the first and the
// last double quote of text (both kept once). Doubling never moves the first or the last quote,
// so one pass over all the characters gives what one pass per character would.
void appendEscapedValue(std::string& out, std::string_view text, std::string_view characters, CodePage page) {
    const bool bytes = page == CodePage::SingleByte;
    const std::size_t first = bytes ? text.find('"') : findChar(text, '"', 0, page);
    const std::size_t last = bytes ? text.rfind('"') : findLastChar(text, '"', page);
    if (first == std::string_view::npos || first == last) {
        out.append(text);
        return;
    }
    std::size_t done = 0;  // text before done is in out
    auto doubleAt = [&](std::size_t pos) {
        out.append(text.substr(done, pos + 1 - done));
        out.push_back(text[pos]);
        done = pos + 1;
    };
    if (bytes && !characters.empty() && characters.size() <= 2) {
        // Every byte is a character: a search finds them all.
        const std::string_view inside = text.substr(0, last);
        for (std::size_t pos = findFirstOfBytes(inside, first + 1, characters.front(), characters.back());
             pos < last; pos = findFirstOfBytes(inside, pos + 1, characters.front(), characters.back()))
            doubleAt(pos);
    } else {
        for (std::size_t pos = first + 1; pos < last;) {
            const std::size_t len = bytes ? 1 : charLength(text, pos, page);
            if (len == 1 && isOneOf(text[pos], characters)) doubleAt(pos);
            pos += len;
        }
    }
    out.append(text.substr(done));
}

}  // namespace

std::string OptionConverter::escapeValue(std::string_view text, CodePage page, std::string_view characters) {
    std::string result;
    if (hasNoQuotedPart(text)) return result.assign(text);
    result.reserve(text.size() + 8);
    appendEscapedValue(result, text, characters, page);
    return result;
}

void OptionConverter::appendEscapedList(std::string& out, std::string_view value, CodePage page) {
    // Splitting at '|' and joining again gives the value back, and no element can change.
    if (hasNoQuotedPart(value)) {
        out.append(value);
        return;
    }
    out.reserve(out.size() + value.size() + 8);
    std::size_t begin = 0;  // start of the current element
    auto element = [&](std::size_t end) {
        appendEscapedValue(out, value.substr(begin, end - begin), "\"]", page);
        begin = end + 1;
    };
    if (page == CodePage::SingleByte) {
        for (std::size_t bar = value.find('|'); bar != std::string_view::npos; bar = value.find('|', begin)) {
            element(bar);
            out.push_back('|');
        }
    } else {
        for (std::size_t pos = 0; pos < value.size();) {
            const std::size_t len = charLength(value, pos, page);
            if (len == 1 && value[pos] == '|') {
                element(pos);
                out.push_back('|');
            }
            pos += len;
        }
    }
    element(value.size());
}

std::string OptionConverter::escapeList(std::string_view value, CodePage page) {
    std::string result;
    appendEscapedList(result, value, page);
    return result;
}

std::vector<std::string> OptionConverter::splitList(std::string_view value, CodePage page) {
    return OptionText::split(value, '|', page);
}

std::string OptionConverter::joinList(const std::vector<std::string>& elements) {
    return OptionText::join(elements, "|");
}

std::string OptionConverter::replaceAll(std::string_view text, std::string_view from, std::string_view to,
                                        CodePage page) {
    return OptionText::replaceAll(text, from, to, page);
}

std::string OptionConverter::trimRight(std::string_view text, CodePage page) {
    return OptionText::trimRight(text, page);
}

bool OptionConverter::isNegative(std::string_view zatName) {
    return zatName.substr(0, 3) == "-no";
}

void OptionConverter::appendItem(std::string& out, std::string_view name, std::string_view value) {
    out.push_back('[');
    out.append(name);
    if (!value.empty()) {
        out.push_back('|');
        out.append(value);
    }
    out.push_back(']');
}

std::string OptionConverter::formatItem(std::string_view name, std::string_view value) {
    std::string item;
    item.reserve(name.size() + value.size() + 3);
    appendItem(item, name, value);
    return item;
}

void OptionConverter::fileToLeaf(std::string& text, CodePage page) {
    // A byte search first: most texts have no "$(FILE)" at all and stay untouched.
    if (text.find("$(FILE)") != std::string::npos)
        text = OptionText::replaceAll(text, "$(FILE)", "$(FILELEAF)", page);
}

// --- path values ---

std::string OptionConverter::pathDirectoryPart(std::string_view value, CodePage page) {
    const std::size_t slash = findLastChar(value, '\\', page);
    if (slash == std::string::npos) return !value.empty() && value.front() == '"' ? "\"" : "";
    return std::string(value.substr(0, slash + 1));
}

namespace {

// The position of the '.' that starts the extension of the file name, or npos.
std::size_t extensionDot(std::string_view value, CodePage page) {
    const std::size_t slash = findLastChar(value, '\\', page);
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = findLastChar(value, '.', page);
    if (dot == std::string::npos || dot < nameStart) return std::string::npos;
    return dot;
}

}  // namespace

std::string OptionConverter::pathExtensionPart(std::string_view value, CodePage page) {
    const std::size_t dot = extensionDot(value, page);
    return dot == std::string::npos ? std::string() : std::string(value.substr(dot));
}

bool OptionConverter::isRebuildablePath(std::string_view value, CodePage page) {
    return findLastChar(value, '\\', page) != std::string::npos &&
           extensionDot(value, page) != std::string::npos;
}

std::string OptionConverter::finishPath(std::string_view sourceValue, std::string text, CodePage page) {
    // A value that cannot be rebuilt as written keeps its quotes balanced; one that can is
    // rebuilt exactly, balanced or not.
    if (!isRebuildablePath(sourceValue, page) && OptionText::countQuotes(text, page) % 2 != 0)
        text.push_back('"');
    return escapeList(text, page);
}

std::string OptionConverter::rebuildSameDirectory(std::string_view value, CodePage page) {
    return finishPath(value, pathDirectoryPart(value, page) + "$(FILE)" + pathExtensionPart(value, page),
                      page);
}

std::string OptionConverter::rebuildConfigDirectory(std::string_view value, CodePage page) {
    return finishPath(value, "\"$(CONFIGDIR)\\$(FILE)" + pathExtensionPart(value, page), page);
}

std::string OptionConverter::rebuildProjectInConfigDirectory(std::string_view value, CodePage page) {
    return finishPath(value, "\"$(CONFIGDIR)\\$(PROJECTNAME)" + pathExtensionPart(value, page), page);
}

std::string OptionConverter::rebuildProjectInSameDirectory(std::string_view value, CodePage page) {
    return finishPath(
        value, pathDirectoryPart(value, page) + "$(PROJECTNAME)" + pathExtensionPart(value, page), page);
}

}  // namespace z2k

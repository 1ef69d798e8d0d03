#include "options/OptionConverter.h"

#include "options/OptionText.h"
#include "platform/CodePage.h"

namespace z2k {

void OptionConverter::registerOption(std::string_view zatName, std::string_view itemName,
                               HandlerFunction function) {
    std::string key(zatName);
    registry_[key] = std::make_unique<OptionHandler>(key, std::string(itemName), std::move(function));
}

void OptionConverter::registerOption(std::initializer_list<std::string_view> zatNames,
                                     std::string_view itemName, const HandlerFunction& function) {
    for (std::string_view name : zatNames) registerOption(name, itemName, function);
}

OptionHandler* OptionConverter::find(std::string_view zatName, std::string_view value) {
    auto found = registry_.find(std::string(zatName));
    if (found == registry_.end()) return nullptr;
    found->second->setValue(value);
    return found->second.get();
}

void OptionConverter::convert(OptionsTable& table, std::string& korOptions) {
    std::string result;
    std::string others;
    for (const OptionEntry* entry : table.entries()) {
        if (OptionHandler* handler = find(entry->name, entry->value)) {
            OptionPairs pairs;
            if (!handler->run(pairs)) {
                table.settle(*entry, OptionOutcome::Rejected);
                continue;
            }
            for (std::size_t i = 0; i < pairs.size(); ++i) {
                result.push_back('[');
                result.append(pairs.names[i]);
                if (i < pairs.values.size() && !pairs.values[i].empty()) {
                    result.push_back('|');
                    result.append(pairs.values[i]);
                }
                result.append("] ");
            }
            if (table.outcomes() != nullptr)
                table.settle(*entry, OptionOutcome::Converted, formatPairs(pairs));
            continue;
        }
        const bool other = entry->name == "-other";
        if (!other) others.append(entry->name);
        if (!entry->value.empty()) {
            if (other) {
                others.append(OptionText::replaceChar(entry->value, '|', ' '));
            } else {
                others.push_back('=');
                others.append(OptionText::replaceChar(entry->value, '|', ','));
            }
        }
        others.push_back(' ');
        table.settle(*entry, OptionOutcome::Other);
    }

    if (others.empty()) {
        if (!result.empty()) korOptions = OptionText::trimRight(result);
    } else {
        if (!result.empty()) korOptions = result;
        korOptions.append("[S|OTHER|");
        // Appended, not "\"" + temporary: GCC 12 at -O3 warns falsely (-Wrestrict) on that.
        std::string quoted = "\"";
        quoted.append(OptionText::trimRight(others)).push_back('"');
        korOptions.append(escapeValue(quoted));
        korOptions.push_back(']');
    }
    korOptions = replaceAll(korOptions, "$(FILE)", "$(FILELEAF)");
}

// --- standard handlers ---

bool OptionConverter::verbatim(const OptionHandler& h, OptionPairs& pairs) {
    pairs.add(h.itemName(), h.value());
    return true;
}

bool OptionConverter::escapedList(const OptionHandler& h, OptionPairs& pairs) {
    pairs.add(h.itemName(), escapeList(h.value()));
    return true;
}

bool OptionConverter::quotedList(const OptionHandler& h, OptionPairs& pairs) {
    std::vector<std::string> elements = splitList(h.value());
    for (std::string& element : elements) element = "\"" + element + "\"";
    pairs.add(h.itemName(), joinList(elements));
    return true;
}

bool OptionConverter::upperCase(const OptionHandler& h, OptionPairs& pairs) {
    pairs.add(h.itemName(), toUpperText(h.value()));
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

std::string OptionConverter::escapeValue(std::string_view text, std::string_view characters) {
    if (hasNoQuotedPart(text)) return std::string(text);
    std::string result(text);
    const CodePage page = activeCodePage();
    for (char c : characters) {
        const std::size_t first = findChar(result, '"', 0, page);
        const std::size_t last = findLastChar(result, '"', page);
        if (first == std::string::npos || last == std::string::npos || first == last) continue;
        std::string escaped;
        escaped.reserve(result.size() + 8);
        escaped.append(result, 0, first + 1);
        for (std::size_t pos = first + 1; pos < last;) {
            const std::size_t len = charLength(result, pos, page);
            escaped.append(result, pos, len);
            if (len == 1 && result[pos] == c) escaped.push_back(c);
            pos += len;
        }
        escaped.append(result, last, std::string::npos);
        result = std::move(escaped);
    }
    return result;
}

std::string OptionConverter::escapeList(std::string_view value) {
    // Splitting at '|' and joining again gives the value back, and no element can change.
    if (hasNoQuotedPart(value)) return std::string(value);
    std::vector<std::string> elements = splitList(value);
    for (std::string& element : elements) element = escapeValue(element);
    return joinList(elements);
}

std::vector<std::string> OptionConverter::splitList(std::string_view value) {
    return OptionText::split(value, '|');
}

std::string OptionConverter::joinList(const std::vector<std::string>& elements) {
    return OptionText::join(elements, "|");
}

std::string OptionConverter::replaceAll(std::string_view text, std::string_view from, std::string_view to) {
    return OptionText::replaceAll(text, from, to);
}

std::string OptionConverter::trimRight(std::string_view text) {
    return OptionText::trimRight(text);
}

bool OptionConverter::isNegative(std::string_view zatName) {
    return zatName.substr(0, 3) == "-no";
}

std::string OptionConverter::formatItem(std::string_view name, std::string_view value) {
    std::string item = "[";
    item.append(name);
    if (!value.empty()) {
        item.push_back('|');
        item.append(value);
    }
    item.push_back(']');
    return item;
}

std::string OptionConverter::formatPairs(const OptionPairs& pairs) {
    std::string items;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (i != 0) items.push_back(' ');
        items.append(formatItem(pairs.names[i], i < pairs.values.size() ? pairs.values[i] : std::string()));
    }
    return replaceAll(items, "$(FILE)", "$(FILELEAF)");
}

// --- path values ---

std::string OptionConverter::pathDirectoryPart(std::string_view value) {
    const std::size_t slash = findLastChar(value, '\\');
    if (slash == std::string::npos) return !value.empty() && value.front() == '"' ? "\"" : "";
    return std::string(value.substr(0, slash + 1));
}

namespace {

// The position of the '.' that starts the extension of the file name, or npos.
std::size_t extensionDot(std::string_view value) {
    const std::size_t slash = findLastChar(value, '\\');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = findLastChar(value, '.');
    if (dot == std::string::npos || dot < nameStart) return std::string::npos;
    return dot;
}

}  // namespace

std::string OptionConverter::pathExtensionPart(std::string_view value) {
    const std::size_t dot = extensionDot(value);
    return dot == std::string::npos ? std::string() : std::string(value.substr(dot));
}

bool OptionConverter::isRebuildablePath(std::string_view value) {
    return findLastChar(value, '\\') != std::string::npos && extensionDot(value) != std::string::npos;
}

std::string OptionConverter::finishPath(std::string_view sourceValue, std::string text) {
    // A value that cannot be rebuilt as written keeps its quotes balanced; one that can is
    // rebuilt exactly, balanced or not.
    if (!isRebuildablePath(sourceValue) && OptionText::countQuotes(text) % 2 != 0) text.push_back('"');
    return escapeList(text);
}

std::string OptionConverter::rebuildSameDirectory(std::string_view value) {
    return finishPath(value, pathDirectoryPart(value) + "$(FILE)" + pathExtensionPart(value));
}

std::string OptionConverter::rebuildConfigDirectory(std::string_view value) {
    return finishPath(value, "\"$(CONFIGDIR)\\$(FILE)" + pathExtensionPart(value));
}

std::string OptionConverter::rebuildProjectInConfigDirectory(std::string_view value) {
    return finishPath(value, "\"$(CONFIGDIR)\\$(PROJECTNAME)" + pathExtensionPart(value));
}

std::string OptionConverter::rebuildProjectInSameDirectory(std::string_view value) {
    return finishPath(value, pathDirectoryPart(value) + "$(PROJECTNAME)" + pathExtensionPart(value));
}

}  // namespace z2k

#include "options/OptionConverter.h"

#include "options/OptionText.h"
#include "platform/CodePage.h"

namespace z2k {

void OptionConverter::Register(std::string_view zatName, std::string_view itemName,
                               HandlerFunction function) {
    std::string key(zatName);
    registry_[key] = std::make_unique<OptionHandler>(key, std::string(itemName), std::move(function));
}

void OptionConverter::Register(std::initializer_list<std::string_view> zatNames, std::string_view itemName,
                               const HandlerFunction& function) {
    for (std::string_view name : zatNames) Register(name, itemName, function);
}

OptionHandler* OptionConverter::Find(std::string_view zatName, std::string_view value) {
    auto found = registry_.find(std::string(zatName));
    if (found == registry_.end()) return nullptr;
    found->second->SetValue(value);
    return found->second.get();
}

void OptionConverter::Convert(OptionsTable& table, std::string& korOptions) {
    std::string result;
    std::string others;
    for (const OptionEntry* entry : table.Entries()) {
        if (OptionHandler* handler = Find(entry->name, entry->value)) {
            OptionPairs pairs;
            if (!handler->Run(pairs)) {
                table.Settle(*entry, OptionOutcome::Rejected);
                continue;
            }
            for (std::size_t i = 0; i < pairs.Size(); ++i) {
                result.push_back('[');
                result.append(pairs.names[i]);
                if (i < pairs.values.size() && !pairs.values[i].empty()) {
                    result.push_back('|');
                    result.append(pairs.values[i]);
                }
                result.append("] ");
            }
            if (table.Outcomes() != nullptr) table.Settle(*entry, OptionOutcome::Converted, FormatPairs(pairs));
            continue;
        }
        const bool other = entry->name == "-other";
        if (!other) others.append(entry->name);
        if (!entry->value.empty()) {
            if (other) {
                others.append(OptionText::ReplaceChar(entry->value, '|', ' '));
            } else {
                others.push_back('=');
                others.append(OptionText::ReplaceChar(entry->value, '|', ','));
            }
        }
        others.push_back(' ');
        table.Settle(*entry, OptionOutcome::Other);
    }

    if (others.empty()) {
        if (!result.empty()) korOptions = OptionText::TrimRight(result);
    } else {
        if (!result.empty()) korOptions = result;
        korOptions.append("[S|OTHER|");
        // Appended, not "\"" + temporary: GCC 12 at -O3 warns falsely (-Wrestrict) on that.
        std::string quoted = "\"";
        quoted.append(OptionText::TrimRight(others)).push_back('"');
        korOptions.append(EscapeValue(quoted));
        korOptions.push_back(']');
    }
    korOptions = ReplaceAll(korOptions, "$(FILE)", "$(FILELEAF)");
}

// --- standard handlers ---

bool OptionConverter::Verbatim(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add(h.ItemName(), h.Value());
    return true;
}

bool OptionConverter::EscapedList(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add(h.ItemName(), EscapeList(h.Value()));
    return true;
}

bool OptionConverter::QuotedList(const OptionHandler& h, OptionPairs& pairs) {
    std::vector<std::string> elements = SplitList(h.Value());
    for (std::string& element : elements) element = "\"" + element + "\"";
    pairs.Add(h.ItemName(), JoinList(elements));
    return true;
}

bool OptionConverter::UpperCase(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add(h.ItemName(), toUpperText(h.Value()));
    return true;
}

bool OptionConverter::Flag(const OptionHandler& h, OptionPairs& pairs) {
    pairs.Add(h.ItemName(), IsNegative(h.ZatName()) ? "0" : "1");
    return true;
}

bool OptionConverter::Ignore(const OptionHandler&, OptionPairs&) {
    return true;
}

HandlerFunction OptionConverter::FixedPairs(std::vector<std::pair<std::string, std::string>> fixed) {
    return [fixed = std::move(fixed)](const OptionHandler&, OptionPairs& pairs) {
        for (const auto& [name, value] : fixed) pairs.Add(name, value);
        return true;
    };
}

HandlerFunction OptionConverter::Keywords(std::vector<std::pair<std::string, std::string>> keywords) {
    return [keywords = std::move(keywords)](const OptionHandler& h, OptionPairs& pairs) {
        for (const auto& [key, keyword] : keywords) {
            if (h.Value() == key) {
                pairs.Add(h.ItemName(), keyword);
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
bool HasNoQuotedPart(std::string_view text) {
    const std::size_t first = text.find('"');
    return first == std::string_view::npos || first == text.rfind('"');
}

}  // namespace

std::string OptionConverter::EscapeValue(std::string_view text, std::string_view characters) {
    if (HasNoQuotedPart(text)) return std::string(text);
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

std::string OptionConverter::EscapeList(std::string_view value) {
    // Splitting at '|' and joining again gives the value back, and no element can change.
    if (HasNoQuotedPart(value)) return std::string(value);
    std::vector<std::string> elements = SplitList(value);
    for (std::string& element : elements) element = EscapeValue(element);
    return JoinList(elements);
}

std::vector<std::string> OptionConverter::SplitList(std::string_view value) {
    return OptionText::Split(value, '|');
}

std::string OptionConverter::JoinList(const std::vector<std::string>& elements) {
    return OptionText::Join(elements, "|");
}

std::string OptionConverter::ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    return OptionText::ReplaceAll(text, from, to);
}

std::string OptionConverter::TrimRight(std::string_view text) {
    return OptionText::TrimRight(text);
}

bool OptionConverter::IsNegative(std::string_view zatName) {
    return zatName.substr(0, 3) == "-no";
}

std::string OptionConverter::FormatItem(std::string_view name, std::string_view value) {
    std::string item = "[";
    item.append(name);
    if (!value.empty()) {
        item.push_back('|');
        item.append(value);
    }
    item.push_back(']');
    return item;
}

std::string OptionConverter::FormatPairs(const OptionPairs& pairs) {
    std::string items;
    for (std::size_t i = 0; i < pairs.Size(); ++i) {
        if (i != 0) items.push_back(' ');
        items.append(FormatItem(pairs.names[i], i < pairs.values.size() ? pairs.values[i] : std::string()));
    }
    return ReplaceAll(items, "$(FILE)", "$(FILELEAF)");
}

// --- path values ---

std::string OptionConverter::PathDirectoryPart(std::string_view value) {
    const std::size_t slash = findLastChar(value, '\\');
    if (slash == std::string::npos) return !value.empty() && value.front() == '"' ? "\"" : "";
    return std::string(value.substr(0, slash + 1));
}

namespace {

// The position of the '.' that starts the extension of the file name, or npos.
std::size_t ExtensionDot(std::string_view value) {
    const std::size_t slash = findLastChar(value, '\\');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = findLastChar(value, '.');
    if (dot == std::string::npos || dot < nameStart) return std::string::npos;
    return dot;
}

}  // namespace

std::string OptionConverter::PathExtensionPart(std::string_view value) {
    const std::size_t dot = ExtensionDot(value);
    return dot == std::string::npos ? std::string() : std::string(value.substr(dot));
}

bool OptionConverter::IsRebuildablePath(std::string_view value) {
    return findLastChar(value, '\\') != std::string::npos && ExtensionDot(value) != std::string::npos;
}

std::string OptionConverter::FinishPath(std::string_view sourceValue, std::string text) {
    // A value that cannot be rebuilt as written keeps its quotes balanced; one that can is
    // rebuilt exactly, balanced or not.
    if (!IsRebuildablePath(sourceValue) && OptionText::CountQuotes(text) % 2 != 0) text.push_back('"');
    return EscapeList(text);
}

std::string OptionConverter::RebuildSameDirectory(std::string_view value) {
    return FinishPath(value, PathDirectoryPart(value) + "$(FILE)" + PathExtensionPart(value));
}

std::string OptionConverter::RebuildConfigDirectory(std::string_view value) {
    return FinishPath(value, "\"$(CONFIGDIR)\\$(FILE)" + PathExtensionPart(value));
}

std::string OptionConverter::RebuildProjectInConfigDirectory(std::string_view value) {
    return FinishPath(value, "\"$(CONFIGDIR)\\$(PROJECTNAME)" + PathExtensionPart(value));
}

std::string OptionConverter::RebuildProjectInSameDirectory(std::string_view value) {
    return FinishPath(value, PathDirectoryPart(value) + "$(PROJECTNAME)" + PathExtensionPart(value));
}

}  // namespace z2k

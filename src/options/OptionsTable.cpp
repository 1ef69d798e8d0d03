#include "options/OptionsTable.h"

#include <cstdint>

#include "options/OptionText.h"
#include "platform/CodePage.h"

namespace z2k {

std::size_t OptionsTable::bucketOf(std::string_view name) {
    std::uint32_t h = 0;
    for (char c : name) {
        // Each byte counts as a signed 8-bit value, as the table's hash has always done.
        const auto b = static_cast<std::int32_t>(static_cast<signed char>(c));
        h = h * 33u + static_cast<std::uint32_t>(b);
    }
    return h % kBucketCount;
}

void OptionsTable::add(std::string_view name, std::string_view value, std::size_t occurrence) {
    auto found = index_.find(name);
    if (found != index_.end()) {
        OptionEntry& entry = slots_[found->second].entry;
        entry.value.push_back('|');
        entry.value.append(value);
        if (occurrence != std::string::npos) entry.occurrences.push_back(occurrence);
        return;
    }
    Slot slot;
    slot.entry.name.assign(name);
    slot.entry.value.assign(value);
    if (occurrence != std::string::npos) slot.entry.occurrences.push_back(occurrence);
    const std::size_t at = slots_.size();
    slots_.push_back(std::move(slot));
    index_.emplace(name, at);
    buckets_[bucketOf(name)].push_back(at);
}

const OptionEntry* OptionsTable::find(std::string_view name) const {
    auto found = index_.find(name);
    return found == index_.end() ? nullptr : &slots_[found->second].entry;
}

bool OptionsTable::remove(std::string_view name) {
    auto found = index_.find(name);
    if (found == index_.end()) return false;
    slots_[found->second].present = false;
    index_.erase(found);
    return true;
}

std::vector<const OptionEntry*> OptionsTable::entries() const {
    std::vector<const OptionEntry*> entries;
    entries.reserve(index_.size());
    for (const std::vector<std::size_t>& bucket : buckets_) {
        for (auto it = bucket.rbegin(); it != bucket.rend(); ++it)
            if (slots_[*it].present) entries.push_back(&slots_[*it].entry);
    }
    return entries;
}

void OptionsTable::settle(const OptionEntry& entry, OptionOutcome outcome, std::string_view items) const {
    if (outcomes_ == nullptr) return;
    outcomes_->set(entry.occurrences, outcome, items);
}

void OptionsTable::read(std::string_view zatOptions, std::string_view replaceFrom, std::string_view replaceTo,
                        OptionOutcomes* outcomes) {
    if (outcomes != nullptr) outcomes_ = outcomes;
    std::string name;
    std::string value;
    for (std::string& option : splitOptions(zatOptions)) {
        parseOption(option, name, value);
        std::string cleaned = replaceIgnoreCase(value, replaceFrom, replaceTo);
        if (cleaned.find(',') != std::string::npos) cleaned = commasToBars(cleaned);
        std::size_t occurrence = std::string::npos;
        if (outcomes != nullptr) occurrence = outcomes->add(std::move(option), name, cleaned);
        add(name, cleaned, occurrence);
    }
}

std::vector<std::string> OptionsTable::splitOptions(std::string_view text) {
    std::vector<std::string> pieces;
    const CodePage page = activeCodePage();
    bool quoted = false;
    std::size_t begin = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t len = charLength(text, pos, page);
        if (len == 1) {
            const char c = text[pos];
            if (c == '"') {
                quoted = !quoted;
            } else if (!quoted && (c == '\t' || c == '\r' || c == '\n')) {
                if (pos > begin) pieces.emplace_back(text.substr(begin, pos - begin));
                begin = pos + 1;
            }
        }
        pos += len;
    }
    if (text.size() > begin) pieces.emplace_back(text.substr(begin));
    return pieces;
}

void OptionsTable::parseOption(std::string_view option, std::string& name, std::string& value) {
    // A run of '=' from a character start consists of whole characters.
    std::size_t start = option.find_first_not_of('=');
    if (start == std::string_view::npos) {
        name.clear();
        value.clear();
        return;
    }
    const std::size_t equals = findChar(option, '=', start);
    if (equals == std::string::npos) {
        name.assign(option.substr(start));
        value.clear();
        return;
    }
    name.assign(option.substr(start, equals - start));
    const std::size_t valueStart = option.find_first_not_of('=', equals);
    if (valueStart == std::string_view::npos)
        value.clear();
    else
        value.assign(option.substr(valueStart));
}

namespace {

// replaceIgnoreCase for a text whose every byte starts a character: a byte-wise search with
// ASCII letters folded, and no folded copies.
std::string replaceIgnoreCaseBytes(std::string_view text, std::string_view from, std::string_view to) {
    const char first = foldUpperAscii(from.front());
    auto matchAt = [&](std::size_t pos) {
        for (std::size_t i = 0; i < from.size(); ++i)
            if (foldUpperAscii(text[pos + i]) != foldUpperAscii(from[i])) return false;
        return true;
    };
    std::string result;
    std::size_t done = 0;
    for (std::size_t pos = 0; pos + from.size() <= text.size();) {
        if (foldUpperAscii(text[pos]) != first || !matchAt(pos)) {
            ++pos;
            continue;
        }
        if (done == 0) result.reserve(text.size() + to.size());
        result.append(text.substr(done, pos - done));
        result.append(to);
        pos += from.size();
        done = pos;
    }
    if (done == 0) return std::string(text);  // from is not empty: a match moves done on
    result.append(text.substr(done));
    return result;
}

}  // namespace

std::string OptionsTable::replaceIgnoreCase(std::string_view text, std::string_view from,
                                            std::string_view to) {
    if (from.empty() || text.size() < from.size()) return std::string(text);
    const CodePage page = activeCodePage();
    if (page == CodePage::SingleByte || isAsciiText(text)) return replaceIgnoreCaseBytes(text, from, to);
    // Upper-casing touches ASCII letters only and never a trail byte, so byte positions match.
    const std::string foldedText = toUpperText(text, page);
    const std::string foldedFrom = toUpperText(from, page);
    OptionText scan(foldedText);
    std::size_t pos = scan.find(foldedFrom);
    if (pos == std::string::npos) return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t done = 0;
    while (pos != std::string::npos) {
        result.append(text.substr(done, pos - done));
        result.append(to);
        done = pos + from.size();
        pos = scan.find(foldedFrom, done);
    }
    result.append(text.substr(done));
    return result;
}

std::string OptionsTable::commasToBars(std::string_view value) {
    std::string result(value);
    const CodePage page = activeCodePage();
    bool quoted = false;
    for (std::size_t pos = 0; pos < result.size();) {
        const std::size_t len = charLength(result, pos, page);
        if (len == 1) {
            if (result[pos] == '"')
                quoted = !quoted;
            else if (result[pos] == ',' && !quoted)
                result[pos] = '|';
        }
        pos += len;
    }
    return result;
}

}  // namespace z2k

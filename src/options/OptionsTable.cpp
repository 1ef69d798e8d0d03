#include "options/OptionsTable.h"

#include <cstdint>

#include "options/OptionText.h"
#include "platform/ByteSearch.h"
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

namespace {

constexpr std::uint32_t kFree = 0;
constexpr std::uint32_t kRemoved = UINT32_MAX;  // a place whose name was removed: probing goes on

// FNV-1a: option names are a few bytes long, where the library's general hash costs more than
// the probe it serves.
std::size_t hashOf(std::string_view name) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

// Calls piece(text) for every piece of text split at TAB, CR and LF outside double quotes; a
// double quote toggles a quoted section (quotes kept; an unterminated quote runs to the end).
// Empty pieces are skipped.
template <typename Fn>
void forEachPiece(std::string_view text, CodePage page, Fn&& piece) {
    bool quoted = false;
    std::size_t begin = 0;
    auto cut = [&](std::size_t end) {
        if (end > begin) piece(text.substr(begin, end - begin));
        begin = end + 1;
    };
    if (page == CodePage::SingleByte) {
        for (std::size_t pos = findFirstOfBytes(text, 0, '"', '\t', '\r', '\n'); pos < text.size();) {
            if (text[pos] == '"')
                quoted = !quoted;
            else
                cut(pos);
            pos = quoted ? findFirstOfBytes(text, pos + 1, '"') : findFirstOfBytes(text, pos + 1, '"', '\t', '\r', '\n');
        }
    } else {
        for (std::size_t pos = 0; pos < text.size();) {
            const std::size_t len = charLength(text, pos, page);
            if (len == 1) {
                const char c = text[pos];
                if (c == '"')
                    quoted = !quoted;
                else if (!quoted && (c == '\t' || c == '\r' || c == '\n'))
                    cut(pos);
            }
            pos += len;
        }
    }
    cut(text.size());
}

// Every ',' outside double quotes becomes '|'.
void commasToBars(std::string& text, CodePage page) {
    const std::string_view view = text;
    if (view.find(',') == std::string_view::npos) return;
    bool quoted = false;
    for (std::size_t pos = 0; pos < view.size();) {
        const std::size_t len = charLength(view, pos, page);
        if (len == 1) {
            if (view[pos] == '"')
                quoted = !quoted;
            else if (view[pos] == ',' && !quoted)
                text[pos] = '|';
        }
        pos += len;
    }
}

}  // namespace

std::size_t OptionsTable::probe(std::string_view name) const {
    const std::size_t mask = index_.size() - 1;
    for (std::size_t place = hashOf(name) & mask;; place = (place + 1) & mask) {
        const std::uint32_t at = index_[place];
        if (at == kFree) return place;
        if (at != kRemoved && slots_[at - 1].name == name) return place;
    }
}

std::uint32_t OptionsTable::lookUp(std::string_view name) const {
    if (index_.empty()) return kNone;
    const std::uint32_t at = index_[probe(name)];
    return at == kFree ? kNone : at - 1;
}

void OptionsTable::rehash(std::size_t places) {
    std::vector<std::uint32_t> old = std::move(index_);
    index_.assign(places, kFree);
    for (std::uint32_t at : old)
        if (at != kFree && at != kRemoved) index_[probe(slots_[at - 1].name)] = at;
}

void OptionsTable::grow() { rehash(index_.empty() ? 16 : index_.size() * 2); }

void OptionsTable::reserve(std::size_t names) {
    slots_.reserve(slots_.size() + names);
    occurrences_.reserve(occurrences_.size() + names);
    std::size_t places = index_.empty() ? 16 : index_.size();
    while (places < (slots_.size() + names) * 2) places *= 2;
    if (places > index_.size()) rehash(places);
}

void OptionsTable::add(std::string_view name, std::string_view value, std::size_t occurrence) {
    // Room for one more name is made first, so that one probe finds the name or its place.
    if ((slots_.size() + 1) * 2 > index_.size()) grow();
    const std::size_t place = probe(name);
    std::uint32_t at = index_[place];
    if (at == kFree) {
        at = static_cast<std::uint32_t>(slots_.size());
        Slot& slot = slots_.emplace_back();
        slot.name.assign(name);
        slot.value.assign(value);
        std::uint32_t& head = bucketHeads_[bucketOf(name)];
        slot.nextInBucket = head;
        head = at;
        index_[place] = at + 1;
        ++present_;
    } else {
        --at;
        std::string& old = slots_[at].value;
        old.push_back('|');
        old.append(value);
    }
    if (occurrence == std::string::npos) return;
    Slot& slot = slots_[at];
    const auto link = static_cast<std::uint32_t>(occurrences_.size());
    occurrences_.push_back({occurrence});
    if (slot.lastOccurrence == kNone)
        slot.firstOccurrence = link;
    else
        occurrences_[slot.lastOccurrence].next = link;
    slot.lastOccurrence = link;
}

const OptionEntry* OptionsTable::find(std::string_view name) const {
    const std::uint32_t at = lookUp(name);
    return at == kNone ? nullptr : &slots_[at];
}

bool OptionsTable::remove(std::string_view name) {
    if (index_.empty()) return false;
    const std::size_t place = probe(name);
    if (index_[place] == kFree) return false;
    slots_[index_[place] - 1].present = false;
    index_[place] = kRemoved;
    --present_;
    return true;
}

std::vector<const OptionEntry*> OptionsTable::entries() const {
    std::vector<const OptionEntry*> entries;
    entries.reserve(present_);
    for (std::uint32_t head : bucketHeads_) {
        for (std::uint32_t at = head; at != kNone; at = slots_[at].nextInBucket)
            if (slots_[at].present) entries.push_back(&slots_[at]);
    }
    return entries;
}

void OptionsTable::settle(const OptionEntry& entry, OptionOutcome outcome) const {
    if (outcomes_ == nullptr) return;
    // Every entry the table hands out is a slot.
    const Slot& slot = static_cast<const Slot&>(entry);
    for (std::uint32_t link = slot.firstOccurrence; link != kNone; link = occurrences_[link].next)
        outcomes_->set(occurrences_[link].record, outcome);
}

void OptionsTable::read(std::string_view zatOptions, std::string_view replaceFrom, std::string_view replaceTo,
                        OptionOutcomes* outcomes) {
    if (outcomes != nullptr) outcomes_ = outcomes;
    // At most one option per separator and one more: reserving for that many grows each store
    // once instead of doubling its way up option by option.
    std::size_t most = 1;
    for (std::size_t pos = findFirstOfBytes(zatOptions, 0, '\t', '\r', '\n'); pos < zatOptions.size();
         pos = findFirstOfBytes(zatOptions, pos + 1, '\t', '\r', '\n'))
        ++most;
    reserve(most);
    if (outcomes != nullptr) outcomes->reserve(most, zatOptions.size() * 2);
    std::string cleaned;
    forEachPiece(zatOptions, page_, [&](std::string_view option) {
        std::string_view name;
        std::string_view value;
        parseOption(option, name, value);
        cleaned.clear();
        appendReplacedIgnoreCase(cleaned, value, replaceFrom, replaceTo, page_);
        commasToBars(cleaned, page_);
        std::size_t occurrence = std::string::npos;
        if (outcomes != nullptr) occurrence = outcomes->add(option, name, cleaned);
        add(name, cleaned, occurrence);
    });
}

void OptionsTable::parseOption(std::string_view option, std::string_view& name, std::string_view& value) {
    // A run of '=' from a character start consists of whole characters.
    const std::size_t start = option.find_first_not_of('=');
    if (start == std::string_view::npos) {
        name = {};
        value = {};
        return;
    }
    // '=' is below every trail byte of the multi-byte code pages, so a byte search finds only whole
    // characters.
    const std::size_t equals = option.find('=', start);
    if (equals == std::string::npos) {
        name = option.substr(start);
        value = {};
        return;
    }
    name = option.substr(start, equals - start);
    const std::size_t valueStart = option.find_first_not_of('=', equals);
    value = valueStart == std::string_view::npos ? std::string_view() : option.substr(valueStart);
}

namespace {

// appendReplacedIgnoreCase for a text whose every byte starts a character: a byte-wise search
// with ASCII letters folded, and no folded copies.
void appendReplacedBytes(std::string& out, std::string_view text, std::string_view from,
                         std::string_view to) {
    const char upper = foldUpperAscii(from.front());
    const char lower = upper >= 'A' && upper <= 'Z' ? static_cast<char>(upper - 'A' + 'a') : upper;
    auto matchAt = [&](std::size_t pos) {
        for (std::size_t i = 1; i < from.size(); ++i)
            if (foldUpperAscii(text[pos + i]) != foldUpperAscii(from[i])) return false;
        return true;
    };
    // Only a place that starts with from's first letter, in either case, can match.
    const std::string_view starts = text.substr(0, text.size() - from.size() + 1);
    std::size_t done = 0;
    for (std::size_t pos = findFirstOfBytes(starts, 0, upper, lower); pos < starts.size();) {
        if (!matchAt(pos)) {
            pos = findFirstOfBytes(starts, pos + 1, upper, lower);
            continue;
        }
        out.append(text.substr(done, pos - done));
        out.append(to);
        pos += from.size();
        done = pos;
        pos = findFirstOfBytes(starts, pos, upper, lower);
    }
    out.append(text.substr(done));
}

}  // namespace

void OptionsTable::appendReplacedIgnoreCase(std::string& out, std::string_view text, std::string_view from,
                                            std::string_view to, CodePage page) {
    if (from.empty() || text.size() < from.size()) {
        out.append(text);
        return;
    }
    if (page == CodePage::SingleByte || isAsciiText(text)) return appendReplacedBytes(out, text, from, to);
    // Upper-casing touches ASCII letters only and never a trail byte, so byte positions match.
    const std::string foldedText = toUpperText(text, page);
    const std::string foldedFrom = toUpperText(from, page);
    OptionText scan(foldedText, page);
    std::size_t done = 0;
    for (std::size_t pos = scan.find(foldedFrom); pos != std::string::npos;
         pos = scan.find(foldedFrom, done)) {
        out.append(text.substr(done, pos - done));
        out.append(to);
        done = pos + from.size();
    }
    out.append(text.substr(done));
}

}  // namespace z2k

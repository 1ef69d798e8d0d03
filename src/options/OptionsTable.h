#pragma once
// The options table: option name (exact, case-sensitive) -> value, filled from one ZAT option
// string. A name met again gets its old value + "|" + the new value. The enumeration order is
// part of the KOR format: 17 buckets, bucket = h mod 17 with h = h * 33 + b (mod 2^32) over the
// name's bytes taken as signed 8-bit values; buckets 0 to 16 in turn, and inside a bucket the
// name inserted most recently first. Lookups are by hash map, so filling and reading stay linear.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "options/OptionOutcomes.h"
#include "platform/CodePage.h"

namespace z2k {

struct OptionEntry {
    std::string name;
    std::string value;
};

class OptionsTable {
  public:
    static constexpr std::size_t kBucketCount = 17;

    // A table of option texts in the code page `page`.
    explicit OptionsTable(CodePage page) : page_(page) {}
    CodePage page() const { return page_; }

    // The bucket of a name (h mod 17, see above).
    static std::size_t bucketOf(std::string_view name);

    // Fills the table from a ZAT option string: split at TAB, CR and LF outside double quotes
    // (empty pieces dropped), each piece parsed by parseOption, each value cleaned (replaceFrom
    // -> replaceTo ignoring letter case, then commas outside quotes -> "|"), then add. When
    // outcomes is given, one record per option is added to it (outcome Other until a converter
    // settles it) and the table remembers it for settle.
    void read(std::string_view zatOptions, std::string_view replaceFrom, std::string_view replaceTo,
              OptionOutcomes* outcomes = nullptr);

    // Adds one option: a new name gets the value, a known name old + "|" + value.
    // occurrence is the index of its OptionOutcomes record, or npos for none.
    void add(std::string_view name, std::string_view value, std::size_t occurrence = std::string::npos);

    // Makes room for `names` more names, so that adding them allocates only their texts.
    void reserve(std::size_t names);

    // The entry of a name, or nullptr.
    const OptionEntry* find(std::string_view name) const;
    bool contains(std::string_view name) const { return find(name) != nullptr; }
    // Removes a name; false when it was not present.
    bool remove(std::string_view name);

    // The present entries in enumeration order (valid until the table is changed).
    std::vector<const OptionEntry*> entries() const;
    std::size_t size() const { return present_; }
    bool empty() const { return present_ == 0; }

    // records the outcome of every occurrence of the entry's name (no-op without outcomes).
    void settle(const OptionEntry& entry, OptionOutcome outcome) const;
    OptionOutcomes* outcomes() const { return outcomes_; }

    // --- the reading steps, also usable on their own ---
    // Skips leading '='; name = text up to the next '='; value = text after the run of '='
    // that follows ("-x==y" -> "-x","y"; "=-x=1" -> "-x","1"; "===" -> "","").
    static void parseOption(std::string_view option, std::string_view& name, std::string_view& value);
    // Appends text with every occurrence of from (ASCII letters compared without case) replaced
    // by to; whole characters only. Unchanged when from is empty.
    static void appendReplacedIgnoreCase(std::string& out, std::string_view text, std::string_view from,
                                         std::string_view to, CodePage page);

  private:
    CodePage page_;
    static constexpr std::uint32_t kNone = UINT32_MAX;
    struct Slot : OptionEntry {
        std::uint32_t nextInBucket = kNone;     // the slot added before it to the same bucket
        std::uint32_t firstOccurrence = kNone;  // into occurrences_
        std::uint32_t lastOccurrence = kNone;
        bool present = true;
    };
    struct Occurrence {
        std::size_t record;  // index of the OptionOutcomes record
        std::uint32_t next = kNone;
    };
    // The slot index of the present entry named name, or kNone.
    std::uint32_t lookUp(std::string_view name) const;
    // The place in index_ where name is or would go.
    std::size_t probe(std::string_view name) const;
    void grow();
    // Rebuilds the index with `places` places (a power of two).
    void rehash(std::size_t places);

    std::vector<Slot> slots_;  // insertion order
    // Open addressing: slot index + 1 per place, 0 for a free place; size a power of two at least
    // twice the number of slots, so filling and looking up stay linear in the input.
    std::vector<std::uint32_t> index_;
    std::array<std::uint32_t, kBucketCount> bucketHeads_ = makeHeads();
    std::vector<Occurrence> occurrences_;
    std::size_t present_ = 0;
    OptionOutcomes* outcomes_ = nullptr;

    static constexpr std::array<std::uint32_t, kBucketCount> makeHeads() {
        std::array<std::uint32_t, kBucketCount> heads{};
        heads.fill(kNone);
        return heads;
    }
};

}  // namespace z2k

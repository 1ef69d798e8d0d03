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
#include <unordered_map>
#include <vector>

#include "options/OptionOutcomes.h"

namespace z2k {

struct OptionEntry {
    std::string name;
    std::string value;
    // Indexes of the OptionOutcomes records of every occurrence of the name (input order).
    std::vector<std::size_t> occurrences;
};

class OptionsTable {
  public:
    static constexpr std::size_t kBucketCount = 17;

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

    // The entry of a name, or nullptr.
    const OptionEntry* find(std::string_view name) const;
    bool contains(std::string_view name) const { return find(name) != nullptr; }
    // Removes a name; false when it was not present.
    bool remove(std::string_view name);

    // The present entries in enumeration order (valid until the table is changed).
    std::vector<const OptionEntry*> entries() const;
    std::size_t size() const { return index_.size(); }
    bool empty() const { return index_.empty(); }

    // records the outcome of every occurrence of the entry's name (no-op without outcomes).
    void settle(const OptionEntry& entry, OptionOutcome outcome, std::string_view items = {}) const;
    OptionOutcomes* outcomes() const { return outcomes_; }

    // --- the reading steps, also usable on their own ---
    // Splits at TAB, CR, LF; a double quote toggles a quoted section where they do not split
    // (quotes kept; an unterminated quote runs to the end). empty pieces are dropped.
    static std::vector<std::string> splitOptions(std::string_view text);
    // Skips leading '='; name = text up to the next '='; value = text after the run of '='
    // that follows ("-x==y" -> "-x","y"; "=-x=1" -> "-x","1"; "===" -> "","").
    static void parseOption(std::string_view option, std::string& name, std::string& value);
    // Every occurrence of from (ASCII letters compared without case) replaced by to; whole
    // characters only. Unchanged when from is empty.
    static std::string replaceIgnoreCase(std::string_view text, std::string_view from, std::string_view to);
    // Every ',' outside double quotes becomes '|'.
    static std::string commasToBars(std::string_view value);

  private:
    struct Slot {
        OptionEntry entry;
        bool present = true;
    };
    // Looks names up by string_view without making a string of them.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
    };
    std::vector<Slot> slots_;  // insertion order
    std::unordered_map<std::string, std::size_t, NameHash, std::equal_to<>> index_;
    std::array<std::vector<std::size_t>, kBucketCount> buckets_;
    OptionOutcomes* outcomes_ = nullptr;
};

}  // namespace z2k

#pragma once
// What became of every option of one ZAT option string during a conversion. Converters record
// the outcome while they convert (through OptionsTable::settle), so a report can be built from
// it without reading the KOR string back.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace z2k {

enum class OptionOutcome {
    Converted,  // a registered handler (or a table row) took the option, possibly producing nothing
    Other,      // carried into the [S|OTHER|...] item
    Rejected,   // a handler refused the value: the option was dropped
};

// One record, as views into the texts of its OptionOutcomes (valid until that is changed).
struct OptionRecord {
    std::string_view text;   // the option as it stood in the (rewritten) ZAT string, before clean-up
    std::string_view name;   // its name
    std::string_view value;  // its value after the replacement and comma clean-up
    OptionOutcome outcome = OptionOutcome::Other;
};

class OptionOutcomes {
  public:
    // Adds a record for one option met in the string (input order); returns its index.
    std::size_t add(std::string_view text, std::string_view name, std::string_view value);
    // Makes room for `records` more records holding `bytes` more bytes of text.
    void reserve(std::size_t records, std::size_t bytes) {
        entries_.reserve(entries_.size() + records);
        texts_.reserve(texts_.size() + bytes);
    }
    // Sets the outcome of the record at the index; an index out of range is ignored.
    void set(std::size_t index, OptionOutcome outcome);

    // The records in input order.
    std::vector<OptionRecord> records() const;
    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    // Number of records with the given outcome.
    std::size_t count(OptionOutcome outcome) const;
    void clear() {
        entries_.clear();
        texts_.clear();
    }

  private:
    // The three texts of every record stand one after another in texts_, so that recording an
    // option allocates nothing once texts_ has grown.
    struct Entry {
        std::size_t begin = 0;
        std::size_t textSize = 0;
        std::size_t nameSize = 0;
        std::size_t valueSize = 0;
        OptionOutcome outcome = OptionOutcome::Other;
    };
    std::vector<Entry> entries_;
    std::string texts_;
};

// "Converted", "Other", "Rejected".
const char* optionOutcomeName(OptionOutcome outcome);

}  // namespace z2k

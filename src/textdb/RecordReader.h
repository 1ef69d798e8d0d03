#pragma once
// Reads the field values of records from the loaded text of a database, from a table's first
// record on. Every "~" followed by a line feed is removed before anything else sees the
// characters (the line continuation); integer tokens run over line feeds and "~" and stop only at
// a blank or "[".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace z2k {

class RecordReader {
  public:
    enum class Result {
        Value,       // a value was read
        EndOfTable,  // a "[" stood where the value should start: the table ends here
        Error,       // the text ended inside the record
    };

    RecordReader(std::string_view text, std::size_t position);

    Result readInteger(std::int32_t& value);
    Result readText(std::string& value);
    // Skips the rest of the record's line, its line feed included.
    Result skipLine();

  private:
    // The next character, or -1 at the end of the text.
    int next();

    std::string_view text_;
    std::size_t pos_;
    std::string raw_;
};

}  // namespace z2k

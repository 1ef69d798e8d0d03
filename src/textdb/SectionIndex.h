#pragma once
// The section lines of a loaded database text, indexed once per load so that each table is found
// without reading the text from its beginning again. The index ends at the end marker line: a
// section after it is never found. Of two sections with one name only the first is found.
//
// Lines are read in pieces of at most 94 characters (the format's line buffer held 95 bytes): a
// longer physical line is seen as several pieces, and a piece is a section line only when it is
// exactly "[", the name, "]" and the line feed.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace z2k {

class SectionIndex {
  public:
    static constexpr std::size_t kVersion1Piece = 94;

    // The end of the line (or piece) that starts at pos: just after its line feed, or
    // the end of the text.
    static std::size_t lineEnd(std::string_view text, std::size_t pos);

    // Indexes the lines from pos (the line after the version line) on.
    void build(std::string_view text, std::size_t pos);

    // Where the records of the first section of the name begin, or npos when there is none.
    std::size_t find(const std::string& name) const;
    bool contains(const std::string& name) const { return first_.count(name) != 0; }
    // Whether an end marker line was met.
    bool hasEndMarker() const { return hasEnd_; }

  private:
    std::unordered_map<std::string, std::size_t> first_;
    bool hasEnd_ = false;
};

}  // namespace z2k

#pragma once
// The section lines of a loaded database text, indexed once per load so that each table is found
// without reading the text from its beginning again. The index ends at the end marker line: a
// section after it is never found. Of two sections with one name only the first is found.
//
// Version 1 reads lines in pieces of at most 94 characters (its line buffer held 95 bytes): a
// longer physical line is seen as several pieces, and a piece is a section line only when it is
// exactly "[", the name, "]" and the line feed. Version 2 reads whole lines of any length.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace z2k {

class SectionIndex {
  public:
    static constexpr std::size_t kVersion1Piece = 94;

    // A part of the text that begins with a line whose first character is "[" and runs to the
    // next such line (or the end marker).
    struct Segment {
        std::size_t begin = 0;      // the section line
        std::size_t bodyBegin = 0;  // the line after it
        std::size_t end = 0;        // the next segment, or the end marker
        bool named = false;         // the line is "[NAME]" exactly
        std::string name;
    };

    // The end of the line (or version-1 piece) that starts at pos: just after its line feed, or
    // the end of the text.
    static std::size_t lineEnd(std::string_view text, std::size_t pos, bool version1);

    // Indexes the lines from pos (the line after the version line) on.
    void build(std::string_view text, std::size_t pos, bool version1);

    // Where the records of the first section of the name begin, or npos when there is none.
    std::size_t find(const std::string& name) const;
    bool contains(const std::string& name) const { return first_.count(name) != 0; }
    // Whether an end marker line was met, and where it begins (the text size when not).
    bool hasEndMarker() const { return hasEnd_; }
    std::size_t endMarker() const { return endPos_; }
    // Version 2: every segment before the end marker, in text order.
    const std::vector<Segment>& segments() const { return segments_; }

  private:
    std::unordered_map<std::string, std::size_t> first_;
    std::vector<Segment> segments_;
    bool hasEnd_ = false;
    std::size_t endPos_ = 0;
};

}  // namespace z2k

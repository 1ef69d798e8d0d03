#include "textdb/SectionIndex.h"

namespace z2k {

std::size_t SectionIndex::lineEnd(std::string_view text, std::size_t pos) {
    std::size_t limit = text.size();
    if (text.size() - pos > kVersion1Piece) limit = pos + kVersion1Piece;
    // The search stays inside the piece, so a long line costs its length once, not per piece.
    std::size_t feed = text.substr(0, limit).find('\n', pos);
    return feed == std::string_view::npos ? limit : feed + 1;
}

void SectionIndex::build(std::string_view text, std::size_t pos) {
    first_.clear();
    hasEnd_ = false;
    while (pos < text.size()) {
        std::size_t end = lineEnd(text, pos);
        std::string_view line = text.substr(pos, end - pos);
        if (line == "[END]\n") {
            hasEnd_ = true;
            break;
        }
        bool named = line.size() >= 3 && line.front() == '[' && line.substr(line.size() - 2) == "]\n";
        if (named) first_.emplace(std::string(line.substr(1, line.size() - 3)), end);
        pos = end;
    }
}

std::size_t SectionIndex::find(const std::string& name) const {
    auto it = first_.find(name);
    return it == first_.end() ? std::string::npos : it->second;
}

}  // namespace z2k

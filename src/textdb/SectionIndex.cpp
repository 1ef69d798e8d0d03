#include "textdb/SectionIndex.h"

namespace z2k {

std::size_t SectionIndex::lineEnd(std::string_view text, std::size_t pos, bool version1) {
    std::size_t limit = text.size();
    if (version1 && text.size() - pos > kVersion1Piece) limit = pos + kVersion1Piece;
    // The search stays inside the piece, so a long line costs its length once, not per piece.
    std::size_t feed = text.substr(0, limit).find('\n', pos);
    return feed == std::string_view::npos ? limit : feed + 1;
}

void SectionIndex::build(std::string_view text, std::size_t pos, bool version1) {
    first_.clear();
    segments_.clear();
    hasEnd_ = false;
    endPos_ = text.size();
    while (pos < text.size()) {
        std::size_t end = lineEnd(text, pos, version1);
        std::string_view line = text.substr(pos, end - pos);
        if (line == "[END]\n") {
            hasEnd_ = true;
            endPos_ = pos;
            break;
        }
        bool named = line.size() >= 3 && line.front() == '[' && line.substr(line.size() - 2) == "]\n";
        std::string name = named ? std::string(line.substr(1, line.size() - 3)) : std::string();
        if (named) first_.emplace(name, end);
        // Segments serve the copying of tables on saving, which only version 2 does; its lines
        // are whole lines.
        if (!version1 && !line.empty() && line.front() == '[') {
            if (!segments_.empty()) segments_.back().end = pos;
            Segment segment;
            segment.begin = pos;
            segment.bodyBegin = end;
            segment.end = text.size();
            segment.named = named;
            segment.name = std::move(name);
            segments_.push_back(std::move(segment));
        }
        pos = end;
    }
    if (!segments_.empty()) segments_.back().end = endPos_;
}

std::size_t SectionIndex::find(const std::string& name) const {
    auto it = first_.find(name);
    return it == first_.end() ? std::string::npos : it->second;
}

}  // namespace z2k

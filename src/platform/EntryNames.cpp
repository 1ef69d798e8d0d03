#include "platform/EntryNames.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/CodePage.h"
#include "platform/FileSystem.h"

namespace z2k {

bool wildcardMatch(std::string_view pattern, std::string_view name, CodePage page) {
    if (pattern == "*" || pattern == "*.*") return true;
    std::size_t p = 0, n = 0;
    std::size_t starP = std::string_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size()) {
            const std::size_t pl = charLength(pattern, p, page);
            const std::size_t nl = charLength(name, n, page);
            if (pl == 1 && pattern[p] == '*') {
                starP = p++;
                starN = n;
                continue;
            }
            bool same = false;
            if (pl == 1 && pattern[p] == '?') {
                same = true;
            } else if (pl == nl) {
                same = (pl == 1) ? foldLowerAscii(pattern[p]) == foldLowerAscii(name[n])
                                 : pattern.substr(p, pl) == name.substr(n, nl);
            }
            if (same) {
                p += pl;
                n += nl;
                continue;
            }
        }
        if (starP == std::string_view::npos) return false;
        p = starP + 1;
        starN += charLength(name, starN, page);
        n = starN;
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

namespace {

std::vector<DirectoryEntry> sortedByFoldedName(std::vector<DirectoryEntry> entries, CodePage page) {
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) keys.emplace_back(toLowerText(entries[i].name, page), i);
    std::sort(keys.begin(), keys.end(), [&](const auto& a, const auto& b) {
        const int folded =
            std::memcmp(a.first.data(), b.first.data(), std::min(a.first.size(), b.first.size()));
        if (folded != 0) return folded < 0;
        if (a.first.size() != b.first.size()) return a.first.size() < b.first.size();
        return entries[a.second].name < entries[b.second].name;
    });
    std::vector<DirectoryEntry> sorted;
    sorted.reserve(keys.size());
    for (const auto& key : keys) sorted.push_back(std::move(entries[key.second]));
    return sorted;
}

}  // namespace

void finishListing(DirectoryListing& listing, CodePage page) {
    std::sort(listing.unnamed.begin(), listing.unnamed.end(),
              [](const DirectoryEntry& a, const DirectoryEntry& b) { return a.name < b.name; });
    if (listing.entries.empty()) {
        listing.error = ENOENT;
        return;
    }
    listing.entries = sortedByFoldedName(std::move(listing.entries), page);
    listing.ok = true;
}

}  // namespace z2k

#pragma once
// A map keyed by exact text (byte for byte, case-sensitive) that iterates in the order in which
// its keys were first inserted. Storing under a key that is already present replaces the value
// and keeps the key's place. Lookups and inserts take constant expected time.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace z2k {

template <typename Value>
class OrderedMap {
  public:
    using Entry = std::pair<std::string, Value>;
    using const_iterator = typename std::vector<Entry>::const_iterator;

    // Stores value under key: a new key goes to the end, an existing key keeps its place.
    Value& set(std::string_view key, Value value) {
        auto found = index_.find(std::string(key));
        if (found != index_.end()) {
            entries_[found->second].second = std::move(value);
            return entries_[found->second].second;
        }
        index_.emplace(std::string(key), entries_.size());
        entries_.emplace_back(std::string(key), std::move(value));
        return entries_.back().second;
    }

    // The value under key, created empty at the end when the key is absent.
    Value& getOrAdd(std::string_view key) {
        auto found = index_.find(std::string(key));
        if (found != index_.end()) return entries_[found->second].second;
        index_.emplace(std::string(key), entries_.size());
        entries_.emplace_back(std::string(key), Value{});
        return entries_.back().second;
    }

    // The value under key, or nullptr when the key is absent.
    const Value* find(std::string_view key) const {
        auto found = index_.find(std::string(key));
        return found == index_.end() ? nullptr : &entries_[found->second].second;
    }
    Value* find(std::string_view key) {
        auto found = index_.find(std::string(key));
        return found == index_.end() ? nullptr : &entries_[found->second].second;
    }
    bool contains(std::string_view key) const { return find(key) != nullptr; }

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    void clear() {
        entries_.clear();
        index_.clear();
    }

    // Entries as (key, value) pairs in first-insertion order.
    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }

    bool operator==(const OrderedMap& other) const { return entries_ == other.entries_; }

  private:
    std::vector<Entry> entries_;
    std::unordered_map<std::string, std::size_t> index_;
};

}  // namespace z2k

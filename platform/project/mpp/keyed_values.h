#pragma once

// Values found by a key in a vector sorted once: the lookup the reader's tables (Props
// items, field maps, keyed blocks, var blocks) share. Sorting the pairs once costs less
// time and memory than building a hash table of them, and a lookup stays a binary search.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace taskvane::project::mpp {

template <class Value, class Key = std::uint32_t>
class KeyedValues {
 public:
  void reserve(std::size_t count) { values_.reserve(count); }
  void Add(Key key, const Value& value) { values_.emplace_back(key, value); }

  // Sorts what was added by key; of the values added under one key the first counts.
  void Seal() {
    auto by_key = [](const Entry& a, const Entry& b) { return a.first < b.first; };
    if (!std::is_sorted(values_.begin(), values_.end(), by_key)) {
      std::stable_sort(values_.begin(), values_.end(), by_key);
    }
    values_.erase(std::unique(values_.begin(), values_.end(),
                              [](const Entry& a, const Entry& b) { return a.first == b.first; }),
                  values_.end());
  }

  // The value of `key` (after Seal).
  std::optional<Value> Find(Key key) const {
    auto found = LowerBound(key);
    if (found == values_.end() || found->first != key) return std::nullopt;
    return found->second;
  }

  // Whether a key in [first, last] has a value (after Seal).
  bool HasAnyIn(Key first, Key last) const {
    auto found = LowerBound(first);
    return found != values_.end() && found->first <= last;
  }

  // Calls visit(key, value) for each key in order (after Seal).
  template <class Visit>
  void ForEach(Visit&& visit) const {
    for (const Entry& entry : values_) visit(entry.first, entry.second);
  }

  std::size_t size() const { return values_.size(); }
  bool empty() const { return values_.empty(); }

 private:
  using Entry = std::pair<Key, Value>;
  typename std::vector<Entry>::const_iterator LowerBound(Key key) const {
    return std::lower_bound(values_.begin(), values_.end(), key,
                            [](const Entry& entry, Key k) { return entry.first < k; });
  }
  std::vector<Entry> values_;
};

}  // namespace taskvane::project::mpp

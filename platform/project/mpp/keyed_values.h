#pragma once

// Values found by a 32-bit key in a vector sorted once: the lookup the reader's tables
// (Props items, field maps, keyed blocks) share. Sorting a few thousand pairs once costs
// less than building a hash table of them, and a lookup stays a binary search.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace taskvane::project::mpp {

template <class Value>
class KeyedValues {
 public:
  void reserve(std::size_t count) { values_.reserve(count); }
  void Add(std::uint32_t key, const Value& value) { values_.emplace_back(key, value); }

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
  std::optional<Value> Find(std::uint32_t key) const {
    auto found =
        std::lower_bound(values_.begin(), values_.end(), key,
                         [](const Entry& entry, std::uint32_t k) { return entry.first < k; });
    if (found == values_.end() || found->first != key) return std::nullopt;
    return found->second;
  }

  std::size_t size() const { return values_.size(); }
  bool empty() const { return values_.empty(); }

 private:
  using Entry = std::pair<std::uint32_t, Value>;
  std::vector<Entry> values_;
};

}  // namespace taskvane::project::mpp

#include "platform/excel/sheet_model.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <unordered_map>

#include "platform/excel/errors.h"
#include "platform/excel/geometry.h"

namespace taskvane::excel {

namespace {

// The style ids worked out so far by a change: a short list while it is short (most
// changes meet a handful of styles, and then nothing is allocated), a hash map after.
template <class Key, class Hash = std::hash<Key>>
class TransitionCache {
 public:
  std::optional<StyleId> Find(const Key& key) const {
    if (map_.empty()) {
      for (std::size_t i = 0; i < count_; ++i) {
        if (list_[i].first == key) return list_[i].second;
      }
      return std::nullopt;
    }
    auto it = map_.find(key);
    if (it == map_.end()) return std::nullopt;
    return it->second;
  }
  void Add(const Key& key, StyleId to) {
    if (map_.empty() && count_ < list_.size()) {
      list_[count_++] = {key, to};
      return;
    }
    if (map_.empty()) map_.insert(list_.begin(), list_.end());
    map_.emplace(key, to);
  }

 private:
  std::array<std::pair<Key, StyleId>, 16> list_{};
  std::size_t count_ = 0;
  std::unordered_map<Key, StyleId, Hash> map_;
};

// Maps old style ids to changed ones, changing each distinct style once.
class Transition {
 public:
  Transition(StyleTable& styles, const std::function<void(Style&)>& change)
      : styles_(styles), change_(change) {}

  StyleId operator()(StyleId from) { return from == last_from_ ? last_to_ : Change(from); }

 private:
  StyleId Change(StyleId from) {
    StyleId to;
    if (const std::optional<StyleId> known = done_.Find(from)) {
      to = *known;
    } else {
      Style style = styles_.Get(from);
      change_(style);
      to = styles_.Intern(style);
      done_.Add(from, to);
    }
    last_from_ = from;
    last_to_ = to;
    return to;
  }

  StyleTable& styles_;
  const std::function<void(Style&)>& change_;
  TransitionCache<StyleId> done_;
  StyleId last_from_ = ~StyleId{0};
  StyleId last_to_ = 0;
};

// Maps old style ids to changed ones for a batch of changes: a cell's set of changes is a
// bit mask over the batch, and each distinct (mask, style) pair is worked out once. Rows
// visit few pairs, each over and over, so the latest ones are kept at hand.
class BatchTransition {
 public:
  BatchTransition(StyleTable& styles, std::span<const SheetModel::AreaChange> changes)
      : styles_(styles), changes_(changes) {}

  StyleId operator()(std::uint64_t mask, StyleId from) {
    if (mask == last_.mask && from == last_.from) return last_.to;
    return Change(mask, from);
  }

 private:
  StyleId Change(std::uint64_t mask, StyleId from) {
    Recent& recent = recent_[(mask * 0x9e3779b97f4a7c15ULL + from) >> 58];
    if (recent.mask == mask && recent.from == from) {
      last_ = recent;
      return recent.to;
    }
    const Key key{mask, from};
    StyleId to;
    if (const std::optional<StyleId> known = done_.Find(key)) {
      to = *known;
    } else {
      Style style = styles_.Get(from);
      for (std::uint64_t rest = mask; rest != 0; rest &= rest - 1) {
        changes_[static_cast<std::size_t>(std::countr_zero(rest))].change(style);
      }
      to = styles_.Intern(style);
      done_.Add(key, to);
    }
    recent = {mask, from, to};
    last_ = recent;
    return to;
  }

  struct Key {
    std::uint64_t mask;
    StyleId from;
    friend bool operator==(const Key&, const Key&) = default;
  };
  struct KeyHash {
    std::size_t operator()(const Key& k) const {
      return std::hash<std::uint64_t>()(k.mask * 0x9e3779b97f4a7c15ULL ^ k.from);
    }
  };
  struct Recent {
    std::uint64_t mask = 0;  // no cell has an empty mask
    StyleId from = 0;
    StyleId to = 0;
  };
  StyleTable& styles_;
  std::span<const SheetModel::AreaChange> changes_;
  TransitionCache<Key, KeyHash> done_;
  std::array<Recent, 64> recent_{};
  Recent last_;
};

// Which changes of a batch reach each column of the block it spans, and for the changes
// reaching a row, the runs of columns where any of them does: the only cells of that row
// the batch visits.
class BatchColumns {
 public:
  BatchColumns(std::span<const SheetModel::AreaChange> changes, long first, long last)
      : first_(first), masks_(static_cast<std::size_t>(last - first + 1), 0) {
    for (std::size_t i = 0; i < changes.size(); ++i) {
      if (changes[i].changes_nothing) continue;
      for (long c = changes[i].area.col1; c <= changes[i].area.col2; ++c) {
        masks_[static_cast<std::size_t>(c - first_)] |= std::uint64_t{1} << i;
      }
    }
  }

  std::uint64_t Mask(long column) const {
    return masks_[static_cast<std::size_t>(column - first_)];
  }

  const std::vector<std::pair<long, long>>& Runs(std::uint64_t row_mask) {
    for (const auto& [mask, runs] : runs_) {
      if (mask == row_mask) return runs;
    }
    std::vector<std::pair<long, long>> runs;
    for (std::size_t i = 0; i < masks_.size(); ++i) {
      if ((masks_[i] & row_mask) == 0) continue;
      const long c = first_ + static_cast<long>(i);
      if (!runs.empty() && runs.back().second == c - 1) {
        runs.back().second = c;
      } else {
        runs.emplace_back(c, c);
      }
    }
    return runs_.emplace_back(row_mask, std::move(runs)).second;
  }

 private:
  long first_;
  std::vector<std::uint64_t> masks_;
  std::vector<std::pair<std::uint64_t, std::vector<std::pair<long, long>>>> runs_;
};

bool WholeRowsOrColumns(const Area& a) {
  return (a.col1 == 1 && a.col2 == kMaxColumns) || (a.row1 == 1 && a.row2 == kMaxRows);
}

}  // namespace

SheetModel::SheetModel()
    : column_styles_(kMaxColumns, 0),
      column_pixels_(kMaxColumns, kStandardColumnPixels),
      column_custom_(kMaxColumns, false),
      default_row_height_(kDefaultRowHeight) {}

SheetModel::Row& SheetModel::EnsureRow(long row) {
  if (static_cast<long>(rows_.size()) < row) rows_.resize(row);
  return rows_[row - 1];
}

void SheetModel::Materialize(Row& row, long last_column) {
  if (static_cast<long>(row.styles.size()) >= last_column) return;
  row.styles.reserve(last_column);
  for (long c = static_cast<long>(row.styles.size()) + 1; c <= last_column; ++c) {
    row.styles.push_back(Inherited(row, c));
  }
}

void SheetModel::UpdateLastStyledColumn() {
  last_styled_column_ = 0;
  for (long c = kMaxColumns; c >= 1; --c) {
    if (column_styles_[c - 1] != 0) {
      last_styled_column_ = c;
      break;
    }
  }
}

StyleId SheetModel::CellStyle(long row, long column) const {
  if (row <= static_cast<long>(rows_.size())) {
    const Row& r = rows_[row - 1];
    if (column <= static_cast<long>(r.styles.size())) return r.styles[column - 1];
    return Inherited(r, column);
  }
  return column_styles_[column - 1];
}

void SheetModel::Transform(const Area& area, const std::function<void(Style&)>& change) {
  Transition map(styles_, change);
  const bool whole_rows = area.col1 == 1 && area.col2 == kMaxColumns;
  const bool whole_columns = area.row1 == 1 && area.row2 == kMaxRows;

  if (whole_columns) {
    for (long c = area.col1; c <= area.col2; ++c) {
      column_styles_[c - 1] = map(column_styles_[c - 1]);
    }
    UpdateLastStyledColumn();
    for (Row& row : rows_) {
      if (row.custom_format) {
        if (whole_rows) {
          row.style = map(row.style);
        } else {
          Materialize(row, area.col2);
        }
      }
      const long last = std::min<long>(area.col2, static_cast<long>(row.styles.size()));
      for (long c = area.col1; c <= last; ++c) row.styles[c - 1] = map(row.styles[c - 1]);
    }
    return;
  }

  EnsureRow(area.row2);
  for (long r = area.row1; r <= area.row2; ++r) {
    Row& row = rows_[r - 1];
    if (whole_rows) {
      // Cells of formatted columns become cells of their own before the row takes a
      // style, so that they keep their column's look under the change.
      if (!row.custom_format) Materialize(row, last_styled_column_);
      for (StyleId& id : row.styles) id = map(id);
      row.style = map(row.custom_format ? row.style : 0);
      row.custom_format = true;
    } else {
      Materialize(row, area.col2);
      for (long c = area.col1; c <= area.col2; ++c) row.styles[c - 1] = map(row.styles[c - 1]);
    }
  }
}

void SheetModel::Transform(std::span<const AreaChange> changes) {
  if (changes.empty()) return;
  if (changes.size() > 64 || std::any_of(changes.begin(), changes.end(), [](const AreaChange& c) {
        return WholeRowsOrColumns(c.area);
      })) {
    for (const AreaChange& c : changes) Transform(c.area, c.change);
    return;
  }
  Area box = changes.front().area;
  for (const AreaChange& c : changes) {
    box = {std::min(box.row1, c.area.row1), std::min(box.col1, c.area.col1),
           std::max(box.row2, c.area.row2), std::max(box.col2, c.area.col2)};
  }
  BatchColumns columns(changes, box.col1, box.col2);
  EnsureRow(box.row2);
  BatchTransition map(styles_, changes);
  for (long r = box.row1; r <= box.row2; ++r) {
    std::uint64_t row_mask = 0;
    long last = 0;
    for (std::size_t i = 0; i < changes.size(); ++i) {
      const Area& a = changes[i].area;
      if (a.row1 <= r && r <= a.row2) {
        if (!changes[i].changes_nothing) row_mask |= std::uint64_t{1} << i;
        last = std::max(last, a.col2);
      }
    }
    if (last == 0) continue;
    Row& row = rows_[r - 1];
    Materialize(row, last);
    if (row_mask == 0) continue;
    for (const auto& [from, to] : columns.Runs(row_mask)) {
      for (long c = from; c <= to; ++c) {
        StyleId& id = row.styles[c - 1];
        id = map(row_mask & columns.Mask(c), id);
      }
    }
  }
}

void SheetModel::ForEachStyle(const Area& area, const std::function<bool(StyleId)>& visit) const {
  // Columns beyond the last formatted one share style 0 unless a row says otherwise.
  auto columns = [&](long from, long to) {
    for (long c = from; c <= std::min(to, last_styled_column_); ++c) {
      if (!visit(column_styles_[c - 1])) return false;
    }
    if (to > last_styled_column_ && !visit(0)) return false;
    return true;
  };
  const long stored_rows = static_cast<long>(rows_.size());
  for (long r = area.row1; r <= std::min(area.row2, stored_rows); ++r) {
    const Row& row = rows_[r - 1];
    const long stored = static_cast<long>(row.styles.size());
    for (long c = area.col1; c <= std::min(area.col2, stored); ++c) {
      if (!visit(row.styles[c - 1])) return;
    }
    if (area.col2 > stored) {
      const long from = std::max(area.col1, stored + 1);
      if (row.custom_format) {
        if (!visit(row.style)) return;
      } else if (!columns(from, area.col2)) {
        return;
      }
    }
  }
  if (area.row2 > stored_rows) columns(area.col1, area.col2);
}

const CellValue* SheetModel::Value(long row, long column) const {
  if (row > static_cast<long>(rows_.size())) return nullptr;
  const auto& values = rows_[row - 1].values;
  auto it = std::lower_bound(values.begin(), values.end(), column,
                             [](const auto& entry, long c) { return entry.first < c; });
  if (it == values.end() || it->first != column) return nullptr;
  return &it->second;
}

void SheetModel::SetValue(long row, long column, CellValue value) {
  Row& r = EnsureRow(row);
  Materialize(r, column);
  auto& values = r.values;
  auto it = std::lower_bound(values.begin(), values.end(), column,
                             [](const auto& entry, long c) { return entry.first < c; });
  const bool found = it != values.end() && it->first == column;
  if (value.IsEmpty()) {
    if (found) values.erase(it);
  } else if (found) {
    it->second = std::move(value);
  } else {
    values.emplace(it, static_cast<std::int32_t>(column), std::move(value));
  }
}

void SheetModel::SetColumnPixels(long column, long pixels) {
  column_pixels_[column - 1] = static_cast<std::uint16_t>(pixels);
  column_custom_[column - 1] = true;
}

double SheetModel::RowHeight(long row) const {
  if (row <= static_cast<long>(rows_.size()) && rows_[row - 1].height_set) {
    return rows_[row - 1].height;
  }
  return default_row_height_;
}

void SheetModel::SetRowHeight(long row, double points, bool custom) {
  Row& r = EnsureRow(row);
  r.height = points;
  r.height_set = true;
  if (static_cast<long>(row_tops_.size()) > row) row_tops_.resize(static_cast<size_t>(row));
  r.height_custom = custom;
}

double SheetModel::ColumnLeft(long column) const {
  long pixels = 0;
  for (long c = 1; c < column; ++c) pixels += column_pixels_[c - 1];
  return pixels * kPointsPerPixel;
}

double SheetModel::RowTop(long row) const {
  const long stored = static_cast<long>(rows_.size());
  const long cached_up_to = std::min(row, stored + 1);
  while (static_cast<long>(row_tops_.size()) < cached_up_to) {
    const long next = static_cast<long>(row_tops_.size()) + 1;
    row_tops_.push_back(next == 1 ? 0.0 : row_tops_.back() + RowHeight(next - 1));
  }
  return row_tops_[static_cast<size_t>(cached_up_to - 1)] +
         static_cast<double>(row - cached_up_to) * default_row_height_;
}

long SheetModel::RowAt(double y, double tolerance) const {
  const long stored = static_cast<long>(rows_.size());
  RowTop(stored + 1);  // fills the tops of every stored row
  // row_tops_[r] is the lower edge of row r.
  const auto first = row_tops_.begin() + 1;
  const auto it = std::upper_bound(first, row_tops_.end(), y + tolerance);
  return static_cast<long>(it - first) + 1;
}

void SheetModel::Merge(const Area& area) {
  for (const Area& m : merges_) {
    if (Intersects(m, area) && !Contains(area, m)) {
      Refuse("병합된 셀의 일부만 포함하는 범위는 병합할 수 없습니다.");
    }
  }
  std::erase_if(merges_, [&](const Area& m) { return Contains(area, m); });
  if (area.row1 == area.row2 && area.col1 == area.col2) return;
  merges_.push_back(area);
  const long last_row = std::min<long>(area.row2, static_cast<long>(rows_.size()));
  for (long r = area.row1; r <= last_row; ++r) {
    auto& values = rows_[r - 1].values;
    std::erase_if(values, [&](const auto& entry) {
      return entry.first >= area.col1 && entry.first <= area.col2 &&
             !(r == area.row1 && entry.first == area.col1);
    });
  }
}

const Area* SheetModel::MergeAt(long row, long column) const {
  for (const Area& m : merges_) {
    if (Contains(m, Area{row, column, row, column})) return &m;
  }
  return nullptr;
}

}  // namespace taskvane::excel

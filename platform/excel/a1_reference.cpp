#include "platform/excel/a1_reference.h"

#include <cctype>

namespace taskvane::excel {

namespace {

struct Part {
  long row = 0;     // 0: none
  long column = 0;  // 0: none
};

std::optional<Part> ParsePart(std::string_view s) {
  Part part;
  std::size_t i = 0;
  if (i < s.size() && s[i] == '$') ++i;
  const std::size_t letters = i;
  while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i]))) {
    if (i - letters == 3) return std::nullopt;
    part.column = part.column * 26 + (std::toupper(static_cast<unsigned char>(s[i])) - 'A' + 1);
    ++i;
  }
  if (i < s.size() && s[i] == '$') {
    if (i == letters) return std::nullopt;  // "$$4"
    ++i;
  }
  const std::size_t digits = i;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
    if (i - digits == 7) return std::nullopt;
    part.row = part.row * 10 + (s[i] - '0');
    ++i;
  }
  if (i != s.size() || (part.column == 0 && part.row == 0)) return std::nullopt;
  if (i > digits && part.row == 0) return std::nullopt;
  if (part.column > kMaxColumns || part.row > kMaxRows) return std::nullopt;
  return part;
}

}  // namespace

std::string ColumnName(long column) {
  std::string name;
  while (column > 0) {
    const long rem = (column - 1) % 26;
    name.insert(name.begin(), static_cast<char>('A' + rem));
    column = (column - 1) / 26;
  }
  return name;
}

std::string CellName(long row, long column) {
  return ColumnName(column) + std::to_string(row);
}

std::optional<detail::Area> ParseA1(std::string_view reference) {
  const auto colon = reference.find(':');
  auto first = ParsePart(reference.substr(0, colon));
  if (!first) return std::nullopt;
  auto last = colon == std::string_view::npos ? first : ParsePart(reference.substr(colon + 1));
  if (!last) return std::nullopt;
  const bool first_cell = first->row && first->column, last_cell = last->row && last->column;
  detail::Area area;
  if (first_cell && last_cell) {
    area = {first->row, first->column, last->row, last->column};
  } else if (!first->row && !last->row && colon != std::string_view::npos) {
    area = {1, first->column, kMaxRows, last->column};  // "C:D"
  } else if (!first->column && !last->column && colon != std::string_view::npos) {
    area = {first->row, 1, last->row, kMaxColumns};  // "3:4"
  } else {
    return std::nullopt;
  }
  if (area.row1 > area.row2) std::swap(area.row1, area.row2);
  if (area.col1 > area.col2) std::swap(area.col1, area.col2);
  return area;
}

}  // namespace taskvane::excel

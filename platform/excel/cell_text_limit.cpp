#include "platform/excel/cell_text_limit.h"

namespace taskvane::excel {

namespace {

bool IsContinuationByte(unsigned char c) {
  return (c & 0xC0) == 0x80;
}

// UTF-16 units of the character that starts with `lead`.
std::size_t UnitsOfLead(unsigned char lead) {
  return lead >= 0xF0 ? 2 : 1;
}

}  // namespace

std::size_t Utf16Units(std::string_view text) {
  std::size_t units = 0;
  for (unsigned char c : text) {
    if (!IsContinuationByte(c)) units += UnitsOfLead(c);
  }
  return units;
}

std::string_view CellTextPrefix(std::string_view text) {
  std::size_t units = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (IsContinuationByte(c)) continue;
    units += UnitsOfLead(c);
    if (units > kMaxCellTextUnits) return text.substr(0, i);
  }
  return text;
}

}  // namespace taskvane::excel

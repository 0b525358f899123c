#include "platform/excel/xlsx_shared_strings.h"

#include <cctype>
#include <cstdio>

#include "platform/excel/sheet_model.h"
#include "platform/ooxml/xml_writer.h"

namespace taskvane::excel {

namespace {

constexpr const char* kMain = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

// Text as SpreadsheetML carries it: control characters as _xHHHH_, and a literal
// "_xHHHH_" protected as _x005F_xHHHH_.
std::string SpreadsheetText(const std::string& text) {
  auto is_hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') {
      char buf[8];
      std::snprintf(buf, sizeof buf, "_x%04X_", c);
      out += buf;
    } else if (c == '_' && i + 6 < text.size() && text[i + 1] == 'x' && is_hex(text[i + 2]) &&
               is_hex(text[i + 3]) && is_hex(text[i + 4]) && is_hex(text[i + 5]) &&
               text[i + 6] == '_') {
      out += "_x005F_";
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

}  // namespace

SharedStrings SharedStrings::Of(const SheetModel& model) {
  SharedStrings strings;
  for (const SheetModel::Row& row : model.Rows()) {
    for (const auto& [column, value] : row.values) {
      if (!value.IsText()) continue;
      auto [it, inserted] =
          strings.index_.try_emplace(value.text(), static_cast<long>(strings.texts_.size()));
      if (inserted) strings.texts_.push_back(&it->first);
      ++strings.count_;
    }
  }
  return strings;
}

void SharedStrings::Write(ooxml::PartStream& out) const {
  ooxml::XmlWriter xml(out);
  xml.Declaration();
  xml.Open("sst")
      .Attr("xmlns", kMain)
      .Attr("count", count_)
      .Attr("uniqueCount", static_cast<long long>(texts_.size()));
  for (const std::string* text : texts_) {
    xml.Open("si").Open("t");
    const bool blanks_at_ends =
        !text->empty() && (std::isspace(static_cast<unsigned char>(text->front())) ||
                           std::isspace(static_cast<unsigned char>(text->back())));
    if (blanks_at_ends) xml.Attr("xml:space", "preserve");
    xml.Text(SpreadsheetText(*text)).Close().Close();
  }
  xml.Close();
}

}  // namespace taskvane::excel

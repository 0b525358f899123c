#include "excel_export/listing_fields.h"

#include <charconv>

#include "platform/runtime/automation_error.h"

namespace taskvane {

long ListingFieldId(const forms::ListItem& item) {
  constexpr size_t kIdLength = 9;
  const std::string& key = item.Key;
  const std::string digits = key.size() > kIdLength ? key.substr(key.size() - kIdLength) : key;
  long id = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), id);
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size()) {
    throw AutomationError(kErrTypeMismatch, "형식이 일치하지 않습니다.");
  }
  return id;
}

}  // namespace taskvane

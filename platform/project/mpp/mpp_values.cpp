#include "platform/project/mpp/mpp_values.h"

#include <cmath>

namespace taskvane::project::mpp {
namespace {

constexpr int kTenthsPerDay = 14400;

void AppendUtf8(std::string& text, char32_t c) {
  if (c < 0x80) {
    text += static_cast<char>(c);
  } else if (c < 0x800) {
    text += static_cast<char>(0xC0 | (c >> 6));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    text += static_cast<char>(0xE0 | (c >> 12));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (c >> 18));
    text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::optional<double> Finite(std::optional<double> value) {
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<DaySerial> DayNumber(ByteView bytes) {
  const auto day = bytes.U16(0);
  if (!day || *day == 0xFFFF) return std::nullopt;
  return kDayNumberBase + *day;
}

std::optional<DateTime> Timestamp(ByteView bytes) {
  const auto tenths = bytes.U16(0);
  const auto day = bytes.U16(2);
  if (!tenths || !day || *day == 0xFFFF || *day <= 1) return std::nullopt;
  const int minute = *tenths == 0xFFFF ? 0 : (*tenths % kTenthsPerDay) / 10;
  return DateTime{kDayNumberBase + *day, minute};
}

std::optional<int> TimeOfDay(ByteView bytes) {
  const auto tenths = bytes.U16(0);
  if (!tenths) return std::nullopt;
  return (*tenths % kTenthsPerDay) / 10;
}

std::optional<double> DurationMinutes(ByteView bytes) {
  const auto tenths = bytes.I32(0);
  if (!tenths || *tenths == -1) return std::nullopt;
  return *tenths / 10.0;
}

std::optional<double> WorkMinutes(ByteView bytes) {
  const auto value = Finite(bytes.F64(0));
  if (!value) return std::nullopt;
  return *value / 1000;
}

std::optional<double> Currency(ByteView bytes) {
  const auto value = Finite(bytes.F64(0));
  if (!value) return std::nullopt;
  return *value / 100;
}

std::optional<int> Percent(ByteView bytes) {
  const auto value = bytes.U16(0);
  if (!value || *value > 100) return std::nullopt;
  return *value;
}

std::optional<double> Number(ByteView bytes) {
  return Finite(bytes.F64(0));
}

std::string Text(ByteView bytes) {
  std::string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t at = 0; bytes.Contains(at, 2); at += 2) {
    const char16_t unit = *bytes.U16(at);
    if (unit == 0) break;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      const auto next = bytes.U16(at + 2);
      if (next && *next >= 0xDC00 && *next <= 0xDFFF) {
        AppendUtf8(text, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (*next - 0xDC00));
        at += 2;
        continue;
      }
      AppendUtf8(text, 0xFFFD);
    } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
      AppendUtf8(text, 0xFFFD);
    } else {
      AppendUtf8(text, unit);
    }
  }
  return text;
}

std::string Latin1Text(ByteView bytes) {
  std::string text;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    const std::uint8_t c = *bytes.U8(at);
    if (c == 0) break;
    AppendUtf8(text, c);
  }
  return text;
}

}  // namespace taskvane::project::mpp

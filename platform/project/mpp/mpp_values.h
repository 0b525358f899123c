#pragma once

// How a binary schedule encodes its values: timestamps, durations, work, money, percent,
// texts. Each decoder takes a value's bytes and gives std::nullopt for "not set" and for
// bytes too short to hold the value.

#include <optional>
#include <string>

#include "platform/project/mpp/byte_view.h"
#include "platform/runtime/date.h"

namespace taskvane::project::mpp {

// The day number of the format: days after 1983-12-31, so day 1 is 1984-01-01.
inline constexpr DaySerial kDayNumberBase = 30681;

// u16 day number at +0 (0xFFFF: not set) as a DaySerial.
std::optional<DaySerial> DayNumber(ByteView bytes);
// u16 time of day in tenths of a minute at +2, then u16 day number; FFFFFFFF, or a day
// number of 0 or 1, is not set. A time of 0xFFFF reads as 00:00.
std::optional<DateTime> Timestamp(ByteView bytes);
// u16 time of day in tenths of a minute, as minutes after midnight (0..1439).
std::optional<int> TimeOfDay(ByteView bytes);
// i32 tenths of a minute as minutes; -1 is not set.
std::optional<double> DurationMinutes(ByteView bytes);
// f64 thousandths of a minute as minutes.
std::optional<double> WorkMinutes(ByteView bytes);
// f64 hundredths of the currency unit as currency units.
std::optional<double> Currency(ByteView bytes);
// u16 0..100; a larger value is not set.
std::optional<int> Percent(ByteView bytes);
// f64 as it is.
std::optional<double> Number(ByteView bytes);
// UTF-16LE up to the first 0x0000 code unit or the end, as UTF-8 (a lone surrogate
// becomes U+FFFD).
std::string Text(ByteView bytes);
// 8-bit text up to the first NUL or the end, each byte taken as a Latin-1 character.
std::string Latin1Text(ByteView bytes);

}  // namespace taskvane::project::mpp

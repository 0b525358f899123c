#pragma once

#include <string>

namespace taskvane {

// A task date as the report compares it: `text` unchanged when it is the schedule's
// not-available text; the part before a "(" as "yyyy-mm-dd"; a text that begins with "20"
// as "yyyy-mm-dd" (the time dropped); else "". A part that does not read as a date stays
// as it is.
std::string FormatTaskDate(const std::string& text, const std::string& NotAvailableText);

// A duration text without its day unit: the part before "일", then the part before "day",
// each trimmed of spaces ("5일" -> "5", "3 days" -> "3"); a plain number passes unchanged.
std::string StripDayUnit(const std::string& text);

// The text after the n-th "." of `text` ("2.3.Interfaces", 2 -> "Interfaces"); "" when that
// dot is the last character or the text is empty; the whole text when it has no dot. A
// search that finds no dot starts the next one again at the first character.
std::string TextAfterNthDot(const std::string& text, int n);

// A number in its plain decimal form, without leading or trailing zeros ("29", "42.5").
std::string NumberText(double value);

// The number a text holds ("4800", " 12.5 "); 0 for a text that is not a number.
double NumberValue(const std::string& text);

}  // namespace taskvane

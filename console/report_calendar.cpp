// The report periods' month calendar and the start-level chooser of the weekly report.

#include <charconv>
#include <optional>
#include <string>

#include "console/frm_main.h"
#include "platform/runtime/rounding.h"

namespace taskvane {
namespace {

constexpr const char* kNoStartDate = "시작일을 넣어주세요";
constexpr const char* kEndBeforeStart = "종료일이 시작일보다 작습니다.";
constexpr const char* kPeriodTooLong = "보고서는 2주일 이하로 지정 가능합니다.";

// A report period spans at most this many calendar days from start to end.
constexpr DaySerial kMaxPeriodDays = 14;
// The outline levels of a schedule stop here.
constexpr int kMaxOutlineLevel = 10;

// Whole-number text, or nothing.
std::optional<int> ReadWholeNumber(const std::string& text) {
  int value = 0;
  const auto* end = text.data() + text.size();
  const auto [last, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || last != end || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

void frmMain::cmdGetCalnedar_Click(int Index) {
  MonthView2.Visible = true;
  MonthView2.Tag = std::to_string(Index);
  // The calendar always opens at the height of the first row; the sums are single
  // precision, as the window toolkit keeps positions.
  const float top =
      static_cast<float>(cmdGetCalnedar(1).Top) + static_cast<float>(fraWeek.Top) - 600.0f;
  const float left =
      static_cast<float>(cmdGetCalnedar(Index).Left) - static_cast<float>(MonthView2.Width) - 30.0f;
  MonthView2.Top = CInt32(top);
  MonthView2.Left = CInt32(left);
  // A box whose text does not read as a date (an edited settings store) opens on today.
  const std::string& text = txtDate(Index).Text;
  const std::optional<DaySerial> preset = text.empty() ? std::nullopt : ParseDate(text);
  MonthView2.Value = preset.value_or(Platform().Today());
}

void frmMain::MonthView2_DateClick(DaySerial DateClicked) {
  auto message = [&](const char* text) { Platform().MsgBox(text, forms::vbOKOnly, kAppTitle); };
  const std::optional<int> k = ReadWholeNumber(MonthView2.Tag);
  if (k && *k >= txtDate.LBound() && *k <= txtDate.UBound()) {
    if (*k % 2 == 1) {
      txtDate(*k).Text = FormatDate(DateClicked);
    } else {
      // An end date needs a readable start before it, at most two weeks earlier.
      const std::string& start_text = txtDate(*k - 1).Text;
      const std::optional<DaySerial> start =
          start_text.empty() ? std::nullopt : ParseDate(start_text);
      if (!start) {
        message(kNoStartDate);
      } else if (DateClicked < *start) {
        message(kEndBeforeStart);
        txtDate(*k).Text = "";
      } else if (DateClicked - *start > kMaxPeriodDays) {
        message(kPeriodTooLong);
        txtDate(*k).Text = "";
      } else {
        txtDate(*k).Text = FormatDate(DateClicked);
      }
    }
  }
  MonthView2.Visible = false;
}

void frmMain::cmbStartOutline_Click() {
  // The report lists the chosen level and the two below it, never past the deepest level.
  const std::optional<int> first = ReadWholeNumber(cmbStartOutline.Text);
  std::string levels;
  if (first) {
    for (int level = *first; level <= *first + 2 && level <= kMaxOutlineLevel; ++level) {
      if (!levels.empty()) levels += ",";
      levels += std::to_string(level);
    }
  }
  txtDisplayOutline.Text = levels;
}

}  // namespace taskvane

#include "excel_export/range_format.h"

#include <initializer_list>
#include <optional>
#include <vector>

#include "platform/excel/constants.h"
#include "platform/runtime/automation_error.h"

namespace taskvane {

using namespace excel;

namespace {

struct BorderLine {
  long LineStyle;
  long Weight;
  long ColorIndex;
};

constexpr BorderLine kThin{xlContinuous, xlThin, xlColorIndexAutomatic};
constexpr BorderLine kHair{xlContinuous, xlHairline, xlColorIndexAutomatic};
constexpr BorderLine kThinWhite{xlContinuous, xlThin, 2};

constexpr long kHeaderFill = 36;  // pale yellow of the standard palette

void ClearBorders(const Range& CurrentRange, std::initializer_list<long> indexes) {
  for (long index : indexes) {
    IgnoreErrors([&] { CurrentRange.Borders(index).LineStyle = xlNone; });
  }
}

// Each border is taken once; when even that is refused, its three settings fail with it.
void DrawBorders(const Range& CurrentRange, std::initializer_list<long> indexes,
                 const BorderLine& line) {
  for (long index : indexes) {
    std::optional<Border> border;
    IgnoreErrors([&] { border.emplace(CurrentRange.Borders(index)); });
    if (!border) continue;
    IgnoreErrors([&] { border->LineStyle = line.LineStyle; });
    IgnoreErrors([&] { border->Weight = line.Weight; });
    IgnoreErrors([&] { border->ColorIndex = line.ColorIndex; });
  }
}

// The statements of a border operation: LineStyle none on each cleared border, then the
// three settings of each drawn one. They are made in one pass over the cells; when the
// range refuses any of them, they are made statement by statement instead, so that the
// refused one alone fails (the batch changes nothing when it is refused).
void SetBorders(const Range& CurrentRange, std::initializer_list<long> cleared,
                std::initializer_list<long> drawn, const BorderLine& line) {
  std::vector<BorderSetting> settings;
  for (long index : cleared) settings.push_back({index, xlNone, {}, {}});
  for (long index : drawn)
    settings.push_back({index, line.LineStyle, line.Weight, line.ColorIndex});
  try {
    CurrentRange.SetBorders(settings);
  } catch (const AutomationError&) {
    ClearBorders(CurrentRange, cleared);
    DrawBorders(CurrentRange, drawn, line);
  }
}

constexpr std::initializer_list<long> kDiagonals = {xlDiagonalDown, xlDiagonalUp};

}  // namespace

void BordersWhiteRowLines(const Range& CurrentRange) {
  SetBorders(CurrentRange,
             {xlDiagonalDown, xlDiagonalUp, xlEdgeLeft, xlEdgeTop, xlEdgeBottom, xlEdgeRight},
             {xlInsideHorizontal}, kThinWhite);
}

void BorderHairInsideVertical(const Range& CurrentRange) {
  SetBorders(CurrentRange, {}, {xlInsideVertical}, kHair);
}

void BorderHairInsideHorizontal(const Range& CurrentRange) {
  SetBorders(CurrentRange, {}, {xlInsideHorizontal}, kHair);
}

void BorderHairTop(const Range& CurrentRange) {
  SetBorders(CurrentRange, {}, {xlEdgeTop}, kHair);
}

void BordersThinBox(const Range& CurrentRange) {
  SetBorders(CurrentRange, kDiagonals, {xlEdgeLeft, xlEdgeTop, xlEdgeBottom, xlEdgeRight}, kThin);
}

void BordersThinSidesInsideVertical(const Range& CurrentRange) {
  SetBorders(CurrentRange, kDiagonals, {xlEdgeLeft, xlEdgeRight, xlInsideVertical}, kThin);
}

void BordersThinGrid(const Range& CurrentRange) {
  SetBorders(
      CurrentRange, kDiagonals,
      {xlEdgeLeft, xlEdgeTop, xlEdgeBottom, xlEdgeRight, xlInsideVertical, xlInsideHorizontal},
      kThin);
}

void BordersThinLeftRight(const Range& CurrentRange) {
  SetBorders(CurrentRange, kDiagonals, {xlEdgeLeft, xlEdgeRight}, kThin);
}

void BordersThinTopBottom(const Range& CurrentRange) {
  SetBorders(CurrentRange, kDiagonals, {xlEdgeTop, xlEdgeBottom}, kThin);
}

void FormatHeaderRange(const Range& CurrentRange) {
  BordersThinGrid(CurrentRange);
  IgnoreErrors([&] { CurrentRange.Interior.ColorIndex = kHeaderFill; });
  IgnoreErrors([&] { CurrentRange.Font.Bold = true; });
  IgnoreErrors([&] { CurrentRange.NumberFormatLocal = std::string(R"(m"/"d)"); });
}

void FormatTitleRange(const Range& CurrentRange) {
  CurrentRange.Merge();
  CurrentRange.Font.Size = 14;
  CurrentRange.Font.Bold = true;
  CurrentRange.HorizontalAlignment = xlCenter;
}

}  // namespace taskvane

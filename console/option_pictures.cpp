#include "console/option_pictures.h"

#include <string>

#include "platform/runtime/automation_error.h"

namespace taskvane {
namespace {

constexpr int kSize = 73;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGrid = 0xB0B0B0;
constexpr std::uint32_t kHeader = 0x808080;
constexpr std::uint32_t kText = 0x404040;
constexpr std::uint32_t kBar = 0x3366FF;
constexpr std::uint32_t kProgress = 0x000080;

class Canvas {
 public:
  explicit Canvas(std::string name) {
    picture_.Name = std::move(name);
    picture_.Width = kSize;
    picture_.Height = kSize;
    picture_.Pixels.assign(kSize * kSize, kWhite);
  }

  void Fill(int left, int top, int width, int height, std::uint32_t colour) {
    for (int y = top; y < top + height && y < kSize; ++y) {
      for (int x = left; x < left + width && x < kSize; ++x) {
        picture_.Pixels[static_cast<std::size_t>(y * kSize + x)] = colour;
      }
    }
  }
  void HorizontalLine(int y, std::uint32_t colour) { Fill(0, y, kSize, 1, colour); }
  void VerticalLine(int x, int top, std::uint32_t colour) { Fill(x, top, 1, kSize - top, colour); }
  void Frame() {
    HorizontalLine(0, kGrid);
    HorizontalLine(kSize - 1, kGrid);
    VerticalLine(0, 0, kGrid);
    VerticalLine(kSize - 1, 0, kGrid);
  }

  forms::Picture Take() { return std::move(picture_); }

 private:
  forms::Picture picture_;
};

constexpr int kHeaderHeight = 9;
constexpr int kRowPitch = 8;
constexpr int kFirstRowTop = kHeaderHeight + 3;
constexpr int kRows = 7;

// A task column at the left and week columns with bars of different spans.
forms::Picture GanttSheet() {
  Canvas canvas("conversion type 1: Gantt sheet");
  canvas.Fill(0, 0, kSize, kHeaderHeight, kHeader);
  canvas.VerticalLine(24, 0, kGrid);
  for (int x = 24; x < kSize; x += 8) canvas.VerticalLine(x, kHeaderHeight, kGrid);
  constexpr int kStarts[kRows] = {25, 25, 33, 41, 41, 49, 57};
  constexpr int kSpans[kRows] = {40, 16, 16, 24, 8, 16, 15};
  for (int row = 0; row < kRows; ++row) {
    const int top = kFirstRowTop + row * kRowPitch;
    canvas.Fill(3, top + 2, row == 0 ? 18 : 14, 2, kText);
    canvas.Fill(kStarts[row], top, kSpans[row], 5, kBar);
    canvas.Fill(kStarts[row], top + 2, kSpans[row] / 2, 1, kProgress);
  }
  canvas.Frame();
  return canvas.Take();
}

constexpr int kLevels[kRows] = {1, 2, 3, 3, 2, 3, 1};

// One name column; each row's text starts further right the deeper its level.
forms::Picture IndentedList() {
  Canvas canvas("conversion type 2: indented outline list");
  canvas.Fill(0, 0, kSize, kHeaderHeight, kHeader);
  canvas.VerticalLine(48, 0, kGrid);
  for (int row = 0; row < kRows; ++row) {
    const int top = kFirstRowTop + row * kRowPitch;
    const int indent = 4 + (kLevels[row] - 1) * 8;
    canvas.Fill(indent, top + 2, 40 - indent, 2, kText);
    canvas.Fill(52, top + 2, 16, 2, kText);
    canvas.HorizontalLine(top + kRowPitch - 2, kGrid);
  }
  canvas.Frame();
  return canvas.Take();
}

// One column per outline level; each row's text stands in the column of its level.
forms::Picture ColumnList() {
  Canvas canvas("conversion type 3: outline list with a column per level");
  canvas.Fill(0, 0, kSize, kHeaderHeight, kHeader);
  for (int x = 18; x < kSize; x += 18) canvas.VerticalLine(x, 0, kGrid);
  for (int row = 0; row < kRows; ++row) {
    const int top = kFirstRowTop + row * kRowPitch;
    canvas.Fill(3 + (kLevels[row] - 1) * 18, top + 2, 12, 2, kText);
    canvas.Fill(57, top + 2, 12, 2, kText);
    canvas.HorizontalLine(top + kRowPitch - 2, kGrid);
  }
  canvas.Frame();
  return canvas.Take();
}

}  // namespace

forms::Picture ConversionTypePicture(int type) {
  switch (type) {
    case 1:
      return GanttSheet();
    case 2:
      return IndentedList();
    case 3:
      return ColumnList();
  }
  throw AutomationError(kErrSubscript, "첨자 사용이 잘못되었습니다.");
}

}  // namespace taskvane

#include "ppt_report/slide_captions.h"

#include "console/main_window_controls.h"
#include "platform/runtime/automation_error.h"
#include "ppt_report/weekly_report.h"

namespace taskvane {

namespace {

constexpr long kCaptionGrey = ppt::RGB(221, 221, 221);

struct CaptionBox {
  double top;
  double height;
  double font_size;
  bool bold;
  int alignment;
};

constexpr CaptionBox kTitleBox{0, 31.88, 16, true, ppt::ppAlignLeft};
constexpr CaptionBox kFooterBox{513.75, 26.25, 12, false, ppt::ppAlignRight};

// Each statement on its own: a box that cannot be made, filled or written is left as far
// as it got, and the next statement runs.
void AddCaptionBox(WeeklyReport& report, const CaptionBox& layout, const std::string& text) {
  ppt::Shape* box = nullptr;
  auto shape = [&]() -> ppt::Shape& {
    if (box == nullptr) throw AutomationError(91, "개체 변수가 설정되지 않았습니다.");
    return *box;
  };
  IgnoreErrors([&] {
    box = &report.Slide().Shapes.AddTextbox(ppt::msoTextOrientationHorizontal, 0, layout.top, 720,
                                            layout.height);
  });
  IgnoreErrors([&] { shape().Fill.ForeColor.RGB = kCaptionGrey; });
  IgnoreErrors([&] { shape().Line.Visible = false; });
  IgnoreErrors([&] { shape().TextFrame.TextRange.Text = text; });
  IgnoreErrors([&] { shape().TextFrame.TextRange.Font.Size = layout.font_size; });
  if (layout.bold) IgnoreErrors([&] { shape().TextFrame.TextRange.Font.Bold = true; });
  IgnoreErrors([&] {
    shape().TextFrame.TextRange.Paragraphs(1, 1).ParagraphFormat.Alignment = layout.alignment;
  });
}

}  // namespace

void AddSlideCaptions(WeeklyReport& report, const std::string& suffix) {
  AddCaptionBox(report, kTitleBox, report.frmMain.txtTitlePPT.Text + suffix);
  AddCaptionBox(report, kFooterBox, report.frmMain.txtPJTNamePPT.Text);
}

}  // namespace taskvane

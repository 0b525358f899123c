#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/powerpoint/constants.h"
#include "platform/powerpoint/property.h"

namespace taskvane::ppt {

// One paragraph of a text frame with its character and paragraph formatting. PowerPoint
// formats runs of characters; everything here formats whole paragraphs or whole texts, so
// one run per paragraph is all the model keeps.
struct Paragraph {
  std::string text;
  double font_size = 18;
  bool bold = false;
  int alignment = ppAlignLeft;
  int baseline_alignment = ppBaselineAlignBaseline;
};

// The text of a table cell or a text box. It always holds one paragraph at least: an
// empty text is one empty paragraph, which still carries the formatting that new text
// takes. A body with a refusal (a cell covered by a merge, the frame of a table shape)
// stays empty: writing a text other than "" raises AutomationError with that description.
struct TextBody {
  std::vector<Paragraph> paragraphs{Paragraph{}};
  std::string_view refusal;

  // The paragraphs' texts joined by "\r", PowerPoint's paragraph mark.
  std::string Text() const;
  bool IsEmpty() const;
};

// Paragraphs [first, first + count) of a text body; count < 0 reaches to the end.
struct TextRangeRef {
  TextBody* body = nullptr;
  int first = 0;
  int count = -1;

  int Begin() const;
  int End() const;
};

struct TextAccess {
  using value_type = std::string;
  TextRangeRef range;
  std::string Get() const;
  // "\r", "\n" and "\r\n" start new paragraphs, which take the formatting of the first
  // paragraph replaced.
  void Set(const std::string& text) const;
};
struct FontSizeAccess {
  using value_type = double;
  TextRangeRef range;
  double Get() const;
  void Set(const double& points) const;  // 1 to 4000 points
};
struct FontBoldAccess {
  using value_type = bool;
  TextRangeRef range;
  bool Get() const;
  void Set(const bool& bold) const;
};
struct AlignmentAccess {
  using value_type = int;
  TextRangeRef range;
  int Get() const;
  void Set(const int& alignment) const;  // ppAlignLeft .. ppAlignJustifyLow
};
struct BaseLineAlignmentAccess {
  using value_type = int;
  TextRangeRef range;
  int Get() const;
  void Set(const int& alignment) const;  // ppBaselineAlignBaseline .. ppBaselineAlignAuto
};

// Reading a font or paragraph property of a range gives the value of its first paragraph;
// setting one sets it on every paragraph of the range.
class Font {
 public:
  explicit Font(TextRangeRef range) : Size(FontSizeAccess{range}), Bold(FontBoldAccess{range}) {}
  Font(const Font&) = default;
  Font& operator=(const Font&) = delete;

  Property<FontSizeAccess> Size;
  Property<FontBoldAccess> Bold;
};

class ParagraphFormat {
 public:
  explicit ParagraphFormat(TextRangeRef range)
      : Alignment(AlignmentAccess{range}), BaseLineAlignment(BaseLineAlignmentAccess{range}) {}
  ParagraphFormat(const ParagraphFormat&) = default;
  ParagraphFormat& operator=(const ParagraphFormat&) = delete;

  Property<AlignmentAccess> Alignment;
  Property<BaseLineAlignmentAccess> BaseLineAlignment;
};

// A run of whole paragraphs of a cell's or a text box's text.
class TextRange {
 public:
  explicit TextRange(TextRangeRef range)
      : Text(TextAccess{range}), Font(range), ParagraphFormat(range), range_(range) {}
  TextRange(const TextRange&) = default;
  TextRange& operator=(const TextRange&) = delete;

  Property<TextAccess> Text;
  ppt::Font Font;
  ppt::ParagraphFormat ParagraphFormat;

  // Paragraphs Start .. Start + Length - 1 of this range (1-based). Without arguments:
  // all of them; without Length: paragraph Start alone. A Start past the last paragraph
  // gives an empty range; Start or Length below 1 is refused.
  ppt::TextRange Paragraphs(int Start = -1, int Length = -1) const;
  // Number of paragraphs in the range.
  int ParagraphCount() const;

 private:
  TextRangeRef range_;
};

// The text frame of a cell or a text box.
class TextFrame {
 public:
  explicit TextFrame(TextBody& body) : TextRange(TextRangeRef{&body, 0, -1}) {}
  TextFrame(const TextFrame&) = delete;
  TextFrame& operator=(const TextFrame&) = delete;

  ppt::TextRange TextRange;
};

}  // namespace taskvane::ppt

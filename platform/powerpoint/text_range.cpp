#include "platform/powerpoint/text_range.h"

#include <algorithm>

#include "platform/runtime/automation_error.h"

namespace taskvane::ppt {

namespace {

[[noreturn]] void Refuse(const std::string& description) {
  throw AutomationError(kErrPowerPointRefused, description);
}

// The texts of the paragraphs a text makes: "\r", "\n" and "\r\n" each end one.
std::vector<std::string> SplitParagraphs(const std::string& text) {
  std::vector<std::string> parts(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == '\r' || ch == '\n') {
      if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      parts.emplace_back();
    } else {
      parts.back() += ch;
    }
  }
  return parts;
}

template <class F>
void ForEachParagraph(const TextRangeRef& range, F&& apply) {
  for (int i = range.Begin(); i < range.End(); ++i) apply(range.body->paragraphs[i]);
}

// The first paragraph of the range, or null for an empty range.
const Paragraph* First(const TextRangeRef& range) {
  if (range.Begin() >= range.End()) return nullptr;
  return &range.body->paragraphs[range.Begin()];
}

}  // namespace

std::string TextBody::Text() const {
  std::string text;
  for (std::size_t i = 0; i < paragraphs.size(); ++i) {
    if (i > 0) text += '\r';
    text += paragraphs[i].text;
  }
  return text;
}

bool TextBody::IsEmpty() const {
  return paragraphs.size() == 1 && paragraphs[0].text.empty();
}

int TextRangeRef::Begin() const {
  return std::min(first, static_cast<int>(body->paragraphs.size()));
}

int TextRangeRef::End() const {
  const int size = static_cast<int>(body->paragraphs.size());
  if (count < 0) return size;
  return std::min(first + count, size);
}

std::string TextAccess::Get() const {
  std::string text;
  for (int i = range.Begin(); i < range.End(); ++i) {
    if (i > range.Begin()) text += '\r';
    text += range.body->paragraphs[i].text;
  }
  return text;
}

void TextAccess::Set(const std::string& text) const {
  TextBody& body = *range.body;
  if (!body.refusal.empty()) {
    if (text.empty()) return;
    Refuse(std::string(body.refusal));
  }
  const int begin = range.Begin();
  const int end = range.End();
  // New paragraphs take the formatting of the first paragraph they replace; past the end
  // of the text, that of the last paragraph.
  const int last = static_cast<int>(body.paragraphs.size()) - 1;
  Paragraph format = body.paragraphs[begin < end ? begin : last];
  std::vector<Paragraph> replacement;
  for (std::string& part : SplitParagraphs(text)) {
    replacement.push_back(format);
    replacement.back().text = std::move(part);
  }
  body.paragraphs.erase(body.paragraphs.begin() + begin, body.paragraphs.begin() + end);
  body.paragraphs.insert(body.paragraphs.begin() + begin, replacement.begin(), replacement.end());
}

double FontSizeAccess::Get() const {
  const Paragraph* p = First(range);
  return p ? p->font_size : 0;
}

void FontSizeAccess::Set(const double& points) const {
  if (!(points >= 1 && points <= 4000)) {
    Refuse("글꼴 크기는 1에서 4000 사이여야 합니다.");
  }
  ForEachParagraph(range, [&](Paragraph& p) { p.font_size = points; });
}

bool FontBoldAccess::Get() const {
  const Paragraph* p = First(range);
  return p && p->bold;
}

void FontBoldAccess::Set(const bool& bold) const {
  ForEachParagraph(range, [&](Paragraph& p) { p.bold = bold; });
}

int AlignmentAccess::Get() const {
  const Paragraph* p = First(range);
  return p ? p->alignment : ppAlignLeft;
}

void AlignmentAccess::Set(const int& alignment) const {
  if (alignment < ppAlignLeft || alignment > ppAlignJustifyLow) {
    Refuse("단락 맞춤 값 " + std::to_string(alignment) + "은(는) 사용할 수 없습니다.");
  }
  ForEachParagraph(range, [&](Paragraph& p) { p.alignment = alignment; });
}

int BaseLineAlignmentAccess::Get() const {
  const Paragraph* p = First(range);
  return p ? p->baseline_alignment : ppBaselineAlignBaseline;
}

void BaseLineAlignmentAccess::Set(const int& alignment) const {
  if (alignment < ppBaselineAlignBaseline || alignment > ppBaselineAlignAuto) {
    Refuse("기준선 맞춤 값 " + std::to_string(alignment) + "은(는) 사용할 수 없습니다.");
  }
  ForEachParagraph(range, [&](Paragraph& p) { p.baseline_alignment = alignment; });
}

TextRange TextRange::Paragraphs(int Start, int Length) const {
  const int available = range_.End() - range_.Begin();
  if (Start == -1 && Length == -1) return TextRange(range_);
  if (Start < 1) Refuse("단락 시작 번호는 1 이상이어야 합니다.");
  if (Length == -1) Length = 1;
  if (Length < 1) Refuse("단락 개수는 1 이상이어야 합니다.");
  const int offset = std::min(Start - 1, available);
  const int count = std::min(Length, available - offset);
  return TextRange(TextRangeRef{range_.body, range_.Begin() + offset, count});
}

int TextRange::ParagraphCount() const {
  return range_.End() - range_.Begin();
}

}  // namespace taskvane::ppt

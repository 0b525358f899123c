#include "platform/powerpoint/presentation.h"

#include <algorithm>
#include <cctype>

#include "platform/ooxml/package.h"
#include "platform/powerpoint/pptx_writer.h"
#include "platform/runtime/automation_error.h"

namespace taskvane::ppt {

namespace {

[[noreturn]] void Refuse(const std::string& description) {
  throw AutomationError(kErrPowerPointRefused, description);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

}  // namespace

Slide& Slides::Add(int Index, int Layout) {
  if (Index < 1 || Index > static_cast<int>(items_.size()) + 1) {
    Refuse("슬라이드 위치 " + std::to_string(Index) + "은(는) 1에서 " +
           std::to_string(items_.size() + 1) + " 사이여야 합니다.");
  }
  if (Layout != ppLayoutBlank) {
    Refuse("슬라이드 레이아웃 " + std::to_string(Layout) +
           "은(는) 사용할 수 없습니다. 빈 화면(12)만 됩니다.");
  }
  auto slide = std::make_unique<ppt::Slide>();
  ppt::Slide& added = *slide;
  items_.insert(items_.begin() + (Index - 1), std::move(slide));
  return added;
}

Slide& Slides::operator()(int index) {
  return const_cast<ppt::Slide&>(std::as_const(*this)(index));
}

const Slide& Slides::operator()(int index) const {
  if (index < 1 || index > static_cast<int>(items_.size())) {
    Refuse(std::to_string(index) + "번째 슬라이드가 없습니다. 슬라이드는 " +
           std::to_string(items_.size()) + "장입니다.");
  }
  return *items_[index - 1];
}

void Presentation::SaveAs(const std::string& FileName, int FileFormat,
                          int /*EmbedTrueTypeFonts*/) const {
  if (FileFormat != ppSaveAsPresentation && FileFormat != ppSaveAsDefault &&
      FileFormat != ppSaveAsOpenXMLPresentation) {
    Refuse("파일 형식 " + std::to_string(FileFormat) +
           "(으)로는 저장할 수 없습니다. 프레젠테이션 형식만 됩니다.");
  }
  PresentationPackage(*this).Save(FileName, kErrPowerPointRefused);
}

Presentation& Presentations::Add() {
  return *items_.emplace_back(std::make_unique<ppt::Presentation>());
}

Presentation& Presentations::operator()(int index) {
  if (index < 1 || index > static_cast<int>(items_.size())) {
    Refuse(std::to_string(index) + "번째 프레젠테이션이 없습니다.");
  }
  return *items_[index - 1];
}

std::unique_ptr<Application> CreateObject(std::string_view class_name) {
  if (!SameIgnoringCase(class_name, "PowerPoint.Application")) {
    throw AutomationError(kErrCannotCreateObject, "ActiveX 구성 요소는 개체를 만들 수 없습니다: " +
                                                      std::string(class_name));
  }
  return std::make_unique<Application>();
}

}  // namespace taskvane::ppt

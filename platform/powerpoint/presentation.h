#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/powerpoint/constants.h"
#include "platform/powerpoint/property.h"
#include "platform/powerpoint/shape.h"

namespace taskvane::ppt {

// A slide of the presentation; every slide has the blank layout.
class Slide {
 public:
  Slide() = default;
  Slide(const Slide&) = delete;
  Slide& operator=(const Slide&) = delete;

  ppt::Shapes Shapes;
};

// Presentation.Slides, in show order.
class Slides {
 public:
  Slides() : Count(CollectionCountAccess<ppt::Slide>{&items_}) {}
  Slides(const Slides&) = delete;
  Slides& operator=(const Slides&) = delete;

  // A new slide at position Index (1 to Count + 1); the slides from there on move one
  // place back. Layout must be ppLayoutBlank.
  ppt::Slide& Add(int Index, int Layout);

  // 1-based.
  ppt::Slide& operator()(int index);
  const ppt::Slide& operator()(int index) const;
  ReadOnlyProperty<CollectionCountAccess<ppt::Slide>> Count;

 private:
  std::vector<std::unique_ptr<ppt::Slide>> items_;
};

// A presentation with a 4:3 slide of 720 x 540 points.
class Presentation {
 public:
  Presentation() = default;
  Presentation(const Presentation&) = delete;
  Presentation& operator=(const Presentation&) = delete;

  ppt::Slides Slides;

  // The presentation's title and the time it was made, as the saved file's properties
  // give them; the creation time is the clock's when the presentation is made.
  std::string Title;
  std::chrono::system_clock::time_point Created = std::chrono::system_clock::now();

  // Writes the presentation as an Office Open XML presentation (.pptx) to FileName.
  // FileFormat: ppSaveAsPresentation, ppSaveAsDefault or ppSaveAsOpenXMLPresentation; any
  // other is refused. No fonts are embedded, whatever EmbedTrueTypeFonts says. Never
  // replaces an existing file and never leaves a partial one: an existing file, a missing
  // folder or a failed write raises AutomationError kErrPowerPointRefused naming the path
  // and the reason.
  void SaveAs(const std::string& FileName, int FileFormat = ppSaveAsDefault,
              int EmbedTrueTypeFonts = msoFalse) const;

  static constexpr double kSlideWidth = 720;
  static constexpr double kSlideHeight = 540;
};

class Presentations {
 public:
  Presentations() : Count(CollectionCountAccess<ppt::Presentation>{&items_}) {}
  Presentations(const Presentations&) = delete;
  Presentations& operator=(const Presentations&) = delete;

  // A new, empty presentation.
  ppt::Presentation& Add();

  // 1-based.
  ppt::Presentation& operator()(int index);
  ReadOnlyProperty<CollectionCountAccess<ppt::Presentation>> Count;

 private:
  std::vector<std::unique_ptr<ppt::Presentation>> items_;
};

// The presentation application. It is never shown; it owns the presentations it made.
class Application {
 public:
  Application() = default;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  ppt::Presentations Presentations;
};

// A new automation object of the class "PowerPoint.Application" (any letter case). Any
// other class name raises AutomationError 429 (the object cannot be created).
std::unique_ptr<Application> CreateObject(std::string_view class_name);

}  // namespace taskvane::ppt

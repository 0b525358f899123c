#pragma once

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/forms/control.h"
#include "platform/runtime/automation_error.h"

namespace taskvane::forms {

// A control array indexed as declared: `optConverType(1..3)`, `lblNoPic(0..1)`.
template <class T>
class ControlArray {
 public:
  ControlArray(Form& form, const std::string& name, int first, int last,
               Control* container = nullptr)
      : first_(first) {
    for (int i = first; i <= last; ++i) {
      items_.push_back(std::make_unique<T>(form, name, i, container));
      items_.back()->MarkArrayElement();
    }
  }

  // Elements in different containers, created in the listed order (which is also their
  // stacking order: a chooser's empty "no fill" strip before the caption drawn on it).
  // The indexes must form one unbroken range.
  ControlArray(Form& form, const std::string& name,
               std::initializer_list<std::pair<int, Control*>> elements) {
    first_ = elements.begin()->first;
    for (const auto& element : elements) first_ = std::min(first_, element.first);
    items_.resize(elements.size());
    for (const auto& [index, container] : elements) {
      auto& slot = items_.at(static_cast<size_t>(index - first_));
      slot = std::make_unique<T>(form, name, index, container);
      slot->MarkArrayElement();
    }
  }

  T& operator()(int index) { return *items_.at(Slot(index)); }
  const T& operator()(int index) const { return *items_.at(Slot(index)); }
  int LBound() const { return first_; }
  int UBound() const { return first_ + static_cast<int>(items_.size()) - 1; }

 private:
  size_t Slot(int index) const {
    if (index < first_ || index > UBound()) {
      throw AutomationError(kErrSubscript, "첨자 사용이 잘못되었습니다.");
    }
    return static_cast<size_t>(index - first_);
  }

  int first_;
  std::vector<std::unique_ptr<T>> items_;
};

}  // namespace taskvane::forms

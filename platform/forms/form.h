#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/property.h"
#include "platform/forms/services.h"

namespace taskvane::forms {

// A window: its own geometry and caption, the controls that registered with it, the
// control that has the focus, and the services it was given.
class Form : public PropertyOwner {
 public:
  Form(std::string name, Services& services) : name_(std::move(name)), services_(services) {}
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form() = default;

  const std::string& Name() const { return name_; }
  Services& Platform() const { return services_; }

  Property<std::string> Caption{this};
  Property<int> Left{this};
  Property<int> Top{this};
  Property<int> Width{this};   // outer size, twips
  Property<int> Height{this};  // outer size, twips

  const std::vector<Control*>& Controls() const { return controls_; }
  // By plain name or "name(index)"; nullptr when there is none.
  Control* Find(const std::string& qualified_name) const;

  Control* ActiveControl() const { return focus_; }
  void SetFocusTo(Control* control) {
    focus_ = control;
    NotifyChanged(control);
  }

  // Set by a view that mirrors the model: called with the control whose property
  // changed, or with nullptr for the form's own state.
  void SetObserver(std::function<void(Control*)> observer) { observer_ = std::move(observer); }
  void NotifyChanged(Control* control) {
    if (observer_) observer_(control);
  }
  void PropertyChanged() override { NotifyChanged(nullptr); }

  // Called by the host when the window is shown as a modal dialog and closed.
  std::function<void()> Unloaded;

 private:
  friend class Control;
  void Register(Control* control) { controls_.push_back(control); }

  std::string name_;
  Services& services_;
  std::vector<Control*> controls_;
  Control* focus_ = nullptr;
  std::function<void(Control*)> observer_;
};

}  // namespace taskvane::forms

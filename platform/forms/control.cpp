#include "platform/forms/control.h"

#include "platform/forms/form.h"

namespace taskvane::forms {

Control::Control(Form& form, ControlKind kind, std::string name, int index, Control* container)
    : form_(form), kind_(kind), name_(std::move(name)), index_(index), container_(container) {
  form_.Register(this);
}

std::string Control::QualifiedName() const {
  return in_array_ ? name_ + "(" + std::to_string(index_) + ")" : name_;
}

void Control::SetFocus() { form_.SetFocusTo(this); }

bool Control::HasFocus() const { return form_.ActiveControl() == this; }

void Control::PropertyChanged() { form_.NotifyChanged(this); }

}  // namespace taskvane::forms

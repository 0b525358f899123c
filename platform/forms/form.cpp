#include "platform/forms/form.h"

namespace taskvane::forms {

Control* Form::Find(const std::string& qualified_name) const {
  for (Control* control : controls_) {
    if (control->QualifiedName() == qualified_name) return control;
  }
  return nullptr;
}

}  // namespace taskvane::forms

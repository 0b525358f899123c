#pragma once

#include <optional>
#include <string>

#include "platform/forms/control.h"
#include "platform/forms/form.h"

namespace taskvane::drive {

// The text the driver prints for `show NAME.PROPERTY`: numbers in decimal, truth values as
// True/False, colours as "&H" and hexadecimal digits, a calendar's day as yyyy-mm-dd, a
// list view's Items as "key=text" joined with "; " (a drop-down list's entries likewise),
// a picture by its name. Nothing when the control has no such property.
std::optional<std::string> PropertyText(const forms::Control& control, const std::string& name);
// The same for the form itself: Caption, Left, Top, Width, Height, ActiveControl.
std::optional<std::string> FormPropertyText(const forms::Form& form, const std::string& name);

}  // namespace taskvane::drive

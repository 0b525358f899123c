#pragma once

#include "platform/forms/controls.h"
#include "platform/forms/form.h"
#include "platform/forms/services.h"

namespace taskvane {

// The about box: the program's credit and its freeware notice. Shown modally from the
// help menu; "닫기" unloads it.
class frmAbout : public forms::Form {
 public:
  explicit frmAbout(forms::Services& services);

  void cmdClose_Click();

  forms::Label lblProgramName{*this, "lblProgramName"};
  forms::Label lblDescription{*this, "lblDescription"};
  forms::Label lblNotice{*this, "lblNotice"};
  forms::CommandButton cmdClose{*this, "cmdClose"};
};

}  // namespace taskvane

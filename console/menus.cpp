// The file and help menus.
#include "console/frm_about.h"
#include "console/frm_main.h"

namespace taskvane {

// Ends the program at once: nothing is asked and no setting is written.
void frmMain::mnuExit_Click() {
  Platform().EndProgram();
}

// The about box is created when it is opened and unloaded when its modal run ends.
void frmMain::mnuInformation_Click() {
  frmAbout about(Platform());
  Platform().ShowModal(about);
}

}  // namespace taskvane

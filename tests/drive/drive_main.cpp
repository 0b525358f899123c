// drive: runs a script of user actions against the main window, headless, and prints what
// the user would see. Usage: drive [SCRIPT]   (standard input without SCRIPT)
//
//   # comment
//   settings PATH        the settings store: this INI file (group frmMain); default a fresh one
//   today YYYY-MM-DD     the clock's date
//   lite                 the next load makes the dialog-free build's window
//   load                 construct the window and run Form_Load
//   set NAME TEXT...     type into a text box (the rest of the line, may be empty)
//   pick NAME ENTRY...   choose a drop-down entry by its text
//   click NAME           click a button, check box, option, picture, label or menu item
//   dblclick NAME        double-click a list view
//   select NAME N        select item N (from 1) of a list view
//   date YYYY-MM-DD      click that day in the open calendar
//   answer yes|no|ok     the answer to the next message box (default ok, no for Yes/No)
//   file PATH|cancel     the outcome of the next file dialog (default cancel)
//   show NAME.PROPERTY   print a property (NAME may be frmMain)
//
// Output lines: MSGBOX <title> | <OK|YesNo> | <text>; STATUS <text>; DIALOG <open|save> |
// <filter> | <preset>; OPEN <path>; MODAL <form>; END; SHOW <NAME.PROPERTY> = <value>;
// ERROR <line>: <reason>. A user can act only on controls that are visible and enabled
// (containers included); text boxes must not be locked. Exit status 2 after an ERROR line.
#include <fstream>
#include <iostream>
#include <memory>

#include "builds/real_exporters.h"
#include "console/frm_main.h"
#include "tests/drive/script_runner.h"

int main(int argc, char* argv[]) {
  using namespace taskvane;
  if (argc > 2) {
    std::cerr << "usage: drive [SCRIPT]\n";
    return 2;
  }
  RealExporters exporters;
  drive::ScriptRunner runner(std::cout, [&exporters](forms::Services& services, bool lite) {
    auto form = std::make_unique<frmMain>(services, exporters,
                                          lite ? BuildVariant::Lite : BuildVariant::Main);
    frmMain* main_window = form.get();
    return drive::LoadedForm{std::move(form), [main_window] { main_window->Form_Load(); }};
  });
  int status = 0;
  if (argc == 2) {
    std::ifstream script(argv[1]);
    if (!script) {
      std::cout << "ERROR 0: cannot read " << argv[1] << "\n";
      return 2;
    }
    status = runner.Run(script);
  } else {
    status = runner.Run(std::cin);
  }
  std::cout.flush();
  return status;
}

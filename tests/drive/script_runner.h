#pragma once

#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <ostream>
#include <string>

#include "platform/forms/control.h"
#include "platform/forms/form.h"
#include "tests/drive/driver_services.h"

namespace taskvane::drive {

// A form made by the driver, with the handler that runs when it is loaded.
struct LoadedForm {
  std::unique_ptr<forms::Form> form;
  std::function<void()> form_load;
};

// Makes the form to drive; `lite` asks for the dialog-free build.
using FormFactory = std::function<LoadedForm(forms::Services& services, bool lite)>;

// Runs a driver script against a form (the commands are described in drive_main.cpp) and
// prints what the user would see. Stops at the first line it cannot run, printing
// "ERROR <line>: <reason>", and at the end of the program.
class ScriptRunner {
 public:
  ScriptRunner(std::ostream& out, FormFactory factory);
  ~ScriptRunner();

  // 0 when every line ran, 2 after a script error.
  int Run(std::istream& script);

 private:
  void RunLine(const std::string& line);
  void Load();
  forms::Control& Reachable(const std::string& name, const char* action);
  forms::Control& Named(const std::string& name);
  forms::Form& LoadedOrFail();
  void Show(const std::string& target);
  void WatchStatusBars();

  std::ostream& out_;
  FormFactory factory_;
  DriverServices services_;
  LoadedForm loaded_;
  bool lite_ = false;
  std::map<const forms::Control*, std::string> status_shown_;
};

}  // namespace taskvane::drive

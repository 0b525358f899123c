#include "tests/drive/script_runner.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <sstream>

#include "platform/forms/controls.h"
#include "platform/runtime/automation_error.h"
#include "platform/runtime/date.h"
#include "tests/drive/property_text.h"

namespace taskvane::drive {

namespace {

using forms::ControlKind;

// The first word of `text` and the rest after one separating space.
std::pair<std::string, std::string> SplitWord(const std::string& text) {
  const size_t space = text.find(' ');
  if (space == std::string::npos) return {text, ""};
  return {text.substr(0, space), text.substr(space + 1)};
}

std::string Trim(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

DaySerial DateArgument(const std::string& text) {
  const auto day = ParseDate(Trim(text));
  if (!day || Trim(text).size() != 10) throw ScriptError("not a date (YYYY-MM-DD): " + text);
  return *day;
}

}  // namespace

ScriptRunner::ScriptRunner(std::ostream& out, FormFactory factory)
    : out_(out), factory_(std::move(factory)), services_(out) {}

ScriptRunner::~ScriptRunner() {
  if (loaded_.form) loaded_.form->SetObserver(nullptr);
}

int ScriptRunner::Run(std::istream& script) {
  std::string line;
  int number = 0;
  while (!services_.Ended() && std::getline(script, line)) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == '#') continue;
    try {
      RunLine(line.substr(line.find_first_not_of(" \t")));
    } catch (const ScriptError& error) {
      out_ << "ERROR " << number << ": " << error.what() << "\n";
      return 2;
    } catch (const AutomationError& error) {
      out_ << "ERROR " << number << ": run-time error " << error.Number << ": "
           << OneLine(error.Description) << "\n";
      return 2;
    } catch (const std::exception& error) {
      out_ << "ERROR " << number << ": " << OneLine(error.what()) << "\n";
      return 2;
    }
  }
  return 0;
}

void ScriptRunner::RunLine(const std::string& line) {
  const auto [command, rest] = SplitWord(line);
  const std::string argument = Trim(rest);
  auto need_argument = [&] {
    if (argument.empty()) throw ScriptError(command + " needs an argument");
  };
  if (command == "settings") {
    need_argument();
    services_.UseSettingsFile(argument);
  } else if (command == "today") {
    services_.SetToday(DateArgument(argument));
  } else if (command == "lite") {
    if (loaded_.form) throw ScriptError("lite must come before load");
    lite_ = true;
  } else if (command == "load") {
    Load();
  } else if (command == "set") {
    const auto [name, text] = SplitWord(rest);
    forms::Control& control = Reachable(name, "type into");
    if (control.Kind() != ControlKind::TextBox) throw ScriptError(name + " is not a text box");
    auto& box = static_cast<forms::TextBox&>(control);
    if (box.Locked) throw ScriptError(name + " is locked");
    box.Text = text;
  } else if (command == "pick") {
    const auto [name, entry] = SplitWord(rest);
    forms::Control& control = Reachable(name, "pick from");
    if (control.Kind() != ControlKind::ComboBox)
      throw ScriptError(name + " is not a drop-down list");
    auto& combo = static_cast<forms::ComboBox&>(control);
    const auto& entries = combo.Entries();
    const auto it = std::find(entries.begin(), entries.end(), entry);
    if (it == entries.end()) throw ScriptError(name + " has no entry \"" + entry + "\"");
    combo.ListIndex = static_cast<int>(it - entries.begin());
  } else if (command == "click") {
    need_argument();
    forms::Control& control = Reachable(argument, "click");
    switch (control.Kind()) {
      case ControlKind::CheckBox:
        static_cast<forms::CheckBox&>(control).UserClick();
        break;
      case ControlKind::OptionButton:
        static_cast<forms::OptionButton&>(control).UserClick();
        break;
      case ControlKind::CommandButton:
      case ControlKind::PictureBox:
      case ControlKind::Label:
      case ControlKind::Menu:
        control.RaiseClick();
        break;
      default:
        throw ScriptError(argument + " cannot be clicked");
    }
  } else if (command == "dblclick") {
    need_argument();
    forms::Control& control = Reachable(argument, "double-click");
    if (control.Kind() != ControlKind::ListView)
      throw ScriptError(argument + " is not a list view");
    control.RaiseDblClick();
  } else if (command == "select") {
    const auto [name, index_text] = SplitWord(argument);
    forms::Control& control = Reachable(name, "select in");
    if (control.Kind() != ControlKind::ListView) throw ScriptError(name + " is not a list view");
    auto& list = static_cast<forms::ListView&>(control);
    int index = 0;
    const std::string n = Trim(index_text);
    const auto [end, error] = std::from_chars(n.data(), n.data() + n.size(), index);
    if (n.empty() || error != std::errc() || end != n.data() + n.size()) {
      throw ScriptError("not an item number: " + index_text);
    }
    if (index < 1 || index > list.Count()) {
      throw ScriptError(name + " has no item " + n + " (it has " + std::to_string(list.Count()) +
                        ")");
    }
    list.SelectedItem = index;
  } else if (command == "date") {
    const DaySerial day = DateArgument(argument);
    forms::Form& form = LoadedOrFail();
    forms::MonthView* open = nullptr;
    for (forms::Control* control : form.Controls()) {
      if (control->Kind() == ControlKind::MonthView) {
        try {
          open = &static_cast<forms::MonthView&>(Reachable(control->QualifiedName(), "use"));
          break;
        } catch (const ScriptError&) {
        }
      }
    }
    if (open == nullptr) throw ScriptError("no calendar is open");
    open->UserClickDate(day);
  } else if (command == "answer") {
    if (argument == "yes") {
      services_.QueueAnswer(forms::vbYes);
    } else if (argument == "no") {
      services_.QueueAnswer(forms::vbNo);
    } else if (argument == "ok") {
      services_.QueueAnswer(forms::vbOK);
    } else {
      throw ScriptError("answer takes yes, no or ok");
    }
  } else if (command == "file") {
    need_argument();
    services_.QueueFile(argument == "cancel" ? std::nullopt : std::optional<std::string>(argument));
  } else if (command == "show") {
    need_argument();
    Show(argument);
  } else {
    throw ScriptError("unknown command: " + command);
  }
}

void ScriptRunner::Load() {
  if (loaded_.form) loaded_.form->SetObserver(nullptr);
  loaded_ = LoadedForm{};
  status_shown_.clear();
  loaded_ = factory_(services_, lite_);
  WatchStatusBars();
  if (loaded_.form_load) loaded_.form_load();
}

// Prints every change of a status bar's text, from the design state on.
void ScriptRunner::WatchStatusBars() {
  forms::Form& form = *loaded_.form;
  for (forms::Control* control : form.Controls()) {
    if (control->Kind() == ControlKind::StatusBar) {
      status_shown_[control] = static_cast<forms::StatusBar*>(control)->PanelText;
    }
  }
  form.SetObserver([this](forms::Control* control) {
    auto it = status_shown_.find(control);
    if (it == status_shown_.end()) return;
    const std::string& text = static_cast<forms::StatusBar*>(control)->PanelText;
    if (text == it->second) return;
    it->second = text;
    out_ << "STATUS " << OneLine(text) << "\n";
  });
}

forms::Form& ScriptRunner::LoadedOrFail() {
  if (!loaded_.form) throw ScriptError("no form is loaded (load comes first)");
  return *loaded_.form;
}

forms::Control& ScriptRunner::Named(const std::string& name) {
  forms::Control* control = LoadedOrFail().Find(name);
  if (control == nullptr) throw ScriptError("no control named " + name);
  return *control;
}

// A control the user can reach: it and every container of it (frames, parent menus) are
// visible and enabled.
forms::Control& ScriptRunner::Reachable(const std::string& name, const char* action) {
  if (name.empty()) throw ScriptError(std::string("which control to ") + action + "?");
  forms::Control& control = Named(name);
  for (const forms::Control* c = &control; c != nullptr; c = c->Container()) {
    const std::string why = !c->Visible ? " is hidden" : !c->Enabled ? " is disabled" : "";
    if (why.empty()) continue;
    throw ScriptError(std::string("cannot ") + action + " " + name + ": " + c->QualifiedName() +
                      why);
  }
  return control;
}

void ScriptRunner::Show(const std::string& target) {
  forms::Form& form = LoadedOrFail();
  // The property follows the last "." (names hold none).
  const size_t dot = target.rfind('.');
  if (dot == std::string::npos) throw ScriptError("show takes NAME.PROPERTY");
  const std::string name = target.substr(0, dot);
  const std::string property = target.substr(dot + 1);
  std::optional<std::string> text;
  if (name == form.Name()) {
    text = FormPropertyText(form, property);
  } else {
    text = PropertyText(Named(name), property);
  }
  if (!text) throw ScriptError(name + " has no property " + property);
  out_ << "SHOW " << target << " = " << OneLine(*text) << "\n";
}

}  // namespace taskvane::drive

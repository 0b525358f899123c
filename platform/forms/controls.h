#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/forms/control.h"
#include "platform/forms/picture.h"
#include "platform/runtime/date.h"

namespace taskvane::forms {

class Label : public Control {
 public:
  Label(Form& form, std::string name, int index = 0, Control* container = nullptr)
      : Control(form, ControlKind::Label, std::move(name), index, container) {}
  Property<std::string> Caption{this};
};

class TextBox : public Control {
 public:
  TextBox(Form& form, std::string name, int index = 0, Control* container = nullptr)
      : Control(form, ControlKind::TextBox, std::move(name), index, container) {
    BackColor.SetQuietly(kColorWindowBackground);
  }
  Property<std::string> Text{this};
  // Locked: the user can select and copy but not type.
  Property<bool> Locked{this, false};
};

class CommandButton : public Control {
 public:
  CommandButton(Form& form, std::string name, int index = 0, Control* container = nullptr)
      : Control(form, ControlKind::CommandButton, std::move(name), index, container) {}
  Property<std::string> Caption{this};
};

inline constexpr int vbUnchecked = 0;
inline constexpr int vbChecked = 1;

// Setting Value to a different value raises Click, in code as by the user.
class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name, int index = 0, Control* container = nullptr);
  Property<std::string> Caption{this};
  Property<int> Value{this, vbUnchecked};
  // A user's click toggles the value.
  void UserClick();
};

// Setting Value to true clears the other option buttons of the same container and raises
// Click. A user's click on an option that is already selected raises Click again.
class OptionButton : public Control {
 public:
  OptionButton(Form& form, std::string name, int index = 0, Control* container = nullptr);
  Property<std::string> Caption{this};
  Property<bool> Value{this, false};
  void UserClick();
};

// A drop-down list: the user can only pick an entry. Changing ListIndex raises Click;
// Text is the entry at ListIndex ("" with no selection, ListIndex -1).
class ComboBox : public Control {
 public:
  ComboBox(Form& form, std::string name, int index = 0, Control* container = nullptr);
  Property<int> ListIndex{this, -1};
  Property<std::string> Text{this};

  void AddItem(std::string entry);
  void Clear();
  int ListCount() const { return static_cast<int>(entries_.size()); }
  const std::string& List(int i) const { return entries_.at(static_cast<size_t>(i)); }
  const std::vector<std::string>& Entries() const { return entries_; }
  // Selects the entry with this text, as setting Text of a drop-down list does; false
  // (and nothing changes) when no entry has it.
  bool SelectText(const std::string& text);

 private:
  std::vector<std::string> entries_;
};

class Frame : public Control {
 public:
  Frame(Form& form, std::string name, int index = 0, Control* container = nullptr)
      : Control(form, ControlKind::Frame, std::move(name), index, container) {}
  Property<std::string> Caption{this};
  Property<bool> BorderVisible{this, true};
};

class PictureBox : public Control {
 public:
  PictureBox(Form& form, std::string name, int index = 0, Control* container = nullptr)
      : Control(form, ControlKind::PictureBox, std::move(name), index, container) {}
  Property<forms::Picture> Picture{this};
};

class Line : public Control {
 public:
  Line(Form& form, std::string name, int index = 0, Control* container = nullptr)
      : Control(form, ControlKind::Line, std::move(name), index, container) {}
  Property<int> X1{this}, Y1{this}, X2{this}, Y2{this};
};

struct ListItem {
  std::string Key;
  std::string Text;
  friend bool operator==(const ListItem&, const ListItem&) = default;
};

// A report-style list view with one column header. SelectedItem is a 1-based index, 0
// for none.
class ListView : public Control {
 public:
  ListView(Form& form, std::string name, int index = 0, Control* container = nullptr)
      : Control(form, ControlKind::ListView, std::move(name), index, container) {
    BackColor.SetQuietly(kColorWindowBackground);
  }
  Property<std::vector<ListItem>> ListItems{this};
  Property<int> SelectedItem{this, 0};
  Property<std::string> ColumnHeaderText{this};
  Property<int> ColumnHeaderWidth{this};

  int Count() const { return static_cast<int>(ListItems.get().size()); }
  const ListItem& Item(int i) const { return ListItems.get().at(static_cast<size_t>(i - 1)); }
  // Adds at the end; keys must be unique (AutomationError 35602 otherwise, as the control).
  void Add(std::string key, std::string text);
  void Remove(int i);
  void ClearItems();
  bool HasKey(const std::string& key) const;
};

class StatusBar : public Control {
 public:
  StatusBar(Form& form, std::string name, int index = 0, Control* container = nullptr)
      : Control(form, ControlKind::StatusBar, std::move(name), index, container) {}
  // The text of the one panel.
  Property<std::string> PanelText{this};
};

// A month calendar. Value is the highlighted day; DateClick is raised when the user
// clicks a day (after Value is set to it).
class MonthView : public Control {
 public:
  MonthView(Form& form, std::string name, int index = 0, Control* container = nullptr)
      : Control(form, ControlKind::MonthView, std::move(name), index, container) {}
  Property<DaySerial> Value{this, 0};
  std::function<void(DaySerial)> DateClick;
  void UserClickDate(DaySerial day);
};

class Menu : public Control {
 public:
  Menu(Form& form, std::string name, Control* parent_menu = nullptr)
      : Control(form, ControlKind::Menu, std::move(name), 0, parent_menu) {}
  Property<std::string> Caption{this};
};

// The common file dialog control: FileName is the preset and the result, Filter is
// "description|pattern". ShowOpen/ShowSave ask the form's dialog service; Cancel leaves
// FileName "" (or raises AutomationError 32755 when CancelError is true).
class CommonDialog : public Control {
 public:
  CommonDialog(Form& form, std::string name, int index = 0, Control* container = nullptr)
      : Control(form, ControlKind::CommonDialog, std::move(name), index, container) {
    Visible.SetQuietly(false);
  }
  std::string FileName;
  std::string Filter;
  bool CancelError = true;
  void ShowOpen();
  void ShowSave();

 private:
  void Show(bool save);
};

inline constexpr long kErrCancel = 32755;
inline constexpr long kErrKeyNotUnique = 35602;

}  // namespace taskvane::forms

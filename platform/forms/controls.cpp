#include "platform/forms/controls.h"

#include <algorithm>

#include "platform/forms/form.h"
#include "platform/runtime/automation_error.h"

namespace taskvane::forms {

CheckBox::CheckBox(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::CheckBox, std::move(name), index, container) {
  Value.OnChange([this](const int&) { RaiseClick(); });
}

void CheckBox::UserClick() { Value = Value == vbChecked ? vbUnchecked : vbChecked; }

OptionButton::OptionButton(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::OptionButton, std::move(name), index, container) {
  Value.OnChange([this](const bool&) {
    if (!Value) return;
    for (Control* other : Parent().Controls()) {
      if (other != this && other->Kind() == ControlKind::OptionButton &&
          other->Container() == Container()) {
        static_cast<OptionButton*>(other)->Value.SetQuietly(false);
      }
    }
    RaiseClick();
  });
}

void OptionButton::UserClick() {
  if (Value) {
    RaiseClick();
  } else {
    Value = true;
  }
}

ComboBox::ComboBox(Form& form, std::string name, int index, Control* container)
    : Control(form, ControlKind::ComboBox, std::move(name), index, container) {
  BackColor.SetQuietly(kColorWindowBackground);
  ListIndex.OnChange([this](const int&) {
    const int i = ListIndex;
    Text.SetQuietly(i >= 0 && i < ListCount() ? entries_[static_cast<size_t>(i)] : "");
    RaiseClick();
  });
}

void ComboBox::AddItem(std::string entry) {
  entries_.push_back(std::move(entry));
  PropertyChanged();
}

void ComboBox::Clear() {
  entries_.clear();
  ListIndex.SetQuietly(-1);
  Text.SetQuietly("");
  PropertyChanged();
}

bool ComboBox::SelectText(const std::string& text) {
  auto it = std::find(entries_.begin(), entries_.end(), text);
  if (it == entries_.end()) return false;
  ListIndex = static_cast<int>(it - entries_.begin());
  return true;
}

void ListView::Add(std::string key, std::string text) {
  if (HasKey(key)) throw AutomationError(kErrKeyNotUnique, "키가 고유하지 않습니다.");
  auto items = ListItems.get();
  items.push_back(ListItem{std::move(key), std::move(text)});
  ListItems = std::move(items);
}

void ListView::Remove(int i) {
  if (i < 1 || i > Count()) throw AutomationError(35600, "인덱스가 범위를 벗어났습니다.");
  auto items = ListItems.get();
  items.erase(items.begin() + (i - 1));
  if (SelectedItem == i) {
    SelectedItem = 0;
  } else if (SelectedItem > i) {
    SelectedItem = SelectedItem - 1;
  }
  ListItems = std::move(items);
}

void ListView::ClearItems() {
  SelectedItem = 0;
  ListItems = std::vector<ListItem>{};
}

bool ListView::HasKey(const std::string& key) const {
  const auto& items = ListItems.get();
  return std::any_of(items.begin(), items.end(), [&](const ListItem& it) { return it.Key == key; });
}

void MonthView::UserClickDate(DaySerial day) {
  Value = day;
  if (DateClick) DateClick(day);
}

void CommonDialog::ShowOpen() { Show(false); }
void CommonDialog::ShowSave() { Show(true); }

void CommonDialog::Show(bool save) {
  Services& services = Parent().Platform();
  auto chosen = save ? services.ShowSaveDialog(Filter, FileName)
                     : services.ShowOpenDialog(Filter, FileName);
  if (chosen) {
    FileName = *chosen;
    return;
  }
  // Cancel leaves FileName as it was preset.
  if (CancelError) throw AutomationError(kErrCancel, "취소를 선택했습니다.");
}

}  // namespace taskvane::forms

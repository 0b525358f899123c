#include "tests/drive/property_text.h"

#include <cstdio>

#include "platform/forms/controls.h"
#include "platform/runtime/date.h"

namespace taskvane::drive {

namespace {

using forms::ControlKind;

std::string Truth(bool value) {
  return value ? "True" : "False";
}

std::string Colour(long colour) {
  char text[24];
  std::snprintf(text, sizeof text, "&H%lX", static_cast<unsigned long>(colour) & 0xFFFFFFFFUL);
  return text;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : "; ") + part;
  return text;
}

template <class T>
const T& As(const forms::Control& control) {
  return static_cast<const T&>(control);
}

std::optional<std::string> Caption(const forms::Control& c) {
  switch (c.Kind()) {
    case ControlKind::Label:
      return As<forms::Label>(c).Caption.get();
    case ControlKind::CommandButton:
      return As<forms::CommandButton>(c).Caption.get();
    case ControlKind::CheckBox:
      return As<forms::CheckBox>(c).Caption.get();
    case ControlKind::OptionButton:
      return As<forms::OptionButton>(c).Caption.get();
    case ControlKind::Frame:
      return As<forms::Frame>(c).Caption.get();
    case ControlKind::Menu:
      return As<forms::Menu>(c).Caption.get();
    default:
      return std::nullopt;
  }
}

std::optional<std::string> Text(const forms::Control& c) {
  switch (c.Kind()) {
    case ControlKind::TextBox:
      return As<forms::TextBox>(c).Text.get();
    case ControlKind::ComboBox:
      return As<forms::ComboBox>(c).Text.get();
    case ControlKind::StatusBar:
      return As<forms::StatusBar>(c).PanelText.get();
    default:
      return std::nullopt;
  }
}

std::optional<std::string> Value(const forms::Control& c) {
  switch (c.Kind()) {
    case ControlKind::CheckBox:
      return std::to_string(As<forms::CheckBox>(c).Value.get());
    case ControlKind::OptionButton:
      return Truth(As<forms::OptionButton>(c).Value);
    case ControlKind::MonthView:
      return FormatDate(As<forms::MonthView>(c).Value);
    default:
      return std::nullopt;
  }
}

std::optional<std::string> Items(const forms::Control& c) {
  std::vector<std::string> parts;
  if (c.Kind() == ControlKind::ListView) {
    for (const forms::ListItem& item : As<forms::ListView>(c).ListItems.get()) {
      parts.push_back(item.Key + "=" + item.Text);
    }
  } else if (c.Kind() == ControlKind::ComboBox) {
    parts = As<forms::ComboBox>(c).Entries();
  } else {
    return std::nullopt;
  }
  return Joined(parts);
}

std::optional<std::string> ListCount(const forms::Control& c) {
  if (c.Kind() == ControlKind::ComboBox) return std::to_string(As<forms::ComboBox>(c).ListCount());
  if (c.Kind() == ControlKind::ListView) return std::to_string(As<forms::ListView>(c).Count());
  return std::nullopt;
}

}  // namespace

std::optional<std::string> PropertyText(const forms::Control& c, const std::string& name) {
  if (name == "Caption") return Caption(c);
  if (name == "Text") return Text(c);
  if (name == "Value") return Value(c);
  if (name == "Visible") return Truth(c.Visible);
  if (name == "Enabled") return Truth(c.Enabled);
  if (name == "Locked") {
    if (c.Kind() != ControlKind::TextBox) return std::nullopt;
    return Truth(As<forms::TextBox>(c).Locked);
  }
  if (name == "Left") return std::to_string(c.Left.get());
  if (name == "Top") return std::to_string(c.Top.get());
  if (name == "Width") return std::to_string(c.Width.get());
  if (name == "Height") return std::to_string(c.Height.get());
  if (name == "Tag") return c.Tag.get();
  if (name == "BackColor") return Colour(c.BackColor);
  if (name == "ForeColor") return Colour(c.ForeColor);
  if (name == "ListIndex") {
    if (c.Kind() != ControlKind::ComboBox) return std::nullopt;
    return std::to_string(As<forms::ComboBox>(c).ListIndex.get());
  }
  if (name == "ListCount") return ListCount(c);
  if (name == "Items") return Items(c);
  if (name == "SelectedItem") {
    if (c.Kind() != ControlKind::ListView) return std::nullopt;
    return std::to_string(As<forms::ListView>(c).SelectedItem.get());
  }
  if (name == "Picture") {
    if (c.Kind() != ControlKind::PictureBox) return std::nullopt;
    return As<forms::PictureBox>(c).Picture->Name;
  }
  return std::nullopt;
}

std::optional<std::string> FormPropertyText(const forms::Form& form, const std::string& name) {
  if (name == "Caption") return form.Caption.get();
  if (name == "Left") return std::to_string(form.Left.get());
  if (name == "Top") return std::to_string(form.Top.get());
  if (name == "Width") return std::to_string(form.Width.get());
  if (name == "Height") return std::to_string(form.Height.get());
  if (name == "ActiveControl") {
    return form.ActiveControl() ? form.ActiveControl()->QualifiedName() : std::string();
  }
  return std::nullopt;
}

}  // namespace taskvane::drive

#pragma once

#include <functional>
#include <string>

#include "platform/forms/property.h"

namespace taskvane::forms {

class Form;

enum class ControlKind {
  Label,
  TextBox,
  CommandButton,
  CheckBox,
  OptionButton,
  ComboBox,
  Frame,
  PictureBox,
  Line,
  ListView,
  StatusBar,
  MonthView,
  Menu,
  CommonDialog,
};

// Colours as the window toolkit gives them: 0x00BBGGRR, or a system colour 0x800000nn.
inline constexpr long kColorWindowBackground = 0x80000005;
inline constexpr long kColorButtonFace = 0x8000000F;
inline constexpr long kColorWindowText = 0x80000008;

// Everything on a form: a named object with the common properties of the toolkit. Lengths
// are twips, relative to the container. A control registers itself with its form when it
// is constructed and cannot be copied or moved.
class Control : public PropertyOwner {
 public:
  Control(Form& form, ControlKind kind, std::string name, int index = 0,
          Control* container = nullptr);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  ControlKind Kind() const { return kind_; }
  const std::string& Name() const { return name_; }
  int Index() const { return index_; }
  bool IsArrayElement() const { return in_array_; }
  void MarkArrayElement() { in_array_ = true; }
  // "optConverType(2)" for an element of a control array, else the plain name.
  std::string QualifiedName() const;
  Control* Container() const { return container_; }
  Form& Parent() const { return form_; }

  Property<int> Left{this};
  Property<int> Top{this};
  Property<int> Width{this};
  Property<int> Height{this};
  Property<bool> Visible{this, true};
  Property<bool> Enabled{this, true};
  Property<long> BackColor{this, kColorButtonFace};
  Property<long> ForeColor{this, kColorWindowText};
  Property<std::string> FontName{this, "굴림"};
  Property<double> FontSize{this, 9.0};
  Property<bool> FontBold{this, false};
  Property<std::string> Tag{this};

  // Gives this control the focus of its form.
  void SetFocus();
  bool HasFocus() const;

  // Events. The form binds them to its handlers; a user's action raises them.
  std::function<void()> Click;
  std::function<void()> DblClick;

  void RaiseClick() {
    if (Click) Click();
  }
  void RaiseDblClick() {
    if (DblClick) DblClick();
  }

  void PropertyChanged() override;

 private:
  Form& form_;
  ControlKind kind_;
  std::string name_;
  int index_;
  bool in_array_ = false;
  Control* container_;
};

}  // namespace taskvane::forms

#pragma once

#include <QFont>
#include <QObject>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/forms/control.h"
#include "platform/forms/controls.h"

class QMenu;
class QMenuBar;
class QScreen;
class QStatusBar;

namespace taskvane::qt {

class FormWindow;

// Pixels for a length in twips (15 twips to a pixel).
int Px(int twips);

// `place` moved as little as needed to lie on the screen's available area, as far as it
// fits there; unchanged without a screen.
QRect KeptOnScreen(QRect place, const QScreen* screen);

// Calls `changed` whenever a widget it watches (as its event filter) moves, changes size,
// shows or hides, or is minimised or restored.
class PlacementWatch : public QObject {
 public:
  explicit PlacementWatch(std::function<void()> changed) : changed_(std::move(changed)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> changed_;
};

// The view of one control: its widget (or menu entry) and the code that mirrors the model
// onto it. Views own no state of the model; Sync may run at any time and repeatedly.
class ControlView {
 public:
  explicit ControlView(forms::Control& control) : control_(control) {}
  virtual ~ControlView() = default;
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  forms::Control& Model() const { return control_; }
  // The widget that holds the control's children, or shows it; nullptr for menus.
  virtual QWidget* Widget() const = 0;
  // Lightweight controls (labels, lines) stay behind the windowed ones of their container.
  virtual bool Lightweight() const { return false; }
  virtual void Sync() = 0;

 protected:
  // Geometry, visibility, enabled state and font, as every widget has them. Raises a
  // windowed control that becomes visible, so a pop-up shows over the panels. `least` is a
  // size the widget needs to show its content at all.
  void SyncCommon(QWidget& widget, QSize least = {});
  // The enabled state and font alone, for a view that places and shows its widget itself.
  void SyncEnabledAndFont(QWidget& widget);
  // Background and text colours into the given palette roles.
  void SyncColors(QWidget& widget, bool fill_background, bool base_role);

 private:
  forms::Control& control_;
};

QFont FontOf(const forms::Control& control);

// The widget views, one per kind. `parent` is the container's widget.
std::unique_ptr<ControlView> MakeLabelView(forms::Label& label, QWidget* parent,
                                           FormWindow& window);
std::unique_ptr<ControlView> MakeTextBoxView(forms::TextBox& box, QWidget* parent,
                                             FormWindow& window);
std::unique_ptr<ControlView> MakeButtonView(forms::CommandButton& button, QWidget* parent,
                                            FormWindow& window);
std::unique_ptr<ControlView> MakeCheckBoxView(forms::CheckBox& box, QWidget* parent,
                                              FormWindow& window);
std::unique_ptr<ControlView> MakeOptionButtonView(forms::OptionButton& option, QWidget* parent,
                                                  FormWindow& window);
std::unique_ptr<ControlView> MakeComboBoxView(forms::ComboBox& combo, QWidget* parent,
                                              FormWindow& window);
std::unique_ptr<ControlView> MakeFrameView(forms::Frame& frame, QWidget* parent);
std::unique_ptr<ControlView> MakePictureBoxView(forms::PictureBox& picture, QWidget* parent,
                                                FormWindow& window);
std::unique_ptr<ControlView> MakeLineView(forms::Line& line, QWidget* parent);
std::unique_ptr<ControlView> MakeListViewView(forms::ListView& list, QWidget* parent,
                                              FormWindow& window);
std::unique_ptr<ControlView> MakeMonthViewView(forms::MonthView& calendar, QWidget* parent,
                                               FormWindow& window);
std::unique_ptr<ControlView> MakeStatusBarView(forms::StatusBar& bar, QStatusBar& status,
                                               FormWindow& window);
// A menu of the menu bar or of another menu: a submenu when other Menu controls name it as
// their parent, else an item.
std::unique_ptr<ControlView> MakeMenuView(forms::Menu& menu, bool has_items, QMenuBar& bar,
                                          QMenu* parent_menu, FormWindow& window);
// The submenu of a menu view made with has_items (nullptr otherwise).
QMenu* SubmenuOf(const ControlView& menu_view);

}  // namespace taskvane::qt

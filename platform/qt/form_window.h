#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/forms/form.h"

namespace taskvane::qt {

class ControlView;

// Shows a form of the forms layer as a real window. One widget per control, 15 twips to a
// pixel, positions relative to the container; menus from the Menu controls, the status bar
// along the bottom. The model is the truth: every change of a property is mirrored at once,
// and user input becomes the model's events (RunHandler). The form's Width and Height are
// the outer size; a fixed allowance for the title bar and borders is taken off, and
// controls beyond that size are cut off.
class FormWindow : public QMainWindow {
 public:
  // Allowance of the window manager's title bar and borders, pixels.
  static constexpr int kFrameWidthPx = 8;
  static constexpr int kFrameHeightPx = 31;

  explicit FormWindow(forms::Form& form, QWidget* parent = nullptr);
  ~FormWindow() override;

  forms::Form& Model() const { return form_; }

  // Runs a model event raised by the user, to completion: a wait cursor shows meanwhile,
  // status texts repaint at once, and an error that escapes the handler is shown instead of
  // ending the program.
  void RunHandler(const std::function<void()>& handler);
  bool HandlerRunning() const { return handler_depth_ > 0; }
  // True at most every 50 ms while a handler runs: when a changed status text may paint
  // at once.
  bool TakeRepaintTurn();

  // The widget showing a control (nullptr for controls without one), for tests.
  QWidget* WidgetOf(const forms::Control& control) const;

  // Called after the user closed the window.
  std::function<void()> Closed;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  void StackLightweightControls();
  void Sync(forms::Control* control);
  void SyncForm();
  void TrackFocus(QWidget* now);

  forms::Form& form_;
  std::vector<std::unique_ptr<ControlView>> views_;
  std::map<const forms::Control*, ControlView*> view_of_;
  QWidget* client_ = nullptr;
  int handler_depth_ = 0;
  QElapsedTimer repaint_clock_;
};

}  // namespace taskvane::qt

#include "platform/qt/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <algorithm>
#include <exception>
#include <string>

#include "platform/forms/controls.h"
#include "platform/qt/control_views.h"
#include "platform/runtime/automation_error.h"

namespace taskvane::qt {

namespace {

// Shows the wait cursor for the life of the object.
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Counts the handlers running on a window.
class Depth {
 public:
  explicit Depth(int& depth) : depth_(depth) { ++depth_; }
  ~Depth() { --depth_; }
  Depth(const Depth&) = delete;
  Depth& operator=(const Depth&) = delete;

 private:
  int& depth_;
};

bool IsMenu(const forms::Control& control) {
  return control.Kind() == forms::ControlKind::Menu;
}

}  // namespace

FormWindow::FormWindow(forms::Form& form, QWidget* parent) : QMainWindow(parent), form_(form) {
  setAttribute(Qt::WA_DeleteOnClose, false);
  client_ = new QWidget(this);
  client_->setAutoFillBackground(true);
  setCentralWidget(client_);
  Build();
  form_.SetObserver([this](forms::Control* control) { Sync(control); });
  QObject::connect(qApp, &QApplication::focusChanged, this,
                   [this](QWidget*, QWidget* now) { TrackFocus(now); });
}

FormWindow::~FormWindow() {
  form_.SetObserver(nullptr);
}

void FormWindow::Build() {
  const std::vector<forms::Control*>& controls = form_.Controls();
  // Menus first, parents before their items; then the other controls, each container
  // before its contents.
  std::function<ControlView*(forms::Control*)> view_for = [&](forms::Control* control) {
    if (auto it = view_of_.find(control); it != view_of_.end()) return it->second;
    forms::Control* container = control->Container();
    ControlView* container_view = container ? view_for(container) : nullptr;
    std::unique_ptr<ControlView> view;
    if (IsMenu(*control)) {
      const bool has_items = std::any_of(controls.begin(), controls.end(), [&](auto* other) {
        return IsMenu(*other) && other->Container() == control;
      });
      QMenu* parent_menu = container_view ? SubmenuOf(*container_view) : nullptr;
      view = MakeMenuView(static_cast<forms::Menu&>(*control), has_items, *menuBar(), parent_menu,
                          *this);
    } else {
      QWidget* parent =
          container_view && container_view->Widget() ? container_view->Widget() : client_;
      switch (control->Kind()) {
        case forms::ControlKind::Label:
          view = MakeLabelView(static_cast<forms::Label&>(*control), parent, *this);
          break;
        case forms::ControlKind::TextBox:
          view = MakeTextBoxView(static_cast<forms::TextBox&>(*control), parent, *this);
          break;
        case forms::ControlKind::CommandButton:
          view = MakeButtonView(static_cast<forms::CommandButton&>(*control), parent, *this);
          break;
        case forms::ControlKind::CheckBox:
          view = MakeCheckBoxView(static_cast<forms::CheckBox&>(*control), parent, *this);
          break;
        case forms::ControlKind::OptionButton:
          view = MakeOptionButtonView(static_cast<forms::OptionButton&>(*control), parent, *this);
          break;
        case forms::ControlKind::ComboBox:
          view = MakeComboBoxView(static_cast<forms::ComboBox&>(*control), parent, *this);
          break;
        case forms::ControlKind::Frame:
          view = MakeFrameView(static_cast<forms::Frame&>(*control), parent);
          break;
        case forms::ControlKind::PictureBox:
          view = MakePictureBoxView(static_cast<forms::PictureBox&>(*control), parent, *this);
          break;
        case forms::ControlKind::Line:
          view = MakeLineView(static_cast<forms::Line&>(*control), parent);
          break;
        case forms::ControlKind::ListView:
          view = MakeListViewView(static_cast<forms::ListView&>(*control), parent, *this);
          break;
        case forms::ControlKind::MonthView:
          view = MakeMonthViewView(static_cast<forms::MonthView&>(*control), parent, *this);
          break;
        case forms::ControlKind::StatusBar:
          view = MakeStatusBarView(static_cast<forms::StatusBar&>(*control), *statusBar(), *this);
          break;
        case forms::ControlKind::Menu:
        case forms::ControlKind::CommonDialog:
          break;
      }
    }
    ControlView* raw = view.get();
    view_of_[control] = raw;
    if (view) views_.push_back(std::move(view));
    return raw;
  };
  for (forms::Control* control : controls) view_for(control);
  StackLightweightControls();
  for (const auto& view : views_) view->Sync();
  SyncForm();
}

// Labels and lines are drawn by their container, under every windowed control; among
// themselves the later one lies on top. Lowering them from the last to the first keeps
// that order.
void FormWindow::StackLightweightControls() {
  for (auto it = views_.rbegin(); it != views_.rend(); ++it) {
    if ((*it)->Lightweight() && (*it)->Widget()) (*it)->Widget()->lower();
  }
}

QWidget* FormWindow::WidgetOf(const forms::Control& control) const {
  auto it = view_of_.find(&control);
  return it == view_of_.end() || it->second == nullptr ? nullptr : it->second->Widget();
}

void FormWindow::Sync(forms::Control* control) {
  if (control == nullptr) {
    SyncForm();
    return;
  }
  auto it = view_of_.find(control);
  if (it == view_of_.end() || it->second == nullptr) return;
  it->second->Sync();
  QWidget* widget = it->second->Widget();
  if (widget && form_.ActiveControl() == control && !widget->hasFocus()) widget->setFocus();
  // A control of the client area may have moved: keep the window around it.
  if (widget && widget->parentWidget() == client_) SyncForm();
}

void FormWindow::SyncForm() {
  const QString caption = QString::fromStdString(form_.Caption);
  if (windowTitle() != caption) setWindowTitle(caption);
  const int menu_height =
      menuWidget() && menuWidget()->isVisibleTo(this) && !menuBar()->actions().isEmpty()
          ? menuBar()->sizeHint().height()
          : 0;
  QStatusBar* status = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
  const int status_height = status && !status->isHidden() ? status->sizeHint().height() : 0;
  int client_width = std::max(0, Px(form_.Width) - kFrameWidthPx);
  int client_height = std::max(0, Px(form_.Height) - kFrameHeightPx - menu_height - status_height);
  // The model's size is the window's: what lies beyond it is cut off (a pop-up left open
  // below a smaller layout, a strip across the whole design surface). Only a form without
  // a size of its own takes that of its content.
  for (QObject* child : client_->children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget == nullptr || widget->isHidden()) continue;
    if (form_.Width <= 0) client_width = std::max(client_width, widget->geometry().right() + 1);
    if (form_.Height <= 0) {
      client_height = std::max(client_height, widget->geometry().bottom() + 1);
    }
  }
  const QSize size(client_width, menu_height + client_height + status_height);
  if (minimumSize() != size || maximumSize() != size) setFixedSize(size);
}

void FormWindow::TrackFocus(QWidget* now) {
  // Controls shown as windows of their own (the calendar) count as the window's.
  if (now == nullptr || (now->window() != this && now->window()->parentWidget() != this)) return;
  for (QWidget* widget = now; widget != nullptr && widget != client_;
       widget = widget->parentWidget()) {
    for (const auto& [control, view] : view_of_) {
      if (view && view->Widget() == widget) {
        if (form_.ActiveControl() != control)
          form_.SetFocusTo(const_cast<forms::Control*>(control));
        return;
      }
    }
  }
}

void FormWindow::RunHandler(const std::function<void()>& handler) {
  std::string failure;
  {
    const Depth depth(handler_depth_);
    const WaitCursor wait;
    try {
      handler();
    } catch (const AutomationError& error) {
      failure = "런타임 오류 '" + std::to_string(error.Number) + "':\n\n" + error.Description;
    } catch (const std::exception& error) {
      failure = std::string("런타임 오류:\n\n") + error.what();
    }
  }
  // An error no handler caught is shown; the window stays usable.
  if (!failure.empty()) {
    QMessageBox::critical(this, QString::fromStdString(form_.Caption),
                          QString::fromStdString(failure));
  }
}

bool FormWindow::TakeRepaintTurn() {
  if (repaint_clock_.isValid() && repaint_clock_.elapsed() < 50) return false;
  repaint_clock_.restart();
  return true;
}

void FormWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (Closed) Closed();
}

}  // namespace taskvane::qt

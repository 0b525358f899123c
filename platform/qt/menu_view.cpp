#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/qt/control_views.h"
#include "platform/qt/form_window.h"

namespace taskvane::qt {

namespace {

// A menu: a submenu when it has items, else an item that raises Click. Caption, Enabled
// and Visible are mirrored on its action.
class MenuView : public ControlView {
 public:
  MenuView(forms::Menu& menu, bool has_items, QMenuBar& bar, QMenu* parent_menu, FormWindow& window)
      : ControlView(menu), menu_(menu) {
    if (has_items) {
      submenu_ = parent_menu ? parent_menu->addMenu(QString()) : bar.addMenu(QString());
      action_ = submenu_->menuAction();
    } else {
      action_ = parent_menu ? parent_menu->addAction(QString()) : bar.addAction(QString());
      QObject::connect(action_, &QAction::triggered, action_,
                       [&menu, &window] { window.RunHandler([&menu] { menu.RaiseClick(); }); });
    }
  }
  QWidget* Widget() const override { return nullptr; }
  QMenu* Submenu() const { return submenu_; }
  void Sync() override {
    const QString caption = QString::fromStdString(menu_.Caption);
    if (action_->text() != caption) action_->setText(caption);
    action_->setEnabled(menu_.Enabled);
    action_->setVisible(menu_.Visible);
  }

 private:
  forms::Menu& menu_;
  QMenu* submenu_ = nullptr;
  QAction* action_ = nullptr;
};

}  // namespace

std::unique_ptr<ControlView> MakeMenuView(forms::Menu& menu, bool has_items, QMenuBar& bar,
                                          QMenu* parent_menu, FormWindow& window) {
  return std::make_unique<MenuView>(menu, has_items, bar, parent_menu, window);
}

QMenu* SubmenuOf(const ControlView& menu_view) {
  const auto* view = dynamic_cast<const MenuView*>(&menu_view);
  return view ? view->Submenu() : nullptr;
}

}  // namespace taskvane::qt

#include <QLabel>
#include <QStatusBar>

#include "platform/qt/control_views.h"
#include "platform/qt/form_window.h"

namespace taskvane::qt {

namespace {

// The status bar of the form, docked along the bottom of the window: one panel. While a
// handler runs (a conversion writing its progress), a new text is painted at once, at most
// every 50 ms; a text skipped that way is painted when the handler returns.
class StatusBarView : public ControlView {
 public:
  StatusBarView(forms::StatusBar& bar, QStatusBar& status, FormWindow& window)
      : ControlView(bar), bar_(bar), status_(status), window_(window), panel_(new QLabel(&status)) {
    panel_->setTextFormat(Qt::PlainText);
    status_.setSizeGripEnabled(false);
    status_.addWidget(panel_, 1);
  }
  QWidget* Widget() const override { return nullptr; }
  void Sync() override {
    status_.setVisible(bar_.Visible);
    const QFont font = FontOf(bar_);
    if (panel_->font() != font) panel_->setFont(font);
    const QString text = QString::fromStdString(bar_.PanelText);
    if (panel_->text() == text) return;
    panel_->setText(text);
    if (window_.HandlerRunning() && window_.TakeRepaintTurn()) panel_->repaint();
  }

 private:
  forms::StatusBar& bar_;
  QStatusBar& status_;
  FormWindow& window_;
  QLabel* panel_;
};

}  // namespace

std::unique_ptr<ControlView> MakeStatusBarView(forms::StatusBar& bar, QStatusBar& status,
                                               FormWindow& window) {
  return std::make_unique<StatusBarView>(bar, status, window);
}

}  // namespace taskvane::qt

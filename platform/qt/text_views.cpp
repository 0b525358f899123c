#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <functional>

#include "platform/qt/control_views.h"
#include "platform/qt/form_window.h"

namespace taskvane::qt {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// The CJK face keeps room above its glyphs that the form's own face does not: its ascent
// reaches well above the top of the ideographic em box (0.88 em over the baseline). A
// caption is raised by the difference, so its text sits at the top of the label as the
// layout expects, and a one-line label needs no more height than the glyphs.
int RaiseOf(const QFont& font) {
  constexpr double kEmBoxTop = 0.88;
  const double em = QFontInfo(font).pixelSize();
  return std::max(0, static_cast<int>(QFontMetricsF(font).ascent() - kEmBoxTop * em));
}

// A label: its background over the model's rectangle (a label widened or heightened for its
// caption does not paint over its neighbours), its caption from the top-left corner, and a
// click (press and release inside it).
class LabelWidget : public QWidget {
 public:
  using QWidget::QWidget;
  QString caption;
  bool wrap = false;
  int raise = 0;
  QSize fill_size;
  QColor fill;
  std::function<void()> clicked;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(0, 0), fill_size), fill);
    if (caption.isEmpty()) return;
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::WindowText));
    const int flags = Qt::AlignLeft | Qt::AlignTop | (wrap ? Qt::TextWordWrap : 0);
    painter.drawText(rect().adjusted(0, -raise, 0, 0), flags, caption);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        clicked) {
      clicked();
    }
  }
};

class LabelView : public ControlView {
 public:
  LabelView(forms::Label& label, QWidget* parent, FormWindow& window)
      : ControlView(label), label_(label), widget_(new LabelWidget(parent)) {
    widget_->clicked = [&label, &window] { window.RunHandler([&label] { label.RaiseClick(); }); };
  }
  QWidget* Widget() const override { return widget_; }
  bool Lightweight() const override { return true; }
  void Sync() override {
    // A caption is never cut off, whatever face renders it: a label with room for one line
    // keeps its text on one line and grows to it; a taller one wraps its words.
    const QString caption = Q(label_.Caption);
    const QFont font = FontOf(label_);
    const QFontMetrics metrics(font);
    const int raise = RaiseOf(font);
    const int line = metrics.height() - raise;
    const bool one_line = Px(label_.Height) < 2 * line;
    QSize least;
    if (!caption.isEmpty()) {
      least = QSize(one_line ? metrics.horizontalAdvance(caption) + 1 : 0, line);
    }
    SyncCommon(*widget_, least);
    SyncColors(*widget_, false, false);
    const QSize fill_size(Px(label_.Width), Px(label_.Height));
    const QColor fill = widget_->palette().color(QPalette::Window);
    if (widget_->caption != caption || widget_->wrap == one_line || widget_->raise != raise ||
        widget_->fill_size != fill_size || widget_->fill != fill) {
      widget_->caption = caption;
      widget_->wrap = !one_line;
      widget_->raise = raise;
      widget_->fill_size = fill_size;
      widget_->fill = fill;
      widget_->update();
    }
  }

 private:
  forms::Label& label_;
  LabelWidget* widget_;
};

class TextBoxView : public ControlView {
 public:
  TextBoxView(forms::TextBox& box, QWidget* parent, FormWindow&)
      : ControlView(box), box_(box), widget_(new QLineEdit(parent)) {
    // Typing changes the model's text; no handler runs on it.
    QObject::connect(widget_, &QLineEdit::textEdited, widget_,
                     [&box](const QString& text) { box.Text = text.toStdString(); });
  }
  QWidget* Widget() const override { return widget_; }
  void Sync() override {
    SyncCommon(*widget_);
    SyncColors(*widget_, false, true);
    widget_->setReadOnly(box_.Locked);
    const QString text = Q(box_.Text);
    if (widget_->text() != text) {
      widget_->setText(text);
      widget_->setCursorPosition(0);
    }
  }

 private:
  forms::TextBox& box_;
  QLineEdit* widget_;
};

class ButtonView : public ControlView {
 public:
  ButtonView(forms::CommandButton& button, QWidget* parent, FormWindow& window)
      : ControlView(button), button_(button), widget_(new QPushButton(parent)) {
    widget_->setAutoDefault(false);
    QObject::connect(widget_, &QPushButton::clicked, widget_,
                     [&button, &window] { window.RunHandler([&button] { button.RaiseClick(); }); });
  }
  QWidget* Widget() const override { return widget_; }
  void Sync() override {
    SyncCommon(*widget_);
    const QString caption = Q(button_.Caption);
    if (widget_->text() != caption) widget_->setText(caption);
  }

 private:
  forms::CommandButton& button_;
  QPushButton* widget_;
};

}  // namespace

std::unique_ptr<ControlView> MakeLabelView(forms::Label& label, QWidget* parent,
                                           FormWindow& window) {
  return std::make_unique<LabelView>(label, parent, window);
}

std::unique_ptr<ControlView> MakeTextBoxView(forms::TextBox& box, QWidget* parent,
                                             FormWindow& window) {
  return std::make_unique<TextBoxView>(box, parent, window);
}

std::unique_ptr<ControlView> MakeButtonView(forms::CommandButton& button, QWidget* parent,
                                            FormWindow& window) {
  return std::make_unique<ButtonView>(button, parent, window);
}

}  // namespace taskvane::qt

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <functional>

#include "platform/qt/control_views.h"
#include "platform/qt/form_window.h"

namespace taskvane::qt {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// A label that reports a click (press and release inside it). Its background covers the
// model's rectangle only, so a label widened or heightened for its caption does not paint
// over its neighbours.
class ClickableLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> clicked;
  QSize fill_size;
  QColor fill;

 protected:
  void paintEvent(QPaintEvent* event) override {
    {
      QPainter painter(this);
      painter.fillRect(QRect(QPoint(0, 0), fill_size), fill);
    }
    QLabel::paintEvent(event);
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        clicked) {
      clicked();
    }
    QLabel::mouseReleaseEvent(event);
  }
};

class LabelView : public ControlView {
 public:
  LabelView(forms::Label& label, QWidget* parent, FormWindow& window)
      : ControlView(label), label_(label), widget_(new ClickableLabel(parent)) {
    widget_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget_->setTextFormat(Qt::PlainText);
    widget_->clicked = [&label, &window] { window.RunHandler([&label] { label.RaiseClick(); }); };
  }
  QWidget* Widget() const override { return widget_; }
  bool Lightweight() const override { return true; }
  void Sync() override {
    // A caption is never cut off, whatever face renders it: a label with room for one line
    // keeps its text on one line and grows to it; a taller one wraps its words.
    const QString caption = Q(label_.Caption);
    const QFontMetrics metrics(FontOf(label_));
    const bool one_line = Px(label_.Height) < 2 * metrics.height();
    QSize least;
    if (!caption.isEmpty()) {
      least = QSize(one_line ? metrics.horizontalAdvance(caption) + 1 : 0, metrics.height());
    }
    SyncCommon(*widget_, least);
    SyncColors(*widget_, false, false);
    const QSize fill_size(Px(label_.Width), Px(label_.Height));
    const QColor fill = widget_->palette().color(QPalette::Window);
    if (widget_->fill_size != fill_size || widget_->fill != fill) {
      widget_->fill_size = fill_size;
      widget_->fill = fill;
      widget_->update();
    }
    if (widget_->wordWrap() == one_line) widget_->setWordWrap(!one_line);
    if (widget_->text() != caption) widget_->setText(caption);
  }

 private:
  forms::Label& label_;
  ClickableLabel* widget_;
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

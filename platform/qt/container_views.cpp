#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <functional>

#include "platform/qt/colors.h"
#include "platform/qt/control_views.h"
#include "platform/qt/form_window.h"

namespace taskvane::qt {

namespace {

// A frame: an etched border with its caption set into the top edge, or nothing at all when
// the frame has no border. Children are positioned from its top-left corner, as the
// toolkit's frame does; without a caption the border runs along that corner.
class FrameWidget : public QWidget {
 public:
  using QWidget::QWidget;
  QString caption;
  bool border = true;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!border) return;
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = caption.isEmpty() ? 0 : metrics.height() / 2;
    const QRect edge = rect().adjusted(0, top, -2, -2);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(edge);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(edge.translated(1, 1));
    if (caption.isEmpty()) return;
    const QRect text(6, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignCenter, caption);
  }
};

class FrameView : public ControlView {
 public:
  FrameView(forms::Frame& frame, QWidget* parent)
      : ControlView(frame), frame_(frame), widget_(new FrameWidget(parent)) {}
  QWidget* Widget() const override { return widget_; }
  void Sync() override {
    SyncCommon(*widget_);
    SyncColors(*widget_, true, false);
    const QString caption = QString::fromStdString(frame_.Caption);
    if (widget_->caption != caption || widget_->border != frame_.BorderVisible) {
      widget_->caption = caption;
      widget_->border = frame_.BorderVisible;
      widget_->update();
    }
  }

 private:
  forms::Frame& frame_;
  FrameWidget* widget_;
};

QImage ToImage(const forms::Picture& picture) {
  if (picture.IsEmpty() ||
      picture.Pixels.size() < static_cast<size_t>(picture.Width) * picture.Height) {
    return {};
  }
  QImage image(picture.Width, picture.Height, QImage::Format_RGB32);
  for (int y = 0; y < picture.Height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < picture.Width; ++x) {
      row[x] = 0xFF000000u | picture.Pixels[static_cast<size_t>(y) * picture.Width + x];
    }
  }
  return image;
}

// A picture box: its background, its picture at the top-left corner, a thin border, and a
// click.
class PictureWidget : public QWidget {
 public:
  using QWidget::QWidget;
  QImage image;
  std::function<void()> clicked;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    if (!image.isNull()) painter.drawImage(0, 0, image);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        clicked) {
      clicked();
    }
  }
};

class PictureBoxView : public ControlView {
 public:
  PictureBoxView(forms::PictureBox& box, QWidget* parent, FormWindow& window)
      : ControlView(box), box_(box), widget_(new PictureWidget(parent)) {
    widget_->clicked = [&box, &window] { window.RunHandler([&box] { box.RaiseClick(); }); };
  }
  QWidget* Widget() const override { return widget_; }
  void Sync() override {
    SyncCommon(*widget_);
    SyncColors(*widget_, true, false);
    if (!(shown_ == box_.Picture.get())) {
      shown_ = box_.Picture;
      widget_->image = ToImage(shown_);
      widget_->update();
    }
  }

 private:
  forms::PictureBox& box_;
  PictureWidget* widget_;
  forms::Picture shown_;
};

// A line from (X1, Y1) to (X2, Y2) of its container, drawn in the control's colour. It
// takes no mouse input.
class LineWidget : public QWidget {
 public:
  explicit LineWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  QPoint from, to;
  QColor color;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(QPen(color, 1));
    painter.drawLine(from, to);
  }
};

class LineView : public ControlView {
 public:
  LineView(forms::Line& line, QWidget* parent)
      : ControlView(line), line_(line), widget_(new LineWidget(parent)) {}
  QWidget* Widget() const override { return widget_; }
  bool Lightweight() const override { return true; }
  void Sync() override {
    const QPoint a(Px(line_.X1), Px(line_.Y1));
    const QPoint b(Px(line_.X2), Px(line_.Y2));
    const QRect box(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                    QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    if (widget_->geometry() != box) widget_->setGeometry(box);
    const QColor color = ToQColor(line_.ForeColor, widget_->palette());
    if (widget_->from != a - box.topLeft() || widget_->to != b - box.topLeft() ||
        widget_->color != color) {
      widget_->from = a - box.topLeft();
      widget_->to = b - box.topLeft();
      widget_->color = color;
      widget_->update();
    }
    widget_->setVisible(line_.Visible);
  }

 private:
  forms::Line& line_;
  LineWidget* widget_;
};

}  // namespace

std::unique_ptr<ControlView> MakeFrameView(forms::Frame& frame, QWidget* parent) {
  return std::make_unique<FrameView>(frame, parent);
}

std::unique_ptr<ControlView> MakePictureBoxView(forms::PictureBox& picture, QWidget* parent,
                                                FormWindow& window) {
  return std::make_unique<PictureBoxView>(picture, parent, window);
}

std::unique_ptr<ControlView> MakeLineView(forms::Line& line, QWidget* parent) {
  return std::make_unique<LineView>(line, parent);
}

}  // namespace taskvane::qt

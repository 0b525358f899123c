#include "platform/qt/control_views.h"

#include <QApplication>
#include <QEvent>
#include <QPalette>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "platform/qt/colors.h"

namespace taskvane::qt {

int Px(int twips) {
  return static_cast<int>(std::lround(twips / 15.0));
}

QRect KeptOnScreen(QRect place, const QScreen* screen) {
  if (screen == nullptr) return place;
  const QRect room = screen->availableGeometry();
  place.moveLeft(std::clamp(place.left(), room.left(),
                            std::max(room.left(), room.right() + 1 - place.width())));
  place.moveTop(std::clamp(place.top(), room.top(),
                           std::max(room.top(), room.bottom() + 1 - place.height())));
  return place;
}

bool PlacementWatch::eventFilter(QObject* /*watched*/, QEvent* event) {
  switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
      changed_();
      break;
    default:
      break;
  }
  return false;
}

QFont FontOf(const forms::Control& control) {
  QFont font;
  // The form's own face first; the CJK face renders the Korean captions where it is missing.
  font.setFamilies({QString::fromStdString(control.FontName), QStringLiteral("Noto Sans CJK KR"),
                    QStringLiteral("Noto Sans")});
  font.setPointSizeF(control.FontSize > 0 ? control.FontSize.get() : 9.0);
  font.setBold(control.FontBold);
  return font;
}

void ControlView::SyncCommon(QWidget& widget, QSize least) {
  const forms::Control& c = control_;
  const QRect geometry(Px(c.Left), Px(c.Top), std::max({0, least.width(), Px(c.Width)}),
                       std::max({0, least.height(), Px(c.Height)}));
  if (widget.geometry() != geometry) widget.setGeometry(geometry);
  SyncEnabledAndFont(widget);
  // A widget is shown or hidden explicitly once; after that only a change is applied.
  const bool decided = widget.testAttribute(Qt::WA_WState_ExplicitShowHide);
  if (!decided || widget.isHidden() == c.Visible.get()) {
    widget.setVisible(c.Visible);
    if (decided && c.Visible && !Lightweight()) widget.raise();
  }
}

void ControlView::SyncEnabledAndFont(QWidget& widget) {
  widget.setEnabled(control_.Enabled);
  const QFont font = FontOf(control_);
  if (widget.font() != font) widget.setFont(font);
}

void ControlView::SyncColors(QWidget& widget, bool fill_background, bool base_role) {
  const QPalette& system = QApplication::palette();
  const QColor back = ToQColor(control_.BackColor, system);
  const QColor fore = ToQColor(control_.ForeColor, system);
  QPalette palette = widget.palette();
  const QPalette::ColorRole back_role = base_role ? QPalette::Base : QPalette::Window;
  const QPalette::ColorRole text_role = base_role ? QPalette::Text : QPalette::WindowText;
  bool changed = false;
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    if (palette.color(group, back_role) != back) {
      palette.setColor(group, back_role, back);
      changed = true;
    }
    // Disabled text keeps the style's grey.
    if (group != QPalette::Disabled && palette.color(group, text_role) != fore) {
      palette.setColor(group, text_role, fore);
      changed = true;
    }
  }
  if (changed) widget.setPalette(palette);
  if (widget.autoFillBackground() != fill_background) widget.setAutoFillBackground(fill_background);
}

}  // namespace taskvane::qt

#include <QCalendarWidget>
#include <QDate>
#include <QLocale>
#include <algorithm>

#include "platform/qt/control_views.h"
#include "platform/qt/form_window.h"
#include "platform/runtime/date.h"

namespace taskvane::qt {

namespace {

QDate ToQDate(DaySerial day) {
  const CivilDate civil = ToCivil(day);
  return QDate(civil.year, civil.month, civil.day);
}

DaySerial ToSerial(const QDate& date) {
  return DateSerial(date.year(), date.month(), date.day());
}

// A month calendar. The model's Value is the highlighted day, and every change of the model
// (opening it, re-targeting it) turns the page to that day's month, wherever the user paged
// to before; a click on a day goes to MonthView::UserClickDate, which raises DateClick.
//
// Qt needs more room than the model gives to show a whole month readably. The calendar
// keeps the model's right edge and top and grows to the left, because the controls it is
// opened for lie to its right. So that growing left neither covers the controls there nor
// gets cut off at the window's left edge, it is a frameless tool window of its own over the
// program's window: it follows that window about and shows only while it shows.
class MonthViewView : public ControlView {
 public:
  MonthViewView(forms::MonthView& calendar, QWidget* parent, FormWindow& window)
      : ControlView(calendar),
        calendar_(calendar),
        anchor_(*parent),
        window_(window),
        widget_(new QCalendarWidget(&window)),
        watch_([this] { FollowWindow(); }) {
    widget_->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    // The window is Korean whatever the desktop's language: month and day names too, weeks
    // from Sunday.
    widget_->setLocale(QLocale(QLocale::Korean, QLocale::SouthKorea));
    widget_->setFirstDayOfWeek(Qt::Sunday);
    widget_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    widget_->setGridVisible(false);
    // The grid keeps the highlighted cell of the day it was made with where the old first
    // day of the week put it (one column off); choosing another day and back moves it.
    const QDate made_with = widget_->selectedDate();
    widget_->setSelectedDate(made_with.addDays(1));
    widget_->setSelectedDate(made_with);
    QObject::connect(
        widget_, &QCalendarWidget::clicked, widget_, [this, &calendar, &window](QDate date) {
          window.RunHandler([&calendar, date] { calendar.UserClickDate(ToSerial(date)); });
          Sync();
        });
    window.installEventFilter(&watch_);
    if (parent != &window) parent->installEventFilter(&watch_);
  }
  QWidget* Widget() const override { return widget_; }
  void Sync() override {
    FollowWindow();
    const QSignalBlocker block(widget_);
    const QDate day = calendar_.Value > 0 ? ToQDate(calendar_.Value) : QDate();
    if (!day.isValid()) return;
    if (widget_->selectedDate() != day) widget_->setSelectedDate(day);
    widget_->setCurrentPage(day.year(), day.month());
  }

 private:
  // Place and visibility, also when the window moves, shows or hides; the page the user
  // turned to stays.
  void FollowWindow() {
    SyncEnabledAndFont(*widget_);
    Place();
    const bool shown = calendar_.Visible && window_.isVisible() && !window_.isMinimized();
    if (widget_->isVisible() == shown) return;
    const bool was_active = widget_->isActiveWindow();
    widget_->setVisible(shown);
    if (shown) {
      widget_->raise();
    } else if (was_active) {
      window_.activateWindow();
    }
  }

  // Right edge and top as the model has them in its container, in screen coordinates; the
  // screen's edges alone may push it back.
  void Place() {
    const forms::Control& c = calendar_;
    const QSize least = widget_->minimumSizeHint();
    const QSize size(std::max(least.width(), Px(c.Width)), std::max(least.height(), Px(c.Height)));
    const QRect place = KeptOnScreen(
        QRect(anchor_.mapToGlobal(QPoint(Px(c.Left + c.Width) - size.width(), Px(c.Top))), size),
        window_.screen());
    if (widget_->geometry() != place) widget_->setGeometry(place);
  }

  forms::MonthView& calendar_;
  QWidget& anchor_;
  FormWindow& window_;
  QCalendarWidget* widget_;
  PlacementWatch watch_;
};

}  // namespace

std::unique_ptr<ControlView> MakeMonthViewView(forms::MonthView& calendar, QWidget* parent,
                                               FormWindow& window) {
  return std::make_unique<MonthViewView>(calendar, parent, window);
}

}  // namespace taskvane::qt

#include <QCalendarWidget>
#include <QDate>
#include <QLocale>

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

// A month calendar. The model's Value is the highlighted day; a click on a day goes to
// MonthView::UserClickDate, which raises DateClick. The calendar is never smaller than Qt
// needs to show a whole month.
class MonthViewView : public ControlView {
 public:
  MonthViewView(forms::MonthView& calendar, QWidget* parent, FormWindow& window)
      : ControlView(calendar), calendar_(calendar), widget_(new QCalendarWidget(parent)) {
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
  }
  QWidget* Widget() const override { return widget_; }
  void Sync() override {
    SyncCommon(*widget_, widget_->minimumSizeHint());
    const QSignalBlocker block(widget_);
    const QDate day = calendar_.Value > 0 ? ToQDate(calendar_.Value) : QDate();
    if (day.isValid() && widget_->selectedDate() != day) widget_->setSelectedDate(day);
  }

 private:
  forms::MonthView& calendar_;
  QCalendarWidget* widget_;
};

}  // namespace

std::unique_ptr<ControlView> MakeMonthViewView(forms::MonthView& calendar, QWidget* parent,
                                               FormWindow& window) {
  return std::make_unique<MonthViewView>(calendar, parent, window);
}

}  // namespace taskvane::qt

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWindow>

#include "builds/real_exporters.h"
#include "console/frm_about.h"
#include "console/frm_main.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_services.h"
#include "platform/runtime/date.h"
#include "tests/qt/file_rewrites.h"
#include "tests/qt/qt_app.h"

namespace taskvane::qt {
namespace {

// Where a widget lies on the screen.
QRect OnScreen(const QWidget& widget) {
  return QRect(widget.mapToGlobal(QPoint(0, 0)), widget.size());
}

// Runs the posted events that the item views' deferred layouts raise one after another
// (layout, scroll bars, visible width).
void Settle() {
  for (int round = 0; round < 10; ++round) QApplication::processEvents();
}

QAction* FindAction(QMenuBar& bar, const QString& text) {
  for (QAction* top : bar.actions()) {
    if (top->menu() == nullptr) continue;
    for (QAction* item : top->menu()->actions()) {
      if (item->text() == text) return item;
    }
  }
  return nullptr;
}

class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() : services(IniSettingsStore(dir.filePath("settings.ini").toStdString())) {}
  QTemporaryDir dir;
  QtServices services;
  RealExporters exporters;
};

// The main window of the main build, loaded and shown.
class ShownMainWindowTest : public MainWindowTest {
 protected:
  ShownMainWindowTest() {
    window.RunHandler([this] { form.Form_Load(); });
    window.move(200, 60);
    window.show();
  }
  QAction* Menu(const QString& text) { return FindAction(*window.menuBar(), text); }

  frmMain form{services, exporters, BuildVariant::Main};
  FormWindow window{form};
};

TEST_F(MainWindowTest, OpensLaysItselfOutAndClosesCleanly) {
  frmMain form(services, exporters, BuildVariant::Main);
  {
    FormWindow window(form);
    window.RunHandler([&form] { form.Form_Load(); });
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.windowTitle(), "Taskvane");
    EXPECT_EQ(window.width(), 9255 / 15 - FormWindow::kFrameWidthPx);
    EXPECT_EQ(window.height(), 11880 / 15 - FormWindow::kFrameHeightPx);
    EXPECT_FALSE(window.WidgetOf(form.fraMainPPT)->isVisible());
    EXPECT_TRUE(window.WidgetOf(form.fraMain)->isVisible());
    // The mode switch through the real menu re-lays the window.
    QAction* ppt = FindAction(*window.menuBar(), "주간보고서 변환 (파워포인트)");
    ASSERT_NE(ppt, nullptr);
    ppt->trigger();
    EXPECT_TRUE(window.WidgetOf(form.fraMainPPT)->isVisible());
    EXPECT_FALSE(window.WidgetOf(form.fraMain)->isVisible());
    EXPECT_FALSE(ppt->isEnabled());
    EXPECT_EQ(window.height(), 6720 / 15 - FormWindow::kFrameHeightPx);
    window.close();
    QApplication::processEvents();
  }
  // The model outlives its window and is left without an observer.
  form.stbMain.PanelText = "창 없이";
}

// The colour chooser opened in Excel mode lies below the shorter PowerPoint window: it is
// cut off there, as everything below the form's height, and is back with the Excel mode.
TEST_F(ShownMainWindowTest, AChooserLeftOpenIsCutOffByTheShorterPowerPointWindow) {
  const QWidget& client = *window.centralWidget();
  QWidget* palette = window.WidgetOf(form.picColorPalette);
  ASSERT_NE(palette, nullptr);
  auto wholly_in_window = [&] {
    return palette->isVisible() && client.rect().contains(palette->geometry());
  };
  dynamic_cast<QPushButton*>(window.WidgetOf(form.cmdSetColor(2)))->click();
  EXPECT_TRUE(wholly_in_window());

  Menu("주간보고서 변환 (파워포인트)")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(window.height(), 6720 / 15 - FormWindow::kFrameHeightPx);
  EXPECT_GE(palette->geometry().top(), client.height()) << "no part of it can be clicked";

  Menu("전체 일정 변환 (엑셀)")->trigger();
  QApplication::processEvents();
  EXPECT_EQ(window.height(), 11880 / 15 - FormWindow::kFrameHeightPx);
  EXPECT_TRUE(wholly_in_window());
}

// The about box is a dialog of the main window (so the window manager keeps it over that
// window) and opens centred over it.
TEST_F(ShownMainWindowTest, TheAboutBoxIsAModalDialogOverTheWindowAndItsCloseButtonEndsIt) {
  QString caption;
  Qt::WindowType type = Qt::Widget;
  const QWindow* transient_parent = nullptr;
  QPoint offset;
  taskvane::testing::WhenModalOpens([&](QWidget& modal) {
    caption = modal.windowTitle();
    type = modal.windowType();
    transient_parent = modal.windowHandle()->transientParent();
    offset = modal.frameGeometry().center() - window.frameGeometry().center();
    for (auto* button : modal.findChildren<QPushButton*>()) {
      if (button->text() == "닫기") button->click();
    }
  });
  QAction* about = Menu("Taskvane 정보");
  ASSERT_NE(about, nullptr);
  about->trigger();  // returns once the about box is closed
  EXPECT_EQ(caption, "Taskvane 정보");
  EXPECT_EQ(type, Qt::Dialog);
  EXPECT_EQ(transient_parent, window.windowHandle());
  EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// A store of many keys costs a rewrite of the whole file each time: the keys of a
// conversion go in together.
TEST_F(MainWindowTest, AConversionStoresItsSettingsInOneRewriteOfTheFile) {
  frmMain form(services, exporters, BuildVariant::Main);
  form.Form_Load();
  taskvane::testing::FileRewrites rewrites(dir.path().toStdString(), "settings.ini");
  ASSERT_TRUE(rewrites.Watching());
  form.txtTitleExcel.Text = "엑셀 제목";
  form.SaveConversionSettings();
  EXPECT_EQ(rewrites.Count(), 1);
  form.mnuConvertPPT.RaiseClick();
  form.txtTitlePPT.Text = "보고 제목";
  form.SaveConversionSettings();
  EXPECT_EQ(rewrites.Count(), 2);
  const IniSettingsStore file(dir.filePath("settings.ini").toStdString());
  EXPECT_EQ(file.Get("Taskvane", "frmMain", "TitleExcel", ""), "엑셀 제목");
  EXPECT_EQ(file.Get("Taskvane", "frmMain", "ColorSet(4)", ""), "25,14");
  EXPECT_EQ(file.Get("Taskvane", "frmMain", "TitlePPT", ""), "보고 제목");
  EXPECT_EQ(file.Get("Taskvane", "frmMain", "Baseline", ""), "초기계획");
}

// The report calendar needs more room than its model gives. It keeps the model's right edge
// and top and grows to the left, past the window's edge, so the Calendar buttons stay free.
TEST_F(ShownMainWindowTest, TheReportCalendarGrowsLeftOfTheCalendarButtons) {
  window.move(300, 100);
  Menu("주간보고서 변환 (파워포인트)")->trigger();
  auto* calendar = dynamic_cast<QCalendarWidget*>(window.WidgetOf(form.MonthView2));
  ASSERT_NE(calendar, nullptr);
  auto* first = dynamic_cast<QPushButton*>(window.WidgetOf(form.cmdGetCalnedar(1)));
  auto* third = dynamic_cast<QPushButton*>(window.WidgetOf(form.cmdGetCalnedar(3)));
  ASSERT_TRUE(first && third);
  EXPECT_FALSE(calendar->isVisible());

  const QWidget& client = *window.centralWidget();
  auto in_window = [&] { return OnScreen(*calendar).translated(-client.mapToGlobal(QPoint())); };
  auto check_place = [&] {
    EXPECT_EQ(in_window().right() + 1, (form.MonthView2.Left + form.MonthView2.Width) / 15);
    EXPECT_EQ(in_window().top(), form.MonthView2.Top / 15);
    EXPECT_GE(calendar->width(), calendar->minimumSizeHint().width());
    EXPECT_GE(calendar->height(), calendar->minimumSizeHint().height());
    EXPECT_FALSE(OnScreen(*calendar).intersects(OnScreen(*first)));
    EXPECT_FALSE(OnScreen(*calendar).intersects(OnScreen(*third)));
  };
  first->click();
  ASSERT_TRUE(calendar->isVisible());
  check_place();
  EXPECT_LT(in_window().left(), 0) << "it reaches past the window's left edge";
  // It goes along with the window; the buttons under it stay usable; paging keeps it open.
  window.move(340, 130);
  QApplication::processEvents();
  check_place();
  third->click();
  EXPECT_EQ(form.MonthView2.Tag.get(), "3");
  calendar->showNextMonth();
  EXPECT_TRUE(calendar->isVisible());
  emit calendar->clicked(QDate(2024, 3, 4));
  EXPECT_EQ(form.txtDate(3).Text.get(), FormatDate(DateSerial(2024, 3, 4)));
  EXPECT_FALSE(calendar->isVisible());

  // At the screen's left edge it stays whole on the screen.
  window.move(0, 100);
  first->click();
  QApplication::processEvents();
  EXPECT_GE(OnScreen(*calendar).left(), window.screen()->availableGeometry().left());
  // It leaves with the window and comes back with it; the Excel mode hides it.
  window.close();
  QApplication::processEvents();
  EXPECT_FALSE(calendar->isVisible());
  window.show();
  EXPECT_TRUE(calendar->isVisible());
  Menu("전체 일정 변환 (엑셀)")->trigger();
  EXPECT_FALSE(calendar->isVisible());
}

// Each opening shows the box's date, or today for an empty box, whatever month the user
// paged to before.
TEST_F(ShownMainWindowTest, TheReportCalendarOpensOnTheMonthOfItsDate) {
  QAction* excel_mode = Menu("전체 일정 변환 (엑셀)");
  QAction* ppt_mode = Menu("주간보고서 변환 (파워포인트)");
  ppt_mode->trigger();
  auto* calendar = dynamic_cast<QCalendarWidget*>(window.WidgetOf(form.MonthView2));
  auto* first = dynamic_cast<QPushButton*>(window.WidgetOf(form.cmdGetCalnedar(1)));
  auto* third = dynamic_cast<QPushButton*>(window.WidgetOf(form.cmdGetCalnedar(3)));
  ASSERT_TRUE(calendar && first && third);
  const auto page = [&] { return QDate(calendar->yearShown(), calendar->monthShown(), 1); };
  const QDate today = QDate::currentDate();
  const QDate this_month(today.year(), today.month(), 1);

  first->click();
  EXPECT_EQ(page(), this_month);
  calendar->showNextMonth();
  calendar->showNextMonth();
  // Closed without a pick (by the mode switch), then opened again for the same empty box.
  excel_mode->trigger();
  ppt_mode->trigger();
  first->click();
  EXPECT_EQ(page(), this_month);
  EXPECT_EQ(calendar->selectedDate(), today);
  // Paged away, then turned to another empty box while open.
  calendar->showPreviousMonth();
  third->click();
  EXPECT_EQ(page(), this_month);
  // A box with a date opens on that date's month, the second time too.
  emit calendar->clicked(QDate(2024, 3, 4));
  third->click();
  EXPECT_EQ(page(), QDate(2024, 3, 1));
  calendar->showNextMonth();
  excel_mode->trigger();
  ppt_mode->trigger();
  third->click();
  EXPECT_EQ(page(), QDate(2024, 3, 1));
  EXPECT_EQ(calendar->selectedDate(), QDate(2024, 3, 4));
}

// The field lists keep their column within the visible width, so no horizontal scroll
// bar appears; with a vertical one beside it, it would cover the last visible row (the
// sixth field of "기본").
TEST_F(ShownMainWindowTest, TheFieldListsNeedNoHorizontalScrollBar) {
  Settle();
  auto* fields = dynamic_cast<QTreeWidget*>(window.WidgetOf(form.lvwField));
  auto* chosen = dynamic_cast<QTreeWidget*>(window.WidgetOf(form.lvwListingFields));
  ASSERT_TRUE(fields && chosen);
  auto fits = [](const QTreeWidget& list) {
    return !list.horizontalScrollBar()->isVisible() &&
           list.columnWidth(0) <= list.viewport()->width();
  };
  ASSERT_EQ(fields->topLevelItemCount(), 8);
  EXPECT_TRUE(fields->verticalScrollBar()->isVisible());
  EXPECT_TRUE(fits(*fields));
  const QRect sixth = fields->visualItemRect(fields->topLevelItem(5));
  EXPECT_EQ(fields->topLevelItem(5)->text(0), "자원 이름");
  EXPECT_TRUE(fields->viewport()->rect().contains(sixth));
  EXPECT_GE(fields->columnWidth(0), fields->viewport()->width() - 1) << "uses the room it has";
  // The model keeps its width; without a vertical scroll bar the column has it.
  EXPECT_EQ(form.lvwField.ColumnHeaderWidth, form.lvwField.Width - 100);
  form.cmbField.SelectText("완료율");
  Settle();
  EXPECT_FALSE(fields->verticalScrollBar()->isVisible());
  EXPECT_EQ(fields->columnWidth(0), (form.lvwField.Width - 100) / 15);
  // The chosen list narrows its column when it grows a vertical scroll bar.
  form.cmbField.SelectText("텍스트");
  for (int k = 1; k <= 12; ++k) {
    form.lvwField.SelectedItem = k;
    form.cmdAddField_Click();
  }
  Settle();
  ASSERT_EQ(chosen->topLevelItemCount(), 12);
  EXPECT_TRUE(chosen->verticalScrollBar()->isVisible());
  EXPECT_TRUE(fits(*chosen));
}

}  // namespace
}  // namespace taskvane::qt

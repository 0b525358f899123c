#include "platform/qt/form_window.h"

#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>

#include "platform/runtime/automation_error.h"
#include "tests/drive/sample_form.h"
#include "tests/qt/qt_app.h"
#include "tests/support/recording_services.h"

namespace taskvane::qt {
namespace {

using taskvane::testing::SampleForm;

class FormWindowTest : public ::testing::Test {
 protected:
  template <class W>
  W* WidgetOf(const forms::Control& control) {
    return dynamic_cast<W*>(window.WidgetOf(control));
  }
  QAction* MenuAction(const QString& text) {
    for (QAction* top : window.menuBar()->actions()) {
      if (top->text() == text) return top;
      if (top->menu()) {
        for (QAction* item : top->menu()->actions()) {
          if (item->text() == text) return item;
        }
      }
    }
    return nullptr;
  }

  taskvane::testing::RecordingServices services;
  SampleForm form{services};
  FormWindow window{form};
};

TEST_F(FormWindowTest, OneWidgetPerControlAtFifteenTwipsAPixelInsideItsContainer) {
  auto* name = WidgetOf<QLineEdit>(form.txtName);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->geometry(), QRect(96, 8, 160, 19));
  auto* option = WidgetOf<QRadioButton>(form.optSize(2));
  ASSERT_NE(option, nullptr);
  EXPECT_EQ(option->parentWidget(), window.WidgetOf(form.fraSize));
  EXPECT_EQ(option->pos(), QPoint(8, 36));
  EXPECT_NE(WidgetOf<QPushButton>(form.cmdGreet), nullptr);
  EXPECT_NE(WidgetOf<QCheckBox>(form.chkLoud), nullptr);
  EXPECT_NE(WidgetOf<QComboBox>(form.cmbCount), nullptr);
  EXPECT_NE(WidgetOf<QTreeWidget>(form.lvwItems), nullptr);
  EXPECT_NE(WidgetOf<QCalendarWidget>(form.calDay), nullptr);
  EXPECT_NE(window.WidgetOf(form.lblName), nullptr);
  EXPECT_EQ(window.windowTitle(), "견본 창");
  ASSERT_NE(MenuAction("파일"), nullptr);
  EXPECT_NE(MenuAction("종료"), nullptr);
  EXPECT_EQ(window.statusBar()->findChild<QLabel*>()->text(), "준비");
  // The form's size is the outer size: the title bar and borders are taken off.
  EXPECT_EQ(window.width(), 6000 / 15 - FormWindow::kFrameWidthPx);
  EXPECT_EQ(window.height(), 6000 / 15 - FormWindow::kFrameHeightPx);
}

TEST_F(FormWindowTest, ModelChangesReachTheirWidgetsAtOnce) {
  form.txtName.Text = "바뀐 이름";
  EXPECT_EQ(WidgetOf<QLineEdit>(form.txtName)->text(), "바뀐 이름");
  form.txtName.Locked = true;
  EXPECT_TRUE(WidgetOf<QLineEdit>(form.txtName)->isReadOnly());
  form.cmdGreet.Enabled = false;
  EXPECT_FALSE(WidgetOf<QPushButton>(form.cmdGreet)->isEnabled());
  form.cmdGreet.Caption = "다시";
  EXPECT_EQ(WidgetOf<QPushButton>(form.cmdGreet)->text(), "다시");
  form.chkLoud.Value = forms::vbChecked;
  EXPECT_TRUE(WidgetOf<QCheckBox>(form.chkLoud)->isChecked());
  form.optSize(2).Value = true;
  EXPECT_FALSE(WidgetOf<QRadioButton>(form.optSize(1))->isChecked());
  EXPECT_TRUE(WidgetOf<QRadioButton>(form.optSize(2))->isChecked());
  form.cmbCount.AddItem("넷");
  form.cmbCount.ListIndex = 3;
  EXPECT_EQ(WidgetOf<QComboBox>(form.cmbCount)->count(), 4);
  EXPECT_EQ(WidgetOf<QComboBox>(form.cmbCount)->currentText(), "넷");
  form.lvwItems.Add("c", "다");
  form.lvwItems.SelectedItem = 3;
  auto* list = WidgetOf<QTreeWidget>(form.lvwItems);
  EXPECT_EQ(list->topLevelItemCount(), 3);
  ASSERT_EQ(list->selectedItems().size(), 1);
  EXPECT_EQ(list->selectedItems().front()->text(0), "다");
  EXPECT_EQ(list->headerItem()->text(0), "항목");
  form.fraSize.Visible = false;
  EXPECT_TRUE(window.WidgetOf(form.fraSize)->isHidden());
  form.calDay.Value = DateSerial(2024, 2, 29);
  EXPECT_EQ(WidgetOf<QCalendarWidget>(form.calDay)->selectedDate(), QDate(2024, 2, 29));
  form.stbMain.PanelText = "진행 중";
  EXPECT_EQ(window.statusBar()->findChild<QLabel*>()->text(), "진행 중");
  form.mnuExit.Enabled = false;
  EXPECT_FALSE(MenuAction("종료")->isEnabled());
  form.txtName.Left = 1500;
  EXPECT_EQ(WidgetOf<QLineEdit>(form.txtName)->x(), 100);
  form.Caption = "새 제목";
  EXPECT_EQ(window.windowTitle(), "새 제목");
  form.Height = 7500;
  EXPECT_EQ(window.height(), 7500 / 15 - FormWindow::kFrameHeightPx);
}

TEST_F(FormWindowTest, UserInputGoesToTheModel) {
  window.show();
  QTest::keyClicks(WidgetOf<QLineEdit>(form.txtName), "Kim");
  EXPECT_EQ(form.txtName.Text.get(), "Kim");
  form.txtName.Locked = true;
  QTest::keyClicks(WidgetOf<QLineEdit>(form.txtName), "!");
  EXPECT_EQ(form.txtName.Text.get(), "Kim") << "a locked box takes no typing";

  // A check box and an option button change only through the model.
  QTest::mouseClick(WidgetOf<QCheckBox>(form.chkLoud), Qt::LeftButton);
  EXPECT_EQ(form.chkLoud.Value, forms::vbChecked);
  EXPECT_EQ(form.LoudClicks, 1);
  EXPECT_TRUE(WidgetOf<QCheckBox>(form.chkLoud)->isChecked());
  QTest::mouseClick(WidgetOf<QRadioButton>(form.optSize(2)), Qt::LeftButton);
  EXPECT_TRUE(form.optSize(2).Value);
  EXPECT_FALSE(form.optSize(1).Value);
  EXPECT_FALSE(WidgetOf<QRadioButton>(form.optSize(1))->isChecked());

  // A pick in the drop-down list sets ListIndex, whose change raises Click.
  emit WidgetOf<QComboBox>(form.cmbCount)->activated(2);
  EXPECT_EQ(form.cmbCount.ListIndex, 2);
  EXPECT_EQ(form.stbMain.PanelText.get(), "개수 셋");

  QTest::mouseClick(window.WidgetOf(form.picSwatch), Qt::LeftButton);
  EXPECT_EQ(form.stbMain.PanelText.get(), "견본");

  auto* list = WidgetOf<QTreeWidget>(form.lvwItems);
  const QRect second = list->visualItemRect(list->topLevelItem(1));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(form.lvwItems.SelectedItem, 2);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(form.stbMain.PanelText.get(), "선택 2");

  form.calDay.Visible = true;
  emit WidgetOf<QCalendarWidget>(form.calDay)->clicked(QDate(2024, 3, 1));
  EXPECT_EQ(form.calDay.Value, DateSerial(2024, 3, 1));
  EXPECT_EQ(form.txtName.Text.get(), "2024-03-01");

  MenuAction("인사")->trigger();
  ASSERT_EQ(services.Messages().size(), 1u);
  EXPECT_EQ(services.Messages()[0], "견본 창 | OK | 안녕하세요");

  services.Answers.push_back(forms::vbYes);
  WidgetOf<QPushButton>(form.cmdGreet)->click();
  EXPECT_EQ(form.stbMain.PanelText.get(), "안녕하세요, 2024-03-01");
  EXPECT_TRUE(form.calDay.Visible);
}

// The calendar weeks start on Sunday; the highlighted cell must be the chosen day in that
// layout, also for the day the widget was made with.
TEST_F(FormWindowTest, TheCalendarHighlightsTheChosenDayInItsSundayFirstGrid) {
  auto* calendar = WidgetOf<QCalendarWidget>(form.calDay);
  auto* grid = calendar->findChild<QTableView*>();
  ASSERT_NE(grid, nullptr);
  auto highlighted = [&] {
    const QModelIndexList cells = grid->selectionModel()->selectedIndexes();
    return cells.size() == 1 ? cells.front() : QModelIndex();
  };
  form.calDay.Visible = true;
  for (const QDate day : {QDate::currentDate(), QDate(2024, 3, 6), QDate::currentDate()}) {
    form.calDay.Value = DateSerial(day.year(), day.month(), day.day());
    const QModelIndex cell = highlighted();
    ASSERT_TRUE(cell.isValid()) << day.toString(Qt::ISODate).toStdString();
    EXPECT_EQ(cell.data().toInt(), day.day()) << day.toString(Qt::ISODate).toStdString();
    // Column 0 is Sunday (day of week 7).
    EXPECT_EQ(cell.column(), day.dayOfWeek() % 7) << day.toString(Qt::ISODate).toStdString();
  }
}

TEST_F(FormWindowTest, FocusFollowsTheModelAndTheUser) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  form.txtName.SetFocus();
  EXPECT_TRUE(WidgetOf<QLineEdit>(form.txtName)->hasFocus());
  WidgetOf<QComboBox>(form.cmbCount)->setFocus();
  EXPECT_EQ(form.ActiveControl(), &form.cmbCount);
}

// The form's height is the window's: controls below it are cut off, not made room for.
TEST_F(FormWindowTest, TheWindowKeepsTheFormsSizeAndCutsOffWhatLiesBeyond) {
  window.show();
  form.Height = 1500;  // far too small for the controls
  QApplication::processEvents();
  EXPECT_EQ(window.height(), 1500 / 15 - FormWindow::kFrameHeightPx);
  const QWidget* list = window.WidgetOf(form.lvwItems);
  EXPECT_LT(window.centralWidget()->height(), list->geometry().top());
  form.lvwItems.Top = 9000;  // moved further down: still no room made
  QApplication::processEvents();
  EXPECT_EQ(window.height(), 1500 / 15 - FormWindow::kFrameHeightPx);
  form.Height = 6000;
  EXPECT_EQ(window.height(), 6000 / 15 - FormWindow::kFrameHeightPx);
}

// A form that gives no size of its own (none of the programs' forms) is as large as its
// content.
TEST_F(FormWindowTest, AFormWithoutASizeTakesThatOfItsContent) {
  forms::Form bare("frmBare", services);
  forms::CommandButton button(bare, "cmdOnly");
  button.Left = 150;
  button.Top = 300;
  button.Width = 1500;
  button.Height = 450;
  FormWindow host(bare);
  EXPECT_EQ(host.size(), QSize(110, 50));
}

TEST_F(FormWindowTest, AnErrorEscapingAHandlerIsShownAndTheWindowStays) {
  QString shown;
  taskvane::testing::WhenModalOpens([&shown](QWidget& modal) {
    auto* box = dynamic_cast<QMessageBox*>(&modal);
    if (box != nullptr) shown = box->text();
    modal.close();
  });
  bool ran_to_throw = false;
  window.RunHandler([&] {
    EXPECT_TRUE(window.HandlerRunning());
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    ran_to_throw = true;
    throw AutomationError(1004, "거부되었습니다.");
  });
  EXPECT_TRUE(ran_to_throw);
  EXPECT_EQ(shown, "런타임 오류 '1004':\n\n거부되었습니다.");
  EXPECT_FALSE(window.HandlerRunning());
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST_F(FormWindowTest, AStatusTextPaintsAtOnceWhileAHandlerRuns) {
  QLabel* panel = window.statusBar()->findChild<QLabel*>();
  PaintCounter counter;
  panel->installEventFilter(&counter);
  window.show();
  // Until the window has painted once, the platform may hold paints back.
  for (int i = 0; i < 200 && counter.paints == 0; ++i) QTest::qWait(10);
  ASSERT_GT(counter.paints, 0);
  const int before = counter.paints;
  int painted_during_handler = -1;
  window.RunHandler([&] {
    form.stbMain.PanelText = "1번째 작업 저장 중";
    // No event loop runs here: only a direct repaint reaches the label.
    painted_during_handler = counter.paints - before;
  });
  EXPECT_GE(painted_during_handler, 1);
  EXPECT_EQ(panel->text(), "1번째 작업 저장 중");
}

TEST_F(FormWindowTest, LabelsStayUnderWindowedControlsAndKeepTheirOrder) {
  forms::Form stacked("frmStack", services);
  forms::Label back(stacked, "lblBack");
  forms::PictureBox picture(stacked, "picFront");
  forms::Label front(stacked, "lblFront");
  back.Caption = "뒤";
  front.Caption = "앞";
  FormWindow host(stacked);
  const QObjectList& order = host.centralWidget()->children();
  const auto at = [&](const forms::Control& c) { return order.indexOf(host.WidgetOf(c)); };
  EXPECT_LT(at(back), at(front));
  EXPECT_LT(at(front), at(picture));
}

}  // namespace
}  // namespace taskvane::qt

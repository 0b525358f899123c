#include <gtest/gtest.h>

#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>

#include "builds/real_exporters.h"
#include "console/frm_about.h"
#include "console/frm_main.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_services.h"
#include "tests/qt/qt_app.h"

namespace taskvane::qt {
namespace {

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

TEST_F(MainWindowTest, OpensLaysItselfOutAndClosesCleanly) {
  frmMain form(services, exporters, BuildVariant::Main);
  {
    FormWindow window(form);
    window.RunHandler([&form] { form.Form_Load(); });
    window.show();
    QApplication::processEvents();
    EXPECT_EQ(window.windowTitle(), "Taskvane");
    EXPECT_EQ(window.width(), 9255 / 15 - FormWindow::kFrameWidthPx);
    EXPECT_GE(window.height(), 11880 / 15 - FormWindow::kFrameHeightPx);
    EXPECT_FALSE(window.WidgetOf(form.fraMainPPT)->isVisible());
    EXPECT_TRUE(window.WidgetOf(form.fraMain)->isVisible());
    // The mode switch through the real menu re-lays the window.
    QAction* ppt = FindAction(*window.menuBar(), "주간보고서 변환 (파워포인트)");
    ASSERT_NE(ppt, nullptr);
    ppt->trigger();
    EXPECT_TRUE(window.WidgetOf(form.fraMainPPT)->isVisible());
    EXPECT_FALSE(window.WidgetOf(form.fraMain)->isVisible());
    EXPECT_FALSE(ppt->isEnabled());
    EXPECT_GE(window.height(), 6720 / 15 - FormWindow::kFrameHeightPx);
    EXPECT_LT(window.height(), 11880 / 15 - FormWindow::kFrameHeightPx);
    window.close();
    QApplication::processEvents();
  }
  // The model outlives its window and is left without an observer.
  form.stbMain.PanelText = "창 없이";
}

TEST_F(MainWindowTest, TheAboutBoxIsModalAndItsCloseButtonEndsIt) {
  frmMain form(services, exporters, BuildVariant::Main);
  FormWindow window(form);
  window.RunHandler([&form] { form.Form_Load(); });
  window.show();
  QString caption;
  taskvane::testing::WhenModalOpens([&caption](QWidget& modal) {
    caption = modal.windowTitle();
    for (auto* button : modal.findChildren<QPushButton*>()) {
      if (button->text() == "닫기") button->click();
    }
  });
  QAction* about = FindAction(*window.menuBar(), "Taskvane 정보");
  ASSERT_NE(about, nullptr);
  about->trigger();  // returns once the about box is closed
  EXPECT_EQ(caption, "Taskvane 정보");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace taskvane::qt

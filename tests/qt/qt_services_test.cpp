#include "platform/qt/qt_services.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "platform/qt/form_window.h"
#include "platform/qt/korean_qt_texts.h"
#include "tests/drive/sample_form.h"
#include "tests/qt/qt_app.h"

namespace taskvane::qt {
namespace {

using taskvane::testing::WhenModalOpens;

class QtServicesTest : public ::testing::Test {
 protected:
  QtServicesTest() : services(IniSettingsStore(dir.filePath("settings.ini").toStdString())) {}
  std::string InDir(const char* name) const { return dir.filePath(name).toStdString(); }

  QTemporaryDir dir;
  QtServices services;
};

TEST_F(QtServicesTest, MessageBoxesShowTitleTextIconAndButtonsAndReturnTheAnswer) {
  struct Seen {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
  } seen;
  auto answer_with = [&seen](const QString& button_text) {
    WhenModalOpens([&seen, button_text](QWidget& modal) {
      auto& box = dynamic_cast<QMessageBox&>(modal);
      seen = {box.windowTitle(), box.text(), box.icon(), {}};
      for (QAbstractButton* button : box.buttons()) {
        seen.buttons << button->text();
        if (button->text() == button_text) button->click();
      }
    });
  };
  answer_with("아니요(&N)");
  EXPECT_EQ(services.MsgBox("덮어쓸까요?", forms::vbYesNo | forms::vbQuestion, "Taskvane"),
            forms::vbNo);
  EXPECT_EQ(seen.title, "Taskvane");
  EXPECT_EQ(seen.text, "덮어쓸까요?");
  EXPECT_EQ(seen.icon, QMessageBox::Question);
  EXPECT_EQ(seen.buttons.size(), 2);
  answer_with("예(&Y)");
  EXPECT_EQ(services.MsgBox("덮어쓸까요?", forms::vbYesNo, "Taskvane"), forms::vbYes);
  answer_with("확인");
  EXPECT_EQ(services.MsgBox("경로가 정확하지 않습니다.", forms::vbExclamation, "Taskvane"),
            forms::vbOK);
  EXPECT_EQ(seen.icon, QMessageBox::Warning);
  EXPECT_EQ(seen.buttons, QStringList{"확인"});
}

// While the user is in another program no window of ours is active; a message box of a
// running conversion must still belong to the program's window.
TEST_F(QtServicesTest, AMessageBoxBelongsToTheFormWindowAlsoWhenNoWindowIsActive) {
  taskvane::testing::SampleForm form(services);
  FormWindow window(form);
  window.show();
  ASSERT_EQ(QApplication::activeWindow(), nullptr) << "not yet activated by the platform";
  QWidget* owner = nullptr;
  WhenModalOpens([&owner](QWidget& modal) {
    owner = modal.parentWidget();
    dynamic_cast<QMessageBox&>(modal).buttons().front()->click();
  });
  services.MsgBox("경로가 정확하지 않습니다.", forms::vbOKOnly, "Taskvane");
  EXPECT_EQ(owner, &window);
}

TEST_F(QtServicesTest, SaveDialogTakesFilterAndPresetAndAddsTheExtension) {
  QStringList filters;
  QString preset_name;
  WhenModalOpens([&](QWidget& modal) {
    auto& dialog = dynamic_cast<QFileDialog&>(modal);
    filters = dialog.nameFilters();
    preset_name = dialog.findChild<QLineEdit*>()->text();
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontConfirmOverwrite));
    // Typed as a user would (selectFile leaves a focused name box alone).
    dialog.findChild<QLineEdit*>()->setText("보고서");
    QMetaObject::invokeMethod(&dialog, "accept");
  });
  const auto chosen = services.ShowSaveDialog("엑셀 파일 (*.xlsx)|*.xlsx", InDir("이전.xlsx"));
  EXPECT_EQ(filters, QStringList{"엑셀 파일 (*.xlsx)"});
  EXPECT_EQ(preset_name, "이전.xlsx");
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, InDir("보고서.xlsx"));
}

// The file dialogs speak Korean with the translations the programs load at start; the
// filter texts stay as the form gives them.
TEST_F(QtServicesTest, FileDialogsAreKoreanWithQtsTranslations) {
  const KoreanQtTexts korean;
  ASSERT_TRUE(korean.Installed()) << "Qt's Korean translations (qt6-translations-l10n)";
  QStringList labels;
  QStringList buttons;
  QStringList filters;
  WhenModalOpens([&](QWidget& modal) {
    auto& dialog = dynamic_cast<QFileDialog&>(modal);
    for (const QLabel* label : dialog.findChildren<QLabel*>()) labels << label->text();
    for (const QAbstractButton* button : dialog.findChildren<QPushButton*>())
      buttons << button->text();
    filters = dialog.nameFilters();
    dialog.reject();
  });
  services.ShowSaveDialog("엑셀 파일 (*.xlsx)|*.xlsx", InDir("보고서.xlsx"));
  EXPECT_EQ(labels, (QStringList{"다음에서 찾기:", "파일 이름(&N):", "파일 형식:"}));
  EXPECT_EQ(buttons, (QStringList{"저장(&S)", "취소"}));
  EXPECT_EQ(filters, QStringList{"엑셀 파일 (*.xlsx)"});
}

TEST_F(QtServicesTest, OpenDialogCancelledGivesNothing) {
  WhenModalOpens([](QWidget& modal) { dynamic_cast<QFileDialog&>(modal).reject(); });
  EXPECT_FALSE(
      services.ShowOpenDialog("MS Project 파일 (*.xml;*.mpp)|*.xml;*.mpp", "").has_value());
}

TEST_F(QtServicesTest, OpenDialogReturnsTheChosenFile) {
  std::ofstream(InDir("일정.xml")) << "<Project/>";
  WhenModalOpens([&](QWidget& modal) {
    auto& dialog = dynamic_cast<QFileDialog&>(modal);
    EXPECT_EQ(dialog.nameFilters(), QStringList{"MS Project 파일 (*.xml *.mpp)"});
    dialog.selectFile(QString::fromStdString(InDir("일정.xml")));
    QMetaObject::invokeMethod(&dialog, "accept");
  });
  EXPECT_EQ(services.ShowOpenDialog("MS Project 파일 (*.xml;*.mpp)|*.xml;*.mpp", InDir("일정.xml")),
            InDir("일정.xml"));
}

TEST_F(QtServicesTest, SettingsFilesAndClock) {
  services.SaveSettings("Taskvane", "frmMain", {{"Zoom", "85"}});
  EXPECT_EQ(services.GetSetting("Taskvane", "frmMain", "Zoom", "70"), "85");
  EXPECT_EQ(services.GetSetting("Taskvane", "frmMain", "Title", "없음"), "없음");
  std::ofstream(InDir("a.txt")) << "x";
  EXPECT_TRUE(services.FileExists(InDir("a.txt")));
  EXPECT_FALSE(services.FileExists(dir.path().toStdString()));
  EXPECT_FALSE(services.FileExists(""));
  EXPECT_TRUE(services.FolderExists(dir.path().toStdString()));
  EXPECT_FALSE(services.FolderExists(InDir("a.txt")));
  EXPECT_FALSE(services.FolderExists(""));
  const QDate today = QDate::currentDate();
  EXPECT_EQ(services.Today(), DateSerial(today.year(), today.month(), today.day()));
}

TEST_F(QtServicesTest, ModalFormBlocksUntilTheFormUnloadsItself) {
  taskvane::testing::SampleForm modal_form(services);
  modal_form.cmdGreet.Click = [&modal_form] { modal_form.Unloaded(); };
  bool was_modal = false;
  WhenModalOpens([&](QWidget& modal) {
    auto* window = dynamic_cast<FormWindow*>(&modal);
    ASSERT_NE(window, nullptr);
    was_modal = window->isModal();
    dynamic_cast<QPushButton*>(window->WidgetOf(modal_form.cmdGreet))->click();
  });
  services.ShowModal(modal_form);
  EXPECT_TRUE(was_modal);
  EXPECT_FALSE(static_cast<bool>(modal_form.Unloaded)) << "the host's hook is taken back";
}

TEST_F(QtServicesTest, EndProgramLeavesTheEventLoop) {
  QTimer::singleShot(0, [this] { services.EndProgram(); });
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
  EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace taskvane::qt

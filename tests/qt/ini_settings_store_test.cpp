#include "platform/qt/ini_settings_store.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace taskvane::qt {
namespace {

class IniSettingsStoreTest : public ::testing::Test {
 protected:
  std::string Path() const { return dir_.filePath("settings.ini").toStdString(); }
  void WriteFile(const std::string& text) const { std::ofstream(Path(), std::ios::binary) << text; }
  std::string ReadFile() const {
    std::ifstream file(Path(), std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
  }

  QTemporaryDir dir_;
};

TEST_F(IniSettingsStoreTest, TextsComeBackExactlyAndReachTheFileAtOnce) {
  const IniSettingsStore store(Path());
  const std::string texts[] = {"초기계획",           "16,14", "  앞뒤 공백  ", "@Variant", "a=b;c",
                               "C:\\경로\\파일.mpp", "",      "True"};
  int n = 0;
  for (const std::string& text : texts)
    store.Save("Taskvane", "frmMain", "Key" + std::to_string(++n), text);
  // Another store on the same file (the other program) reads what was written.
  const IniSettingsStore other(Path());
  n = 0;
  for (const std::string& text : texts) {
    EXPECT_EQ(other.Get("Taskvane", "frmMain", "Key" + std::to_string(++n), "default"), text);
  }
  EXPECT_EQ(other.Get("Taskvane", "frmMain", "Missing", "기본값"), "기본값");
  EXPECT_EQ(other.Get("Taskvane", "OtherSection", "Key1", "none"), "none");
  EXPECT_NE(ReadFile().find("[frmMain]"), std::string::npos) << ReadFile();
}

TEST_F(IniSettingsStoreTest, OddFilesReadAsWellAsTheyCan) {
  WriteFile(
      "garbage without equals sign\n"
      "[frmMain]\n"
      "ColorSet1=16,14\n"
      "Zoom=80\n"
      "Zoom=85\n"
      "Title=\xED\x83\x80\xEC\x9D\xB4\xED\x8B\x80\n"  // 타이틀 in UTF-8
      "Broken=\"unterminated\n"
      "Binary=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x3\\0)\n"
      "[frmMain\n"
      "Late=1\n");
  const IniSettingsStore store(Path());
  EXPECT_EQ(store.Get("Taskvane", "frmMain", "ColorSet1", ""), "16,14");
  EXPECT_EQ(store.Get("Taskvane", "frmMain", "Zoom", ""), "85");
  EXPECT_EQ(store.Get("Taskvane", "frmMain", "Title", ""), "타이틀");
  EXPECT_EQ(store.Get("Taskvane", "frmMain", "Binary", "default"), "default");
  // Whatever the broken lines gave, reading them neither throws nor stops.
  EXPECT_NO_THROW(store.Get("Taskvane", "frmMain", "Broken", ""));
  EXPECT_NO_THROW(store.Get("Taskvane", "frmMain", "Late", ""));
}

TEST_F(IniSettingsStoreTest, UnreadableOrUnwritableStoresGiveDefaultsAndNoFailure) {
  // A folder where the file should be: nothing can be read or written.
  std::filesystem::create_directory(Path());
  const IniSettingsStore store(Path());
  EXPECT_EQ(store.Get("Taskvane", "frmMain", "Zoom", "70"), "70");
  EXPECT_NO_THROW(store.Save("Taskvane", "frmMain", "Zoom", "80"));
  EXPECT_EQ(store.Get("Taskvane", "frmMain", "Zoom", "70"), "70");
  // A folder that cannot be made (a file stands where it should be).
  std::ofstream(dir_.filePath("plain.txt").toStdString()) << "x";
  const IniSettingsStore nowhere(dir_.filePath("plain.txt/settings.ini").toStdString());
  EXPECT_EQ(nowhere.Get("Taskvane", "frmMain", "Zoom", "70"), "70");
  EXPECT_NO_THROW(nowhere.Save("Taskvane", "frmMain", "Zoom", "80"));
  EXPECT_EQ(nowhere.Get("Taskvane", "frmMain", "Zoom", "70"), "70");
}

TEST(IniSettingsStoreUserScopeTest, TheProgramsShareOneUserFile) {
  const IniSettingsStore store;
  const std::string path = store.FilePath("Taskvane");
  EXPECT_TRUE(path.ends_with("/Taskvane/Taskvane.ini")) << path;
}

}  // namespace
}  // namespace taskvane::qt

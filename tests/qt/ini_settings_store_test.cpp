#include "platform/qt/ini_settings_store.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSettings>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>

#include "tests/qt/file_rewrites.h"

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
  std::vector<forms::Setting> settings;
  for (const std::string& text : texts) {
    settings.push_back({"Key" + std::to_string(settings.size() + 1), text});
  }
  store.Save("Taskvane", "frmMain", settings);
  // A later save keeps the keys it does not name.
  store.Save("Taskvane", "frmMain", {{"Later", "나중"}});
  // Another store on the same file (the other program) reads what was written.
  const IniSettingsStore other(Path());
  for (const forms::Setting& setting : settings) {
    EXPECT_EQ(other.Get("Taskvane", "frmMain", setting.key, "default"), setting.value);
  }
  EXPECT_EQ(other.Get("Taskvane", "frmMain", "Later", "default"), "나중");
  EXPECT_EQ(other.Get("Taskvane", "frmMain", "Missing", "기본값"), "기본값");
  EXPECT_EQ(other.Get("Taskvane", "OtherSection", "Key1", "none"), "none");
  EXPECT_NE(ReadFile().find("[frmMain]"), std::string::npos) << ReadFile();
}

TEST_F(IniSettingsStoreTest, ASaveRewritesTheFileOnceForAllItsKeys) {
  const IniSettingsStore store(Path());
  store.Save("Taskvane", "frmMain", {{"Zoom", "70"}});
  taskvane::testing::FileRewrites rewrites(dir_.path().toStdString(), "settings.ini");
  ASSERT_TRUE(rewrites.Watching());
  std::vector<forms::Setting> settings;
  for (int k = 1; k <= 27; ++k) settings.push_back({"Key" + std::to_string(k), std::to_string(k)});
  store.Save("Taskvane", "frmMain", settings);
  EXPECT_EQ(rewrites.Count(), 1);
  // The same key twice: the later value wins, as it would key by key.
  store.Save("Taskvane", "frmMain", {{"Zoom", "80"}, {"Zoom", "85"}});
  EXPECT_EQ(rewrites.Count(), 2);
  EXPECT_EQ(store.Get("Taskvane", "frmMain", "Zoom", ""), "85");
  EXPECT_EQ(store.Get("Taskvane", "frmMain", "Key27", ""), "27");
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
  EXPECT_NO_THROW(store.Save("Taskvane", "frmMain", {{"Zoom", "80"}}));
  EXPECT_EQ(store.Get("Taskvane", "frmMain", "Zoom", "70"), "70");
  // A folder that cannot be made (a file stands where it should be).
  std::ofstream(dir_.filePath("plain.txt").toStdString()) << "x";
  const IniSettingsStore nowhere(dir_.filePath("plain.txt/settings.ini").toStdString());
  EXPECT_EQ(nowhere.Get("Taskvane", "frmMain", "Zoom", "70"), "70");
  EXPECT_NO_THROW(nowhere.Save("Taskvane", "frmMain", {{"Zoom", "80"}}));
  EXPECT_EQ(nowhere.Get("Taskvane", "frmMain", "Zoom", "70"), "70");
}

// Opening a named pipe for reading waits for a writer. The store must not: it reads
// defaults at once and leaves the pipe as it is.
TEST_F(IniSettingsStoreTest, ANamedPipeInPlaceOfTheFileGivesDefaultsWithoutWaiting) {
  ASSERT_EQ(::mkfifo(Path().c_str(), 0600), 0);
  const IniSettingsStore store(Path());
  auto start_up = std::async(std::launch::async,
                             [&store] { return store.Get("Taskvane", "frmMain", "Zoom", "70"); });
  if (start_up.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    // Release the stuck reader: a writer that closes at once gives it the end of the file.
    const int writer = ::open(Path().c_str(), O_WRONLY | O_NONBLOCK);
    if (writer >= 0) ::close(writer);
    start_up.wait();
    FAIL() << "reading the settings waited on the pipe";
  }
  EXPECT_EQ(start_up.get(), "70");
  store.Save("Taskvane", "frmMain", {{"Zoom", "80"}});
  EXPECT_EQ(store.Get("Taskvane", "frmMain", "Zoom", "70"), "70");
  EXPECT_EQ(std::filesystem::status(Path()).type(), std::filesystem::file_type::fifo);
}

TEST(IniSettingsStoreUserScopeTest, TheProgramsShareOneUserFileWhereQtKeepsIt) {
  const IniSettingsStore store;
  const std::string path = store.FilePath("Taskvane");
  EXPECT_TRUE(path.ends_with("/Taskvane/Taskvane.ini")) << path;
  const QSettings qt_own(QSettings::IniFormat, QSettings::UserScope, "Taskvane", "Taskvane");
  EXPECT_EQ(path, qt_own.fileName().toStdString());
}

}  // namespace
}  // namespace taskvane::qt

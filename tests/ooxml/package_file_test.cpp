#include "platform/ooxml/package_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/ooxml/package.h"
#include "platform/runtime/automation_error.h"
#include "tests/ooxml/folder_listing.h"

namespace taskvane::ooxml {
namespace {

namespace fs = std::filesystem;

class PackageFileTest : public ::testing::TestWithParam<TemporaryKind> {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tv_package_file_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    if (GetParam() == TemporaryKind::Unnamed &&
        PackageFile((dir_ / "probe").string(), 1004, TemporaryKind::Unnamed).Kind() !=
            TemporaryKind::Unnamed) {
      GTEST_SKIP() << "the file system of " << dir_ << " has no unnamed files (O_TMPFILE)";
    }
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::vector<std::string> Entries() const { return testing::EntriesOf(dir_); }
  static std::string ReadFile(const fs::path& p) { return testing::ReadWhole(p); }

  // A package whose one streamed part runs `during` halfway through.
  static Package Interrupted(std::function<void()> during) {
    Package package;
    package.Add("[Content_Types].xml", "<Types/>");
    package.AddStreamed("xl/worksheets/sheet1.xml", [during](PartStream& out) {
      out.Text() = std::string(300000, 'x');
      out.Flush();
      during();
      out.Text() += "<end/>";
    });
    return package;
  }

  fs::path dir_;
};

TEST_P(PackageFileTest, SavesTheSameBytesAndLeavesNothingElse) {
  std::vector<std::vector<std::string>> seen_while_writing;
  const Package package = Interrupted([&] { seen_while_writing.push_back(Entries()); });
  const fs::path path = dir_ / "plan.xlsx";
  package.Save(path, 1004, GetParam());

  ASSERT_EQ(seen_while_writing.size(), 1u);
  const std::vector<std::string>& during = seen_while_writing[0];
  if (GetParam() == TemporaryKind::Unnamed) {
    EXPECT_TRUE(during.empty());  // nothing has a name before it is complete
  } else {
    ASSERT_EQ(during.size(), 1u);
    EXPECT_TRUE(during[0].starts_with(".~plan.xlsx.")) << during[0];
    EXPECT_TRUE(during[0].ends_with(".tmp")) << during[0];
  }
  EXPECT_EQ(Entries(), std::vector<std::string>{"plan.xlsx"});
  EXPECT_EQ(ReadFile(path), package.Bytes(1004));
}

TEST_P(PackageFileTest, ANameTakenDuringTheSaveIsKept) {
  const fs::path path = dir_ / "plan.xlsx";
  const Package package = Interrupted([&] { std::ofstream(path) << "someone else's"; });
  try {
    package.Save(path, 1004, GetParam());
    FAIL() << "replaced a file that appeared while saving";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, 1004);
    EXPECT_NE(e.Description.find("이미 있습니다"), std::string::npos) << e.Description;
  }
  EXPECT_EQ(ReadFile(path), "someone else's");
  EXPECT_EQ(Entries(), std::vector<std::string>{"plan.xlsx"});
}

TEST_P(PackageFileTest, AFailureInTheFolderNamesTheReason) {
  try {
    Package().Save(dir_ / "missing" / "plan.pptx", 75, GetParam());
    FAIL() << "saved into a missing folder";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, 75);
    EXPECT_NE(e.Description.find("폴더가 없습니다"), std::string::npos) << e.Description;
  }
  std::ofstream(dir_ / "file") << "x";
  EXPECT_THROW(Package().Save(dir_ / "file" / "plan.pptx", 75, GetParam()), AutomationError);
  EXPECT_EQ(Entries(), std::vector<std::string>{"file"});
}

INSTANTIATE_TEST_SUITE_P(BothKinds, PackageFileTest,
                         ::testing::Values(TemporaryKind::Unnamed, TemporaryKind::Named),
                         [](const auto& info) {
                           return info.param == TemporaryKind::Unnamed ? "Unnamed" : "Named";
                         });

// A save stopped by a signal halfway leaves no file, hidden or not.
TEST(UnnamedPackageFileTest, AnInterruptedSaveLeavesNothingBehind) {
  const fs::path dir = fs::temp_directory_path() / ("tv_interrupted_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  if (PackageFile((dir / "probe").string(), 1004, TemporaryKind::Unnamed).Kind() !=
      TemporaryKind::Unnamed) {
    fs::remove_all(dir);
    GTEST_SKIP() << "the file system of " << dir << " has no unnamed files (O_TMPFILE)";
  }
  for (int signal : {SIGTERM, SIGKILL}) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(ready[0]);
      Package package;
      package.AddStreamed("xl/worksheets/sheet1.xml", [&](PartStream& out) {
        out.Text() = std::string(2000000, 'x');
        out.Flush();
        (void)!::write(ready[1], "!", 1);
        for (;;) ::pause();
      });
      package.Save((dir / "plan.xlsx").string(), 1004);
      ::_exit(0);
    }
    ::close(ready[1]);
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ::close(ready[0]);
    ::kill(child, signal);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(fs::is_empty(dir)) << "after signal " << signal;
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace taskvane::ooxml

#include "platform/ooxml/package.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/runtime/automation_error.h"

namespace taskvane::ooxml {
namespace {

namespace fs = std::filesystem;

class PackageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tv_ooxml_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }

  static Package Sample() {
    Package package;
    package.Add("[Content_Types].xml", "<Types/>");
    package.Add("xl/worksheets/sheet1.xml", std::string(5000, 'x') + "주간 보고");
    package.Add("empty.xml", "");
    return package;
  }

  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  static std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }

  fs::path dir_;
};

// Reads a zip file back with libzip: name -> (content, compression method).
std::map<std::string, std::pair<std::string, int>> ReadZip(const std::string& path) {
  std::map<std::string, std::pair<std::string, int>> parts;
  int err = 0;
  zip_t* za = zip_open(path.c_str(), ZIP_RDONLY | ZIP_CHECKCONS, &err);
  if (za == nullptr) return parts;
  for (zip_int64_t i = 0; i < zip_get_num_entries(za, 0); ++i) {
    zip_stat_t st;
    zip_stat_index(za, i, 0, &st);
    std::string content(st.size, '\0');
    zip_file_t* f = zip_fopen_index(za, i, 0);
    zip_fread(f, content.data(), content.size());
    zip_fclose(f);
    parts[st.name] = {content, st.comp_method};
  }
  zip_close(za);
  return parts;
}

TEST_F(PackageTest, SavedPartsReadBackDeflatedAndInOrder) {
  const std::string path = dir_ / "out.xlsx";
  Package package = Sample();
  package.Add("empty.xml", "<replaced/>");
  ASSERT_EQ(package.Parts().size(), 3u);
  package.Save(path, 1004);

  auto parts = ReadZip(path);
  ASSERT_EQ(parts.size(), 3u);
  EXPECT_EQ(parts["[Content_Types].xml"].first, "<Types/>");
  EXPECT_EQ(parts["xl/worksheets/sheet1.xml"].first, std::string(5000, 'x') + "주간 보고");
  EXPECT_EQ(parts["xl/worksheets/sheet1.xml"].second, ZIP_CM_DEFLATE);
  EXPECT_EQ(parts["empty.xml"].first, "<replaced/>");
  EXPECT_LT(fs::file_size(path), 1000u);
  EXPECT_EQ(Entries(), std::vector<std::string>{"out.xlsx"});

  // Entries keep the order of Add: [Content_Types].xml first, as Office writes it.
  int err = 0;
  zip_t* za = zip_open(path.c_str(), ZIP_RDONLY, &err);
  ASSERT_NE(za, nullptr);
  EXPECT_STREQ(zip_get_name(za, 0, 0), "[Content_Types].xml");
  zip_close(za);
}

TEST_F(PackageTest, SameContentGivesSameBytes) {
  Sample().Save(dir_ / "a.xlsx", 1004);
  setenv("TZ", "Asia/Seoul", 1);
  tzset();
  Sample().Save(dir_ / "b.xlsx", 1004);
  unsetenv("TZ");
  tzset();
  EXPECT_EQ(ReadFile(dir_ / "a.xlsx"), ReadFile(dir_ / "b.xlsx"));
  EXPECT_EQ(Sample().Bytes(1004), ReadFile(dir_ / "a.xlsx"));
}

TEST_F(PackageTest, NeverReplacesAnExistingFile) {
  const std::string path = dir_ / "taken.xlsx";
  std::ofstream(path) << "keep me";
  try {
    Sample().Save(path, 1004);
    FAIL() << "saved over an existing file";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, 1004);
    EXPECT_NE(e.Description.find(path), std::string::npos);
    EXPECT_NE(e.Description.find("이미 있습니다"), std::string::npos);
  }
  EXPECT_EQ(ReadFile(path), "keep me");
  EXPECT_EQ(Entries(), std::vector<std::string>{"taken.xlsx"});
}

TEST_F(PackageTest, FailuresCarryTheCallersNumberAndLeaveNothingBehind) {
  try {
    Sample().Save(dir_ / "missing" / "x.pptx", 75);
    FAIL() << "saved into a missing folder";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, 75);
    EXPECT_NE(e.Description.find("missing/x.pptx"), std::string::npos);
    EXPECT_NE(e.Description.find("폴더가 없습니다"), std::string::npos);
  }

  if (::geteuid() != 0) {  // root writes into read-only folders anyway
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(Sample().Save(dir_ / "ro.xlsx", 1004), AutomationError);
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
  }
  EXPECT_TRUE(Entries().empty());
  EXPECT_THROW(Sample().Save("", 1004), AutomationError);
}

}  // namespace
}  // namespace taskvane::ooxml

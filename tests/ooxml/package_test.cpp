#include "platform/ooxml/package.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zip.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>

#include "platform/runtime/automation_error.h"
#include "tests/ooxml/folder_listing.h"

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

  std::vector<std::string> Entries() const { return testing::EntriesOf(dir_); }
  static std::string ReadFile(const fs::path& p) { return testing::ReadWhole(p); }

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

// Text that deflate cannot shrink much, so the zip outgrows the file's write buffer.
std::string Noise(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::string text(size, ' ');
  for (char& c : text) c = static_cast<char>('a' + random() % 26);
  return text;
}

// What Python's own zip reader makes of a file: "name size crc-ok" per entry.
std::string PythonListing(const std::string& path) {
  const std::string command =
      "/usr/bin/python3 -c \"import sys, zipfile\n"
      "z = zipfile.ZipFile(sys.argv[1])\n"
      "bad = z.testzip()\n"
      "for i in z.infolist(): print(i.filename, i.file_size, i.compress_type, bad is None)\n\" '" +
      path + "' 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string output;
  std::array<char, 512> buf;
  while (pipe && fgets(buf.data(), buf.size(), pipe.get())) output += buf.data();
  return output;
}

// A part written in many small pieces, as the sheet writers do.
Package StreamedSample() {
  Package package;
  package.Add("[Content_Types].xml", "<Types/>");
  package.AddStreamed("xl/worksheets/sheet1.xml", [](PartStream& out) {
    for (int row = 1; row <= 40000; ++row) {
      out.Text() += "<row r=\"" + std::to_string(row) + "\"><c r=\"A" + std::to_string(row) +
                    "\" s=\"3\"/></row>";
      out.Drain();
    }
  });
  package.Add("xl/media/그림.bin", Noise(700000, 1));
  package.AddStreamed("docProps/app.xml", [](PartStream& out) { out.Text() += Noise(300000, 2); });
  return package;
}

std::string ExpectedRows() {
  std::string rows;
  for (int row = 1; row <= 40000; ++row) {
    rows += "<row r=\"" + std::to_string(row) + "\"><c r=\"A" + std::to_string(row) +
            "\" s=\"3\"/></row>";
  }
  return rows;
}

TEST_F(PackageTest, StreamedPartsReadBackWithEveryReader) {
  const std::string path = dir_ / "streamed.xlsx";
  const Package package = StreamedSample();
  package.Save(path, 1004);

  auto parts = ReadZip(path);
  ASSERT_EQ(parts.size(), 4u);
  EXPECT_EQ(parts["xl/worksheets/sheet1.xml"].first, ExpectedRows());
  EXPECT_EQ(parts["xl/worksheets/sheet1.xml"].second, ZIP_CM_DEFLATE);
  EXPECT_EQ(parts["xl/media/그림.bin"].first, Noise(700000, 1));
  EXPECT_EQ(parts["docProps/app.xml"].first, Noise(300000, 2));
  EXPECT_GT(fs::file_size(path), 700000u);  // the noise outgrows the write buffer

  const std::string expected_rows_size = std::to_string(ExpectedRows().size());
  EXPECT_EQ(PythonListing(path),
            "[Content_Types].xml 8 8 True\n"
            "xl/worksheets/sheet1.xml " +
                expected_rows_size +
                " 8 True\n"
                "xl/media/그림.bin 700000 8 True\n"
                "docProps/app.xml 300000 8 True\n");

  // The same parts inspected, and the same bytes in memory.
  const auto listed = package.Parts();
  ASSERT_EQ(listed.size(), 4u);
  EXPECT_EQ(listed[1].first, "xl/worksheets/sheet1.xml");
  EXPECT_EQ(listed[1].second, ExpectedRows());
  EXPECT_EQ(package.Bytes(1004), ReadFile(path));
  EXPECT_EQ(Entries(), std::vector<std::string>{"streamed.xlsx"});
}

TEST_F(PackageTest, AStreamedPartReplacesAndIsReplacedByAText) {
  Package package;
  package.Add("a.xml", "<old/>");
  package.AddStreamed("a.xml", [](PartStream& out) { out.Text() += "<streamed/>"; });
  package.AddStreamed("b.xml", [](PartStream& out) { out.Text() += "<streamed/>"; });
  package.Add("b.xml", "<text/>");
  const auto parts = package.Parts();
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[0], (std::pair<std::string, std::string>{"a.xml", "<streamed/>"}));
  EXPECT_EQ(parts[1], (std::pair<std::string, std::string>{"b.xml", "<text/>"}));
}

TEST_F(PackageTest, AWriterThatFailsLeavesNothing) {
  Package package;
  package.Add("a.xml", Noise(400000, 3));
  package.AddStreamed("b.xml", [](PartStream& out) {
    out.Text() += Noise(200000, 4);
    out.Flush();
    throw AutomationError(1004, "셀을 쓸 수 없습니다.");
  });
  try {
    package.Save(dir_ / "broken.xlsx", 1004);
    FAIL() << "saved a package whose part failed";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, 1004);
    EXPECT_NE(e.Description.find("broken.xlsx"), std::string::npos);
    EXPECT_NE(e.Description.find("셀을 쓸 수 없습니다."), std::string::npos);
  }
  EXPECT_TRUE(Entries().empty());
}

}  // namespace
}  // namespace taskvane::ooxml

// Every binary sample, the two that cannot be read and damaged copies of each, opened
// through OpenProjectFile: a refusal is AutomationError 432 naming the file and the
// reason; a sample or copy that opens must read through every member. Nothing may crash.
// The damaged copies are made here from the samples: cut short at a few points (always
// refused), each stream zeroed in turn (refused when the reader uses that stream), and a
// few bytes flipped in one stream at a time (refused, or read as other values).

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <set>

#include "platform/project/mpp/compound_file.h"
#include "platform/project/project.h"
#include "platform/runtime/automation_error.h"
#include "tests/project/compound_layout.h"
#include "tests/project/mpp_samples.h"
#include "tests/project/read_every_member.h"
#include "tests/project/test_files.h"

namespace taskvane::project {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::MppSampleNames;
using testing::MppSamplePath;

// The refusal of `path`, or "" when it opened.
std::string RefusalOf(const std::string& path) {
  try {
    OpenProjectFile(path);
  } catch (const AutomationError& error) {
    EXPECT_EQ(error.Number, kErrFileOpen) << error.Description;
    return error.Description;
  }
  return "";
}

TEST(MppRefusals, PasswordAndProject98FilesNameTheFileAndTheReason) {
  if (MppSampleNames().empty()) GTEST_SKIP() << "the shared samples are not available";
  const std::string password = MppSamplePath("misc/readpassword9.mpp");
  const std::string refusal = RefusalOf(password);
  EXPECT_TRUE(refusal.starts_with("'" + password + "' 파일을 열 수 없습니다. ")) << refusal;
  EXPECT_NE(refusal.find("열기 암호로 보호된 파일입니다."), std::string::npos) << refusal;

  const std::string mpp8 = MppSamplePath("misc/sample98.mpp");
  const std::string old = RefusalOf(mpp8);
  EXPECT_TRUE(old.starts_with("'" + mpp8 + "' 파일을 열 수 없습니다. ")) << old;
  EXPECT_NE(old.find("Project 98 이전 버전의 MPP 형식은 읽을 수 없습니다."), std::string::npos)
      << old;
}

// The locator that finds the streams to damage agrees with the container library.
TEST(CompoundLayout, EveryStreamsBytesAreWhereTheContainerReadsThem) {
  const std::vector<std::string> names = MppSampleNames();
  if (names.empty()) GTEST_SKIP() << "the shared samples are not available";
  for (const std::string& name : {names.front(), names.back(), std::string("misc/sample98.mpp")}) {
    SCOPED_TRACE(name);
    const Bytes file = testing::ReadFileBytes(MppSamplePath(name));
    const auto container = mpp::CompoundFile::Open(file);
    ASSERT_TRUE(container.has_value());
    const std::vector<testing::StreamExtent> streams = testing::StreamExtents(file);
    ASSERT_GE(streams.size(), 5u);
    bool small = false, large = false;
    for (const testing::StreamExtent& stream : streams) {
      Bytes gathered;
      for (const auto& [offset, length] : stream.ranges) {
        gathered.insert(gathered.end(), file.begin() + offset, file.begin() + offset + length);
      }
      EXPECT_EQ(gathered, container->ReadStream(stream.path, file.size())) << stream.path;
      small = small || (stream.size > 0 && stream.size < 4096);
      large = large || stream.size >= 4096;
    }
    EXPECT_TRUE(small && large) << "both kinds of sectors are located";
  }
}

// Whether the reader takes what it shows from this stream (a path from the root), so that
// wiping it must be noticed; the other streams (views, summary information, outline codes)
// may be wiped without changing the schedule.
bool ReaderUses(const std::string& path) {
  static const std::set<std::string> kRoot{"\001CompObj", "Props9", "Props12", "Props14"};
  static const std::set<std::string> kProject{"Props",
                                              "TBkndTask/FixedMeta",
                                              "TBkndTask/FixedData",
                                              "TBkndTask/VarMeta",
                                              "TBkndTask/Var2Data",
                                              "TBkndTask/Fixed2Meta",
                                              "TBkndTask/Fixed2Data",
                                              "TBkndRsc/FixedMeta",
                                              "TBkndRsc/FixedData",
                                              "TBkndRsc/VarMeta",
                                              "TBkndRsc/Var2Data",
                                              "TBkndAssn/FixedMeta",
                                              "TBkndAssn/FixedData",
                                              "TBkndCal/FixedMeta",
                                              "TBkndCal/FixedData",
                                              "TBkndCal/VarMeta",
                                              "TBkndCal/Var2Data"};
  if (kRoot.count(path)) return true;
  for (const char* storage : {"   19/", "   112/", "   114/"}) {
    if (!path.starts_with(storage)) continue;
    const std::string inside = path.substr(std::strlen(storage));
    // Format 9 orders its tasks by their IDs; a Fixed2 pair there is not read.
    if (inside.find("Fixed2") != std::string::npos && path.starts_with("   19/")) return false;
    return kProject.count(inside) > 0;
  }
  return false;
}

bool AllZero(const Bytes& bytes, const testing::StreamExtent& stream) {
  for (const auto& [offset, length] : stream.ranges) {
    for (std::size_t i = offset; i < offset + length; ++i) {
      if (bytes[i] != 0) return false;
    }
  }
  return true;
}

class DamagedCopies : public ::testing::TestWithParam<std::string> {
 protected:
  // Opens `bytes` as a file: either a 432 refusal naming it, or a document that reads
  // through. Returns whether it was refused.
  bool Open(const Bytes& bytes, const std::string& what) {
    SCOPED_TRACE(what);
    {
      std::ofstream out(path_, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
    }
    try {
      std::shared_ptr<Project> project = OpenProjectFile(path_);
      testing::ReadEveryMember(*project);
      ++read_through_;
      return false;
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.Number, kErrFileOpen) << error.Description;
      EXPECT_TRUE(error.Description.starts_with("'" + path_ + "' 파일을 열 수 없습니다. "))
          << error.Description;
      ++refused_;
      return true;
    }
  }

  // How the copies fared, for the test's output.
  ~DamagedCopies() override {
    std::cout << refused_ << " refused with 432, " << read_through_ << " read through\n";
  }

  testing::TempFile file_{"damaged.mpp", ""};
  const std::string path_ = file_.path();
  int refused_ = 0;
  int read_through_ = 0;
};

TEST_P(DamagedCopies, AreRefusedWith432OrReadThrough) {
  const Bytes original = testing::ReadFileBytes(MppSamplePath(GetParam()));
  ASSERT_GT(original.size(), 1024u);

  // The sample itself reads through, unless it is one of the two that are refused.
  const bool refused = Open(original, "as saved");
  const bool unreadable =
      GetParam() == "misc/readpassword9.mpp" || GetParam() == "misc/sample98.mpp";
  EXPECT_EQ(refused, unreadable);

  // Cut short anywhere: refused, also where what the schedule needs lies before the cut.
  for (std::size_t cut : {std::size_t{8}, std::size_t{512}, original.size() / 4,
                          original.size() / 2, original.size() * 3 / 4, original.size() - 1}) {
    EXPECT_TRUE(
        Open(Bytes(original.begin(), original.begin() + cut), "cut at " + std::to_string(cut)));
  }

  const std::vector<testing::StreamExtent> streams = testing::StreamExtents(original);
  ASSERT_FALSE(streams.empty());
  std::mt19937 random(static_cast<std::uint32_t>(std::hash<std::string>{}(GetParam())));
  for (const testing::StreamExtent& stream : streams) {
    if (stream.size == 0) continue;
    Bytes zeroed = original;
    for (const auto& [offset, length] : stream.ranges) {
      std::fill_n(zeroed.begin() + offset, length, 0);
    }
    const bool refused_zeroed = Open(zeroed, stream.path + " zeroed");
    if (ReaderUses(stream.path) && !AllZero(original, stream)) {
      EXPECT_TRUE(refused_zeroed) << stream.path << " wiped, yet the schedule read through";
    }

    // Eight bytes of the stream turned into others.
    Bytes flipped = original;
    std::string where;
    for (int k = 0; k < 8; ++k) {
      const auto& [offset, length] = stream.ranges[random() % stream.ranges.size()];
      const std::size_t at = offset + random() % length;
      flipped[at] ^= static_cast<std::uint8_t>(1 + random() % 255);
      where += " " + std::to_string(at);
    }
    Open(flipped, stream.path + " flipped at" + where);
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, DamagedCopies, ::testing::ValuesIn(MppSampleNames()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return testing::SampleTestName(
                               std::filesystem::path(info.param).stem().string());
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(DamagedCopies);

}  // namespace
}  // namespace taskvane::project

// Opening binary schedules through OpenProjectFile (the shared samples; skipped when
// absent): the content decides the reader, and a failure names the file.

#include <gtest/gtest.h>

#include <cstring>

#include "platform/project/project.h"
#include "tests/project/compound_edit.h"
#include "tests/project/test_files.h"

namespace taskvane::project {
namespace {

using testing::EditCompoundFile;
using testing::ReadFile;
using testing::TempFile;

constexpr std::string_view kBinary = "mpp/task-text/task-text-project2013-mpp12.mpp";
constexpr std::string_view kXml = "mpp/task-text/task-text-project2013-mspdi.xml";

std::string FailureOf(const std::string& path) {
  try {
    OpenProjectFile(path);
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, kErrFileOpen);
    return e.Description;
  }
  ADD_FAILURE() << "opened " << path;
  return "";
}

TEST(MppOpen, TheContentDecidesNotTheName) {
  TV_REQUIRE_SAMPLE(binary_path, kBinary);
  TV_REQUIRE_SAMPLE(xml_path, kXml);
  const std::string binary = ReadFile(binary_path);
  const std::string xml = ReadFile(xml_path);
  const TempFile binary_as_xml("schedule.xml", binary);
  const TempFile xml_as_mpp("schedule.mpp", xml);
  auto from_binary = OpenProjectFile(binary_as_xml.path());
  auto from_xml = OpenProjectFile(xml_as_mpp.path());
  ASSERT_EQ(from_binary->Tasks().Count(), from_xml->Tasks().Count());
  ASSERT_EQ(from_binary->Tasks().Count(), 30);
  for (int i = 1; i <= from_binary->Tasks().Count(); ++i) {
    EXPECT_EQ(from_binary->Tasks().Item(i)->Name(), from_xml->Tasks().Item(i)->Name()) << i;
    EXPECT_EQ(from_binary->Tasks().Item(i)->Start(), from_xml->Tasks().Item(i)->Start()) << i;
  }
  EXPECT_EQ(from_binary->Application().Version(), "16.0");
}

TEST(MppOpen, AMissingStreamIsDamageNamingTheFile) {
  TV_REQUIRE_SAMPLE(sample, kBinary);
  const std::string binary = ReadFile(sample);
  for (std::string_view stream :
       {"TBkndTask/VarMeta", "TBkndRsc/FixedData", "TBkndAssn/FixedMeta"}) {
    SCOPED_TRACE(stream);
    const std::string damaged =
        EditCompoundFile(binary, [&](const std::string& stream_path, std::string&) {
          return stream_path != "   112/" + std::string(stream);
        });
    ASSERT_FALSE(damaged.empty());
    const TempFile file("plan.mpp", damaged);
    EXPECT_EQ(FailureOf(file.path()), "'" + file.path() +
                                          "' 파일을 열 수 없습니다. 파일이 손상되었습니다. (" +
                                          std::string(stream) + " 스트림 없음)");
  }
}

// In this file the outline level of a task is the u16 at +40 of its FixedData item, and
// the item of task ID 2 is the sixth (after three placeholders, the project summary task
// and task 1).
TEST(MppOpen, AnOutlineJumpIsRefusedAsInTheXmlFormat) {
  TV_REQUIRE_SAMPLE(sample, kBinary);
  const std::string binary = ReadFile(sample);
  std::uint32_t offset = 0;
  EditCompoundFile(binary, [&](const std::string& stream_path, std::string& bytes) {
    if (stream_path == "   112/TBkndTask/FixedMeta")
      std::memcpy(&offset, bytes.data() + 16 + 5 * 47 + 4, 4);
    return true;
  });
  ASSERT_NE(offset, 0u);
  const std::string changed =
      EditCompoundFile(binary, [&](const std::string& stream_path, std::string& bytes) {
        if (stream_path == "   112/TBkndTask/FixedData") {
          bytes[offset + 40] = 3;
          bytes[offset + 41] = 0;
        }
        return true;
      });
  const TempFile file("plan.mpp", changed);
  EXPECT_EQ(
      FailureOf(file.path()),
      "'" + file.path() + "' 파일을 열 수 없습니다. 작업 2의 개요 수준(3)이 올바르지 않습니다.");
}

}  // namespace
}  // namespace taskvane::project

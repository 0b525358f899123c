// Schedules with blank task lines stop every conversion with the blank-line message, in
// each binary format as in the XML format, and write nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/console/convert_recording_exporters.h"
#include "tests/twin_conversions/frm_main_conversions.h"

namespace taskvane::testing {
namespace {

const std::vector<std::string> kBlankLineBox{"Taskvane | OK | 프로젝트 내에 빈 작업이 존재합니다."};

class BlankLines : public ::testing::TestWithParam<std::string> {};

TEST_P(BlankLines, EveryConversionStopsWithTheBlankLineMessage) {
  const std::filesystem::path schedule = std::filesystem::path(TASKVANE_SAMPLES_DIR) / GetParam();
  if (!std::filesystem::is_regular_file(schedule)) {
    GTEST_SKIP() << "sample schedule not available: " << GetParam();
  }
  TempFolder folder;
  const ReportPeriods periods{{"2008-11-03", "2008-11-09", "2008-11-10", "2008-11-16"}};
  for (Conversion conversion : kAllConversions) {
    SCOPED_TRACE(std::string(ConversionName(conversion)));
    const std::string output = folder.Path() + std::string(ConversionName(conversion)) +
                               std::string(OutputExtension(conversion));
    const ConversionRun run = RunConversion(conversion, schedule.string(), output, periods);
    EXPECT_EQ(run.messages, kBlankLineBox);
    EXPECT_FALSE(run.saved);
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, BlankLines,
                         ::testing::Values("mspdinulltasks.xml", "mpp/misc/mpp9nulltasks.mpp",
                                           "mpp/misc/mpp12nulltasks.mpp",
                                           "mpp/misc/mpp14nulltasks.mpp"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = std::filesystem::path(info.param).stem().string();
                           return name;
                         });

}  // namespace
}  // namespace taskvane::testing

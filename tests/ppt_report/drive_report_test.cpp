// End to end through the headless driver: the user fills the PowerPoint panel of the
// program's window, converts, and the saved presentation is read back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/ppt_report/pptx_reader.h"
#include "tests/support/sample_schedules.h"

namespace taskvane::testing {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::vector<std::string>>;
using Row = std::vector<std::string>;

class DriveReportTest : public ::testing::Test {
 protected:
  DriveReportTest()
      : folder(fs::temp_directory_path() /
               ("tv_ppt_drive_" + std::to_string(getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  ~DriveReportTest() override {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }

  // Converts `schedule` for the two periods (start level 1) in the dialog-free window of a
  // first run (fresh settings), with open-after-conversion ticked, and returns the driver's
  // output lines.
  std::vector<std::string> Convert(const std::string& schedule, const std::string& last_start,
                                   const std::string& last_end, const std::string& next_start,
                                   const std::string& next_end, bool baseline) {
    std::ofstream script(folder / "convert.drive");
    script << "settings " << (folder / "settings.ini").string() << "\n"
           << "today " << next_start << "\n"
           << "lite\nload\nclick mnuConvertPPT\n"
           << "set txtTitlePPT 주간보고\n"
           << "set txtPJTNamePPT 물류센터 WMS 구축\n"
           << "set txtMPPFilePathPPT " << schedule << "\n"
           << "set txtConvertFilePathPPT " << output() << "\n"
           << "click cmdGetCalnedar(1)\ndate " << last_start << "\n"
           << "click cmdGetCalnedar(2)\ndate " << last_end << "\n"
           << "click cmdGetCalnedar(3)\ndate " << next_start << "\n"
           << "click cmdGetCalnedar(4)\ndate " << next_end << "\n"
           << "pick cmbStartOutline 1\n"
           << "click " << (baseline ? "optUseBaseline" : "optUseCurrent") << "\n"
           << "click chkExecuteConvertlFile\n"
           << "show chkExecuteConvertlFile.Value\n"
           << "click cmdSave\n";
    script.close();
    const std::string command =
        std::string("'") + TASKVANE_DRIVE + "' '" + (folder / "convert.drive").string() + "' 2>&1";
    std::vector<std::string> lines;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return lines;
    std::string text;
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
    pclose(pipe);
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
      // Progress per task line is not what this test looks at.
      if (line.find("번째 작업 저장 중") == std::string::npos &&
          line.find("번째 목록 확인 중") == std::string::npos) {
        lines.push_back(line);
      }
    }
    return lines;
  }

  std::string output() const { return (folder / "weekly.pptx").string(); }

  std::vector<SlideContent> SavedSlides() const {
    const auto package = ReadPackage(output());
    std::vector<SlideContent> slides;
    for (const std::string& part : SlideParts(package))
      slides.push_back(ReadSlide(package.at(part)));
    return slides;
  }

  fs::path folder;
};

const std::vector<std::string> kConversionTail = {"STATUS 프로젝트 파일을 여는 중",
                                                  "STATUS 데이터를 저장하는 중",
                                                  "STATUS Merge 중",
                                                  "STATUS 프로젝트 파일을 여는 중",
                                                  "STATUS 데이터를 저장하는 중",
                                                  "STATUS Merge 중",
                                                  "STATUS 파워포인트 파일을 저장하는 중",
                                                  "STATUS 준비"};

void ExpectConverted(const std::vector<std::string>& lines, const std::string& output) {
  std::vector<std::string> expected = {"SHOW chkExecuteConvertlFile.Value = 1"};
  expected.insert(expected.end(), kConversionTail.begin(), kConversionTail.end());
  expected.push_back("OPEN " + output);
  ASSERT_GE(lines.size(), expected.size());
  EXPECT_EQ(std::vector<std::string>(lines.end() - expected.size(), lines.end()), expected);
  for (const std::string& line : lines) EXPECT_FALSE(line.starts_with("MSGBOX")) << line;
}

TEST_F(DriveReportTest, ScheduleWithLevelsBaselinesAndProgress) {
  const auto lines = Convert(TASKVANE_TEST_DATA_DIR "/weekly_report_schedule.xml", "2024-03-11",
                             "2024-03-17", "2024-03-18", "2024-03-24", true);
  ExpectConverted(lines, output());
  const std::vector<SlideContent> slides = SavedSlides();
  ASSERT_EQ(slides.size(), 2u);

  ASSERT_EQ(slides[0].tables.size(), 2u);
  EXPECT_EQ(
      slides[0].tables[0].Texts(),
      (Texts{{"기간", "2024-03-11 ~ 2024-03-17", "계획진척율", "37.5%", "실적진척율", "28%"}}));
  const Texts last = slides[0].tables[1].Texts();
  ASSERT_EQ(last.size(), 4u);
  // By its baseline "현행 프로세스 정리" finishes on 03-12; "업무 인터뷰" finished before.
  EXPECT_EQ(last[1],
            (Row{"1. 분석", "1.1 현행 분석", "현행 프로세스 정리", "03/12", "100%", "60%"}));
  EXPECT_EQ(last[2], (Row{"~", "요구사항 확정", "~", "03/14", "100%", "0%"}));
  EXPECT_EQ(last[3], (Row{"2. 설계", "2.1 화면 설계", "입고 화면\r출고 화면", "03/14\r03/18",
                          "100%\r100%", "50%\r20%"}));
  EXPECT_EQ(slides[0].text_boxes.at(0).text, "주간보고 - 지난 주");
  EXPECT_EQ(slides[0].text_boxes.at(1).text, "물류센터 WMS 구축");

  EXPECT_EQ(slides[1].tables.at(0).Texts(),
            (Texts{{"기간", "2024-03-18 ~ 2024-03-24", "계획진척율", "56.4%"}}));
  const Texts next = slides[1].tables.at(1).Texts();
  ASSERT_EQ(next.size(), 4u);
  // A level-3 summary has a row; the level-4 tasks under it have none. The interface design
  // has no baseline and no work: current dates, weighed by its duration.
  EXPECT_EQ(next[1], (Row{"2. 설계", "2.1 화면 설계", "출고 화면\r재고 화면", "03/18\r03/22",
                          "100%\r100%"}));
  EXPECT_EQ(next[2], (Row{"~", "2.2 인터페이스 설계 v1.0", "~", "03/29", "56%"}));
  EXPECT_EQ(next[3], (Row{"중간 보고", "~", "~", "03/22", "100%"}));
  EXPECT_EQ(slides[1].text_boxes.at(0).text, "주간보고 - 다음 주");
}

TEST_F(DriveReportTest, SampleScheduleSavedByProject) {
  TV_REQUIRE_SAMPLE(sample, "sample1.xml");
  const auto lines = Convert(sample, "2003-01-06", "2003-01-12", "2003-01-13", "2003-01-19", false);
  ExpectConverted(lines, output());
  const std::vector<SlideContent> slides = SavedSlides();
  ASSERT_EQ(slides.size(), 2u);

  const SlideTable& last = slides[0].tables.at(1);
  const Texts texts = last.Texts();
  ASSERT_EQ(texts.size(), 16u);  // the header, 16 rows, the last folded into its group
  EXPECT_EQ(texts[1], (Row{"First Task", "Second Task", "~", "03/18", "8%", "0%"}));
  EXPECT_EQ(texts[3], (Row{"Task Relationships", "Related Task 1a", "~", "01/07", "100%", "0%"}));
  EXPECT_EQ(last.rows[3][0].row_span, 13);
  EXPECT_EQ(texts[15], (Row{"~", "Resource Assignments", "Assigned Task 1\rAssigned Task 2",
                            "01/13\r01/14", "100%\r80%", "0%\r0%"}));
  EXPECT_EQ(slides[1].tables.at(1).Texts(),
            (Texts{{"Level 1 (Phase)", "Level 2 (Task)", "Level 3 (Activity)", "완료예정일",
                    "계획진척율"},
                   {"First Task", "Second Task", "~", "03/18", "18%"},
                   {"Task Relationships", "Resource Assignments",
                    "Assigned Task 1\rAssigned Task 2", "01/13\r01/14", "100%\r100%"}}));
}

TEST_F(DriveReportTest, SampleWithBlankLinesIsRefused) {
  TV_REQUIRE_SAMPLE(sample, "mspdinulltasks.xml");
  const auto lines = Convert(sample, "2003-01-06", "2003-01-12", "2003-01-13", "2003-01-19", false);
  std::vector<std::string> messages;
  for (const std::string& line : lines) {
    if (line.starts_with("MSGBOX")) messages.push_back(line);
  }
  EXPECT_EQ(
      messages,
      (std::vector<std::string>{"MSGBOX Taskvane | OK | 프로젝트 내에 빈 작업이 존재합니다."}));
  EXPECT_EQ(lines.back(), "STATUS 준비");
  EXPECT_FALSE(fs::exists(output()));
}

}  // namespace
}  // namespace taskvane::testing

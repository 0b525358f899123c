// The report's file read back: both slides with their tables, merges and caption strips.
#include <gtest/gtest.h>

#include <filesystem>
#include <pugixml.hpp>

#include "tests/ppt_report/pptx_reader.h"
#include "tests/ppt_report/report_fixture.h"

namespace taskvane::testing {
namespace {

using Texts = std::vector<std::vector<std::string>>;

class SavedPresentationTest : public WeeklyReportTest {};

std::vector<long long> Emu(std::initializer_list<double> points) {
  std::vector<long long> emu;
  for (double p : points) emu.push_back(static_cast<long long>(p * kEmuPerPoint));
  return emu;
}

TEST_F(SavedPresentationTest, TheTitleBoxTitlesThePresentation) {
  form.txtTitlePPT.Text = "3분기 주간 보고";
  Summary("분석", 1, "2024-03-04", "2024-03-08");
  Run();
  const auto package = ReadPackage(output);
  ASSERT_EQ(package.count("docProps/core.xml"), 1u);
  pugi::xml_document core;
  ASSERT_TRUE(core.load_string(package.at("docProps/core.xml").c_str()));
  EXPECT_STREQ(core.child("cp:coreProperties").child("dc:title").text().get(), "3분기 주간 보고");
}

TEST_F(SavedPresentationTest, BothSlidesReadBackFromTheFile) {
  schedule.PercentComplete(20);
  Summary("분석", 1, "2024-03-04", "2024-03-08");
  Summary("현행 분석", 2, "2024-03-04", "2024-03-07");
  Work("인터뷰", 3, "2024-03-04", "2024-03-05").Work(960).PercentComplete(100);
  Work("프로세스 정리", 3, "2024-03-06", "2024-03-07").Work(960).PercentComplete(50);
  Work("요구사항 확정", 2, "2024-03-08", "2024-03-08", 480).Work(480);
  Work("착수 보고", 1, "2024-03-05", "2024-03-05", 0).PercentComplete(100);
  Work("설계", 1, "2024-03-11", "2024-03-13", 1440).Work(1440);
  Run();

  ASSERT_TRUE(std::filesystem::exists(output));
  // Nothing but the presentation is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()),
            1);
  const auto package = ReadPackage(output);
  const std::vector<std::string> slides = SlideParts(package);
  ASSERT_EQ(slides.size(), 2u);

  const SlideContent first = ReadSlide(package.at(slides[0]));
  ASSERT_EQ(first.tables.size(), 2u);
  const SlideTable& period = first.tables[0];
  EXPECT_EQ(period.x, 50 * kEmuPerPoint);
  EXPECT_EQ(period.y, 50 * kEmuPerPoint);
  EXPECT_EQ(period.column_widths, Emu({50, 190, 100, 90, 100, 90}));
  // 2400 of 3840 minutes planned done by Sunday; the milestone weighs nothing.
  EXPECT_EQ(
      period.Texts(),
      (Texts{{"기간", "2024-03-04 ~ 2024-03-10", "계획진척율", "62.5%", "실적진척율", "20%"}}));
  EXPECT_EQ(period.rows[0][3].size, 1000);
  EXPECT_EQ(period.rows[0][0].size, 1200);

  const SlideTable& tasks = first.tables[1];
  EXPECT_EQ(tasks.y, 80 * kEmuPerPoint);
  EXPECT_EQ(tasks.column_widths, Emu({100, 140, 170, 70, 70, 70}));
  // The second row of the level-3 group is covered in every column: the file folds it into
  // the row above, which keeps the group's height.
  const Texts texts = tasks.Texts();
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[1], (std::vector<std::string>{"분석", "현행 분석", "인터뷰\r프로세스 정리",
                                                "03/05\r03/07", "100%\r100%", "100%\r50%"}));
  EXPECT_EQ(texts[2], (std::vector<std::string>{"~", "요구사항 확정", "~", "03/08", "100%", "0%"}));
  EXPECT_EQ(texts[3], (std::vector<std::string>{"착수 보고", "~", "~", "03/05", "100%", "100%"}));
  EXPECT_EQ(tasks.rows[1][0].row_span, 2);
  EXPECT_EQ(tasks.rows[2][1].grid_span, 2);
  EXPECT_EQ(tasks.rows[3][0].grid_span, 3);
  EXPECT_EQ(tasks.row_heights, Emu({20, 40, 20, 20}));

  ASSERT_EQ(first.text_boxes.size(), 2u);
  const SlideTextBox& title = first.text_boxes[0];
  EXPECT_EQ(title.text, "주간 보고 - 지난 주");
  EXPECT_EQ(title.fill, "DDDDDD");
  EXPECT_FALSE(title.outline);
  EXPECT_TRUE(title.bold);
  EXPECT_EQ(title.size, 1600);
  EXPECT_EQ(title.alignment, "l");
  const SlideTextBox& footer = first.text_boxes[1];
  EXPECT_EQ(footer.text, "신규 시스템 구축");
  EXPECT_EQ(footer.y, static_cast<long long>(513.75 * kEmuPerPoint));
  EXPECT_EQ(footer.size, 1200);
  EXPECT_EQ(footer.alignment, "r");

  const SlideContent second = ReadSlide(package.at(slides[1]));
  ASSERT_EQ(second.tables.size(), 2u);
  EXPECT_EQ(second.tables[0].column_widths, Emu({110, 270, 120, 120}));
  // At 03-17 everything is done.
  EXPECT_EQ(second.tables[0].Texts(),
            (Texts{{"기간", "2024-03-11 ~ 2024-03-17", "계획진척율", "100%"}}));
  EXPECT_EQ(second.tables[1].column_widths, Emu({110, 150, 200, 80, 80}));
  // A single data row shows the bare name, over columns 1 to 3 as a lone level-1 task.
  EXPECT_EQ(second.tables[1].Texts(), (Texts{{"Level 1 (Phase)", "Level 2 (Task)",
                                              "Level 3 (Activity)", "완료예정일", "계획진척율"},
                                             {"설계", "~", "~", "03/13", "100%"}}));
  ASSERT_EQ(second.text_boxes.size(), 2u);
  EXPECT_EQ(second.text_boxes[0].text, "주간 보고 - 다음 주");
  EXPECT_EQ(second.text_boxes[1].text, "신규 시스템 구축");
}

}  // namespace
}  // namespace taskvane::testing

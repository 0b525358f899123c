// A saved outline list read back by an independent reader (openpyxl).
#include <gtest/gtest.h>

#include <string>

#include "excel_export/outline_list_writer.h"
#include "tests/excel_export/excel_export_fixture.h"
#include "tests/excel_export/logo_picture.h"

namespace taskvane::testing {
namespace {

using OutlineListFileTest = ExcelExportTest;

TEST_F(OutlineListFileTest, SavedWorkbookReadsBack) {
  schedule.AddTask("설계", 1)
      .Summary()
      .Start("2024-03-04 08:00")
      .Finish("2024-03-08 17:00")
      .Duration(2400)
      .Cost(1500)
      .PercentComplete(45);
  schedule.AddTask("화면 설계", 2)
      .Start("2024-03-04 08:00")
      .Finish("2024-03-05 12:00")
      .Duration(720)
      .Cost(300)
      .Field(188743731, "검토 필요");
  schedule.AddTask("검토", 3).Start("2024-03-06 08:00").Finish("2024-03-06 17:00").Duration(480);
  ChooseField(188743715, "시작 날짜");
  ChooseField(188743709, "기간");
  ChooseField(188743685, "비용");
  ChooseField(188743712, "완료율");
  ChooseField(188743731, "텍스트1");
  WriteLogoPicture(Output("vel.jpg"));
  WriteLogoPicture(Output("customer.jpg"));
  frmMain.chkUseVelLogo.Value = forms::vbChecked;
  frmMain.txtVelLogoPath.Text = Output("vel.jpg");
  frmMain.chkUseCustomerLogo.Value = forms::vbChecked;
  frmMain.txtCustomerLogoPath.Text = Output("customer.jpg");

  for (const char* form : {"Indent", "Column"}) {
    SCOPED_TRACE(form);
    auto conv = Conversion(std::string(form) + ".xlsx");
    RunOutlineList(*conv, form);
    ASSERT_TRUE(services.Messages().empty()) << services.Messages().front();
    WorkbookFacts book = ReadBack(conv->path);
    const bool indent = std::string(form) == "Indent";
    const std::string first_field = indent ? "B" : "D";
    const std::string last_column = indent ? "F" : "H";

    EXPECT_EQ(book["cell.A1"], "s:전체 일정표");
    EXPECT_EQ(book["font.A1"], "14,bold");
    EXPECT_EQ(book["align.A1"], "center");
    EXPECT_EQ(book["cell.A2"], "s:차세대 시스템 구축");
    EXPECT_EQ(book["font.A2"], "8,bold");
    EXPECT_EQ(book["cell.A3"], "s:작업");
    EXPECT_EQ(book["fill.A3"], "solid/43");  // colour index 36 is palette entry 36 + 7
    EXPECT_EQ(book["font.A3"], "8,bold");
    EXPECT_EQ(book["cell." + first_field + "3"], "s:시작 날짜");

    if (indent) {
      EXPECT_EQ(book["cell.A5"], "s:화면 설계");
      EXPECT_EQ(book["indent.A5"], "2");
      EXPECT_EQ(book["indent.A6"], "4");
      EXPECT_EQ(book.merges, (std::vector<std::string>{"A1:F1"}));
    } else {
      EXPECT_EQ(book["cell.B5"], "s:화면 설계");
      EXPECT_EQ(book["cell.C6"], "s:검토");
      EXPECT_EQ(book["indent.C6"], "<none>");
      EXPECT_EQ(book.merges, (std::vector<std::string>{"A1:H1", "A3:C3"}));
    }
    // Dates become dates, durations stay texts, percentages become numbers; costs keep
    // the text the schedule shows.
    EXPECT_EQ(book["cell." + first_field + "4"], "d:2024-03-04");
    const auto column = [&](int offset) { return std::string(1, char(first_field[0] + offset)); };
    EXPECT_EQ(book["cell." + column(1) + "4"], "s:5일");
    const std::string cost = book["cell." + column(2) + "4"];
    EXPECT_TRUE(cost == "n:1500" || cost == "s:₩1,500") << cost;
    EXPECT_EQ(book["cell." + column(3) + "4"], "n:0.45");
    EXPECT_EQ(book["cell." + column(4) + "5"], "s:검토 필요");
    EXPECT_EQ(book["font." + column(4) + "5"], "8,plain");

    // Header grid, task block framed with hairlines between rows.
    EXPECT_EQ(book["border.A3"], "thin/auto,thin/auto,thin/auto,thin/auto");
    // The right edge of A4 is the frame of the first field column in the indented form.
    EXPECT_EQ(book["border.A4"], indent ? "thin/auto,thin/auto,hair/auto,thin/auto"
                                        : "thin/auto,thin/auto,hair/auto,-");
    EXPECT_EQ(book["border." + last_column + "6"], "thin/auto,hair/auto,thin/auto,thin/auto");

    EXPECT_EQ(book["page.orientation"], "landscape");
    EXPECT_EQ(book["page.scale"], "70");
    EXPECT_EQ(book["page.print_title_rows"], "$1:$3");
    EXPECT_EQ(book["page.center_horizontally"], "True");
    EXPECT_EQ(book["margin.left"], "0.3937");
    EXPECT_EQ(book["margin.bottom"], "0.6200");
    EXPECT_EQ(book["margin.header"], "0.5512");
    EXPECT_EQ(book["footer.center"], "&P/&N");
    EXPECT_EQ(book["footer.right"], "&G");
    EXPECT_EQ(book["footer.left"], "&G");
    EXPECT_EQ(book["media"], "2");
  }
}

}  // namespace
}  // namespace taskvane::testing

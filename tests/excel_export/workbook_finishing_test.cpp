#include "excel_export/workbook_finishing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "excel_export/outline_list_writer.h"
#include "platform/excel/excel.h"
#include "tests/excel_export/excel_export_fixture.h"
#include "tests/excel_export/logo_picture.h"

namespace taskvane::testing {
namespace {

using namespace excel;
using WorkbookFinishingTest = ExcelExportTest;
using Strings = std::vector<std::string>;

constexpr const char* kWarning =
    "Taskvane | OK | 인쇄 미리보기에 오류가 있습니다. 배율 및 로고 지정을 제외하고 저장합니다.";

class PageSetupTest : public ExcelExportTest {
 protected:
  PageSetupTest() {
    WriteLogoPicture(Output("vel.jpg"));
    WriteLogoPicture(Output("customer.jpg"));
    frmMain.txtVelLogoPath.Text = Output("vel.jpg");
    frmMain.txtCustomerLogoPath.Text = Output("customer.jpg");
  }
  const detail::PageSetupData& SetUp(const std::string& rows = kOutlineListTitleRows) {
    conv = Conversion();
    CreateWorkbook(*conv);
    SetUpPage(*conv, rows);
    return conv->Sheet->PageSetup.Data();
  }
  std::unique_ptr<ExcelConversion> conv;
};

TEST_F(WorkbookFinishingTest, TheTitleBoxTitlesTheSavedWorkbook) {
  auto conv = Conversion("titled.xlsx");
  CreateWorkbook(*conv);
  conv->Sheet->Cells(1, 1).Value = "표";
  frmMain.txtTitleExcel.Text = "3분기 일정표";
  FinishWorkbook(*conv, kOutlineListTitleRows);
  EXPECT_EQ(ReadBack(Output("titled.xlsx"))["title"], "3분기 일정표");
}

TEST_F(PageSetupTest, FixedValuesWithoutLogos) {
  frmMain.cmbZoom.SelectText("85");
  const auto& page = SetUp(kGanttTitleRows);
  EXPECT_EQ(page.orientation, xlLandscape);
  EXPECT_EQ(page.zoom, 85);
  EXPECT_EQ(page.print_title_rows, "$1:$4");
  EXPECT_TRUE(page.center_horizontally);
  EXPECT_DOUBLE_EQ(page.left_margin, 72 * 0.393700787401575);
  EXPECT_DOUBLE_EQ(page.right_margin, 72 * 0.393700787401575);
  EXPECT_DOUBLE_EQ(page.top_margin, 72 * 0.393700787401575);
  EXPECT_DOUBLE_EQ(page.bottom_margin, 72 * 0.62);
  EXPECT_DOUBLE_EQ(page.header_margin, 72 * 0.551181102362205);
  EXPECT_DOUBLE_EQ(page.footer_margin, 72 * 0.393700787401575);
  EXPECT_EQ(page.center_footer, "&P/&N");
  EXPECT_EQ(page.right_footer, "&G");  // set whether or not a logo follows
  EXPECT_EQ(page.left_footer, "");
  EXPECT_EQ(page.right_footer_picture.file_name, "");
  EXPECT_EQ(page.left_footer_picture.file_name, "");
}

TEST_F(PageSetupTest, LogosGoRightForOwnAndLeftForCustomer) {
  struct Case {
    int vel, customer;
    bool right, left;
  };
  // A grey check box (value 2) does not count as ticked.
  for (const Case& c : {Case{1, 0, true, false}, Case{0, 1, false, true}, Case{1, 1, true, true},
                        Case{2, 2, false, false}}) {
    SCOPED_TRACE("own " + std::to_string(c.vel) + ", customer " + std::to_string(c.customer));
    frmMain.chkUseVelLogo.Value = c.vel;
    frmMain.chkUseCustomerLogo.Value = c.customer;
    const auto& page = SetUp();
    EXPECT_EQ(page.right_footer_picture.file_name, c.right ? Output("vel.jpg") : "");
    EXPECT_EQ(page.left_footer_picture.file_name, c.left ? Output("customer.jpg") : "");
    EXPECT_DOUBLE_EQ(page.right_footer_picture.height, c.right ? 17.25 : 0);
    EXPECT_DOUBLE_EQ(page.left_footer_picture.height, c.left ? 17.25 : 0);
    EXPECT_EQ(page.right_footer, "&G");
    EXPECT_EQ(page.left_footer, c.left ? "&G" : "");
  }
}

// A zoom the workbook refuses: the warning, then the sheet is saved as it stands, landscape
// already set and nothing after the zoom; the result is opened when asked for.
TEST_F(WorkbookFinishingTest, RefusedZoomSavesTheSheetAsItStands) {
  AddTasksAtLevels({1, 2});
  frmMain.cmbZoom.AddItem("500");
  frmMain.cmbZoom.SelectText("500");
  frmMain.chkExecuteConvertlFile.Value = forms::vbChecked;
  auto conv = Conversion();
  RunOutlineList(*conv, "Indent");
  EXPECT_EQ(services.Messages(), Strings{kWarning});
  EXPECT_EQ(statuses.back(), "준비");
  EXPECT_EQ(services.Lines("OPEN "), Strings{frmMain.OutputFilePath});
  ASSERT_TRUE(std::filesystem::exists(conv->path));
  WorkbookFacts book = ReadBack(conv->path);
  EXPECT_EQ(book["page.orientation"], "landscape");
  EXPECT_EQ(book["page.print_title_rows"], "None");
  EXPECT_EQ(book["footer.center"], "");
  EXPECT_EQ(book["cell.A5"], "s:T2");
  EXPECT_EQ(book["cell.A1"], "s:전체 일정표");
}

// A cell the workbook refuses while the rows are written (an outline level beyond the
// last column): the warning, and the rows written so far are saved, unformatted.
TEST_F(WorkbookFinishingTest, RefusalWhileWritingRowsSavesTheRowsSoFar) {
  AddTasksAtLevels({1, 2, 17000});
  auto conv = Conversion();
  RunOutlineList(*conv, "Column");
  EXPECT_EQ(services.Messages(), Strings{kWarning});
  EXPECT_EQ(statuses.back(), "준비");
  WorkbookFacts book = ReadBack(conv->path);
  EXPECT_EQ(book["cell.A4"], "s:T1");
  EXPECT_EQ(book["cell.B5"], "s:T2");
  EXPECT_EQ(book["font.A4"], "11,plain");
  EXPECT_EQ(book["cell.A1"], "<none>");
  EXPECT_EQ(book["page.orientation"], "portrait");
}

// A zoom that is no number is not the workbook's refusal: number and description, and
// nothing is saved.
TEST_F(WorkbookFinishingTest, ZoomThatIsNoNumberSavesNothing) {
  AddTasksAtLevels({1});
  frmMain.cmbZoom.AddItem("칠십");
  frmMain.cmbZoom.SelectText("칠십");
  frmMain.chkExecuteConvertlFile.Value = forms::vbChecked;
  auto conv = Conversion();
  RunOutlineList(*conv, "Indent");
  EXPECT_EQ(services.Messages(), Strings{"Taskvane | OK | 13-형식이 일치하지 않습니다."});
  EXPECT_FALSE(std::filesystem::exists(conv->path));
  EXPECT_EQ(statuses.back(), "엑셀 포맷 정리 중");
  EXPECT_TRUE(services.Lines("OPEN ").empty());
}

// A logo that is no picture is refused like a zoom: the sheet is saved with the page set
// up to that point.
TEST_F(WorkbookFinishingTest, UnreadableLogoSavesWithoutIt) {
  std::filesystem::create_directories(folder);
  { std::ofstream(Output("logo.jpg")) << "not a picture"; }
  frmMain.chkUseVelLogo.Value = forms::vbChecked;
  frmMain.txtVelLogoPath.Text = Output("logo.jpg");
  AddTasksAtLevels({1});
  auto conv = Conversion();
  RunOutlineList(*conv, "Column");
  EXPECT_EQ(services.Messages(), Strings{kWarning});
  WorkbookFacts book = ReadBack(conv->path);
  EXPECT_EQ(book["page.scale"], "70");
  EXPECT_EQ(book["footer.center"], "&P/&N");
  EXPECT_EQ(book["media"], "0");
}

// The save itself fails, and fails again inside the refused-operation path: a message that
// names the path, no file, and the conversion ends without opening anything.
TEST_F(WorkbookFinishingTest, SaveThatFailsTwiceEndsWithAMessage) {
  AddTasksAtLevels({1});
  frmMain.chkExecuteConvertlFile.Value = forms::vbChecked;
  auto conv = Conversion("missing-folder/out.xlsx");
  RunOutlineList(*conv, "Indent");
  const Strings messages = services.Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0], kWarning);
  EXPECT_NE(messages[1].find("엑셀 파일을 저장하지 못했습니다."), std::string::npos);
  EXPECT_NE(messages[1].find(conv->path), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(conv->path));
  EXPECT_TRUE(services.Lines("OPEN ").empty());
}

TEST_F(WorkbookFinishingTest, ErrorsBeforeAnyWorkbook) {
  // The schedule cannot be opened: number and description, status of the failed phase.
  ExcelConversion conv(frmMain, Output("out.xlsx"));
  frmMain.txtMPPFilePathExcel.Text = Output("missing.xml");
  RunOutlineList(conv, "Indent");
  const Strings messages = services.Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].rfind("Taskvane | OK | 432-", 0), 0u) << messages[0];
  EXPECT_EQ(statuses.back(), "프로젝트를 여는 중");
  EXPECT_FALSE(std::filesystem::exists(conv.path));

  // The installation message for a server that cannot be created.
  services.Log.clear();
  EXPECT_TRUE(HandleCommonExcelError(conv, AutomationError(429, "ActiveX")));
  EXPECT_EQ(services.Messages(),
            Strings{"Taskvane | OK | MS Project와 엑셀이 설치되어있는지 확인해주십시오."});
  EXPECT_FALSE(HandleCommonExcelError(conv, AutomationError(91, "개체 변수")));
}

}  // namespace
}  // namespace taskvane::testing

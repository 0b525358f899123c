#include <gtest/gtest.h>
#include <zip.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <memory>

#include "platform/excel/xlsx_writer.h"
#include "platform/ooxml/document_properties.h"
#include "test_support.h"
#include "tests/support/package_check.h"

namespace taskvane::excel {
namespace {

using testing::Book;
using testing::ScratchFolder;

void Draw(const Range& range, long index, long style, long weight, long color) {
  Border border = range.Borders(index);
  border.LineStyle = style;
  border.Weight = weight;
  border.ColorIndex = color;
}

// A sheet with every feature the writers use; check_workbook.py knows what to find.
void BuildFullSheet(Worksheet& s, const std::string& logo) {
  s.Columns.ColumnWidth = 5.38;
  s.Columns(1).ColumnWidth = 11.5;
  s.Columns(2).ColumnWidth = 22.75;
  s.Columns(3).ColumnWidth = 34;
  s.Rows(1).RowHeight = 18.75;
  s.Range(s.Cells(2, 1), s.Cells(12, 20)).RowHeight = 13.5;

  s.Cells(1, 1).Value = "주간 공정표 <1> & \"2\"";
  Range title = s.Range(s.Cells(1, 1), s.Cells(1, 12));
  title.Merge();
  title.Font.Size = 14;
  title.Font.Bold = true;
  title.HorizontalAlignment = xlCenter;
  s.Cells(2, 1).Value = "프로젝트";
  s.Cells(2, 1).Font.Bold = true;

  s.Cells(3, 1).Value = "단계";
  s.Cells(3, 2).Value = "태스크";
  s.Cells(3, 4).Value = "1주";
  s.Cells(4, 4).Value = "2024-01-01";
  s.Cells(4, 4).NumberFormatLocal = "m\"/\"d";
  s.Cells(4, 5).Value = "2024-01-08";
  s.Cells(4, 5).NumberFormatLocal = "yyyy\"년\" mm\"월\" dd\"일\";@";
  s.Cells(4, 6).NumberFormatLocal = "@";
  s.Cells(4, 6).Value = "5";
  Range header = s.Range(s.Cells(3, 1), s.Cells(4, 12));
  for (long i : {7L, 8L, 9L, 10L, 11L, 12L})
    Draw(header, i, xlContinuous, xlThin, xlColorIndexAutomatic);
  header.Interior.ColorIndex = 36;
  s.Range("A3:A4").Merge();
  s.Range("B3:B4").Merge();

  s.Cells(5, 2).Value = "긴 작업 이름이 여러 줄로 나뉘어 보이는 셀입니다";
  s.Cells(5, 2).WrapText = true;
  s.Cells(5, 3).Value = "들여쓴 공정";
  s.Cells(5, 3).InsertIndent(2);
  s.Cells(5, 5).Value = "50%";
  s.Cells(5, 6).Value = "1,234";
  s.Cells(5, 7).Value = "=SUM(A1)";
  s.Cells(5, 8).Value = 2.5;
  s.Cells(5, 2).EntireRow().AutoFit();

  Range bar = s.Range(s.Cells(6, 4), s.Cells(6, 8));
  bar.Interior.Pattern = xlLightUp;
  bar.Interior.ColorIndex = 3;
  Range block = s.Range(s.Cells(7, 4), s.Cells(9, 8));
  Draw(block, xlInsideVertical, xlContinuous, xlHairline, xlColorIndexAutomatic);
  Draw(block, xlInsideHorizontal, xlContinuous, xlThin, 2);
  Draw(block, xlEdgeTop, xlContinuous, xlMedium, 5);
  Draw(block, xlEdgeBottom, xlContinuous, xlThick, xlColorIndexAutomatic);
  Draw(block, xlEdgeLeft, xlDash, xlThin, xlColorIndexAutomatic);
  Draw(block, xlEdgeRight, xlDouble, xlThick, xlColorIndexAutomatic);
  Draw(s.Cells(11, 2), xlDiagonalDown, xlContinuous, xlThin, xlColorIndexAutomatic);
  Draw(s.Cells(11, 3), xlDiagonalUp, xlDot, xlThin, 10);

  // Every pattern of the swatches, each with a palette colour, in row 10.
  const long patterns[] = {xlSolid,   xlGray75,     xlGray50,          xlGray25,        xlGray16,
                           xlGray8,   xlHorizontal, xlVertical,        xlDown,          xlUp,
                           xlChecker, xlSemiGray75, xlLightHorizontal, xlLightVertical, xlLightDown,
                           xlLightUp, xlGrid,       xlCrissCross};
  for (long i = 0; i < 18; ++i) {
    s.Cells(10, i + 1).Interior.Pattern = patterns[i];
    s.Cells(10, i + 1).Interior.ColorIndex = i + 1;
  }

  // Weeks 2 and 3 in row 5; column F then narrows and the rectangle narrows with it.
  Shape& rect = s.Shapes.AddShape(msoShapeRectangle, 420.75f + 36, 59.25f + 3.5f, 72.0f, 7.0f);
  rect.Fill.ForeColor.SchemeColor = 12;
  rect.Fill.Visible = true;
  rect.Fill.Solid();
  s.Columns(6).AutoFit();

  SheetPageSetup& page = s.PageSetup;
  page.Orientation = xlLandscape;
  page.Zoom = 70;
  page.PrintTitleRows = "$1:$4";
  page.CenterHorizontally = true;
  page.LeftMargin = s.Application.InchesToPoints(0.393700787401575);
  page.RightMargin = s.Application.InchesToPoints(0.393700787401575);
  page.TopMargin = s.Application.InchesToPoints(0.393700787401575);
  page.BottomMargin = s.Application.InchesToPoints(0.62);
  page.HeaderMargin = s.Application.InchesToPoints(0.551181102362205);
  page.FooterMargin = s.Application.InchesToPoints(0.393700787401575);
  page.CenterFooter = "&P/&N";
  page.RightFooter = "&G";
  page.RightFooterPicture.FileName = logo;
  page.RightFooterPicture.Height = 17.25;
  page.RightFooter = "&G";
  page.LeftFooterPicture.FileName = logo;
  page.LeftFooterPicture.Height = 17.25;
  page.LeftFooter = "&G";
}

std::string RunCheck(const std::string& path, int& status) {
  const std::string command =
      std::string("/usr/bin/python3 '") + TASKVANE_EXCEL_CHECK_SCRIPT + "' '" + path + "' 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  std::string output;
  std::array<char, 512> buf;
  while (pipe && fgets(buf.data(), buf.size(), pipe.get())) output += buf.data();
  status = pclose(pipe.release());
  return output;
}

std::string PartOf(const std::string& path, const char* name) {
  int err = 0;
  zip_t* za = zip_open(path.c_str(), ZIP_RDONLY, &err);
  if (za == nullptr) return "";
  std::string content;
  zip_stat_t st;
  if (zip_stat(za, name, 0, &st) == 0) {
    content.resize(st.size);
    zip_file_t* f = zip_fopen(za, name, 0);
    zip_fread(f, content.data(), content.size());
    zip_fclose(f);
  }
  zip_close(za);
  return content;
}

TEST(SaveTest, AnIndependentReaderFindsEveryFeature) {
  ScratchFolder folder;
  testing::WriteJpeg(folder / "logo.jpg", 120, 40);
  Book b;
  BuildFullSheet(b.sheet, (folder / "logo.jpg").string());
  const std::string path = (folder / "plan.xlsx").string();
  b.sheet.SaveAs(path);

  int status = -1;
  const std::string output = RunCheck(path, status);
  EXPECT_EQ(status, 0) << output;

  // Every cell carries its reference, as readers that find cells by it expect.
  const std::string sheet = PartOf(path, "xl/worksheets/sheet1.xml");
  EXPECT_NE(sheet.find("<row r=\"3\" ht=\"13.5\" customHeight=\"1\"><c r=\"A3\" s="),
            std::string::npos);
  EXPECT_NE(sheet.find("<c r=\"D6\" s="), std::string::npos);
  EXPECT_NE(sheet.find("<c r=\"E6\" s="), std::string::npos);
  std::size_t cells = 0, referenced = 0;
  for (std::size_t at = sheet.find("<c"); at != std::string::npos; at = sheet.find("<c", at + 1)) {
    if (sheet.compare(at, 3, "<c ") == 0 || sheet.compare(at, 3, "<c>") == 0 ||
        sheet.compare(at, 3, "<c/") == 0) {
      ++cells;
      if (sheet.compare(at, 6, "<c r=\"") == 0) ++referenced;
    }
  }
  EXPECT_GT(cells, 100u);
  EXPECT_EQ(referenced, cells);
  EXPECT_EQ(sheet.find("<f>"), std::string::npos);
}

TEST(SaveTest, FooterCodesWithoutPicturesAreLeftOut) {
  ScratchFolder folder;
  Book b;
  b.sheet.Cells(1, 1).Value = "x";
  b.sheet.PageSetup.CenterFooter = "&P/&N";
  b.sheet.PageSetup.RightFooter = "&G";
  b.sheet.PageSetup.LeftFooter = "R&&D &G";
  const std::string path = (folder / "plain.xlsx").string();
  b.sheet.SaveAs(path);
  const std::string sheet = PartOf(path, "xl/worksheets/sheet1.xml");
  EXPECT_NE(sheet.find("<oddFooter>&amp;LR&amp;&amp;D &amp;C&amp;P/&amp;N</oddFooter>"),
            std::string::npos)
      << sheet;
  EXPECT_EQ(PartOf(path, "xl/drawings/vmlDrawing1.vml"), "");
  EXPECT_EQ(b.sheet.PageSetup.RightFooter, "&G");  // the model keeps what was set
}

TEST(SaveTest, SameWorkbookSameBytesAndNoFileReplaced) {
  ScratchFolder folder;
  testing::WriteJpeg(folder / "logo.jpg", 64, 32);
  Book first, second;
  second.book->Created = first.book->Created;  // the clock may have moved on
  BuildFullSheet(first.sheet, (folder / "logo.jpg").string());
  BuildFullSheet(second.sheet, (folder / "logo.jpg").string());
  const std::string a = (folder / "a.xlsx").string(), c = (folder / "c.xlsx").string();
  first.sheet.SaveAs(a);
  second.sheet.SaveAs(c);
  EXPECT_EQ(testing::ReadFile(a), testing::ReadFile(c));

  second.sheet.Cells(1, 1).Value = "changed";
  try {
    second.sheet.SaveAs(a);
    FAIL() << "replaced an existing workbook";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, 1004);
    EXPECT_NE(e.Description.find("이미 있습니다"), std::string::npos);
  }
  EXPECT_EQ(testing::ReadFile(a), testing::ReadFile(c));
  EXPECT_THROW(first.book->SaveAs((folder / "none" / "x.xlsx").string()), AutomationError);
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 3u);  // logo, a, c: nothing temporary left
}

TEST(SaveTest, DocumentPropertiesGiveTheTitleAndTheCreationTime) {
  ScratchFolder folder;
  Book b;
  b.sheet.Cells(1, 1).Value = "x";
  b.book->Title = "전체 일정표 <2024> & 계획";
  b.book->Created = std::chrono::sys_days(std::chrono::year{2025} / 6 / 30) +
                    std::chrono::hours(8) + std::chrono::minutes(15) + std::chrono::seconds(42);
  const std::string path = (folder / "titled.xlsx").string();
  b.sheet.SaveAs(path);

  const taskvane::testing::PackageFacts facts = taskvane::testing::CheckPackage(path);
  taskvane::testing::ExpectDocumentPropertyParts(facts, "xl/workbook.xml");
  EXPECT_EQ(facts["core.title"], "전체 일정표 <2024> & 계획");
  EXPECT_EQ(facts["core.created"], "2025-06-30T08:15:42Z dcterms:W3CDTF");
  EXPECT_EQ(facts["core.modified"], "2025-06-30T08:15:42Z dcterms:W3CDTF");
  EXPECT_EQ(facts["openpyxl.title"], "전체 일정표 <2024> & 계획");
  EXPECT_EQ(facts["openpyxl.created"], "2025-06-30T08:15:42");
}

TEST(SaveTest, AWorkbookIsCreatedNowAndUntitledUnlessGivenATitle) {
  ScratchFolder folder;
  const auto before = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
  Book b;
  const auto after = std::chrono::system_clock::now();
  EXPECT_GE(b.book->Created, before);
  EXPECT_LE(b.book->Created, after);
  const std::string path = (folder / "untitled.xlsx").string();
  b.sheet.SaveAs(path);
  const taskvane::testing::PackageFacts facts = taskvane::testing::CheckPackage(path);
  ASSERT_EQ(facts.status, 0) << facts.output;
  EXPECT_EQ(facts["core.title"], "<none>");
  EXPECT_EQ(facts["core.created"], ooxml::W3cdtfTime(b.book->Created) + " dcterms:W3CDTF");
}

TEST(SaveTest, AnEmptyWorkbookIsComplete) {
  Book b;
  ooxml::Package package = WriteWorkbookPackage(b.sheet);
  std::vector<std::string> names;
  for (const auto& [name, content] : package.Parts()) names.push_back(name);
  EXPECT_EQ(names, (std::vector<std::string>{"[Content_Types].xml", "_rels/.rels",
                                             "xl/workbook.xml", "xl/_rels/workbook.xml.rels",
                                             "xl/styles.xml", "xl/worksheets/sheet1.xml",
                                             "docProps/core.xml", "docProps/app.xml"}));
  EXPECT_NE(package.Parts()[5].second.find("<sheetData></sheetData>"), std::string::npos);
}

}  // namespace
}  // namespace taskvane::excel

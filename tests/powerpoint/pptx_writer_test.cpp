#include <gtest/gtest.h>
#include <unistd.h>
#include <zip.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <pugixml.hpp>
#include <sstream>

#include "platform/powerpoint/powerpoint.h"
#include "platform/powerpoint/pptx_writer.h"
#include "platform/runtime/automation_error.h"
#include "tests/support/package_check.h"

namespace taskvane::ppt {
namespace {

namespace fs = std::filesystem;

// The parts of a zip file, read back with libzip.
std::map<std::string, std::string> ReadZip(const std::string& path) {
  std::map<std::string, std::string> parts;
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (!archive) return parts;
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    zip_stat_t st;
    zip_stat_index(archive, i, 0, &st);
    std::string content(st.size, '\0');
    zip_file_t* file = zip_fopen_index(archive, i, 0);
    zip_fread(file, content.data(), st.size);
    zip_fclose(file);
    parts[st.name] = std::move(content);
  }
  zip_close(archive);
  return parts;
}

void Captions(Slide& slide, const std::string& title, const std::string& footer_text) {
  Shape& box = slide.Shapes.AddTextbox(msoTextOrientationHorizontal, 0, 0, 720, 31.88);
  box.Fill.ForeColor.RGB = RGB(221, 221, 221);
  box.Line.Visible = msoFalse;
  box.TextFrame.TextRange.Text = title;
  box.TextFrame.TextRange.Font.Size = 16;
  box.TextFrame.TextRange.Font.Bold = msoTrue;
  box.TextFrame.TextRange.Paragraphs(1, 1).ParagraphFormat.Alignment = ppAlignLeft;
  Shape& footer = slide.Shapes.AddTextbox(msoTextOrientationHorizontal, 0, 513.75, 720, 26.25);
  footer.Fill.ForeColor.RGB = RGB(221, 221, 221);
  footer.Line.Visible = msoFalse;
  footer.TextFrame.TextRange.Text = footer_text;
  footer.TextFrame.TextRange.Font.Size = 12;
  footer.TextFrame.TextRange.Paragraphs(1, 1).ParagraphFormat.Alignment = ppAlignRight;
}

void AllBorders(Cell& cell) {
  for (int side : {ppBorderTop, ppBorderBottom, ppBorderLeft, ppBorderRight}) {
    cell.Borders(side).Weight = 1;
  }
}

// A slide as the weekly report builds it: the period table, the task table with its data
// rows merged into groups, and the two caption boxes.
void BuildSlide(Presentation& presentation, int index, const std::vector<double>& period_widths,
                const std::vector<double>& task_widths, const std::string& suffix) {
  Slide& slide = presentation.Slides.Add(index, ppLayoutBlank);
  const int pc = static_cast<int>(period_widths.size());
  Table& period = slide.Shapes.AddTable(1, pc, 50, 50, 620, 10).Table;
  const char* period_texts[] = {"기간", "2010-05-03 ~ 2010-05-09", "계획진척율", "", "실적진척율",
                                "45%"};
  for (int c = 1; c <= pc; ++c) {
    period.Columns(c).Width = period_widths[c - 1];
    period.Cell(1, c).Shape.TextFrame.TextRange.Text = period_texts[c - 1];
    period.Cell(1, c).Shape.TextFrame.TextRange.Font.Size = 12;
    AllBorders(period.Cell(1, c));
    period.Cell(1, c).Shape.TextFrame.TextRange.ParagraphFormat.BaseLineAlignment = 3;
    period.Cell(1, c).Shape.TextFrame.TextRange.ParagraphFormat.Alignment = ppAlignCenter;
  }

  const int tc = static_cast<int>(task_widths.size());
  Table& task = slide.Shapes.AddTable(1, tc, 50, 80, 620, 20).Table;
  const char* headers[] = {"Level 1 (Phase)", "Level 2 (Task)", "Level 3 (Activity)",
                           "완료예정일",      "계획진척율",     "실적진척율"};
  for (int c = 1; c <= tc; ++c) {
    task.Columns(c).Width = task_widths[c - 1];
    task.Cell(1, c).Shape.TextFrame.TextRange.Text = headers[c - 1];
    task.Cell(1, c).Shape.TextFrame.TextRange.Font.Size = 10;
    AllBorders(task.Cell(1, c));
  }
  // Rows 2-3: two activities of "Design"; row 4: "Build" alone; row 5: phase "Close" alone.
  const char* rows[][3] = {{"", "Design", "Sketch"},
                           {"Plan", "", "Review & <check>"},
                           {"", "Build", ""},
                           {"Close", "", ""}};
  for (const auto& texts : rows) {
    task.Rows.Add();
    const int r = task.Rows.Count;
    for (int c = 1; c <= tc; ++c) {
      task.Cell(r, c).Shape.TextFrame.TextRange.Text = c <= 3 ? texts[c - 1] : "05/07";
    }
  }
  for (int c = 2; c <= tc; ++c) task.Cell(2, c).Merge(task.Cell(3, c));
  task.Cell(4, 2).Merge(task.Cell(4, 3));
  task.Cell(2, 1).Merge(task.Cell(4, 1));
  task.Cell(5, 1).Merge(task.Cell(5, 3));
  for (int r = 1; r <= task.Rows.Count; ++r) task.Rows(r).Height = 20;
  period.Cell(1, 4).Shape.TextFrame.TextRange.Text = "29%";
  period.Cell(1, 4).Shape.TextFrame.TextRange.Font.Size = 10;
  for (int c = 1; c <= tc; ++c) {
    task.Cell(1, c).Shape.TextFrame.TextRange.ParagraphFormat.Alignment = ppAlignCenter;
  }
  Captions(slide, "주간 보고" + suffix, "프로젝트 A");
}

class PptxWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tv_ppt_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    BuildSlide(presentation_, 1, {50, 190, 100, 90, 100, 90}, {100, 140, 170, 70, 70, 70},
               " - 지난 주");
    BuildSlide(presentation_, 2, {110, 270, 120, 120}, {110, 150, 200, 80, 80}, " - 다음 주");
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::map<std::string, std::string> SaveAndRead() {
    const std::string path = (dir_ / "report.pptx").string();
    presentation_.SaveAs(path, ppSaveAsPresentation, msoTriStateMixed);
    return ReadZip(path);
  }

  static pugi::xml_document Parse(const std::string& xml) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_string(xml.c_str())) << xml.substr(0, 200);
    return doc;
  }

  fs::path dir_;
  std::unique_ptr<Application> app_ = CreateObject("PowerPoint.application");
  Presentation& presentation_ = app_->Presentations.Add();
};

long long Emu(const pugi::xml_node& node, const char* attribute) {
  return node.attribute(attribute).as_llong(-1);
}

// The texts of a cell's paragraphs, joined by "|".
std::string CellText(const pugi::xml_node& tc) {
  std::string text;
  bool first = true;
  for (pugi::xml_node p : tc.child("a:txBody").children("a:p")) {
    if (!first) text += '|';
    first = false;
    for (pugi::xml_node run : p.children("a:r")) text += run.child_value("a:t");
  }
  return text;
}

// A table as the slide XML holds it.
struct FileTable {
  explicit FileTable(pugi::xml_node graphic_frame) : frame(graphic_frame) {
    pugi::xml_node tbl = frame.select_node(".//a:tbl").node();
    for (pugi::xml_node col : tbl.child("a:tblGrid").children("a:gridCol")) {
      widths.push_back(Emu(col, "w"));
    }
    for (pugi::xml_node tr : tbl.children("a:tr")) {
      heights.push_back(Emu(tr, "h"));
      auto& row = cells.emplace_back();
      for (pugi::xml_node tc : tr.children("a:tc")) row.push_back(tc);
    }
  }
  int Attr(int r, int c, const char* name) const {
    return cells.at(r - 1).at(c - 1).attribute(name).as_int(0);
  }
  std::string Text(int r, int c) const { return CellText(cells.at(r - 1).at(c - 1)); }
  // "gridSpan=2 rowSpan=2 hMerge vMerge", as far as present.
  std::string Spans(int r, int c) const {
    std::string spans;
    auto add = [&](const std::string& part) { spans += (spans.empty() ? "" : " ") + part; };
    if (Attr(r, c, "gridSpan")) add("gridSpan=" + std::to_string(Attr(r, c, "gridSpan")));
    if (Attr(r, c, "rowSpan")) add("rowSpan=" + std::to_string(Attr(r, c, "rowSpan")));
    if (Attr(r, c, "hMerge")) add("hMerge");
    if (Attr(r, c, "vMerge")) add("vMerge");
    return spans;
  }

  pugi::xml_node frame;
  std::vector<long long> widths;
  std::vector<long long> heights;
  std::vector<std::vector<pugi::xml_node>> cells;
};

TEST_F(PptxWriterTest, SlideTablesReadBackWithSpansCoveredCellsTextsAndSizes) {
  auto parts = SaveAndRead();
  ASSERT_TRUE(parts.count("ppt/slides/slide1.xml"));
  pugi::xml_document doc = Parse(parts["ppt/slides/slide1.xml"]);
  auto frames = doc.select_nodes("/p:sld/p:cSld/p:spTree/p:graphicFrame");
  ASSERT_EQ(frames.size(), 2u);

  // Period table: 1 x 6 at (50, 50), 620 wide.
  pugi::xml_node period = frames[0].node();
  pugi::xml_node xfrm = period.child("p:xfrm");
  EXPECT_EQ(Emu(xfrm.child("a:off"), "x"), 50 * 12700);
  EXPECT_EQ(Emu(xfrm.child("a:off"), "y"), 50 * 12700);
  EXPECT_EQ(Emu(xfrm.child("a:ext"), "cx"), 620 * 12700);
  pugi::xml_node ptbl = period.select_node(".//a:tbl").node();
  std::vector<long long> widths;
  for (pugi::xml_node col : ptbl.child("a:tblGrid").children("a:gridCol")) {
    widths.push_back(Emu(col, "w"));
  }
  EXPECT_EQ(widths, (std::vector<long long>{635000, 2413000, 1270000, 1143000, 1270000, 1143000}));
  pugi::xml_node first = ptbl.child("a:tr").child("a:tc");
  EXPECT_EQ(CellText(first), "기간");
  pugi::xml_node ppr = first.select_node("a:txBody/a:p/a:pPr").node();
  EXPECT_STREQ(ppr.attribute("algn").value(), "ctr");
  EXPECT_STREQ(ppr.attribute("fontAlgn").value(), "ctr");
  pugi::xml_node rpr = first.select_node("a:txBody/a:p/a:r/a:rPr").node();
  EXPECT_STREQ(rpr.attribute("sz").value(), "1200");
  EXPECT_STREQ(rpr.child("a:ea").attribute("typeface").value(), "맑은 고딕");
  EXPECT_STREQ(rpr.select_node("a:solidFill/a:srgbClr").node().attribute("val").value(), "000000");
  for (const char* side : {"a:lnL", "a:lnR", "a:lnT", "a:lnB"}) {
    pugi::xml_node ln = first.child("a:tcPr").child(side);
    EXPECT_EQ(Emu(ln, "w"), 12700) << side;
    EXPECT_TRUE(ln.child("a:solidFill")) << side;
  }
  EXPECT_TRUE(first.child("a:tcPr").child("a:noFill"));
  pugi::xml_node rate = ptbl.child("a:tr").find_child(
      [](pugi::xml_node n) { return n.select_node("a:txBody/a:p/a:r/a:t[.='29%']"); });
  ASSERT_TRUE(rate);
  EXPECT_STREQ(rate.select_node("a:txBody/a:p/a:r/a:rPr").node().attribute("sz").value(), "1000");

  // Task table: header + 4 rows of 20 points, 6 columns. Every cell of row 3 is covered
  // from row 2, so the file folds it into row 2 (40 points) and the spans count 4 rows.
  FileTable task(frames[1].node());
  EXPECT_EQ(Emu(task.frame.select_node("p:xfrm/a:off").node(), "y"), 80 * 12700);
  EXPECT_EQ(Emu(task.frame.select_node("p:xfrm/a:ext").node(), "cy"), 5 * 20 * 12700);
  EXPECT_EQ(task.heights, (std::vector<long long>{254000, 508000, 254000, 254000}));
  EXPECT_EQ(task.widths.size(), 6u);
  ASSERT_EQ(task.cells.size(), 4u);
  for (const auto& row : task.cells) ASSERT_EQ(row.size(), 6u);

  EXPECT_EQ(task.Text(1, 1), "Level 1 (Phase)");
  EXPECT_STREQ(task.cells[0][0].select_node("a:txBody/a:p/a:pPr").node().attribute("algn").value(),
               "ctr");
  EXPECT_STREQ(
      task.cells[1][0].select_node("a:txBody/a:p/a:r/a:rPr").node().attribute("sz").value(),
      "1000");
  // Column 1: one cell over "Design" and "Build" with the phase name; "Close" over
  // columns 1 to 3.
  EXPECT_EQ(task.Attr(2, 1, "rowSpan"), 2);
  EXPECT_EQ(task.Text(2, 1), "Plan");
  EXPECT_EQ(task.Attr(3, 1, "vMerge"), 1);
  EXPECT_EQ(task.Text(3, 1), "");
  EXPECT_EQ(task.Attr(4, 1, "gridSpan"), 3);
  EXPECT_EQ(task.Text(4, 1), "Close");
  EXPECT_EQ(task.Attr(4, 2, "hMerge"), 1);
  EXPECT_EQ(task.Attr(4, 3, "hMerge"), 1);
  // Columns 2 to 6 merged one by one over the two rows of "Design": one cell each, whose
  // joined texts are paragraphs.
  for (int c = 2; c <= 6; ++c) {
    EXPECT_EQ(task.Attr(2, c, "rowSpan"), 0) << c;
    EXPECT_EQ(task.Attr(2, c, "gridSpan"), 0) << c;
    EXPECT_EQ(task.Attr(2, c, "hMerge"), 0) << c;
  }
  EXPECT_EQ(task.Text(2, 2), "Design");
  EXPECT_EQ(task.Text(2, 3), "Sketch|Review & <check>");
  EXPECT_EQ(task.Text(2, 4), "05/07|05/07");
  // "Build" over columns 2 and 3.
  EXPECT_EQ(task.Attr(3, 2, "gridSpan"), 2);
  EXPECT_EQ(task.Text(3, 2), "Build");
  EXPECT_EQ(task.Attr(3, 3, "hMerge"), 1);
  // Every tc keeps a paragraph, covered ones included.
  for (const auto& row : task.cells) {
    for (pugi::xml_node tc : row) EXPECT_TRUE(tc.child("a:txBody").child("a:p"));
  }
}

// Merges in a table whose rows and columns all keep a cell of their own.
TEST_F(PptxWriterTest, MergedAndCoveredCellsInPowerPointsForm) {
  Presentation& presentation = app_->Presentations.Add();
  Table& table =
      presentation.Slides.Add(1, ppLayoutBlank).Shapes.AddTable(4, 4, 0, 0, 400, 80).Table;
  table.Cell(1, 2).Shape.TextFrame.TextRange.Text = "2x2";
  table.Cell(1, 2).Merge(table.Cell(2, 3));
  table.Cell(3, 1).Merge(table.Cell(4, 1));
  table.Cell(4, 2).Merge(table.Cell(4, 4));
  table.Cell(4, 2).Borders(ppBorderRight).Weight = 2;
  const std::string path = (dir_ / "merges.pptx").string();
  presentation.SaveAs(path);
  pugi::xml_document doc = Parse(ReadZip(path)["ppt/slides/slide1.xml"]);
  FileTable file(doc.select_node("//p:graphicFrame").node());
  ASSERT_EQ(file.cells.size(), 4u);
  EXPECT_EQ(file.Spans(1, 2), "gridSpan=2 rowSpan=2");
  EXPECT_EQ(file.Spans(1, 3), "rowSpan=2 hMerge");
  EXPECT_EQ(file.Spans(2, 2), "gridSpan=2 vMerge");
  EXPECT_EQ(file.Spans(2, 3), "hMerge vMerge");
  EXPECT_EQ(file.Spans(3, 1), "rowSpan=2");
  EXPECT_EQ(file.Spans(4, 1), "vMerge");
  EXPECT_EQ(file.Spans(4, 2), "gridSpan=3");
  EXPECT_EQ(file.Spans(4, 4), "hMerge");
  EXPECT_EQ(file.Spans(2, 1), "");
  EXPECT_EQ(file.Text(1, 2), "2x2");
  // The merged cell's right side is the right side of its rectangle.
  EXPECT_EQ(Emu(file.cells[3][1].select_node("a:tcPr/a:lnR").node(), "w"), 2 * 12700);
  EXPECT_TRUE(file.cells[3][1].select_node("a:tcPr/a:lnR/a:solidFill"));
  EXPECT_TRUE(file.cells[3][1].select_node("a:tcPr/a:lnL/a:noFill"));
}

// Rows and columns wholly covered by merges are folded into the row or column before.
TEST_F(PptxWriterTest, WhollyCoveredRowsAndColumnsAreFolded) {
  Presentation& presentation = app_->Presentations.Add();
  Shape& shape = presentation.Slides.Add(1, ppLayoutBlank).Shapes.AddTable(4, 3, 10, 20, 300, 40);
  Table& table = shape.Table;
  table.Rows(3).Height = 25;
  table.Columns(3).Width = 50;
  table.Cell(2, 1).Merge(table.Cell(3, 3));                       // row 3 wholly covered
  for (int r : {1, 4}) table.Cell(r, 2).Merge(table.Cell(r, 3));  // column 3 then too
  table.Cell(2, 1).Shape.TextFrame.TextRange.Text = "block";
  const std::string path = (dir_ / "folded.pptx").string();
  presentation.SaveAs(path);
  pugi::xml_document doc = Parse(ReadZip(path)["ppt/slides/slide1.xml"]);
  FileTable file(doc.select_node("//p:graphicFrame").node());
  EXPECT_EQ(file.heights, (std::vector<long long>{127000, 127000 + 317500, 127000}));
  EXPECT_EQ(file.widths, (std::vector<long long>{1270000, 1270000 + 635000}));
  EXPECT_EQ(Emu(file.frame.select_node("p:xfrm/a:ext").node(), "cx"), 250 * 12700);
  EXPECT_EQ(Emu(file.frame.select_node("p:xfrm/a:ext").node(), "cy"), 55 * 12700);
  EXPECT_EQ(file.Spans(2, 1), "gridSpan=2");
  EXPECT_EQ(file.Spans(2, 2), "hMerge");
  EXPECT_EQ(file.Spans(1, 2), "");
  EXPECT_EQ(file.Text(2, 1), "block");
  // The model keeps its grid.
  EXPECT_EQ(table.Rows.Count, 4);
  EXPECT_EQ(table.Columns.Count, 3);
}

TEST_F(PptxWriterTest, CaptionBoxesAndSecondSlide) {
  auto parts = SaveAndRead();
  for (const char* name : {"ppt/slides/slide1.xml", "ppt/slides/slide2.xml"}) {
    pugi::xml_document doc = Parse(parts[name]);
    auto boxes = doc.select_nodes("/p:sld/p:cSld/p:spTree/p:sp");
    ASSERT_EQ(boxes.size(), 2u) << name;
    pugi::xml_node title = boxes[0].node();
    pugi::xml_node footer = boxes[1].node();
    EXPECT_STREQ(title.select_node("p:nvSpPr/p:cNvSpPr").node().attribute("txBox").value(), "1");
    EXPECT_EQ(Emu(title.select_node("p:spPr/a:xfrm/a:off").node(), "y"), 0);
    EXPECT_EQ(Emu(title.select_node("p:spPr/a:xfrm/a:ext").node(), "cx"), 9144000);
    EXPECT_EQ(Emu(title.select_node("p:spPr/a:xfrm/a:ext").node(), "cy"), 404876);   // 31.88
    EXPECT_EQ(Emu(footer.select_node("p:spPr/a:xfrm/a:off").node(), "y"), 6524625);  // 513.75
    EXPECT_EQ(Emu(footer.select_node("p:spPr/a:xfrm/a:ext").node(), "cy"), 333375);  // 26.25
    for (pugi::xml_node box : {title, footer}) {
      EXPECT_STREQ(box.select_node("p:spPr/a:solidFill/a:srgbClr").node().attribute("val").value(),
                   "DDDDDD");
      EXPECT_TRUE(box.select_node("p:spPr/a:ln/a:noFill"));
    }
    pugi::xml_node title_run = title.select_node("p:txBody/a:p/a:r").node();
    EXPECT_STREQ(title_run.child("a:rPr").attribute("sz").value(), "1600");
    EXPECT_STREQ(title_run.child("a:rPr").attribute("b").value(), "1");
    EXPECT_STREQ(title.select_node("p:txBody/a:p/a:pPr").node().attribute("algn").value(), "l");
    EXPECT_STREQ(footer.select_node("p:txBody/a:p/a:pPr").node().attribute("algn").value(), "r");
    EXPECT_STREQ(footer.select_node("p:txBody/a:p/a:r/a:rPr").node().attribute("b").value(), "0");
    EXPECT_STREQ(footer.select_node("p:txBody/a:p/a:r/a:t").node().text().get(), "프로젝트 A");
  }
  pugi::xml_document slide1 = Parse(parts["ppt/slides/slide1.xml"]);
  pugi::xml_document slide2 = Parse(parts["ppt/slides/slide2.xml"]);
  EXPECT_STREQ(slide1.select_node("//p:sp[1]//a:t").node().text().get(), "주간 보고 - 지난 주");
  EXPECT_STREQ(slide2.select_node("//p:sp[1]//a:t").node().text().get(), "주간 보고 - 다음 주");
  // Slide 2: four period columns and five task columns.
  auto frames = slide2.select_nodes("//p:graphicFrame");
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(frames[0].node().select_nodes(".//a:gridCol").size(), 4u);
  EXPECT_EQ(frames[1].node().select_nodes(".//a:gridCol").size(), 5u);
  EXPECT_EQ(Emu(frames[0].node().select_node(".//a:gridCol[2]").node(), "w"), 270 * 12700);
}

TEST_F(PptxWriterTest, PackageIsCompleteAndConsistent) {
  auto parts = SaveAndRead();
  pugi::xml_document pres = Parse(parts["ppt/presentation.xml"]);
  pugi::xml_node size = pres.select_node("/p:presentation/p:sldSz").node();
  EXPECT_EQ(Emu(size, "cx"), 9144000);
  EXPECT_EQ(Emu(size, "cy"), 6858000);
  EXPECT_STREQ(size.attribute("type").value(), "screen4x3");
  EXPECT_TRUE(pres.select_node("/p:presentation/p:notesSz"));
  auto slide_ids = pres.select_nodes("/p:presentation/p:sldIdLst/p:sldId");
  ASSERT_EQ(slide_ids.size(), 2u);

  // Every part has a content type, and every relationship points at a part that exists.
  pugi::xml_document types = Parse(parts["[Content_Types].xml"]);
  for (const auto& [name, content] : parts) {
    if (name.ends_with(".rels") || name == "[Content_Types].xml") continue;
    EXPECT_TRUE(types.select_node(("/Types/Override[@PartName='/" + name + "']").c_str())) << name;
    Parse(content);
  }
  for (const auto& [name, content] : parts) {
    if (!name.ends_with(".rels")) continue;
    const fs::path source = fs::path(name).parent_path().parent_path();
    pugi::xml_document rels = Parse(content);
    for (pugi::xml_node rel : rels.child("Relationships").children("Relationship")) {
      const std::string target =
          (source / rel.attribute("Target").value()).lexically_normal().string();
      EXPECT_TRUE(parts.count(target)) << name << " -> " << target;
    }
  }
  // The slide ids point, in order, at slide1 and slide2.
  pugi::xml_document pres_rels = Parse(parts["ppt/_rels/presentation.xml.rels"]);
  for (int n = 0; n < 2; ++n) {
    const std::string id = slide_ids[n].node().attribute("r:id").value();
    pugi::xml_node rel = pres_rels.select_node(("//Relationship[@Id='" + id + "']").c_str()).node();
    EXPECT_EQ(std::string(rel.attribute("Target").value()),
              "slides/slide" + std::to_string(n + 1) + ".xml");
  }
  pugi::xml_document theme = Parse(parts["ppt/theme/theme1.xml"]);
  EXPECT_STREQ(theme.select_node("//a:minorFont/a:ea").node().attribute("typeface").value(),
               "맑은 고딕");
}

TEST_F(PptxWriterTest, DocumentPropertiesGiveTheTitleTheCreationTimeAndTheSlides) {
  presentation_.Title = "주간 보고 & 계획";
  presentation_.Created = std::chrono::sys_days(std::chrono::year{2010} / 5 / 10) +
                          std::chrono::hours(23) + std::chrono::minutes(59);
  const std::string path = (dir_ / "titled.pptx").string();
  presentation_.SaveAs(path, ppSaveAsPresentation, msoTriStateMixed);
  const taskvane::testing::PackageFacts facts = taskvane::testing::CheckPackage(path);
  taskvane::testing::ExpectDocumentPropertyParts(facts, "ppt/presentation.xml");
  EXPECT_EQ(facts["core.title"], "주간 보고 & 계획");
  EXPECT_EQ(facts["core.created"], "2010-05-10T23:59:00Z dcterms:W3CDTF");
  EXPECT_EQ(facts["app.Slides"], "2");
}

TEST_F(PptxWriterTest, SavingNeverReplacesAFileNorLeavesAPartialOne) {
  const std::string path = (dir_ / "report.pptx").string();
  { std::ofstream(path) << "earlier"; }
  auto expect_refused = [&](const std::string& target, int format) {
    try {
      presentation_.SaveAs(target, format, msoTriStateMixed);
      ADD_FAILURE() << target;
    } catch (const AutomationError& e) {
      EXPECT_EQ(e.Number, kErrPowerPointRefused);
      EXPECT_FALSE(e.Description.empty());
    }
  };
  expect_refused(path, ppSaveAsPresentation);
  std::ifstream in(path);
  std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(content, "earlier");
  expect_refused((dir_ / "missing" / "report.pptx").string(), ppSaveAsPresentation);
  // The old binary format and others are refused rather than written as something else.
  expect_refused((dir_ / "other.pptx").string(), 32);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);

  const std::string fresh = (dir_ / "fresh.pptx").string();
  presentation_.SaveAs(fresh, ppSaveAsOpenXMLPresentation, msoFalse);
  EXPECT_EQ(ReadZip(fresh).size(), PresentationPackage(presentation_).Parts().size());
}

}  // namespace
}  // namespace taskvane::ppt

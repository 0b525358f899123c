// The comparison behind the twin tests: it must see a changed cell, a moved shape and a
// changed slide text, and nothing else; shared-string order alone is no difference.
#include "tests/twin_conversions/package_diff.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/console/convert_recording_exporters.h"
#include "tests/ppt_report/pptx_reader.h"
#include "tests/twin_conversions/frm_main_conversions.h"

namespace taskvane::testing {
namespace {

const std::string kSheet = "xl/worksheets/sheet1.xml";

std::string Sheet(const std::string& cells) {
  return "<worksheet><sheetData>" + cells +
         "</sheetData><mergeCells count=\"1\">"
         "<mergeCell ref=\"A1:B1\"/></mergeCells></worksheet>";
}
std::string Strings(const std::vector<std::string>& texts) {
  std::string xml = "<sst>";
  for (const std::string& text : texts) xml += "<si><t>" + text + "</t></si>";
  return xml + "</sst>";
}

TEST(PackageDiff, SharedStringsCompareByTextNotByIndex) {
  const PackageParts a{{kSheet, Sheet("<row r=\"1\"><c r=\"A1\" s=\"1\" t=\"s\"><v>0</v></c>"
                                      "<c r=\"B1\" s=\"2\" t=\"s\"><v>1</v></c></row>")},
                       {"xl/sharedStrings.xml", Strings({"작업", "기간"})}};
  const PackageParts b{{kSheet, Sheet("<row r=\"1\"><c r=\"A1\" s=\"1\" t=\"s\"><v>1</v></c>"
                                      "<c r=\"B1\" s=\"2\" t=\"s\"><v>0</v></c></row>")},
                       {"xl/sharedStrings.xml", Strings({"기간", "작업"})}};
  EXPECT_TRUE(ComparePackages(a, b).differences.empty());
  EXPECT_EQ(SheetTexts(b, kSheet),
            (std::map<std::string, std::string>{{"A1", "작업"}, {"B1", "기간"}}));
}

TEST(PackageDiff, CellsStylesRowsMergesAndPartsEachCount) {
  const std::string row = "<row r=\"1\" ht=\"15\"><c r=\"A1\" s=\"1\"><v>5</v></c></row>";
  const PackageParts base{{kSheet, Sheet(row)}, {"xl/styles.xml", "<styleSheet/>"}};
  struct Case {
    const char* what;
    PackageParts other;
    const char* reported;
  };
  PackageParts wider = base;
  wider[kSheet] =
      "<worksheet><cols><col min=\"1\" max=\"1\" width=\"9\"/></cols>"
      "<sheetData>" +
      row +
      "</sheetData><mergeCells count=\"1\">"
      "<mergeCell ref=\"A1:B1\"/></mergeCells></worksheet>";
  PackageParts merge = base;
  merge[kSheet] = "<worksheet><sheetData>" + row +
                  "</sheetData><mergeCells count=\"1\">"
                  "<mergeCell ref=\"A1:C1\"/></mergeCells></worksheet>";
  const Case cases[] = {
      {"value",
       {{kSheet, Sheet("<row r=\"1\" ht=\"15\"><c r=\"A1\" s=\"1\"><v>6</v></c></row>")},
        {"xl/styles.xml", "<styleSheet/>"}},
       "cell A1: \"5\" | s=1 t= / \"6\" | s=1 t="},
      {"style",
       {{kSheet, Sheet("<row r=\"1\" ht=\"15\"><c r=\"A1\" s=\"2\"><v>5</v></c></row>")},
        {"xl/styles.xml", "<styleSheet/>"}},
       "cell A1"},
      {"height",
       {{kSheet, Sheet("<row r=\"1\" ht=\"16\"><c r=\"A1\" s=\"1\"><v>5</v></c></row>")},
        {"xl/styles.xml", "<styleSheet/>"}},
       "row 1: r=\"1\" ht=\"15\" / r=\"1\" ht=\"16\""},
      {"widths", wider, "column A: <default> / width=\"9\""},
      {"merge", merge, "mergeCell[1] attributes: ref=\"A1:B1\" / ref=\"A1:C1\""},
      {"styles",
       {{kSheet, Sheet(row)}, {"xl/styles.xml", "<styleSheet><fonts/></styleSheet>"}},
       "xl/styles.xml: styleSheet: only actual has <fonts>"},
      {"part", {{kSheet, Sheet(row)}}, "xl/styles.xml: only in the expected package"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const PackageComparison comparison = ComparePackages(base, c.other);
    ASSERT_EQ(comparison.differences.size(), 1u);
    EXPECT_NE(comparison.differences[0].find(c.reported), std::string::npos)
        << comparison.differences[0];
  }
  EXPECT_TRUE(ComparePackages(base, base).differences.empty());
}

TEST(PackageDiff, ColumnsCompareOneByOneAndAreExcusedAsRowZero) {
  const auto sheet = [](const std::string& cols) {
    return PackageParts{{kSheet, "<worksheet>" + cols + "<sheetData/></worksheet>"}};
  };
  const PackageParts a = sheet("<cols><col min=\"1\" max=\"3\" width=\"9\"/></cols>");
  const PackageParts b = sheet(
      "<cols><col min=\"1\" max=\"1\" width=\"9\"/><col min=\"2\" max=\"2\" width=\"4\"/>"
      "<col min=\"3\" max=\"3\" width=\"9\"/></cols>");
  const PackageComparison plain = ComparePackages(a, b);
  EXPECT_EQ(plain.differences,
            std::vector<std::string>{kSheet + ": column B: width=\"9\" / width=\"4\""});
  std::vector<std::string> asked;
  const PackageComparison excused = ComparePackages(a, b, [&](const CellDifference& cell) {
    asked.push_back(cell.ref + "/" + std::to_string(cell.row));
    return std::optional<std::string>("fitted");
  });
  EXPECT_TRUE(excused.differences.empty());
  EXPECT_EQ(asked, std::vector<std::string>{"B/0"});
  EXPECT_EQ(excused.excused, std::vector<std::string>{kSheet + " column B: fitted"});
}

TEST(PackageDiff, ShapesAreComparedOneByOne) {
  const auto drawing = [](const std::string& second_x) {
    return PackageParts{{"xl/drawings/drawing1.xml",
                         "<wsDr><anchor><off x=\"1\"/></anchor><anchor><off x=\"" + second_x +
                             "\"/></anchor><anchor><off x=\"3\"/></anchor></wsDr>"}};
  };
  const PackageComparison comparison = ComparePackages(drawing("2"), drawing("9"));
  ASSERT_EQ(comparison.differences.size(), 1u);
  EXPECT_EQ(comparison.differences[0],
            "xl/drawings/drawing1.xml: shape 2: anchor/off[1] attributes: x=\"2\" / x=\"9\"");
}

TEST(PackageDiff, TheMomentsOfSavingAreNoDifferenceTheTitleIs) {
  const auto core = [](const std::string& title, const std::string& moment) {
    return PackageParts{{"docProps/core.xml", "<cp:coreProperties><dc:title>" + title +
                                                  "</dc:title><dcterms:created>" + moment +
                                                  "</dcterms:created><dcterms:modified>" + moment +
                                                  "</dcterms:modified></cp:coreProperties>"}};
  };
  EXPECT_TRUE(
      ComparePackages(core("일정", "2025-06-30T08:15:42Z"), core("일정", "2025-06-30T08:15:43Z"))
          .differences.empty());
  const PackageComparison retitled =
      ComparePackages(core("일정", "2025-06-30T08:15:42Z"), core("계획", "2025-06-30T08:15:42Z"));
  ASSERT_EQ(retitled.differences.size(), 1u);
  EXPECT_NE(retitled.differences[0].find("docProps/core.xml"), std::string::npos);
}

// Two schedules that differ in one task, converted through the main window.
class ChangedSchedule : public ::testing::Test {
 protected:
  ChangedSchedule() {
    std::ifstream in(TASKVANE_TEST_DATA_DIR "/project_outline_progress.xml", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    original_ = text.str();
  }

  // `original` with the first `from` after `anchor` replaced by `to`.
  std::string Changed(const std::string& anchor, const std::string& from, const std::string& to) {
    std::string xml = original_;
    const std::size_t at = xml.find(from, xml.find(anchor));
    EXPECT_NE(at, std::string::npos);
    return xml.replace(at, from.size(), to);
  }

  PackageComparison Compare(Conversion conversion, const std::string& changed,
                            const CellExcuse& excuse = {}) {
    const std::string a = folder_.Path() + "a.xml";
    const std::string b = folder_.Path() + "b.xml";
    std::ofstream(a, std::ios::binary) << original_;
    std::ofstream(b, std::ios::binary) << changed;
    const ReportPeriods periods{{"2024-03-04", "2024-03-10", "2024-03-11", "2024-03-17"}};
    const std::string extension(OutputExtension(conversion));
    const std::string out_a = folder_.Path() + "a" + std::to_string(++runs_) + extension;
    const std::string out_b = folder_.Path() + "b" + std::to_string(runs_) + extension;
    EXPECT_EQ(RunConversion(conversion, a, out_a, periods).messages, std::vector<std::string>{});
    EXPECT_EQ(RunConversion(conversion, b, out_b, periods).messages, std::vector<std::string>{});
    return ComparePackages(ReadPackage(out_a), ReadPackage(out_b), excuse);
  }

  std::string original_;
  TempFolder folder_;
  int runs_ = 0;
};

TEST_F(ChangedSchedule, RenamedTaskIsTheOneDifferentCellUnlessExcused) {
  // The same glyphs in another order: the autofit widths stay the same.
  const std::string renamed = Changed("<UID>4</UID>", "화면 설계", "설계 화면");
  for (Conversion conversion : {Conversion::kColumnList, Conversion::kIndentedList}) {
    SCOPED_TRACE(std::string(ConversionName(conversion)));
    const PackageComparison comparison = Compare(conversion, renamed);
    ASSERT_EQ(comparison.differences.size(), 1u);
    EXPECT_NE(comparison.differences[0].find("\"화면 설계\" | s="), std::string::npos)
        << comparison.differences[0];
    EXPECT_NE(comparison.differences[0].find("\"설계 화면\" | s="), std::string::npos);

    CellDifference seen;
    const PackageComparison excused = Compare(conversion, renamed, [&](const CellDifference& cell) {
      seen = cell;
      return std::optional<std::string>("renamed on purpose");
    });
    EXPECT_TRUE(excused.differences.empty());
    ASSERT_EQ(excused.excused.size(), 1u);
    EXPECT_EQ(excused.excused[0], kSheet + " " + seen.ref + ": renamed on purpose");
    EXPECT_EQ(seen.column + std::to_string(seen.row), seen.ref);
  }
  const PackageComparison report = Compare(Conversion::kWeeklyReport, renamed);
  ASSERT_FALSE(report.differences.empty());
  EXPECT_TRUE(report.differences[0].starts_with("ppt/slides/slide")) << report.differences[0];
  EXPECT_NE(report.differences[0].find("\"화면 설계\" / \"설계 화면\""), std::string::npos)
      << report.differences[0];
}

TEST_F(ChangedSchedule, MoreProgressMovesTheActualBar) {
  const std::string progressed = Changed("<UID>4</UID>", "<PercentComplete>40</PercentComplete>",
                                         "<PercentComplete>60</PercentComplete>");
  const PackageComparison comparison = Compare(Conversion::kWeekGantt, progressed);
  bool shape = false;
  for (const std::string& line : comparison.differences) {
    shape = shape || line.starts_with("xl/drawings/drawing1.xml: shape ");
  }
  EXPECT_TRUE(shape) << ::testing::PrintToString(comparison.differences);
  EXPECT_TRUE(Compare(Conversion::kWeekGantt, original_).differences.empty());
}

}  // namespace
}  // namespace taskvane::testing

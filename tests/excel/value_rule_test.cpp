#include "platform/excel/value_rule.h"

#include "platform/excel/number_format.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace taskvane::excel {
namespace {

using testing::Book;

TEST(ValueRuleTest, ConvertsOnlyWhereTheShownTextStaysTheSame) {
  struct Case {
    const char* text;
    CellValue value;
    const char* format;
  };
  const Case cases[] = {
      {"42", CellValue::Number(42), ""},
      {"0.5", CellValue::Number(0.5), ""},
      {"12345678901", CellValue::Number(12345678901), ""},
      {"1,234", CellValue::Number(1234), "#,##0"},
      {"12,345,678.50", CellValue::Number(12345678.5), "#,##0.00"},
      {"50%", CellValue::Number(0.5), "0%"},
      {"12.50%", CellValue::Number(0.125), "0.00%"},
      {"2024-01-05", CellValue::Date(45296), "yyyy-mm-dd"},
      {"1900-03-01", CellValue::Date(61), "yyyy-mm-dd"},
      // Shown differently once converted, or not a number or date at all: text.
      {"007", CellValue::Text("007"), ""},
      {"1.50", CellValue::Text("1.50"), ""},
      {"123456789012", CellValue::Text("123456789012"), ""},
      {"1,23", CellValue::Text("1,23"), ""},
      {"1,234.5", CellValue::Text("1,234.5"), ""},
      {"5.5%", CellValue::Text("5.5%"), ""},
      {" 12", CellValue::Text(" 12"), ""},
      {"2024-02-30", CellValue::Text("2024-02-30"), ""},
      {"2024-1-5", CellValue::Text("2024-1-5"), ""},
      {"1899-12-31", CellValue::Text("1899-12-31"), ""},
      {"2024-01-05 08:00", CellValue::Text("2024-01-05 08:00"), ""},
      {"5일", CellValue::Text("5일"), ""},
      // Never a formula, never a signed number.
      {"=SUM(A1:A3)", CellValue::Text("=SUM(A1:A3)"), ""},
      {"+1", CellValue::Text("+1"), ""},
      {"-5", CellValue::Text("-5"), ""},
      {"@home", CellValue::Text("@home"), ""},
      {"", CellValue(), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const ConvertedText converted = ConvertText(c.text, false);
    EXPECT_EQ(converted.value, c.value);
    EXPECT_EQ(converted.format, c.format);
  }
  EXPECT_EQ(ConvertText("42", true).value, CellValue::Text("42"));
}

TEST(ValueRuleTest, CellsTakeTheFormatOnlyWhileGeneral) {
  Book b;
  Worksheet& s = b.sheet;
  s.Cells(1, 1).Value = "2024-01-05";
  EXPECT_TRUE(s.Cells(1, 1).Value.get().IsDate());
  EXPECT_EQ(s.Cells(1, 1).NumberFormatLocal, "yyyy-mm-dd");

  s.Cells(2, 1).NumberFormatLocal = "m\"/\"d";
  s.Cells(2, 1).Value = "2024-01-05";
  EXPECT_EQ(s.Cells(2, 1).Value, 45296);
  EXPECT_EQ(s.Cells(2, 1).NumberFormatLocal, "m\"/\"d");

  s.Cells(3, 1).NumberFormatLocal = "@";
  s.Cells(3, 1).Value = "2024-01-05";
  EXPECT_EQ(s.Cells(3, 1).Value, "2024-01-05");

  s.Cells(4, 1).Value = "=A1";
  EXPECT_EQ(s.Cells(4, 1).Value, "=A1");
  s.Cells(4, 1).Value = "";
  EXPECT_TRUE(s.Cells(4, 1).Value.get().IsEmpty());
}

TEST(NumberFormatTest, ShowsValuesAsTheirFormatsDo) {
  const CellValue day = CellValue::Date(45296);  // 2024-01-05
  EXPECT_EQ(DisplayText(day, "m\"/\"d"), "1/5");
  EXPECT_EQ(DisplayText(day, "yyyy\"년\" mm\"월\" dd\"일\";@"), "2024년 01월 05일");
  EXPECT_EQ(DisplayText(day, "yyyy-mm-dd"), "2024-01-05");
  EXPECT_EQ(DisplayText(day, "General"), "2024-01-05");
  EXPECT_EQ(DisplayText(CellValue::Number(1234567.5), "#,##0.00"), "1,234,567.50");
  EXPECT_EQ(DisplayText(CellValue::Number(-1234), "#,##0"), "-1,234");
  EXPECT_EQ(DisplayText(CellValue::Number(123), "#,##0"), "123");
  EXPECT_EQ(DisplayText(CellValue::Number(0.125), "0.00%"), "12.50%");
  EXPECT_EQ(DisplayText(CellValue::Number(0.5), "General"), "0.5");
  EXPECT_EQ(DisplayText(CellValue::Number(5), "@"), "5");
  EXPECT_EQ(DisplayText(CellValue::Text("작업"), "m\"/\"d"), "작업");
  EXPECT_TRUE(IsDateFormat("d"));
  EXPECT_FALSE(IsDateFormat("\"day\" 0"));
}

}  // namespace
}  // namespace taskvane::excel

#include "platform/ooxml/xml_writer.h"

#include <gtest/gtest.h>

namespace taskvane::ooxml {
namespace {

TEST(XmlWriterTest, NestsElementsAndClosesEmptyOnesShort) {
  std::string out;
  XmlWriter xml(out);
  xml.Declaration();
  xml.Open("a").Attr("x", "1").Open("b").Close().Element("c", "t").Open("d").Text("").Close();
  EXPECT_EQ(xml.Depth(), 1u);
  xml.Close();
  EXPECT_EQ(out,
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<a x=\"1\"><b/><c>t</c><d></d></a>");
}

TEST(XmlWriterTest, EscapesMarkupInTextAndAttributes) {
  std::string out;
  XmlWriter xml(out);
  xml.Open("t").Attr("f", "m\"/\"d & <x>\n").Text("a<b & \"c\" > d\n").Close();
  EXPECT_EQ(out, "<t f=\"m&quot;/&quot;d &amp; &lt;x&gt;&#10;\">a&lt;b &amp; \"c\" &gt; d\n</t>");
}

TEST(XmlWriterTest, KeepsKoreanAndRepairsWhatXmlCannotCarry) {
  std::string out;
  XmlWriter xml(out);
  // A C0 control, a lone continuation byte, a truncated sequence, an overlong slash, U+FFFF.
  xml.Element("t", std::string("주간\x01보고\x80서\xE1\x84") + "\xC0\xAF" + "\xEF\xBF\xBF" + "끝");
  EXPECT_EQ(out, "<t>주간보고\xEF\xBF\xBD서\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD끝</t>");
}

TEST(XmlWriterTest, WritesNumbersWithoutExponent) {
  EXPECT_EQ(FormatDouble(420.75), "420.75");
  EXPECT_EQ(FormatDouble(0.1), "0.1");
  EXPECT_EQ(FormatDouble(12700), "12700");
  EXPECT_EQ(FormatDouble(1e20), "100000000000000000000");
  EXPECT_EQ(FormatDouble(1.5e-7), "0.00000015");
  EXPECT_EQ(FormatDouble(-0.0), "0");
  EXPECT_EQ(FormatDouble(-2.5), "-2.5");
  EXPECT_EQ(FormatDouble(0.0 / 0.0), "0");

  std::string out;
  XmlWriter xml(out);
  xml.Open("n").Attr("i", 42).Attr("l", -7LL).Attr("d", 0.75).Close();
  EXPECT_EQ(out, "<n i=\"42\" l=\"-7\" d=\"0.75\"/>");
}

TEST(XmlWriterTest, RefusesMisuse) {
  std::string out;
  XmlWriter xml(out);
  EXPECT_THROW(xml.Close(), std::logic_error);
  xml.Open("a").Text("x");
  EXPECT_THROW(xml.Attr("late", "1"), std::logic_error);
}

}  // namespace
}  // namespace taskvane::ooxml

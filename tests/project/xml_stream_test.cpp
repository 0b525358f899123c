// Streaming XML: element texts as the schedule reader needs them, names and namespaces,
// what is refused, the parser's memory limit, documents of many pieces, and the small
// trees kept of parts of a document.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/project/xml_fragment.h"
#include "platform/project/xml_stream.h"
#include "platform/runtime/automation_error.h"
#include "tests/project/xml_document.h"

namespace taskvane::project {
namespace {

constexpr std::size_t kRoomy = std::size_t{64} << 20;

// Records each element as "name@depth" and each end as "/name=text".
class Recorder : public XmlVisitor {
 public:
  bool StartElement(std::string_view name, int depth, std::size_t offset,
                    const XmlAttributes& attributes) override {
    events.push_back(std::string(name) + "@" + std::to_string(depth));
    offsets.push_back(offset);
    namespaces.emplace_back(attributes.OwnNamespace());
    if (on_start) on_start(name);
    return wanted(name);
  }
  void EndElement(std::string_view name, int, std::string_view text) override {
    events.push_back("/" + std::string(name) + "=" + std::string(text));
    if (name == "a" && first_text.empty()) first_text = text;
  }

  std::function<bool(std::string_view)> wanted = [](std::string_view) { return true; };
  std::function<void(std::string_view)> on_start;
  std::vector<std::string> events;
  std::vector<std::string> namespaces;
  std::vector<std::size_t> offsets;
  std::string first_text;  // of the first element "a"
};

XmlResult Read(std::string_view xml, Recorder& recorder, std::size_t limit = kRoomy) {
  return ReadXml(xml.data(), xml.size(), recorder, limit);
}

std::string TextOfA(std::string_view content) {
  Recorder recorder;
  const std::string xml = "<r><a>" + std::string(content) + "</a></r>";
  EXPECT_EQ(Read(xml, recorder).status, XmlStatus::kOk) << content;
  return recorder.first_text;
}

TEST(XmlStream, TheTextIsTheFirstStretchThatIsNotAllBlanks) {
  EXPECT_EQ(TextOfA("  \n x y \n"), "  \n x y \n");
  EXPECT_EQ(TextOfA("  <b/>after"), "after");
  EXPECT_EQ(TextOfA("first<b>inner</b>second"), "first");
  EXPECT_EQ(TextOfA("ab<!-- c -->cd"), "ab");
  EXPECT_EQ(TextOfA("ab<?pi x?>cd"), "ab");
  EXPECT_EQ(TextOfA(" \t "), "");
  // A CDATA section is a stretch of its own, blank or empty as it is.
  EXPECT_EQ(TextOfA("<![CDATA[ ]]>x"), " ");
  EXPECT_EQ(TextOfA("<![CDATA[]]>x"), "");
  EXPECT_EQ(TextOfA("a<![CDATA[<b>]]>c"), "a");
  EXPECT_EQ(TextOfA("  <![CDATA[<b>]]>"), "<b>");
  // References are read; line ends come as "\n".
  EXPECT_EQ(TextOfA("&lt;&amp;&#xAC00;&#65;"), "<&가A");
  EXPECT_EQ(TextOfA("\r\nx"), "\nx");
}

TEST(XmlStream, NamesWithoutPrefixDepthsAndTheNamespaceATagBinds) {
  Recorder recorder;
  ASSERT_EQ(Read("<p:r xmlns='urn:d' xmlns:p='urn:p'><a><q:b xmlns:q='urn:q'/></a>"
                 "<c xmlns='urn:c'>t</c></p:r>",
                 recorder)
                .status,
            XmlStatus::kOk);
  EXPECT_EQ(recorder.events,
            (std::vector<std::string>{"r@1", "a@2", "b@3", "/b=", "/a=", "c@2", "/c=t", "/r="}));
  EXPECT_EQ(recorder.namespaces, (std::vector<std::string>{"urn:p", "", "urn:q", "urn:c"}));
  EXPECT_EQ(recorder.offsets, (std::vector<std::size_t>{0, 35, 38, 64}));

  // A text not asked for is not gathered.
  Recorder unwanted;
  unwanted.wanted = [](std::string_view name) { return name != "c"; };
  ASSERT_EQ(Read("<r><c>t</c></r>", unwanted).status, XmlStatus::kOk);
  EXPECT_EQ(unwanted.events[2], "/c=");
}

TEST(XmlStream, WhatIsRefused) {
  for (std::string_view not_xml : {"", "plain text", "<!-- nothing -->", "\x01\x02\xff"}) {
    Recorder recorder;
    EXPECT_EQ(Read(not_xml, recorder).status, XmlStatus::kNotXml) << not_xml;
  }
  struct Case {
    std::string_view xml;
    std::size_t offset;
  };
  // At the end tag's name that does not match, the element after the root, the byte that
  // is not UTF-8.
  for (const Case& c : {Case{"<r><a></r>", 8}, Case{"<r/><x/>", 4}, Case{"<r>\xff</r>", 3}}) {
    Recorder recorder;
    const XmlResult result = Read(c.xml, recorder);
    EXPECT_EQ(result.status, XmlStatus::kMalformed) << c.xml;
    EXPECT_EQ(result.offset, c.offset) << c.xml;
  }
  // Entities of the document's own are never expanded, however few.
  Recorder laughs;
  const XmlResult result = Read(
      "<!DOCTYPE r [<!ENTITY a 'aaaaaaaaaa'><!ENTITY b '&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;'>]>"
      "<r>&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;</r>",
      laughs);
  EXPECT_EQ(result.status, XmlStatus::kEntityDeclaration);
  EXPECT_TRUE(laughs.events.empty());
}

TEST(XmlStream, TheParserStaysWithinItsMemoryLimit) {
  constexpr std::size_t kSmall = 256 << 10;
  auto status = [](const std::string& xml, std::size_t limit, bool want_texts = true) {
    Recorder recorder;
    recorder.wanted = [want_texts](std::string_view) { return want_texts; };
    return Read(xml, recorder, limit).status;
  };
  std::string deep;
  for (int i = 0; i < 20000; ++i) deep += "<x>";
  for (int i = 0; i < 20000; ++i) deep += "</x>";
  EXPECT_EQ(status(deep, kRoomy), XmlStatus::kOk);
  EXPECT_EQ(status(deep, kSmall), XmlStatus::kTooDemanding);

  // Each distinct name stays with the parser; the same name again costs nothing.
  std::string distinct = "<r>", same = "<r>";
  for (int i = 0; i < 20000; ++i) {
    distinct += "<n" + std::to_string(i) + "/>";
    same += "<n1234/>";
  }
  EXPECT_EQ(status(distinct + "</r>", kSmall), XmlStatus::kTooDemanding);
  EXPECT_EQ(status(same + "</r>", kSmall), XmlStatus::kOk);

  // A token is held whole while it is read; a text only when it is wanted.
  EXPECT_EQ(status("<r><!--" + std::string(1 << 20, 'c') + "--></r>", kSmall),
            XmlStatus::kTooDemanding);
  const std::string long_text = "<r>" + std::string(1 << 20, 't') + "</r>";
  EXPECT_EQ(status(long_text, kSmall), XmlStatus::kTooDemanding);
  EXPECT_EQ(status(long_text, kSmall, false), XmlStatus::kOk);
}

TEST(XmlStream, AVisitorsExceptionStopsTheReading) {
  Recorder recorder;
  recorder.on_start = [](std::string_view name) {
    if (name == "stop") throw AutomationError(432, "stopped");
  };
  try {
    Read("<r><a/><stop/><after/></r>", recorder);
    ADD_FAILURE() << "read on";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Description, "stopped");
  }
  EXPECT_EQ(recorder.events.back(), "stop@2");
}

TEST(XmlStream, TokensAndTextsAcrossThePiecesOfALongDocument) {
  // Texts of several pieces with multibyte characters, a long comment and a start tag
  // with a long attribute: each read whole wherever the pieces end.
  std::string hangul;
  for (int i = 0; i < 50000; ++i) hangul += "가나";
  const std::string attribute(300000, 'v');
  const std::string xml = "<r><a>" + hangul + "</a><!--" + std::string(500000, '.') +
                          "--><b long='" + attribute + "'>" + hangul + "x</b><c>end</c></r>";
  Recorder recorder;
  ASSERT_EQ(Read(xml, recorder).status, XmlStatus::kOk);
  ASSERT_EQ(recorder.events.size(), 8u);
  EXPECT_EQ(recorder.events[2], "/a=" + hangul);
  EXPECT_EQ(recorder.events[4], "/b=" + hangul + "x");
  EXPECT_EQ(recorder.events[6], "/c=end");
}

TEST(XmlFragment, KeepsItsLevelsInOrderAndFindsTheFirstOfAName) {
  XmlFragment fragment(2);
  ASSERT_TRUE(testing::ReadIntoFragment(
      "<r><a>1</a><b><c>2</c><d>3<e>deeper</e></d></b><a>4</a><a><![CDATA[5]]></a></r>", fragment));
  const XmlElement root = fragment.root();
  ASSERT_TRUE(root);
  EXPECT_EQ(root.name(), "r");
  EXPECT_EQ(ChildText(root, "a"), "1");
  std::string texts;
  ForEachChild(root, "a", [&](const XmlElement& a) { texts += a.text(); });
  EXPECT_EQ(texts, "145");
  const XmlElement b = Child(root, "b");
  EXPECT_EQ(ChildText(b, "c"), "2");
  EXPECT_EQ(ChildText(b, "d"), "3");
  EXPECT_FALSE(Child(Child(b, "d"), "e"));  // below the kept levels
  EXPECT_FALSE(Child(root, "missing"));
  EXPECT_EQ(ChildText(Child(root, "missing"), "c"), "");

  // A new root starts a new fragment.
  ASSERT_TRUE(testing::ReadIntoFragment("<s><a>6</a></s>", fragment));
  EXPECT_EQ(fragment.root().name(), "s");
  EXPECT_EQ(ChildText(fragment.root(), "a"), "6");
  EXPECT_FALSE(Child(fragment.root(), "b"));
}

}  // namespace
}  // namespace taskvane::project

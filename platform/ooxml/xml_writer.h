#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/ooxml/part_stream.h"

namespace taskvane::ooxml {

// Streaming XML into a std::string; escapes text and attribute values; writes UTF-8.
// Invalid UTF-8 becomes U+FFFD and characters XML cannot carry (C0 controls other than
// tab, line feed and carriage return; U+FFFE, U+FFFF) are dropped, so whatever a caller
// passes, the result stays well-formed. Written into a part's stream, it hands the text on
// as elements close.
class XmlWriter {
 public:
  explicit XmlWriter(std::string& out) : out_(out) {}
  explicit XmlWriter(PartStream& stream) : out_(stream.Text()), stream_(&stream) {}

  // <?xml version="1.0" encoding="UTF-8" standalone="yes"?>
  void Declaration();
  // <name  (attributes may follow)
  XmlWriter& Open(std::string_view name);
  XmlWriter& Attr(std::string_view name, std::string_view value);
  XmlWriter& Attr(std::string_view name, const char* value) {
    return Attr(name, std::string_view(value));
  }
  XmlWriter& Attr(std::string_view name, long long value);
  XmlWriter& Attr(std::string_view name, int value) {
    return Attr(name, static_cast<long long>(value));
  }
  XmlWriter& Attr(std::string_view name, long value) {
    return Attr(name, static_cast<long long>(value));
  }
  // Shortest text that reads back as the same double, never with an exponent.
  XmlWriter& Attr(std::string_view name, double value);
  XmlWriter& Text(std::string_view text);
  // Already well-formed markup.
  XmlWriter& Raw(std::string_view xml);
  // </name>, or /> when the element got no content.
  XmlWriter& Close();
  // <name>text</name>
  XmlWriter& Element(std::string_view name, std::string_view text);

  // Elements opened and not yet closed.
  std::size_t Depth() const { return open_.size(); }

 private:
  void EndStartTag();
  void Escaped(std::string_view text, bool attribute);

  std::string& out_;
  PartStream* stream_ = nullptr;
  std::vector<std::string> open_;
  bool start_tag_pending_ = false;
};

// Shortest round-trip decimal text of a double without an exponent ("0.75", "420.75",
// "12700"); non-finite values give "0".
std::string FormatDouble(double value);

}  // namespace taskvane::ooxml

#include "platform/ooxml/xml_writer.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

namespace taskvane::ooxml {

namespace {

// Length of the well-formed UTF-8 sequence at text[i] and its code point, or 0 when the
// bytes there do not form one (overlong forms, surrogates and values above U+10FFFF
// included).
std::size_t DecodeUtf8(std::string_view text, std::size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(text[i]);
  std::size_t len;
  char32_t min;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > text.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

}  // namespace

std::string FormatDouble(double value) {
  if (!std::isfinite(value) || value == 0) return "0";
  char buf[400];
  auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
  return std::string(buf, result.ptr);
}

void XmlWriter::Declaration() {
  out_ += "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
}

XmlWriter& XmlWriter::Open(std::string_view name) {
  EndStartTag();
  out_ += '<';
  out_ += name;
  open_.emplace_back(name);
  start_tag_pending_ = true;
  return *this;
}

XmlWriter& XmlWriter::Attr(std::string_view name, std::string_view value) {
  if (!start_tag_pending_) throw std::logic_error("XmlWriter: attribute outside a start tag");
  out_ += ' ';
  out_ += name;
  out_ += "=\"";
  Escaped(value, true);
  out_ += '"';
  return *this;
}

XmlWriter& XmlWriter::Attr(std::string_view name, long long value) {
  char buf[24];
  auto result = std::to_chars(buf, buf + sizeof buf, value);
  return Attr(name, std::string_view(buf, result.ptr - buf));
}

XmlWriter& XmlWriter::Attr(std::string_view name, double value) {
  return Attr(name, std::string_view(FormatDouble(value)));
}

XmlWriter& XmlWriter::Text(std::string_view text) {
  EndStartTag();
  Escaped(text, false);
  return *this;
}

XmlWriter& XmlWriter::Raw(std::string_view xml) {
  EndStartTag();
  out_ += xml;
  return *this;
}

XmlWriter& XmlWriter::Close() {
  if (open_.empty()) throw std::logic_error("XmlWriter: Close without an open element");
  if (start_tag_pending_) {
    out_ += "/>";
    start_tag_pending_ = false;
  } else {
    out_ += "</";
    out_ += open_.back();
    out_ += '>';
  }
  open_.pop_back();
  if (stream_ != nullptr) stream_->Drain();
  return *this;
}

XmlWriter& XmlWriter::Element(std::string_view name, std::string_view text) {
  Open(name);
  EndStartTag();
  Escaped(text, false);
  out_ += "</";
  out_ += name;
  out_ += '>';
  open_.pop_back();
  return *this;
}

void XmlWriter::EndStartTag() {
  if (start_tag_pending_) {
    out_ += '>';
    start_tag_pending_ = false;
  }
}

void XmlWriter::Escaped(std::string_view text, bool attribute) {
  std::size_t i = 0;
  while (i < text.size()) {
    char32_t cp;
    const std::size_t len = DecodeUtf8(text, i, cp);
    if (len == 0) {
      out_ += "\xEF\xBF\xBD";  // U+FFFD for a byte that starts no valid sequence
      ++i;
      continue;
    }
    if (len > 1) {
      if (cp != 0xFFFE && cp != 0xFFFF) out_.append(text.substr(i, len));
      i += len;
      continue;
    }
    ++i;
    switch (cp) {
      case '&':
        out_ += "&amp;";
        break;
      case '<':
        out_ += "&lt;";
        break;
      case '>':
        out_ += "&gt;";
        break;
      case '"':
        attribute ? out_ += "&quot;" : out_ += '"';
        break;
      // Attribute values normalise white space on reading; character references keep it.
      case '\n':
        attribute ? out_ += "&#10;" : out_ += '\n';
        break;
      case '\r':
        out_ += "&#13;";
        break;
      case '\t':
        attribute ? out_ += "&#9;" : out_ += '\t';
        break;
      default:
        if (cp >= 0x20) out_ += static_cast<char>(cp);
        break;  // other C0 controls cannot appear in XML 1.0
    }
  }
}

}  // namespace taskvane::ooxml

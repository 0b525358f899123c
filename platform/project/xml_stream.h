#pragma once

// Reading an XML document as a stream of elements, without building its tree, so that
// reading a schedule takes memory for what is kept of it, not for the whole document.

#include <cstddef>
#include <string_view>

namespace taskvane::project {

// The attributes of a start tag as the parser gives them (name, value, name, value, ...),
// with the tag's own name.
class XmlAttributes {
 public:
  XmlAttributes(std::string_view tag_name, const char* const* pairs)
      : tag_name_(tag_name), pairs_(pairs) {}
  // The value of the attribute of this name, prefix included ("xmlns:p"); "" when absent.
  std::string_view Find(std::string_view name) const;
  // The namespace this tag binds to its own prefix ("xmlns" or "xmlns:p"); "" when it
  // binds none.
  std::string_view OwnNamespace() const;

 private:
  std::string_view tag_name_;
  const char* const* pairs_;
};

// Receives the elements of a document in document order, with their names (without the
// namespace prefix) and texts in UTF-8. A visitor may throw: reading stops and ReadXml
// passes the exception on.
class XmlVisitor {
 public:
  virtual ~XmlVisitor() = default;
  // An element starts at `depth` (the root element is at 1), its tag `offset` bytes into
  // the document. Returns whether its text is wanted.
  virtual bool StartElement(std::string_view name, int depth, std::size_t offset,
                            const XmlAttributes& attributes) = 0;
  // The element ends. `text` is its first stretch of text that is not all blanks (space,
  // tab, line end), a CDATA section counting as a stretch of its own, or "" when it has
  // none or its text was not wanted. Other markup (child elements, comments, processing
  // instructions) ends a stretch. Valid during the call only.
  virtual void EndElement(std::string_view name, int depth, std::string_view text) = 0;
};

enum class XmlStatus {
  kOk,
  kNotXml,             // no root element: empty of elements, plain text, binary data
  kMalformed,          // not well-formed after the root element started
  kEntityDeclaration,  // the document declares entities of its own
  kTooDemanding,       // the parser needed more than its memory limit (nesting, names, tokens)
  kOutOfMemory,        // the system refused memory below the limit
};

struct XmlResult {
  XmlStatus status = XmlStatus::kOk;
  std::size_t offset = 0;  // where a malformed document goes wrong, in bytes
};

// Reads the document of `size` bytes (UTF-8 or UTF-16, with or without a byte-order mark)
// and reports its elements to `visitor`. The parser's own memory (open elements, the
// distinct names it has met, the token being read) is held within `parser_memory_limit`
// bytes. External entities are never read.
XmlResult ReadXml(const char* data, std::size_t size, XmlVisitor& visitor,
                  std::size_t parser_memory_limit);

}  // namespace taskvane::project

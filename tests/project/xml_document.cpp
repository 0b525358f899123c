#include "tests/project/xml_document.h"

#include <climits>
#include <fstream>
#include <sstream>

#include "platform/project/xml_stream.h"

namespace taskvane::project::testing {
namespace {

// Keeps every element, the document's root being the fragment's.
class DocumentFeeder : public XmlVisitor {
 public:
  explicit DocumentFeeder(XmlFragment& fragment) : fragment_(fragment) {}
  bool StartElement(std::string_view name, int depth, std::size_t, const XmlAttributes&) override {
    return fragment_.Start(name, depth - 1);
  }
  void EndElement(std::string_view, int depth, std::string_view text) override {
    fragment_.End(depth - 1, text);
  }

 private:
  XmlFragment& fragment_;
};

}  // namespace

bool ReadIntoFragment(std::string_view bytes, XmlFragment& fragment) {
  DocumentFeeder feeder(fragment);
  return ReadXml(bytes.data(), bytes.size(), feeder, std::size_t{64} << 20).status ==
         XmlStatus::kOk;
}

XmlFragment ReadXmlDocument(std::string_view bytes) {
  XmlFragment fragment(INT_MAX);
  return ReadIntoFragment(bytes, fragment) ? fragment : XmlFragment(0);
}

XmlFragment ReadXmlDocumentFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return XmlFragment(0);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return ReadXmlDocument(bytes.str());
}

}  // namespace taskvane::project::testing

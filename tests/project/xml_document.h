#pragma once

// A whole XML document as a small tree, for tests that read parts of a schedule file the
// way the schedule reader does.

#include <string>
#include <string_view>

#include "platform/project/xml_fragment.h"

namespace taskvane::project::testing {

// Reads the document into `fragment` (the document's root is the fragment's, kept down
// to the fragment's levels); whether the bytes are well-formed.
bool ReadIntoFragment(std::string_view bytes, XmlFragment& fragment);

// All the document's elements with their texts; no root when the bytes are not
// well-formed.
XmlFragment ReadXmlDocument(std::string_view bytes);

// The same for the file at `path`; no root when it cannot be read.
XmlFragment ReadXmlDocumentFile(const std::string& path);

}  // namespace taskvane::project::testing

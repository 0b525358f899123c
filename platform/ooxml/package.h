#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/ooxml/package_file.h"
#include "platform/ooxml/part_stream.h"

namespace taskvane::ooxml {

// A zip package of named parts (an .xlsx or .pptx file). Parts are written in the order
// they were added; adding a name again replaces that part's content. A part is either a
// text held whole or a writer that produces it piece by piece into the compressor while
// the package is saved; a writer may run more than once (Parts, Bytes and Save each run
// it) and must write the same text each time.
//
// Save writes deflated entries with a fixed timestamp, so the same parts give the same
// bytes, into a file in the target folder that takes the target's name only if the name
// is still free (see PackageFile). It never replaces a file and never leaves a partial
// or temporary file behind. On failure it throws AutomationError(error_number, Korean
// description naming the path and the reason).
class Package {
 public:
  using Writer = std::function<void(PartStream&)>;

  void Add(std::string name, std::string content);
  void AddStreamed(std::string name, Writer write);

  void Save(const std::string& path, long error_number,
            TemporaryKind temporary = TemporaryKind::Unnamed) const;

  // The zip file's bytes, as Save writes them.
  std::string Bytes(long error_number) const;

  // Every part's name and whole content, in order.
  std::vector<std::pair<std::string, std::string>> Parts() const;

 private:
  struct Part {
    std::string name;
    std::string content;
    Writer write;  // set for a streamed part
  };
  Part& Slot(std::string name);
  void WriteZip(ZipOutput& out, long error_number) const;

  std::vector<Part> parts_;
};

}  // namespace taskvane::ooxml

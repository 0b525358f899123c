#pragma once

#include <string>
#include <utility>
#include <vector>

namespace taskvane::ooxml {

// A zip package of named parts (an .xlsx or .pptx file). Parts are written in the order
// they were added; adding a name again replaces that part's content.
//
// Save writes deflated entries with a fixed timestamp, so the same parts give the same
// bytes, to a temporary file in the target folder and links it into place only if the
// name is still free. It never replaces a file and never leaves a partial or temporary
// file behind. On failure it throws AutomationError(error_number, Korean description
// naming the path and the reason).
class Package {
 public:
  void Add(std::string name, std::string content);
  void Save(const std::string& path, long error_number) const;

  // The zip file's bytes, as Save writes them.
  std::string Bytes(long error_number) const;

  const std::vector<std::pair<std::string, std::string>>& Parts() const { return parts_; }

 private:
  std::vector<std::pair<std::string, std::string>> parts_;
};

}  // namespace taskvane::ooxml

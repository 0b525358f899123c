#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/ooxml/part_stream.h"

namespace taskvane::excel {

class SheetModel;

// The texts of a sheet's cells, each once, in the order the sheet's rows first show them:
// xl/sharedStrings.xml, and the index a text cell refers to.
class SharedStrings {
 public:
  static SharedStrings Of(const SheetModel& model);

  bool empty() const { return texts_.empty(); }
  // The index of a text of the sheet.
  long IndexOf(const std::string& text) const { return index_.at(text); }
  void Write(ooxml::PartStream& out) const;

 private:
  std::unordered_map<std::string, long> index_;
  std::vector<const std::string*> texts_;
  long long count_ = 0;  // text cells
};

}  // namespace taskvane::excel

#pragma once

#include <array>
#include <string>
#include <vector>

namespace taskvane {

// The four swatch tags ("cell,value") split at the comma before the task rows are written.
// Only the value is used; it is converted when a bar needs it, so a malformed tag fails
// the conversion at the first bar that uses its slot: a missing value with "subscript out
// of range" (9), a value that is no number with "type mismatch" (13), a pattern outside
// the 16-bit range with "overflow" (6).
class GanttSwatches {
 public:
  explicit GanttSwatches(const std::array<std::string, 4>& tags);

  int CellPattern() const;             // slot 1: Interior.Pattern of bar cells
  long CellColorIndex() const;         // slot 2: Interior.ColorIndex of bar cells
  long CompleteSchemeColor() const;    // slot 3: rectangle of a task at 100 %
  long InProgressSchemeColor() const;  // slot 4: rectangle of a task above 0 and below 100 %

 private:
  const std::string& Value(int slot) const;
  std::array<std::vector<std::string>, 4> fields_;
};

// A text taken as a whole number the way the language runtime converts it (surrounding
// spaces allowed, decimals rounded half to even); 13 when it is no number, 6 outside
// [min, max].
long WholeNumberOfText(const std::string& text, long min, long max);

}  // namespace taskvane

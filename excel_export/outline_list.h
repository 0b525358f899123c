#pragma once

#include <string>

namespace taskvane {

class MainWindowControls;

// Writes the whole schedule as a list, one task per row: "Indent" puts every name in column
// 1 indented by its outline level; "Column" puts each name in the column of its level. The
// chosen field columns (lvwListingFields) follow the name columns. Saves under `path` and
// reports its own failures.
void ExportOutlineList(MainWindowControls& frmMain, std::string form, const std::string& path);

}  // namespace taskvane

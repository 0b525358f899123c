#pragma once

// The binary schedules under a folder and their XML twins: "X-project2010-mpp9.mpp",
// "-mpp12.mpp" and "-mpp14.mpp" match "X-project2010-mspdi.xml" beside them, saved by the
// same Project version from the same schedule. Header-only: the tests and the benchmarks
// share it.

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace taskvane::project::testing {

// Every .mpp file under `folder`, ordered by path; none when the folder is absent.
inline std::vector<std::filesystem::path> MppFilesUnder(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  if (!std::filesystem::is_directory(folder)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().extension() == ".mpp") {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The XML twin of a binary sample, or an empty path when it has none.
inline std::filesystem::path XmlTwinOf(const std::filesystem::path& mpp) {
  const std::string name = mpp.filename().string();
  for (std::string_view suffix : {"-mpp9.mpp", "-mpp12.mpp", "-mpp14.mpp"}) {
    if (!name.ends_with(suffix)) continue;
    const std::filesystem::path twin =
        mpp.parent_path() / (name.substr(0, name.size() - suffix.size()) + "-mspdi.xml");
    if (std::filesystem::is_regular_file(twin)) return twin;
  }
  return {};
}

}  // namespace taskvane::project::testing

#pragma once

// Files for the schedule tests: temporary files with given bytes, the sample schedules
// saved by Microsoft Project, and small schedules written as Project XML.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "tests/support/sample_schedules.h"

namespace taskvane::project::testing {

// A file in a fresh temporary folder holding `bytes`; both removed on destruction.
class TempFile {
 public:
  TempFile(std::string_view name, std::string_view bytes);
  ~TempFile();
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  const std::string& path() const { return path_; }
  const std::filesystem::path& folder() const { return folder_; }

 private:
  std::filesystem::path folder_;
  std::string path_;
};

// The bytes of a file ("" when it cannot be read).
std::string ReadFile(const std::string& path);

// Path of a schedule under tests/data.
std::string TestDataPath(std::string_view name);

// A Project XML document with the given project-level elements and task elements (the
// project summary task with ID 0 is written first).
std::string ProjectXml(std::string_view tasks, std::string_view project_elements = "");

// A task element with the given ID, name, level and further child elements.
std::string TaskXml(int id, std::string_view name, int outline_level, std::string_view more = "");

}  // namespace taskvane::project::testing

#pragma once

// The schedules saved by Microsoft Project that some tests read, from the samples folder
// beside the repository (TASKVANE_SAMPLES_DIR, by default ../shared/samples). A fresh clone
// may have no such folder: a test that needs a sample then skips and names what is missing.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace taskvane::testing {

// Path of a sample schedule; empty when it is not on this machine.
inline std::string SamplePath(std::string_view name) {
  const std::filesystem::path path = std::filesystem::path(TASKVANE_SAMPLES_DIR) / name;
  std::error_code error;
  return std::filesystem::is_regular_file(path, error) ? path.string() : std::string();
}

}  // namespace taskvane::testing

// Skips the test when the sample schedule is not on this machine.
#define TV_REQUIRE_SAMPLE(path_variable, name)                             \
  const std::string path_variable = ::taskvane::testing::SamplePath(name); \
  if (path_variable.empty())                                               \
  GTEST_SKIP() << "sample schedule not available: " << TASKVANE_SAMPLES_DIR "/" << (name)

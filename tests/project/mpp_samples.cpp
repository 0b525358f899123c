#include "tests/project/mpp_samples.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/project/mspdi_loader.h"

namespace taskvane::project::testing {
namespace {

std::filesystem::path MppFolder() {
  return std::filesystem::path(TASKVANE_SAMPLES_DIR) / "mpp";
}

// "family-project2010-mpp14.mpp" -> "family-project2010-mspdi.xml"; empty for other names.
std::string TwinName(const std::string& name) {
  const std::size_t dash = name.rfind("-mpp");
  if (dash == std::string::npos || !name.ends_with(".mpp")) return "";
  return name.substr(0, dash) + "-mspdi.xml";
}

}  // namespace

std::vector<MppSample> MppSamplesWithTwins() {
  std::vector<MppSample> samples;
  std::error_code error;
  if (!std::filesystem::is_directory(MppFolder(), error)) return samples;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(MppFolder(), error)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    const std::string twin = TwinName(name);
    if (twin.empty()) continue;
    const std::filesystem::path twin_path = entry.path().parent_path() / twin;
    if (!std::filesystem::is_regular_file(twin_path)) continue;
    samples.push_back({entry.path().string(), twin_path.string(), name});
  }
  std::sort(samples.begin(), samples.end(),
            [](const MppSample& a, const MppSample& b) { return a.path < b.path; });
  return samples;
}

std::string MppSamplePath(std::string_view relative) {
  const std::filesystem::path path = MppFolder() / relative;
  return std::filesystem::is_regular_file(path) ? path.string() : std::string();
}

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                   std::istreambuf_iterator<char>());
}

ProjectData LoadXmlFile(const std::string& path) {
  std::vector<std::uint8_t> bytes = ReadFileBytes(path);
  return LoadMspdi(reinterpret_cast<char*>(bytes.data()), bytes.size(), path);
}

}  // namespace taskvane::project::testing

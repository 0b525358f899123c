#include "tests/project/mpp_samples.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/project/mspdi_loader.h"
#include "tests/project/mpp_twins.h"

namespace taskvane::project::testing {
namespace {

std::filesystem::path MppFolder() {
  return std::filesystem::path(TASKVANE_SAMPLES_DIR) / "mpp";
}

}  // namespace

std::vector<MppSample> MppSamplesWithTwins() {
  std::vector<MppSample> samples;
  for (const std::filesystem::path& file : MppFilesUnder(MppFolder())) {
    const std::filesystem::path twin = XmlTwinOf(file);
    if (!twin.empty()) samples.push_back({file.string(), twin.string(), file.filename().string()});
  }
  return samples;
}

std::vector<std::string> MppSampleNames() {
  std::vector<std::string> names;
  for (const std::filesystem::path& file : MppFilesUnder(MppFolder())) {
    names.push_back(std::filesystem::relative(file, MppFolder()).string());
  }
  return names;
}

bool ForEachSampleWithTwin(
    const std::function<void(const mpp::MppFile& file, const ProjectData& twin)>& check) {
  const std::vector<MppSample> samples = MppSamplesWithTwins();
  for (const MppSample& sample : samples) {
    SCOPED_TRACE(sample.name);
    const std::vector<std::uint8_t> bytes = ReadFileBytes(sample.path);
    check(mpp::MppFile::Open(bytes), LoadXmlFile(sample.twin_path));
  }
  return !samples.empty();
}

std::string SampleTestName(std::string_view name) {
  std::string test_name(name);
  for (char& c : test_name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return test_name;
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

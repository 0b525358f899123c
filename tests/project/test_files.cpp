#include "tests/project/test_files.h"

#include <fstream>
#include <sstream>

namespace taskvane::project::testing {

TempFile::TempFile(std::string_view name, std::string_view bytes) {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "taskvane-project-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  folder_ = pattern;
  path_ = (folder_ / std::string(name)).string();
  std::ofstream out(path_, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TempFile::~TempFile() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string TestDataPath(std::string_view name) {
  return (std::filesystem::path(TASKVANE_TEST_DATA_DIR) / name).string();
}

std::string ProjectXml(std::string_view tasks, std::string_view project_elements) {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<Project xmlns=\"http://schemas.microsoft.com/project\">\n";
  xml += project_elements;
  xml +=
      "<Tasks>\n<Task><UID>0</UID><ID>0</ID><Name>Project</Name><OutlineLevel>0</OutlineLevel>"
      "<Summary>1</Summary><PercentComplete>0</PercentComplete></Task>\n";
  xml += tasks;
  xml += "</Tasks>\n</Project>\n";
  return xml;
}

std::string TaskXml(int id, std::string_view name, int outline_level, std::string_view more) {
  std::string xml = "<Task><UID>" + std::to_string(id) + "</UID><ID>" + std::to_string(id) +
                    "</ID><Name>" + std::string(name) + "</Name><OutlineLevel>" +
                    std::to_string(outline_level) + "</OutlineLevel>";
  xml += more;
  xml += "</Task>\n";
  return xml;
}

}  // namespace taskvane::project::testing

#include "platform/forms/services.h"

#include <filesystem>
#include <system_error>

namespace taskvane::forms {

bool LocalFileExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_regular_file(path, error);
}

bool LocalFolderExists(const std::string& path) {
  std::error_code error;
  return !path.empty() && std::filesystem::is_directory(path, error);
}

}  // namespace taskvane::forms

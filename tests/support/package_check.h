#pragma once

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace taskvane::testing {

// What check_package.py (Python's own zip and XML readers, and openpyxl for workbooks)
// finds in a saved .xlsx or .pptx: its "key=value" facts and the problems it reports.
struct PackageFacts {
  std::map<std::string, std::string> facts;
  std::vector<std::string> problems;
  int status = -1;
  std::string output;

  std::string operator[](const std::string& key) const {
    auto it = facts.find(key);
    return it == facts.end() ? "<none>" : it->second;
  }
};

inline PackageFacts CheckPackage(const std::string& path) {
  PackageFacts result;
  const std::string command = std::string("/usr/bin/python3 ") + TASKVANE_SOURCE_DIR +
                              "/tests/support/check_package.py '" + path + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  std::size_t got;
  while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, got);
  result.status = pclose(pipe);
  std::size_t start = 0;
  while (start < result.output.size()) {
    std::size_t end = result.output.find('\n', start);
    if (end == std::string::npos) end = result.output.size();
    const std::string line = result.output.substr(start, end - start);
    start = end + 1;
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (line.compare(0, eq, "problem") == 0) {
      result.problems.push_back(line.substr(eq + 1));
    } else {
      result.facts[line.substr(0, eq)] = line.substr(eq + 1);
    }
  }
  return result;
}

}  // namespace taskvane::testing

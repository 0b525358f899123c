#pragma once

#include <gtest/gtest.h>

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

// What every saved package shows: Python reads it without a problem, the package
// relationships name `main_part` and both property parts, these have their content types,
// and the application is Taskvane.
inline void ExpectDocumentPropertyParts(const PackageFacts& facts, const std::string& main_part) {
  ASSERT_EQ(facts.status, 0) << facts.output;
  EXPECT_TRUE(facts.problems.empty()) << facts.output;
  EXPECT_EQ(facts["rel.officeDocument"], main_part);
  EXPECT_EQ(facts["rel.core-properties"], "docProps/core.xml");
  EXPECT_EQ(facts["rel.extended-properties"], "docProps/app.xml");
  EXPECT_EQ(facts["type.docProps/core.xml"],
            "application/vnd.openxmlformats-package.core-properties+xml");
  EXPECT_EQ(facts["type.docProps/app.xml"],
            "application/vnd.openxmlformats-officedocument.extended-properties+xml");
  EXPECT_EQ(facts["app.Application"], "Taskvane");
}

}  // namespace taskvane::testing

// Opening binary schedules against their XML twins: for every sample .mpp with a twin,
// OpenProjectFile on each of the two in turn, many times, in one run; the medians and
// their ratio per file. A binary file must not open slower than its twin. The process
// starts as the programs do, with its local time zone settled.
//
//   mpp_open_bench [--samples FOLDER] [--repeat N]
//   FOLDER defaults to ../shared/samples/mpp beside the source tree; N to 41.
// Exit status 1 when a binary file is refused or opens slower than its twin.

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "platform/project/project.h"
#include "platform/runtime/automation_error.h"
#include "platform/runtime/local_time_zone.h"
#include "tests/project/mpp_twins.h"

namespace {

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

double SecondsToOpen(const std::string& path) {
  const auto started = Clock::now();
  const auto project = taskvane::project::OpenProjectFile(path);
  const auto done = Clock::now();
  if (project->Tasks().Count() < 0) std::abort();  // keeps the document in use
  return std::chrono::duration<double>(done - started).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  // As the programs start: the local time zone settled once.
  taskvane::SettleLocalTimeZone();
  fs::path folder = fs::path(TASKVANE_SOURCE_DIR) / ".." / "shared" / "samples" / "mpp";
  int repeat = 41;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--samples" && i + 1 < argc) {
      folder = argv[++i];
    } else if (arg == "--repeat" && i + 1 < argc) {
      repeat = std::max(1, std::atoi(argv[++i]));
    } else {
      std::cerr << "usage: mpp_open_bench [--samples FOLDER] [--repeat N]\n";
      return 2;
    }
  }
  int pairs = 0, slower = 0, refused = 0;
  double log_ratio_sum = 0, worst = 0;
  std::printf("%-58s %10s %10s %7s\n", "binary sample", "mpp ms", "xml ms", "ratio");
  for (const fs::path& mpp : taskvane::project::testing::MppFilesUnder(folder)) {
    const fs::path twin = taskvane::project::testing::XmlTwinOf(mpp);
    if (twin.empty()) continue;
    const std::string name = fs::relative(mpp, folder).string();
    std::vector<double> binary, xml;
    try {
      // Alternating the two spreads the machine's noise over both alike.
      for (int k = 0; k < repeat; ++k) {
        binary.push_back(SecondsToOpen(mpp.string()));
        xml.push_back(SecondsToOpen(twin.string()));
      }
    } catch (const taskvane::AutomationError& error) {
      std::printf("%-58s refused: %s\n", name.c_str(), error.Description.c_str());
      ++refused;
      continue;
    }
    const double ratio = Median(binary) / Median(xml);
    std::printf("%-58s %10.3f %10.3f %7.3f%s\n", name.c_str(), Median(binary) * 1e3,
                Median(xml) * 1e3, ratio, ratio > 1 ? "  SLOWER" : "");
    ++pairs;
    slower += ratio > 1;
    log_ratio_sum += std::log(ratio);
    worst = std::max(worst, ratio);
  }
  if (pairs == 0 && refused == 0) {
    std::cerr << "no binary sample with an XML twin under " << folder << "\n";
    return 2;
  }
  std::printf(
      "\n%d pairs, %d refused; ratio .mpp / .xml: geometric mean %.3f, worst %.3f; "
      "%d slower than the twin\n",
      pairs, refused, pairs ? std::exp(log_ratio_sum / pairs) : 0.0, worst, slower);
  return slower == 0 && refused == 0 ? 0 : 1;
}

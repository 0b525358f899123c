// Opening and converting a schedule Project saved, grown to 100,000 tasks (every element
// Project writes per task): grows the sample with the growing script into a temporary
// folder, or takes a schedule given, then runs as processes of their own
//   - the opening: `project_open_bench --open` (open, read every task's members),
//   - the week Gantt: `gantt_bench --convert ... week` (open, write, save),
// several times each, and reports the medians of their time and peak memory and what
// each ended with. With --compare, the same programs of another build run in turn with
// these, so that the machine's noise falls on both alike.
//
//   project_scale_bench [--schedule FILE | --tasks N --script PY --sample XML]
//                       [--compare BENCH_DIR] [--runs N]

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "bench/process_runs.h"

namespace {

namespace fs = std::filesystem;
using taskvane::bench::Median;
using taskvane::bench::ProcessRun;
using taskvane::bench::RunProcess;

// The line of the output that starts with `prefix`, or its first line.
std::string LineOf(const std::string& output, const std::string& prefix) {
  size_t at = output.find(prefix);
  if (at == std::string::npos) at = 0;
  return output.substr(at, output.find('\n', at) - at);
}

// One program of one build, run several times: the runs and what the last one said.
struct Step {
  std::string label;
  std::vector<std::string> command;
  std::string success;  // the start of the line that tells the result when it went well
  std::vector<ProcessRun> runs;
  std::string result;
};

}  // namespace

int main(int argc, char** argv) {
  const fs::path own_dir = fs::canonical("/proc/self/exe").parent_path();
  const fs::path shared = fs::path(TASKVANE_SOURCE_DIR) / ".." / "shared";
  std::string schedule;
  std::string script = (shared / "tools" / "scale_schedule.py").string();
  std::string sample = (shared / "samples" / "task-baselines-project2016-mspdi.xml").string();
  int tasks = 100000;
  int runs = 3;
  std::vector<std::pair<std::string, fs::path>> builds{{"this build", own_dir}};
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--schedule" && i + 1 < argc) {
      schedule = argv[++i];
    } else if (arg == "--tasks" && i + 1 < argc) {
      tasks = std::atoi(argv[++i]);
    } else if (arg == "--script" && i + 1 < argc) {
      script = argv[++i];
    } else if (arg == "--sample" && i + 1 < argc) {
      sample = argv[++i];
    } else if (arg == "--compare" && i + 1 < argc) {
      builds.emplace_back("compared", argv[++i]);
    } else if (arg == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else {
      std::cerr << "usage: project_scale_bench [--schedule FILE | --tasks N --script PY --sample "
                   "XML] [--compare BENCH_DIR] [--runs N]\n";
      return 2;
    }
  }

  const fs::path folder = taskvane::bench::ScratchFolder("", "taskvane-scale-bench");
  if (schedule.empty()) {
    schedule = (folder / ("grown-" + std::to_string(tasks) + ".xml")).string();
    std::string said;
    if (!RunProcess({"/usr/bin/python3", script, sample, schedule, std::to_string(tasks)}, &said)
             .ok) {
      std::cerr << "could not grow the schedule: " << said << "\n";
      return 1;
    }
  }
  const std::string workbook = (folder / "week.xlsx").string();
  std::vector<Step> steps;
  for (const auto& [label, dir] : builds) {
    steps.push_back({"open        " + label,
                     {(dir / "project_open_bench").string(), "--open", schedule},
                     "tasks: ",
                     {},
                     {}});
    steps.push_back({"week Gantt  " + label,
                     {(dir / "gantt_bench").string(), "--convert", schedule, workbook, "week"},
                     "",
                     {},
                     {}});
  }
  for (int r = 0; r < runs; ++r) {
    for (Step& step : steps) {
      fs::remove(workbook);
      std::string said;
      step.runs.push_back(RunProcess(step.command, &said));
      // project_open_bench also fails a run outside its own target; what it printed says
      // whether it opened.
      const bool opened =
          step.success.empty() ? step.runs.back().ok : said.find(step.success) != std::string::npos;
      step.result = opened ? (step.success.empty() ? "saved" : LineOf(said, step.success))
                           : LineOf(said, step.success.empty() ? "message: " : "AutomationError");
    }
  }

  std::printf("schedule: %s (%.1f MB), medians of %d runs\n", schedule.c_str(),
              fs::file_size(schedule) / 1e6, runs);
  for (const Step& step : steps) {
    const ProcessRun median = Median(step.runs);
    std::printf("%-23s %7.2f s %7.0f MB  %s\n", step.label.c_str(), median.seconds, median.peak_mb,
                step.result.c_str());
  }
  const ProcessRun week = Median(steps[1].runs);
  const bool within = week.ok && week.peak_mb < 1024;
  fs::remove_all(folder);
  std::printf("%s the target: the week Gantt of this build converts in under 1 GB\n",
              within ? "within" : "OUTSIDE");
  return within ? 0 : 1;
}

// Opening and converting a schedule Project saved, grown to 100,000 tasks (every element
// Project writes per task): grows the sample with the growing script into a temporary
// folder, or takes a schedule given, then runs in child processes of their own
//   - the opening: `project_open_bench --open` (open, read every task's members),
//   - the week Gantt: `gantt_bench --convert ... week` (open, write, save),
// and reports the time and the peak memory of each. With --compare, the same steps of
// another build's benchmark programs run in turn with these, in the same run.
//
//   project_scale_bench [--schedule FILE | --tasks N --script PY --sample XML]
//                       [--compare BENCH_DIR] [--runs N]

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "bench/bench_support.h"

namespace {

namespace fs = std::filesystem;

struct ChildRun {
  double seconds = 0;
  double peak_mb = 0;
  bool exited_zero = false;
  std::string output;  // standard output and error together
};

// Runs the program with these arguments and waits for it.
ChildRun Run(const std::vector<std::string>& command) {
  ChildRun run;
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return run;
  std::vector<char*> argv;
  for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  std::fflush(stdout);
  const auto started = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    close(pipe_fds[0]);
    dup2(pipe_fds[1], STDOUT_FILENO);
    dup2(pipe_fds[1], STDERR_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(pipe_fds[1]);
  char buffer[4096];
  ssize_t got;
  while ((got = read(pipe_fds[0], buffer, sizeof buffer)) > 0) run.output.append(buffer, got);
  close(pipe_fds[0]);
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  run.peak_mb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // KiB on Linux
  run.exited_zero = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

// The line of the output that starts with `prefix`, or its first line.
std::string LineOf(const std::string& output, const std::string& prefix) {
  size_t at = output.find(prefix);
  if (at == std::string::npos) at = 0;
  return output.substr(at, output.find('\n', at) - at);
}

struct Build {
  std::string label;
  fs::path bench_dir;
};

}  // namespace

int main(int argc, char** argv) {
  const fs::path own_dir = fs::canonical("/proc/self/exe").parent_path();
  const fs::path shared = fs::path(TASKVANE_SOURCE_DIR) / ".." / "shared";
  std::string schedule;
  std::string script = (shared / "tools" / "scale_schedule.py").string();
  std::string sample = (shared / "samples" / "task-baselines-project2016-mspdi.xml").string();
  int tasks = 100000;
  int runs = 1;
  std::vector<Build> builds{{"this build", own_dir}};
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
      builds.push_back({"compared", argv[++i]});
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
    const ChildRun grown = Run({"/usr/bin/python3", script, sample, schedule, std::to_string(tasks)});
    if (!grown.exited_zero) {
      std::cerr << "could not grow the schedule: " << grown.output << "\n";
      return 1;
    }
  }
  std::printf("schedule: %s (%.1f MB)\n", schedule.c_str(), fs::file_size(schedule) / 1e6);
  std::printf("%-11s %-11s %9s %10s  %s\n", "step", "build", "time", "peak", "result");

  bool within = true;
  for (int r = 0; r < runs; ++r) {
    for (const Build& build : builds) {
      const ChildRun open =
          Run({(build.bench_dir / "project_open_bench").string(), "--open", schedule});
      const bool opened = open.output.find("tasks: ") != std::string::npos;
      std::printf("%-11s %-11s %7.2f s %7.0f MB  %s\n", "open", build.label.c_str(),
                  open.seconds, open.peak_mb,
                  LineOf(open.output, opened ? "tasks: " : "AutomationError").c_str());

      const std::string workbook = (folder / "week.xlsx").string();
      fs::remove(workbook);
      const ChildRun week = Run(
          {(build.bench_dir / "gantt_bench").string(), "--convert", schedule, workbook, "week"});
      std::printf("%-11s %-11s %7.2f s %7.0f MB  %s\n", "week Gantt", build.label.c_str(),
                  week.seconds, week.peak_mb,
                  week.exited_zero ? "saved" : LineOf(week.output, "message: ").c_str());
      if (&build == &builds.front()) within = within && week.exited_zero && week.peak_mb < 1024;
    }
  }
  fs::remove_all(folder);
  std::printf("%s the target: the week Gantt of this build converts in under 1 GB\n",
              within ? "within" : "OUTSIDE");
  return within ? 0 : 1;
}

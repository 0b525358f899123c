#pragma once

// Programs measured from outside, as child processes: the time from start to exit, the
// processor time and the peak memory of each run, and the medians of repeated runs.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace taskvane::bench {

struct ProcessRun {
  double seconds = 0;      // from start to exit
  double cpu_seconds = 0;  // user and system
  double peak_mb = 0;
  bool ok = false;  // exited with status 0
};

// Runs argv[0] with the arguments argv[1..]. Its output is discarded, or gathered into
// `output` (standard output and error together) when one is given.
inline ProcessRun RunProcess(const std::vector<std::string>& argv, std::string* output = nullptr) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  int pipe_fds[2] = {-1, -1};
  if (output != nullptr && pipe(pipe_fds) != 0) return {};
  std::fflush(nullptr);  // the child must not repeat what this process has printed
  const auto started = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    if (output != nullptr) {
      close(pipe_fds[0]);
      dup2(pipe_fds[1], STDOUT_FILENO);
      dup2(pipe_fds[1], STDERR_FILENO);
    } else if (freopen("/dev/null", "w", stdout) == nullptr) {
      _exit(127);
    }
    execv(args[0], args.data());
    _exit(127);
  }
  if (output != nullptr) {
    close(pipe_fds[1]);
    char buffer[4096];
    ssize_t got;
    while (child > 0 && (got = read(pipe_fds[0], buffer, sizeof buffer)) > 0) {
      output->append(buffer, static_cast<size_t>(got));
    }
    close(pipe_fds[0]);
  }
  ProcessRun run;
  if (child < 0) return run;
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) return run;
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
  run.cpu_seconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  run.peak_mb = static_cast<double>(usage.ru_maxrss) / 1024.0;  // KiB on Linux
  run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

// The medians of each measure over several runs; ok only when every run was.
inline ProcessRun Median(const std::vector<ProcessRun>& runs) {
  auto median = [&](double ProcessRun::*measure) {
    std::vector<double> values;
    for (const ProcessRun& run : runs) values.push_back(run.*measure);
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
  };
  ProcessRun result{median(&ProcessRun::seconds), median(&ProcessRun::cpu_seconds),
                    median(&ProcessRun::peak_mb), !runs.empty()};
  for (const ProcessRun& run : runs) result.ok = result.ok && run.ok;
  return result;
}

}  // namespace taskvane::bench

#pragma once

// What the benchmarks of whole conversions share: the services of a window nobody looks
// at, and a conversion run in a child process of its own, so that the peak memory it
// reports is its own.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "platform/forms/services.h"
#include "platform/runtime/date.h"

namespace taskvane::bench {

// Message boxes are printed, as they mean the conversion did not go through as measured.
class BenchServices : public forms::Services {
 public:
  int MsgBox(const std::string& text, int, const std::string&) override {
    std::cerr << "message: " << text << "\n";
    ++messages;
    return forms::vbOK;
  }
  std::optional<std::string> ShowOpenDialog(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ShowSaveDialog(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::string GetSetting(const std::string&, const std::string&, const std::string&,
                         const std::string& default_value) override {
    return default_value;
  }
  void SaveSettings(const std::string&, const std::string&,
                    const std::vector<forms::Setting>&) override {}
  void ShellOpen(const std::string&) override {}
  bool FileExists(const std::string& path) override { return std::filesystem::exists(path); }
  bool FolderExists(const std::string& path) override {
    return std::filesystem::is_directory(path);
  }
  DaySerial Today() override { return DateSerial(2025, 6, 30); }
  void ShowModal(forms::Form&) override {}
  void EndProgram() override {}

  int messages = 0;
};

// The report of one conversion: its time, the peak memory of its process, and whether it
// saved its file without a message.
struct Outcome {
  double seconds = 0;
  double peak_mb = 0;
  bool ok = false;
};

// The line a conversion prints for RunInChild; returns the exit status it ends with.
inline int PrintOutcome(double seconds, bool saved) {
  std::printf("%.3f %.1f %d\n", seconds, PeakRssMegabytes(), saved ? 1 : 0);
  return saved ? 0 : 1;
}

// Runs `convert` (which ends with PrintOutcome) in a child process and reads its report.
inline Outcome RunInChild(const std::function<int()>& convert) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return {};
  std::fflush(stdout);  // the child must not repeat what this process has printed
  const pid_t child = fork();
  if (child == 0) {
    close(pipe_fds[0]);
    dup2(pipe_fds[1], STDOUT_FILENO);
    const int result = convert();
    std::fflush(stdout);
    _exit(result);
  }
  close(pipe_fds[1]);
  std::string text;
  char buffer[256];
  ssize_t got;
  while ((got = read(pipe_fds[0], buffer, sizeof buffer)) > 0) text.append(buffer, got);
  close(pipe_fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  Outcome outcome;
  int saved = 0;
  if (std::sscanf(text.c_str(), "%lf %lf %d", &outcome.seconds, &outcome.peak_mb, &saved) == 3) {
    outcome.ok = saved == 1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  return outcome;
}

}  // namespace taskvane::bench

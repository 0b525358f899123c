// The weekly report end to end: writes Project XML schedules of 10,000 and 100,000 tasks
// whose tasks nearly all fall into both report periods, converts each (open, both slides,
// save) and reports the time taken and the peak memory of each conversion, and how the
// time grows from the smaller to the larger. Each conversion runs in a child process of
// its own so that the peak memory is its own.
//
//   weekly_report_bench                    both sizes, report and check the target
//   weekly_report_bench --tasks N [--tasks M]   other sizes (the ratio is last to first)
//   weekly_report_bench --keep FOLDER      write into FOLDER and keep the files
//   weekly_report_bench --convert SCHEDULE OUTPUT
//                                          one conversion in this process; prints
//                                          seconds, peak MB, saved

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "bench/bench_conversion.h"
#include "bench/bench_support.h"
#include "console/main_window_controls.h"
#include "platform/runtime/date.h"
#include "ppt_report/export_weekly_report.h"

namespace {

using taskvane::DateSerial;
using taskvane::DaySerial;
using taskvane::bench::BenchServices;
using taskvane::bench::Element;
using taskvane::bench::Iso;
using taskvane::bench::Outcome;
using taskvane::bench::PrintOutcome;
using taskvane::bench::RunInChild;
using taskvane::bench::ScratchFolder;
using taskvane::bench::TaskCore;
using taskvane::bench::Workday;

// The last period is the week of Monday 2024-03-04, the next one the week after.
constexpr const char* kPeriods[] = {"2024-03-04", "2024-03-10", "2024-03-11", "2024-03-17"};

// The growth allowed from 10,000 to 100,000 tasks: about linear, with room for the noise of
// a shared machine.
constexpr double kMaxGrowth = 12;

void WriteTask(std::ostream& out, int id, int level, bool summary) {
  // Starts Monday to Friday of the first week, runs five to fourteen working days, so it
  // overlaps both periods and a planned rate is computed from the working days.
  const DaySerial start = DateSerial(2024, 3, 4) + id % 5;
  const int working_days = 5 + id % 10;
  DaySerial finish = start;
  for (int left = working_days - 1; left > 0; --left) finish = Workday(finish + 1);
  const std::string hours = "PT" + std::to_string(working_days * 8) + "H0M0S";
  out << "\t\t<Task>\n";
  TaskCore(out, id, level, summary, start, finish, hours);
  Element(out, "PercentComplete", 10 * (id % 10));
  out << "\t\t</Task>\n";
}

// Blocks of 11 tasks: a level-1 summary over two level-2 summaries of three level-3 tasks
// each, then two level-2 tasks of their own (1 + 2 x 4 + 2 = 11). Both task tables get a
// row for nine tasks of each block, in groups that the merge passes join.
void WriteSchedule(const std::string& path, int task_count) {
  std::ofstream out(path, std::ios::binary);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      << "<Project xmlns=\"http://schemas.microsoft.com/project\">\n"
      << "\t<SaveVersion>14</SaveVersion>\n\t<Name>weekly-report-bench.xml</Name>\n"
      << "\t<StartDate>" << Iso(DateSerial(2024, 3, 4), 8) << "</StartDate>\n"
      << "\t<FinishDate>" << Iso(DateSerial(2024, 3, 29), 17) << "</FinishDate>\n"
      << "\t<MinutesPerDay>480</MinutesPerDay>\n\t<Tasks>\n";
  for (int id = 1; id <= task_count; ++id) {
    const int in_block = (id - 1) % 11;
    if (in_block == 0) {
      WriteTask(out, id, 1, true);
    } else if (in_block <= 8) {
      const bool heads_group = (in_block - 1) % 4 == 0;
      WriteTask(out, id, heads_group ? 2 : 3, heads_group);
    } else {
      WriteTask(out, id, 2, false);
    }
  }
  out << "\t</Tasks>\n</Project>\n";
}

// One report as the window would start it, in this process.
int Convert(const std::string& schedule, const std::string& output) {
  BenchServices services;
  taskvane::MainWindowControls frmMain(services);
  frmMain.txtMPPFilePathPPT.Text = schedule;
  frmMain.txtConvertFilePathPPT.Text = output;
  frmMain.txtTitlePPT.Text = "주간 보고";
  frmMain.txtPJTNamePPT.Text = "성능 측정";
  for (int i = 1; i <= 4; ++i) frmMain.txtDate(i).Text = kPeriods[i - 1];
  if (!frmMain.cmbStartOutline.SelectText("1")) {
    frmMain.cmbStartOutline.AddItem("1");
    frmMain.cmbStartOutline.SelectText("1");
  }
  frmMain.optUseCurrent.Value = true;
  frmMain.OutputFilePath = output;
  const auto started = std::chrono::steady_clock::now();
  taskvane::ExportWeeklyReport(frmMain, output);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return PrintOutcome(seconds, services.messages == 0 && std::filesystem::exists(output));
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes;
  std::string keep;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--tasks" && i + 1 < argc) {
      sizes.push_back(std::atoi(argv[++i]));
    } else if (arg == "--keep" && i + 1 < argc) {
      keep = argv[++i];
    } else if (arg == "--convert" && i + 2 < argc) {
      return Convert(argv[i + 1], argv[i + 2]);
    } else {
      std::cerr << "usage: weekly_report_bench [--tasks N]... [--keep FOLDER] | --convert "
                   "SCHEDULE OUTPUT\n";
      return 2;
    }
  }
  if (sizes.empty()) sizes = {10000, 100000};
  const std::filesystem::path folder = ScratchFolder(keep, "taskvane-weekly-report-bench");
  bool all_ok = true;
  std::vector<double> seconds;
  for (int tasks : sizes) {
    const std::string schedule = (folder / ("schedule-" + std::to_string(tasks) + ".xml")).string();
    WriteSchedule(schedule, tasks);
    const std::string output = (folder / ("report-" + std::to_string(tasks) + ".pptx")).string();
    const Outcome outcome = RunInChild([&] { return Convert(schedule, output); });
    all_ok = all_ok && outcome.ok;
    seconds.push_back(outcome.seconds);
    std::printf("weekly report %7d tasks  %7.3f s  %7.1f MB peak  %s\n", tasks, outcome.seconds,
                outcome.peak_mb, outcome.ok ? "ok" : "FAILED");
  }
  bool within = true;
  if (sizes.size() >= 2 && seconds.front() > 0) {
    const double growth = seconds.back() / seconds.front();
    const double size_ratio = static_cast<double>(sizes.back()) / sizes.front();
    // The target scales with the sizes: 12x for ten times the tasks.
    const double allowed = kMaxGrowth * size_ratio / 10;
    within = growth <= allowed;
    std::printf("time %d / %d tasks: %.2fx (at most %.1fx)  %s\n", sizes.back(), sizes.front(),
                growth, allowed, within ? "ok" : "OUTSIDE the target");
  }
  if (keep.empty()) std::filesystem::remove_all(folder);
  return all_ok && within ? 0 : 1;
}

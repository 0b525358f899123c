// The Gantt sheets end to end: writes Project XML schedules of 1,000 and 10,000 tasks over
// three years (four outline levels, every other task with baselines and progress), then
// converts each with both writers (open, write, save) with five chosen field columns, and
// reports the time taken and the peak memory of each conversion. Each conversion is a
// process of its own, timed from outside and run several times; the medians are reported.
// Programs to compare with run in turn with this build's conversions, so that the machine's
// noise falls on all alike.
//
//   gantt_bench                    all four conversions, report and check the targets
//   gantt_bench --tasks N          one size only
//   gantt_bench --runs N           runs of each conversion (default 5)
//   gantt_bench --peer PEER        also `PEER OUT.xlsx TASKS 166`, a libxlsxwriter program
//                                  writing a sheet of the same shape (TASKS x 166 cells,
//                                  every timeline cell bordered), beside the week sheet
//   gantt_bench --before BENCH     also another build's `BENCH --convert`, beside both sheets
//   gantt_bench --keep FOLDER      write into FOLDER and keep the files
//   gantt_bench --convert SCHEDULE OUTPUT week|day
//                                  one conversion in this process (for a debugger or
//                                  /usr/bin/time -v); prints seconds, peak MB, saved
//
// Targets for 10,000 tasks: the week sheet under 150 MB and at most 0.25 times the peer's
// time, the day sheet under 100 MB and faster than the build before.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/bench_conversion.h"
#include "bench/bench_support.h"
#include "bench/process_runs.h"
#include "console/main_window_controls.h"
#include "excel_export/gantt.h"
#include "platform/forms/services.h"
#include "platform/runtime/date.h"

namespace {

using taskvane::DateSerial;
using taskvane::DaySerial;
using taskvane::bench::BenchServices;
using taskvane::bench::Element;
using taskvane::bench::Iso;
using taskvane::bench::Median;
using taskvane::bench::PrintOutcome;
using taskvane::bench::ProcessRun;
using taskvane::bench::RunProcess;
using taskvane::bench::ScratchFolder;
using taskvane::bench::TaskCore;
using taskvane::bench::Workday;

void WriteTask(std::ostream& out, int id, int level, bool summary, DaySerial start,
               DaySerial finish, bool tracked) {
  const int days = static_cast<int>(finish - start) + 1;
  const std::string hours = "PT" + std::to_string(days * 8) + "H0M0S";
  const int percent = tracked ? (id % 3 == 0 ? 100 : 10 * (id % 10)) : 0;
  out << "\t\t<Task>\n";
  TaskCore(out, id, level, summary, start, finish, hours);
  Element(out, "Cost", days * 40000);
  Element(out, "PercentComplete", percent);
  if (percent > 0) Element(out, "ActualStart", Iso(start, 8));
  if (percent == 100) Element(out, "ActualFinish", Iso(finish, 17));
  out << "\t\t\t<ExtendedAttribute>\n\t\t\t\t<FieldID>188743731</FieldID>\n\t\t\t\t<Value>단계 "
      << id % 7 << "</Value>\n\t\t\t</ExtendedAttribute>\n";
  if (tracked) {
    out << "\t\t\t<Baseline>\n\t\t\t\t<Number>0</Number>\n\t\t\t\t<Start>" << Iso(start - 7, 8)
        << "</Start>\n\t\t\t\t<Finish>" << Iso(finish - 3, 17) << "</Finish>\n\t\t\t\t<Duration>"
        << hours << "</Duration>\n\t\t\t</Baseline>\n";
  }
  out << "\t\t</Task>\n";
}

// Blocks of 40 tasks: a level-1 summary over three level-2 summaries, each over three
// level-3 summaries of three level-4 tasks (1 + 3 x (1 + 3 x 4) = 40). Each block covers
// about a month, and the blocks run one after another over three years.
void WriteSchedule(const std::string& path, int task_count) {
  std::ofstream out(path, std::ios::binary);
  const DaySerial first = DateSerial(2024, 1, 8);
  const DaySerial last = first + 3 * 365 - 1;
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      << "<Project xmlns=\"http://schemas.microsoft.com/project\">\n"
      << "\t<SaveVersion>14</SaveVersion>\n\t<Name>gantt-bench.xml</Name>\n"
      << "\t<StartDate>" << Iso(first, 8) << "</StartDate>\n"
      << "\t<FinishDate>" << Iso(last, 17) << "</FinishDate>\n"
      << "\t<MinutesPerDay>480</MinutesPerDay>\n\t<CurrencySymbol>₩</CurrencySymbol>\n"
      << "\t<CurrencyDigits>0</CurrencyDigits>\n\t<Tasks>\n";
  const int blocks = (task_count + 39) / 40;
  const double block_days = 3 * 365.0 / blocks;
  for (int id = 1; id <= task_count; ++id) {
    const int block = (id - 1) / 40;
    const int in_block = (id - 1) % 40;
    const DaySerial block_start = first + static_cast<DaySerial>(block * block_days);
    const int span = std::max(5, static_cast<int>(block_days) - 1);
    int level = 1;
    bool summary = true;
    DaySerial start = block_start;
    DaySerial finish = std::min(last, block_start + span);
    if (in_block > 0) {
      const int in_group = (in_block - 1) % 13;  // a level-2 summary and its 12 below
      const int group = (in_block - 1) / 13;
      start = block_start + group * span / 3;
      finish = std::min(last, start + span / 3);
      level = 2;
      if (in_group > 0) {
        const int sub = (in_group - 1) / 4;
        const int in_sub = (in_group - 1) % 4;
        start += sub * (span / 9);
        finish = std::min(last, start + span / 9);
        level = in_sub == 0 ? 3 : 4;
        summary = in_sub == 0;
        if (!summary) start += in_sub - 1;
      }
    }
    WriteTask(out, id, level, summary, Workday(start), Workday(std::max(start, finish)),
              id % 2 == 0);
  }
  out << "\t</Tasks>\n</Project>\n";
}

// One conversion as the window would start it, in this process.
int Convert(const std::string& schedule, const std::string& output, bool by_week) {
  BenchServices services;
  taskvane::MainWindowControls frmMain(services);
  frmMain.txtMPPFilePathExcel.Text = schedule;
  frmMain.txtTitleExcel.Text = "전체 일정표";
  frmMain.txtPJTNameExcel.Text = "성능 측정";
  if (!frmMain.cmbZoom.SelectText("70")) {
    frmMain.cmbZoom.AddItem("70");
    frmMain.cmbZoom.SelectText("70");
  }
  if (!frmMain.cmbStartOutlineforExcel.SelectText("1")) {
    frmMain.cmbStartOutlineforExcel.AddItem("1");
    frmMain.cmbStartOutlineforExcel.SelectText("1");
  }
  frmMain.cmbBaseline.SelectText("초기계획");
  frmMain.optRealAndPlan.Value = true;
  frmMain.lvwListingFields.Add("Key188743709", "기간");
  frmMain.lvwListingFields.Add("Key188743712", "완료율");
  frmMain.lvwListingFields.Add("Key188743685", "비용");
  frmMain.lvwListingFields.Add("Key188743723", "초기계획 시작");
  frmMain.lvwListingFields.Add("Key188743731", "텍스트1");
  frmMain.OutputFilePath = output;
  const auto started = std::chrono::steady_clock::now();
  if (by_week) {
    taskvane::ExportGanttByWeek(frmMain, output);
  } else {
    taskvane::ExportGanttByDay(frmMain, output);
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return PrintOutcome(seconds, services.messages == 0 && std::filesystem::exists(output));
}

// What is run and compared for one conversion: this build, the build before and the peer.
struct Contenders {
  std::string self;
  std::string before;
  std::string peer;
};

struct Measured {
  ProcessRun self, before, peer;
};

// Every contender `runs` times in turn; each run writes a file of its own.
Measured Measure(const Contenders& programs, const std::filesystem::path& folder,
                 const std::string& schedule, int tasks, bool by_week, int runs) {
  const std::string kind = by_week ? "week" : "day";
  std::vector<ProcessRun> self, before, peer;
  for (int run = 0; run < runs; ++run) {
    auto output = [&](const std::string& who) {
      const std::filesystem::path path =
          folder / (who + "-" + kind + "-" + std::to_string(tasks) + ".xlsx");
      std::filesystem::remove(path);
      return path.string();
    };
    self.push_back(RunProcess({programs.self, "--convert", schedule, output("self"), kind}));
    if (!programs.before.empty()) {
      before.push_back(
          RunProcess({programs.before, "--convert", schedule, output("before"), kind}));
    }
    if (!programs.peer.empty() && by_week) {
      peer.push_back(RunProcess({programs.peer, output("peer"), std::to_string(tasks), "166"}));
    }
  }
  return {Median(self), Median(before), Median(peer)};
}

std::string Figures(const ProcessRun& run) {
  char text[64];
  std::snprintf(text, sizeof text, "%7.3f s %7.1f MB", run.seconds, run.peak_mb);
  return run.ok ? text : "FAILED";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<int> sizes{1000, 10000};
  std::string keep;
  int runs = 5;
  Contenders programs{std::filesystem::read_symlink("/proc/self/exe").string(), "", ""};
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--tasks" && i + 1 < argc) {
      sizes = {std::atoi(argv[++i])};
    } else if (arg == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--peer" && i + 1 < argc) {
      programs.peer = std::filesystem::absolute(argv[++i]).string();
    } else if (arg == "--before" && i + 1 < argc) {
      programs.before = std::filesystem::absolute(argv[++i]).string();
    } else if (arg == "--keep" && i + 1 < argc) {
      keep = argv[++i];
    } else if (arg == "--convert" && i + 3 < argc) {
      return Convert(argv[i + 1], argv[i + 2], std::string_view(argv[i + 3]) == "week");
    } else {
      std::cerr << "usage: gantt_bench [--tasks N] [--runs N] [--peer PEER] [--before BENCH] "
                   "[--keep FOLDER] | --convert SCHEDULE OUTPUT week|day\n";
      return 2;
    }
  }
  const std::filesystem::path folder = ScratchFolder(keep, "taskvane-gantt-bench");
  std::printf("medians of %d runs: time from start to exit, peak memory\n", runs);
  bool all_within = true;
  for (int tasks : sizes) {
    const std::string schedule = (folder / ("schedule-" + std::to_string(tasks) + ".xml")).string();
    WriteSchedule(schedule, tasks);
    for (bool by_week : {true, false}) {
      const Measured m = Measure(programs, folder, schedule, tasks, by_week, runs);
      bool within = m.self.ok;
      std::string line = Figures(m.self);
      if (!programs.before.empty()) {
        line += "   before " + Figures(m.before);
        if (m.before.ok) {
          char ratio[32];
          std::snprintf(ratio, sizeof ratio, " (%.2fx)", m.self.seconds / m.before.seconds);
          line += ratio;
        }
      }
      if (by_week && !programs.peer.empty()) {
        line += "   peer " + Figures(m.peer);
        if (m.peer.ok) {
          char ratio[32];
          std::snprintf(ratio, sizeof ratio, " (%.2fx)", m.self.seconds / m.peer.seconds);
          line += ratio;
        }
      }
      if (tasks >= 10000) {
        within = within && m.self.peak_mb < (by_week ? 150 : 100);
        if (by_week && m.peer.ok) within = within && m.self.seconds <= 0.25 * m.peer.seconds;
        if (!by_week && m.before.ok) within = within && m.self.seconds < m.before.seconds;
      }
      all_within = all_within && within;
      std::printf("%-8s %6d tasks  %s  %s\n", by_week ? "by week" : "by day", tasks, line.c_str(),
                  !m.self.ok ? "FAILED" : (within ? "ok" : "OUTSIDE the target"));
      std::fflush(stdout);
    }
  }
  if (keep.empty()) std::filesystem::remove_all(folder);
  return all_within ? 0 : 1;
}

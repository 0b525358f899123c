// Opening a large schedule: writes a Project XML file of 50,000 tasks (about 100 MB, laid
// out as Project 2016 saves it), opens it, reads every task's members and reports the
// time taken and the peak memory of the process.
//
//   project_open_bench                 generate into a temporary folder, open, report
//   project_open_bench --write FILE    only generate FILE
//   project_open_bench --open FILE     only open FILE and report (for /usr/bin/time -v)
//   --tasks N                          number of tasks (default 50000)

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "bench/bench_support.h"
#include "platform/project/project.h"
#include "platform/runtime/date.h"

namespace {

using taskvane::DateSerial;
using taskvane::DaySerial;
using taskvane::bench::Element;
using taskvane::bench::Iso;
using taskvane::bench::PeakRssMegabytes;
using taskvane::bench::Workday;
using namespace taskvane::project;

// A task with the elements Project writes for every task (the scheduling details that
// nothing here reads are left out, which keeps a task near 2 KB).
void WriteTask(std::ostream& out, int id, int level, bool summary, DaySerial start, int days,
               int percent) {
  const DaySerial finish = Workday(start + days - 1);
  const std::string hours = "PT" + std::to_string(days * 8) + "H0M0S";
  out << "\t\t<Task>\n";
  Element(out, "UID", id);
  Element(out, "ID", id);
  Element(out, "Name", "작업 " + std::to_string(id) + " 상세 설계 및 구현");
  Element(out, "Active", 1);
  Element(out, "Manual", 0);
  Element(out, "Type", 0);
  Element(out, "IsNull", 0);
  Element(out, "WBS", id);
  Element(out, "OutlineNumber", id);
  Element(out, "OutlineLevel", level);
  Element(out, "Start", Iso(start, 8));
  Element(out, "Finish", Iso(finish, 17));
  Element(out, "Duration", hours);
  Element(out, "DurationFormat", 7);
  Element(out, "Work", hours);
  Element(out, "Estimated", 0);
  Element(out, "Milestone", 0);
  Element(out, "Summary", summary ? 1 : 0);
  Element(out, "Critical", 0);
  Element(out, "IsSubproject", 0);
  Element(out, "FixedCost", 0);
  Element(out, "PercentComplete", percent);
  Element(out, "PercentWorkComplete", percent);
  Element(out, "Cost", days * 40000);
  if (percent > 0) Element(out, "ActualStart", Iso(start, 8));
  if (percent == 100) Element(out, "ActualFinish", Iso(finish, 17));
  Element(out, "ActualDuration", "PT0H0M0S");
  Element(out, "ActualCost", 0);
  Element(out, "ActualWork", "PT0H0M0S");
  Element(out, "RemainingDuration", hours);
  Element(out, "RemainingWork", hours);
  Element(out, "CalendarUID", -1);
  Element(out, "PhysicalPercentComplete", 0);
  if (id > 1) {
    out << "\t\t\t<PredecessorLink>\n\t\t\t\t<PredecessorUID>" << id - 1
        << "</PredecessorUID>\n\t\t\t\t<Type>1</Type>\n\t\t\t\t<LinkLag>0</LinkLag>\n"
        << "\t\t\t</PredecessorLink>\n";
  }
  out << "\t\t\t<ExtendedAttribute>\n\t\t\t\t<FieldID>188743731</FieldID>\n\t\t\t\t<Value>단계 "
      << id % 7 << "</Value>\n\t\t\t</ExtendedAttribute>\n\t\t\t<ExtendedAttribute>\n"
      << "\t\t\t\t<FieldID>188743767</FieldID>\n\t\t\t\t<Value>" << id % 100
      << ".5</Value>\n\t\t\t</ExtendedAttribute>\n";
  for (int n = 0; n <= 1; ++n) {
    out << "\t\t\t<Baseline>\n\t\t\t\t<Number>" << n << "</Number>\n\t\t\t\t<Start>"
        << Iso(start, 8) << "</Start>\n\t\t\t\t<Finish>" << Iso(finish, 17) << "</Finish>\n"
        << "\t\t\t\t<Duration>" << hours << "</Duration>\n\t\t\t\t<Work>" << hours
        << "</Work>\n\t\t\t\t<Cost>" << days * 40000 << "</Cost>\n\t\t\t</Baseline>\n";
  }
  out << "\t\t</Task>\n";
}

void WriteAssignment(std::ostream& out, int id, DaySerial start, int days) {
  out << "\t\t<Assignment>\n\t\t\t<UID>" << id << "</UID>\n\t\t\t<TaskUID>" << id
      << "</TaskUID>\n\t\t\t<ResourceUID>" << 1 + id % 20 << "</ResourceUID>\n"
      << "\t\t\t<PercentWorkComplete>0</PercentWorkComplete>\n\t\t\t<Start>" << Iso(start, 8)
      << "</Start>\n\t\t\t<Units>" << (id % 3 == 0 ? "0.5" : "1") << "</Units>\n"
      << "\t\t\t<Work>PT" << days * 8 << "H0M0S</Work>\n";
  out << "\t\t</Assignment>\n";
}

void WriteSchedule(const std::string& path, int task_count) {
  std::ofstream out(path, std::ios::binary);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      << "<Project xmlns=\"http://schemas.microsoft.com/project\">\n"
      << "\t<SaveVersion>14</SaveVersion>\n\t<Name>bench.xml</Name>\n"
      << "\t<StartDate>2024-01-08T08:00:00</StartDate>\n"
      << "\t<FinishDate>2030-12-31T17:00:00</FinishDate>\n\t<CalendarUID>1</CalendarUID>\n"
      << "\t<MinutesPerDay>480</MinutesPerDay>\n\t<CurrencySymbol>₩</CurrencySymbol>\n"
      << "\t<CurrencyDigits>0</CurrencyDigits>\n\t<StatusDate>2025-06-30T17:00:00</StatusDate>\n"
      << "\t<Calendars>\n\t\t<Calendar>\n\t\t\t<UID>1</UID>\n\t\t\t<Name>Standard</Name>\n"
      << "\t\t\t<IsBaseCalendar>1</IsBaseCalendar>\n\t\t\t<BaseCalendarUID>-1</BaseCalendarUID>\n"
      << "\t\t</Calendar>\n\t</Calendars>\n\t<Tasks>\n";
  const DaySerial first = DateSerial(2024, 1, 8);
  out << "\t\t<Task>\n\t\t\t<UID>0</UID>\n\t\t\t<ID>0</ID>\n\t\t\t<Name>bench</Name>\n"
      << "\t\t\t<OutlineLevel>0</OutlineLevel>\n\t\t\t<Summary>1</Summary>\n"
      << "\t\t\t<PercentComplete>20</PercentComplete>\n\t\t</Task>\n";
  // Phases of 50 tasks: a level-1 summary, level-2 groups of 7 with a summary each.
  for (int id = 1; id <= task_count; ++id) {
    const int in_phase = (id - 1) % 50;
    const int level = in_phase == 0 ? 1 : (in_phase % 7 == 1 ? 2 : 3);
    const bool summary = in_phase == 0 || in_phase % 7 == 1;
    const DaySerial start = Workday(first + (id / 10) % 2000);
    WriteTask(out, id, level, summary, start, 1 + id % 5, id % 4 == 0 ? 100 : (id % 4) * 20);
  }
  out << "\t</Tasks>\n\t<Resources>\n";
  for (int r = 1; r <= 20; ++r) {
    out << "\t\t<Resource>\n\t\t\t<UID>" << r << "</UID>\n\t\t\t<ID>" << r
        << "</ID>\n\t\t\t<Name>개발자 " << r << "</Name>\n\t\t</Resource>\n";
  }
  out << "\t</Resources>\n\t<Assignments>\n";
  for (int id = 1; id <= task_count; ++id) {
    WriteAssignment(out, id, Workday(first + (id / 10) % 2000), 1 + id % 5);
  }
  out << "\t</Assignments>\n</Project>\n";
}

int OpenAndReport(const std::string& path) {
  using Clock = std::chrono::steady_clock;
  const double rss_before = PeakRssMegabytes();
  const auto started = Clock::now();
  std::shared_ptr<Project> project = OpenProjectFile(path);
  const auto opened = Clock::now();
  // Every member the writers read, for every task.
  size_t checksum = 0;
  const TaskCollection& tasks = project->Tasks();
  for (int i = 1; i <= tasks.Count(); ++i) {
    const Task* task = tasks.Item(i);
    if (task == nullptr) continue;
    checksum += task->Name().size() + task->Start().size() + task->Finish().size() +
                task->BaselineStart().size() + task->BaselineNFinish(2).size() +
                task->GetField(188743715).size() + task->GetField(188743709).size() +
                task->GetField(188743729).size() + task->GetField(188743685).size() +
                static_cast<size_t>(task->OutlineLevel() + task->PercentComplete());
  }
  const auto read = Clock::now();
  const double open_s = std::chrono::duration<double>(opened - started).count();
  const double read_s = std::chrono::duration<double>(read - opened).count();
  std::cout << "file: " << path << " (" << std::filesystem::file_size(path) / 1e6 << " MB)\n"
            << "tasks: " << tasks.Count() << "\n"
            << "open: " << open_s << " s\n"
            << "read all task members: " << read_s << " s (checksum " << checksum << ")\n"
            << "peak RSS before open: " << rss_before << " MB, after: " << PeakRssMegabytes()
            << " MB\n";
  const bool ok = open_s < 2.0 && PeakRssMegabytes() < 1024;
  std::cout << (ok ? "within" : "OUTSIDE") << " the target of 2 s and 1 GB\n";
  return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  int tasks = 50000;
  std::string write_path, open_path;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--tasks" && i + 1 < argc)
      tasks = std::atoi(argv[++i]);
    else if (arg == "--write" && i + 1 < argc)
      write_path = argv[++i];
    else if (arg == "--open" && i + 1 < argc)
      open_path = argv[++i];
    else {
      std::cerr << "usage: project_open_bench [--tasks N] [--write FILE | --open FILE]\n";
      return 2;
    }
  }
  try {
    if (!write_path.empty()) {
      WriteSchedule(write_path, tasks);
      return 0;
    }
    if (!open_path.empty()) return OpenAndReport(open_path);
    const auto folder = std::filesystem::temp_directory_path() / "taskvane-project-bench";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "bench.xml").string();
    WriteSchedule(path, tasks);
    const int result = OpenAndReport(path);
    std::filesystem::remove_all(folder);
    return result;
  } catch (const taskvane::AutomationError& e) {
    std::cerr << "AutomationError " << e.Number << ": " << e.Description << "\n";
    return 1;
  }
}

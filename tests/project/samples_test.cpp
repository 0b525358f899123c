// Schedules saved by Microsoft Project (the shared samples; skipped when absent) and the
// outlined schedule with progress under tests/data.

#include <gtest/gtest.h>

#include <optional>

#include "platform/project/project.h"
#include "platform/runtime/date.h"
#include "tests/project/test_files.h"

namespace taskvane::project {
namespace {

using testing::TempFile;

const std::string kNA{kNotAvailableText};

TEST(Samples, BlankLinesBetweenOutlinedTasks) {
  TV_REQUIRE_SAMPLE(path, "mspdinulltasks.xml");
  auto project = OpenProjectFile(path);
  const TaskCollection& tasks = project->Tasks();
  ASSERT_EQ(tasks.Count(), 8);
  // Lines 2, 5 and 7 are blank in Project's own numbering; an empty name marks them here.
  const std::vector<std::pair<std::string, int>> expected{
      {"Task 1", 1}, {"", 0},       {"Task 2", 2}, {"Task 3", 2},
      {"", 0},       {"Task 4", 1}, {"", 0},       {"Task 5", 2}};
  for (int i = 1; i <= tasks.Count(); ++i) {
    const auto& [name, level] = expected[i - 1];
    const Task* task = tasks.Item(i);
    if (name.empty()) {
      EXPECT_EQ(task, nullptr) << i;
      continue;
    }
    ASSERT_NE(task, nullptr) << i;
    EXPECT_EQ(task->Name(), name);
    EXPECT_EQ(task->OutlineLevel(), level);
    EXPECT_EQ(task->Summary(), level == 1) << i;
  }
  EXPECT_EQ(tasks.Item(1)->Start(), "2008-11-03 09:00");
  EXPECT_EQ(project->Application().Version(), "16.0");
}

TEST(Samples, OutlineSummariesResourcesAndCurrency) {
  TV_REQUIRE_SAMPLE(path, "sample1.xml");
  auto project = OpenProjectFile(path);
  const TaskCollection& tasks = project->Tasks();
  ASSERT_EQ(tasks.Count(), 22);
  const int levels[] = {1, 2, 2, 1, 2, 2, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3};
  for (int i = 1; i <= 22; ++i) {
    ASSERT_NE(tasks.Item(i), nullptr) << i;
    EXPECT_EQ(tasks.Item(i)->OutlineLevel(), levels[i - 1]) << i;
  }
  EXPECT_TRUE(tasks.Item(1)->Summary());
  EXPECT_FALSE(tasks.Item(2)->Summary());
  EXPECT_TRUE(tasks.Item(20)->Summary());
  // ID 4 has UID 6: lines follow IDs.
  EXPECT_EQ(tasks.Item(4)->Name(), "Recurring Task");
  EXPECT_EQ(tasks.Item(2)->GetField(188743729), "First Resource[50%],Second Resource[75%]");
  EXPECT_EQ(tasks.Item(21)->GetField(188743729), "First Resource");
  EXPECT_EQ(tasks.Item(2)->GetField(188743685), "£3,526.25");
  EXPECT_EQ(tasks.Item(2)->GetField(188743709), "100일");
  EXPECT_EQ(tasks.Item(22)->Start(), "2003-01-07 23:00");
  EXPECT_EQ(project->ProjectStart(), "2003-01-07 08:00");
  EXPECT_EQ(project->ProjectFinish(), "2003-03-18 08:00");
  // No status date: the file's current date decides, and every task was due by then.
  EXPECT_EQ(project->StatusDate(), kNA);
  EXPECT_EQ(tasks.Item(8)->GetField(188744223), "지연");
}

// "Baseline6 Start - Task" -> {6, "Start"}; "Baseline Work - Task" -> {0, "Work"}.
struct BaselineTaskName {
  int number = 0;
  std::string field;
};
std::optional<BaselineTaskName> ParseBaselineTaskName(const std::string& name) {
  const std::string prefix = "Baseline";
  const std::string suffix = " - Task";
  if (name.size() < prefix.size() + suffix.size() || name.rfind(prefix, 0) != 0 ||
      name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
    return std::nullopt;
  }
  const std::string middle =
      name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  const auto space = middle.find(' ');
  if (space == std::string::npos || space > 2) return std::nullopt;
  BaselineTaskName result;
  for (char c : middle.substr(0, space)) {
    if (c < '0' || c > '9') return std::nullopt;
    result.number = result.number * 10 + (c - '0');
  }
  result.field = middle.substr(space + 1);
  for (const char* known : {"Start", "Finish", "Duration", "Work", "Cost"}) {
    if (result.field == known) return result;
  }
  return std::nullopt;
}

TEST(Samples, BaselinesSetOneAtATime) {
  TV_REQUIRE_SAMPLE(path, "task-baselines-project2016-mspdi.xml");
  auto project = OpenProjectFile(path);
  const TaskCollection& tasks = project->Tasks();
  ASSERT_EQ(tasks.Count(), 110);
  // Tasks are named after the one baseline value typed into them, e.g.
  // "Baseline6 Start - Task" or "Baseline Work - Task".
  int checked = 0;
  for (int i = 1; i <= tasks.Count(); ++i) {
    const Task& task = *tasks.Item(i);
    const auto name = ParseBaselineTaskName(task.Name());
    if (!name) continue;
    const int n = name->number;
    const std::string field = name->field;
    SCOPED_TRACE(task.Name());
    for (int k = 0; k <= 10; ++k) {
      const std::string start = k == 0 ? task.BaselineStart() : task.BaselineNStart(k);
      const std::string finish = k == 0 ? task.BaselineFinish() : task.BaselineNFinish(k);
      EXPECT_EQ(start != kNA, k == n && field == "Start") << k;
      EXPECT_EQ(finish != kNA, k == n && field == "Finish") << k;
    }
    if (field == "Start" && n == 6) {
      EXPECT_EQ(task.BaselineNStart(6), "2014-04-07 15:00");
    }
    if (field == "Finish" && n == 0) {
      EXPECT_EQ(task.GetField(188743724), "2014-03-01");
    }
    if (field == "Duration" && n == 0) {
      EXPECT_EQ(task.BaselineDuration(), 88 * 60);
      EXPECT_EQ(task.GetField(188743707), "11일");
    }
    if (field == "Work" && n == 0) {
      EXPECT_EQ(task.BaselineWork(), 51 * 60);
      EXPECT_EQ(task.GetField(188743681), "51시간");
    }
    if (field == "Cost" && n == 0) {
      EXPECT_EQ(task.GetField(188743686), "£1.00");
    }
    if (n != 0 || field != "Duration") {
      EXPECT_EQ(task.BaselineDuration(), 0);
    }
    ++checked;
  }
  EXPECT_EQ(checked, 55);
}

TEST(Samples, DateDifferenceMatchesTheVariancesProjectWrote) {
  TV_REQUIRE_SAMPLE(path, "task-baselines-project2016-mspdi.xml");
  auto project = OpenProjectFile(path);
  const Application& app = project->Application();
  // Start and finish variances of four tasks, in tenths of minutes, against tasks that
  // start Monday 2016-02-08 08:00 and finish at 17:00.
  EXPECT_EQ(app.DateDifference("2014-04-01 09:00", "2016-02-08 08:00") * 10, 2322600);
  EXPECT_EQ(app.DateDifference("2014-03-01 09:00", "2016-02-08 17:00") * 10, 2428800);
  EXPECT_EQ(app.DateDifference("2014-02-01 09:00", "2016-02-08 08:00") * 10, 2520000);
  EXPECT_EQ(app.DateDifference("2014-01-01 09:00", "2016-02-08 17:00") * 10, 2634600);
}

TEST(Samples, CustomFieldFamilies) {
  TV_REQUIRE_SAMPLE(text_path, "task-text-project2013-mspdi.xml");
  TV_REQUIRE_SAMPLE(number_path, "task-numbers-project2010-mspdi.xml");
  TV_REQUIRE_SAMPLE(cost_path, "task-costs-project2007-mspdi.xml");
  // Each task is named after the field it sets, to its own number: Text7 = "7".
  auto check = [](const std::string& path, const std::string& family, const std::vector<long>& ids,
                  auto expected_text, auto default_text) {
    auto project = OpenProjectFile(path);
    int seen = 0;
    for (int i = 1; i <= project->Tasks().Count(); ++i) {
      const Task& task = *project->Tasks().Item(i);
      if (task.Name().rfind(family, 0) != 0) continue;
      const int n = std::stoi(task.Name().substr(family.size()));
      for (size_t k = 0; k < ids.size(); ++k) {
        const int member = static_cast<int>(k) + 1;
        EXPECT_EQ(task.GetField(ids[k]), member == n ? expected_text(n) : default_text)
            << task.Name() << " field " << member;
      }
      ++seen;
    }
    EXPECT_EQ(seen, static_cast<int>(ids.size())) << family;
  };
  std::vector<long> text_ids;
  for (long id = 188743731; id <= 188743746; id += 3) text_ids.push_back(id);
  for (long id = 188743747; id <= 188743750; ++id) text_ids.push_back(id);
  for (long id = 188743997; id <= 188744016; ++id) text_ids.push_back(id);
  check(
      text_path, "Text", text_ids, [](int n) { return std::to_string(n); }, "");
  std::vector<long> number_ids;
  for (long id = 188743767; id <= 188743771; ++id) number_ids.push_back(id);
  for (long id = 188743982; id <= 188743996; ++id) number_ids.push_back(id);
  check(
      number_path, "Number", number_ids, [](int n) { return std::to_string(n); }, "0");
  std::vector<long> cost_ids;
  for (long id = 188743786; id <= 188743788; ++id) cost_ids.push_back(id);
  for (long id = 188743938; id <= 188743944; ++id) cost_ids.push_back(id);
  check(
      cost_path, "Cost", cost_ids, [](int n) { return "£" + std::to_string(n) + ".00"; }, "£0.00");
}

TEST(Samples, RecurringExceptionsAgreeWithTheDaysProjectExpanded) {
  // Project writes each exception twice: as a rule (Exceptions) and expanded into single
  // days (WeekDay with DayType 0). Reading the rules must give the same working time.
  TV_REQUIRE_SAMPLE(path, "calendar-recurring-exceptions-project2016-mspdi.xml");
  const std::string xml = testing::ReadFile(path);
  const size_t from = xml.find("<Exceptions>");
  const size_t to = xml.find("</Exceptions>");
  ASSERT_NE(from, std::string::npos);
  std::string days_only = xml;
  days_only.erase(from, to + std::string("</Exceptions>").size() - from);
  TempFile rules("rules.xml", xml);
  TempFile days("days.xml", days_only);
  auto by_rules = OpenProjectFile(rules.path());
  auto by_days = OpenProjectFile(days.path());
  const Application& a = by_rules->Application();
  const Application& b = by_days->Application();
  int exception_days = 0;
  for (DaySerial day = DateSerial(1999, 12, 1); day <= DateSerial(2011, 1, 31); ++day) {
    const std::string start = FormatDate(day);
    const std::string end = FormatDate(day + 1);
    const long rule_minutes = a.DateDifference(start, end);
    ASSERT_EQ(rule_minutes, b.DateDifference(start, end)) << start;
    const int weekday = Weekday(day);
    const long ordinary = weekday == 1 || weekday == 7 ? 0 : 480;
    if (rule_minutes != ordinary) ++exception_days;
  }
  // 27 rules expand to 138 days, of which these fall on working days.
  EXPECT_EQ(exception_days, 92);
  // The first rule: three days off from 1 January 2000 (Saturday to Monday).
  EXPECT_EQ(a.DateDifference("2000-01-03", "2000-01-04"), 0);
  EXPECT_EQ(a.DateDifference("2000-01-04", "2000-01-05"), 480);
}

TEST(TestData, OutlinedScheduleWithProgressBaselinesAndStatusDate) {
  auto project = OpenProjectFile(testing::TestDataPath("project_outline_progress.xml"));
  const TaskCollection& tasks = project->Tasks();
  ASSERT_EQ(tasks.Count(), 9);
  EXPECT_EQ(project->StatusDate(), "2024-03-13 17:00");
  EXPECT_EQ(project->PercentComplete(), 38);
  const int levels[] = {1, 2, 3, 3, 2, 1, 2, 2, 3};
  const bool summaries[] = {true, true, false, false, false, true, false, true, false};
  for (int i = 1; i <= 9; ++i) {
    EXPECT_EQ(tasks.Item(i)->OutlineLevel(), levels[i - 1]) << i;
    EXPECT_EQ(tasks.Item(i)->Summary(), summaries[i - 1]) << i;
  }
  const Task& done = *tasks.Item(3);
  EXPECT_EQ(done.Name(), "요구사항 정의");
  EXPECT_EQ(done.PercentComplete(), 100);
  EXPECT_EQ(done.ActualFinish(), "2024-03-06 17:00");
  EXPECT_EQ(done.GetField(188744223), "완료");
  const Task& running = *tasks.Item(4);
  EXPECT_EQ(running.ActualStart(), "2024-03-07 08:00");
  EXPECT_EQ(running.ActualFinish(), kNA);
  EXPECT_EQ(running.GetField(188744223), "지연");
  EXPECT_EQ(running.GetField(188743729), "김설계,이개발[50%]");
  for (int n = 1; n <= 10; ++n) EXPECT_NE(running.BaselineNStart(n), kNA) << n;
  EXPECT_EQ(running.BaselineNStart(10), "2024-03-07 08:00");
  EXPECT_EQ(running.GetField(188743685), "₩1,500,000");
  EXPECT_EQ(running.GetField(188743731), "설계");
  EXPECT_EQ(tasks.Item(5)->BaselineStart(), kNA);
  EXPECT_EQ(tasks.Item(7)->GetField(188744223), "미래 작업");
  EXPECT_EQ(tasks.Item(6)->Subproject(), "");
  // 2024-03-15 is a company holiday in the project calendar.
  EXPECT_EQ(project->Application().DateDifference("2024-03-11", "2024-03-18"), 1920);
}

}  // namespace
}  // namespace taskvane::project

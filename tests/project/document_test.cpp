// The document's members as the writers use them: task lines and blank lines, dates and
// the not-available text, baselines, the status date, version and views.

#include <gtest/gtest.h>

#include "platform/project/project.h"
#include "platform/project/project_builder.h"

namespace taskvane::project {
namespace {

const std::string kNA{kNotAvailableText};

TEST(Tasks, ItemIsTheLineWithThatIdAndBlankLinesGiveNoTask) {
  ProjectBuilder b;
  b.AddTask("Phase", 1).Summary();
  b.AddBlankLine();
  b.AddTask("Design", 2);
  b.AddBlankLine();
  auto project = b.Build();
  const TaskCollection& tasks = project->Tasks();
  ASSERT_EQ(tasks.Count(), 4);
  ASSERT_NE(tasks.Item(1), nullptr);
  EXPECT_EQ(tasks.Item(1)->Name(), "Phase");
  EXPECT_TRUE(tasks.Item(1)->Summary());
  EXPECT_EQ(tasks.Item(2), nullptr);
  ASSERT_NE(tasks.Item(3), nullptr);
  EXPECT_EQ(tasks.Item(3)->Name(), "Design");
  EXPECT_EQ(tasks.Item(3)->OutlineLevel(), 2);
  EXPECT_FALSE(tasks.Item(3)->Summary());
  EXPECT_EQ(tasks.Item(4), nullptr);
  // The same object every time: members are read from the line, not copied.
  EXPECT_EQ(tasks.Item(3), tasks.Item(3));
  for (int outside : {0, -1, 5}) {
    try {
      tasks.Item(outside);
      ADD_FAILURE() << outside;
    } catch (const AutomationError& e) {
      EXPECT_EQ(e.Number, kErrSubscript);
    }
  }
}

TEST(Tasks, EmptySchedule) {
  auto project = ProjectBuilder().Build();
  EXPECT_EQ(project->Tasks().Count(), 0);
  EXPECT_EQ(project->ProjectStart(), kNA);
  EXPECT_EQ(project->ProjectFinish(), kNA);
}

TEST(Task, DatesAreTextsAndUndefinedDatesTheNotAvailableText) {
  ProjectBuilder b;
  b.AddTask("Build", 1)
      .Start("2024-03-04 08:00")
      .Finish("2024-03-08 17:00")
      .ActualStart("2024-03-04 09:30")
      .Duration(2400)
      .Work(4800)
      .PercentComplete(40)
      .Subproject("/srv/plans/sub.xml");
  auto project = b.Build();
  const Task& task = *project->Tasks().Item(1);
  EXPECT_EQ(task.Start(), "2024-03-04 08:00");
  EXPECT_EQ(task.Finish(), "2024-03-08 17:00");
  EXPECT_EQ(task.ActualStart(), "2024-03-04 09:30");
  EXPECT_EQ(task.ActualFinish(), kNA);
  EXPECT_EQ(task.Duration(), 2400);
  EXPECT_EQ(task.Work(), 4800);
  EXPECT_EQ(task.PercentComplete(), 40);
  EXPECT_EQ(task.Subproject(), "/srv/plans/sub.xml");
  EXPECT_EQ(kNotAvailableText, "사용할 수 없음");
}

TEST(Task, AllElevenBaselinesPresentAndAbsent) {
  ProjectBuilder b;
  TaskBuilder& all = b.AddTask("All", 1);
  all.Baseline(0, "2024-01-01 08:00", "2024-01-05 17:00", 2400, 4800, 100);
  for (int n = 1; n <= 10; ++n) {
    const std::string day = (n < 10 ? "2024-02-0" : "2024-02-") + std::to_string(n);
    all.Baseline(n, day + " 08:00", day + " 17:00");
  }
  b.AddTask("None", 1);
  b.AddTask("Only7", 1).Baseline(7, "2024-05-01", "");
  auto project = b.Build();

  const Task& with_all = *project->Tasks().Item(1);
  EXPECT_EQ(with_all.BaselineStart(), "2024-01-01 08:00");
  EXPECT_EQ(with_all.BaselineFinish(), "2024-01-05 17:00");
  EXPECT_EQ(with_all.BaselineDuration(), 2400);
  EXPECT_EQ(with_all.BaselineWork(), 4800);
  EXPECT_EQ(with_all.BaselineNStart(1), "2024-02-01 08:00");
  EXPECT_EQ(with_all.BaselineNFinish(10), "2024-02-10 17:00");
  for (int n = 1; n <= 10; ++n) EXPECT_NE(with_all.BaselineNStart(n), kNA) << n;

  const Task& without = *project->Tasks().Item(2);
  EXPECT_EQ(without.BaselineStart(), kNA);
  EXPECT_EQ(without.BaselineFinish(), kNA);
  EXPECT_EQ(without.BaselineDuration(), 0);
  EXPECT_EQ(without.BaselineWork(), 0);
  for (int n = 1; n <= 10; ++n) {
    EXPECT_EQ(without.BaselineNStart(n), kNA);
    EXPECT_EQ(without.BaselineNFinish(n), kNA);
  }

  const Task& only7 = *project->Tasks().Item(3);
  EXPECT_EQ(only7.BaselineNStart(7), "2024-05-01 00:00");
  EXPECT_EQ(only7.BaselineNFinish(7), kNA);
  EXPECT_EQ(only7.BaselineNStart(6), kNA);
  EXPECT_EQ(only7.BaselineStart(), kNA);

  for (int bad : {0, 11, -1}) {
    EXPECT_THROW(with_all.BaselineNStart(bad), AutomationError);
    EXPECT_THROW(with_all.BaselineNFinish(bad), AutomationError);
  }
}

TEST(Project, StatusDateSetForTheLifeOfTheDocumentAndRestored) {
  ProjectBuilder b;
  b.AddTask("Late", 1).Start("2024-03-04 08:00").Finish("2024-03-15 17:00").Duration(4800);
  auto project = b.Build();
  const Task& task = *project->Tasks().Item(1);
  constexpr long kStatus = 188744223;

  const std::string saved = project->StatusDate();
  EXPECT_EQ(saved, kNA);
  EXPECT_EQ(task.GetField(kStatus), "");  // no status date, no current date

  project->SetStatusDate("2024-03-01");
  EXPECT_EQ(project->StatusDate(), "2024-03-01 17:00");
  EXPECT_EQ(task.GetField(kStatus), "미래 작업");
  project->SetStatusDate("2024-03-06");
  EXPECT_EQ(task.GetField(kStatus), "지연");
  project->SetStatusDate("2024-03-04 08:00");
  EXPECT_EQ(project->StatusDate(), "2024-03-04 08:00");
  EXPECT_EQ(task.GetField(kStatus), "정상 진행");

  project->SetStatusDate(saved);
  EXPECT_EQ(project->StatusDate(), kNA);
  EXPECT_EQ(task.GetField(kStatus), "");

  // A date-and-time text read back restores exactly.
  ProjectBuilder with_date;
  with_date.StatusDate("2024-02-29 12:00");
  auto other = with_date.Build();
  const std::string before = other->StatusDate();
  other->SetStatusDate("2024-05-31");
  other->SetStatusDate(before);
  EXPECT_EQ(other->StatusDate(), "2024-02-29 12:00");

  for (std::string bad : {"", "31/05/2024", "2024-13-01", "내일"}) {
    try {
      other->SetStatusDate(bad);
      ADD_FAILURE() << bad;
    } catch (const AutomationError& e) {
      EXPECT_EQ(e.Number, kErrTypeMismatch);
    }
  }
  EXPECT_EQ(other->StatusDate(), "2024-02-29 12:00");
}

TEST(Application, VersionAndViewsAsBuiltOrAsTheApplicationHasThem) {
  auto standard = ProjectBuilder().Build();
  EXPECT_EQ(standard->Application().Version(), "16.0");
  const ViewCollection& views = standard->ProjectViews();
  ASSERT_GE(views.Count(), 3);
  EXPECT_EQ(views.Item(1).Name(), "Gantt 차트");
  bool has_sheet = false;
  for (int i = 1; i <= views.Count(); ++i) {
    has_sheet = has_sheet || views.Item(i).Name().find("시트") != std::string::npos;
  }
  EXPECT_TRUE(has_sheet);
  EXPECT_THROW(views.Item(0), AutomationError);
  EXPECT_THROW(views.Item(views.Count() + 1), AutomationError);

  ProjectBuilder b;
  b.Version("11.0").Views({"Gantt Chart", "Task Sheet"});
  auto english = b.Build();
  EXPECT_EQ(english->Application().Version(), "11.0");
  ASSERT_EQ(english->ProjectViews().Count(), 2);
  EXPECT_EQ(english->ProjectViews().Item(2).Name(), "Task Sheet");
  b.Views({});
  EXPECT_EQ(b.Build()->ProjectViews().Count(), 0);
}

TEST(ProjectBuilder, RefusesDatesThatAreNotDates) {
  ProjectBuilder b;
  EXPECT_THROW(b.AddTask("x", 1).Start("next monday"), AutomationError);
  EXPECT_THROW(b.StatusDate("2024-02-30"), AutomationError);
}

}  // namespace
}  // namespace taskvane::project

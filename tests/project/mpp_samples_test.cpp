// Binary schedules against the XML save Project made of the same schedule (the shared
// samples; skipped when absent): every task line must read the same from both.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/project/mpp/mpp_loader.h"
#include "platform/runtime/date.h"
#include "tests/project/mpp_samples.h"
#include "tests/project/test_files.h"

namespace taskvane::project {
namespace {

ProjectData LoadBinary(const std::string& path) {
  const std::vector<std::uint8_t> bytes = testing::ReadFileBytes(path);
  return mpp::LoadMpp(bytes, path);
}

ProjectData LoadXml(const std::string& path) {
  return testing::LoadXmlFile(path);
}

std::string DateText(const std::optional<DateTime>& value) {
  return value ? FormatDateTime(*value) : "(none)";
}

std::map<int, BaselineData> BaselinesByNumber(const TaskData& task) {
  std::map<int, BaselineData> baselines;
  for (const BaselineData& baseline : task.baselines) baselines.emplace(baseline.number, baseline);
  return baselines;
}

std::string Describe(const std::map<int, BaselineData>& baselines) {
  std::ostringstream text;
  for (const auto& [number, b] : baselines) {
    text << "[" << number << ": " << DateText(b.start) << " - " << DateText(b.finish) << ", "
         << b.duration << " min, " << b.work << " work, " << b.cost << "] ";
  }
  return text.str();
}

std::string Describe(const std::vector<CustomFieldValue>& fields) {
  std::ostringstream text;
  for (const CustomFieldValue& field : fields) text << field.field_id << "=" << field.value << " ";
  return text.str();
}

std::string Describe(const ProjectData& project, const TaskData& task) {
  std::ostringstream text;
  for (const AssignmentData& a : task.assignments) {
    const bool named =
        a.resource >= 0 && a.resource < static_cast<int>(project.resource_names.size());
    text << (named ? project.resource_names[a.resource] : "?") << "*" << a.units << " ";
  }
  return text.str();
}

bool SameBaselines(const std::map<int, BaselineData>& a, const std::map<int, BaselineData>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.first == y.first && x.second.start == y.second.start &&
           x.second.finish == y.second.finish && x.second.duration == y.second.duration &&
           x.second.work == y.second.work && x.second.cost == y.second.cost;
  });
}

bool SameCustomFields(const std::vector<CustomFieldValue>& a,
                      const std::vector<CustomFieldValue>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.field_id == y.field_id && x.value == y.value;
  });
}

// Every value of every task line of `got` (the binary file) against `want` (its twin).
void ExpectSameTaskLines(const ProjectData& got, const ProjectData& want) {
  ASSERT_EQ(got.tasks.size(), want.tasks.size()) << "number of task lines";
  EXPECT_EQ(got.percent_complete, want.percent_complete) << "project percent complete";
  EXPECT_EQ(got.resource_names, want.resource_names) << "resource names";
  for (std::size_t i = 0; i < got.tasks.size(); ++i) {
    const TaskData& g = got.tasks[i];
    const TaskData& w = want.tasks[i];
    SCOPED_TRACE("task ID " + std::to_string(i + 1) + " \"" + w.name + "\"");
    EXPECT_EQ(g.blank, w.blank) << "blank";
    if (g.blank || w.blank) continue;
    EXPECT_EQ(g.name, w.name) << "name";
    EXPECT_EQ(g.outline_level, w.outline_level) << "outline level";
    EXPECT_EQ(g.summary, w.summary) << "summary";
    EXPECT_EQ(g.estimated, w.estimated) << "estimated";
    EXPECT_EQ(g.subproject, w.subproject) << "subproject";
    EXPECT_EQ(g.percent_complete, w.percent_complete) << "percent complete";
    EXPECT_EQ(g.percent_work_complete, w.percent_work_complete) << "percent work complete";
    EXPECT_EQ(g.physical_percent_complete, w.physical_percent_complete) << "physical percent";
    EXPECT_EQ(DateText(g.start), DateText(w.start)) << "start";
    EXPECT_EQ(DateText(g.finish), DateText(w.finish)) << "finish";
    EXPECT_EQ(DateText(g.actual_start), DateText(w.actual_start)) << "actual start";
    EXPECT_EQ(DateText(g.actual_finish), DateText(w.actual_finish)) << "actual finish";
    EXPECT_EQ(DateText(g.stop), DateText(w.stop)) << "stop";
    EXPECT_EQ(g.duration, w.duration) << "duration";
    EXPECT_EQ(g.remaining_duration, w.remaining_duration) << "remaining duration";
    EXPECT_EQ(g.actual_duration, w.actual_duration) << "actual duration";
    EXPECT_EQ(g.work, w.work) << "work";
    EXPECT_EQ(g.cost, w.cost) << "cost";
    EXPECT_EQ(g.actual_cost, w.actual_cost) << "actual cost";
    const auto got_baselines = BaselinesByNumber(g);
    const auto want_baselines = BaselinesByNumber(w);
    EXPECT_TRUE(SameBaselines(got_baselines, want_baselines))
        << "baselines\n  mpp:  " << Describe(got_baselines)
        << "\n  xml:  " << Describe(want_baselines);
    EXPECT_TRUE(SameCustomFields(g.custom_fields, w.custom_fields))
        << "custom fields\n  mpp:  " << Describe(g.custom_fields)
        << "\n  xml:  " << Describe(w.custom_fields);
    EXPECT_EQ(Describe(got, g), Describe(want, w)) << "assignments";
  }
}

TEST(MppTwins, EveryTaskLineReadsAsInTheXmlSave) {
  const std::vector<testing::MppSample> samples = testing::MppSamplesWithTwins();
  if (samples.empty()) {
    GTEST_SKIP() << "no binary sample schedules with a twin under " TASKVANE_SAMPLES_DIR "/mpp";
  }
  for (const testing::MppSample& sample : samples) {
    SCOPED_TRACE(sample.name);
    ExpectSameTaskLines(LoadBinary(sample.path), LoadXml(sample.twin_path));
  }
  EXPECT_GE(samples.size(), 100u);
}

// The blank-line files of the three formats hold the schedule of the XML blank-line file:
// the same lines, blank where it has blank lines, with the same values.
TEST(MppSamples, BlankLinesInEachFormat) {
  TV_REQUIRE_SAMPLE(xml, "mspdinulltasks.xml");
  const ProjectData want = LoadXml(xml);
  for (const char* name : {"mpp/misc/mpp9nulltasks.mpp", "mpp/misc/mpp12nulltasks.mpp",
                           "mpp/misc/mpp14nulltasks.mpp"}) {
    TV_REQUIRE_SAMPLE(path, name);
    SCOPED_TRACE(name);
    const ProjectData got = LoadBinary(path);
    ExpectSameTaskLines(got, want);
    ASSERT_EQ(got.tasks.size(), 8u);
    for (std::size_t id : {2, 5, 7}) EXPECT_TRUE(got.tasks[id - 1].blank) << id;
    EXPECT_TRUE(got.tasks[0].summary);
    EXPECT_TRUE(got.tasks[5].summary);
  }
}

TEST(MppSamples, InsertedProjectsKeepTheirPathAndAreSummaries) {
  TV_REQUIRE_SAMPLE(path, "mpp/misc/mpp14subproject.mpp");
  const ProjectData project = LoadBinary(path);
  ASSERT_EQ(project.tasks.size(), 3u);
  EXPECT_EQ(project.tasks[0].name, "Normal Task");
  EXPECT_EQ(project.tasks[0].subproject, "");
  EXPECT_FALSE(project.tasks[0].summary);
  const char* names[] = {"SubprojectA-9", "SubprojectB-9"};
  for (int k = 0; k < 2; ++k) {
    const TaskData& inserted = project.tasks[k + 1];
    EXPECT_EQ(inserted.name, names[k]);
    EXPECT_EQ(inserted.subproject,
              std::string("C:\\Java\\mpxj\\junit\\data\\") + names[k] + ".mpp");
    EXPECT_TRUE(inserted.summary) << names[k];
    EXPECT_EQ(inserted.outline_level, 1);
  }
}

// Project 2000 saved no XML; its files hold the schedules the 2002 or 2003 XML saves hold,
// except task-baselines, whose Project 2000 file has only the five Baseline (0) tasks.
TEST(MppSamples, Project2000FilesReadAsTheNextVersionsXml) {
  const std::vector<std::pair<std::string, std::string>> families{
      {"assignment-assignments", "2002"},
      {"calendar-calendars", "2002"},
      {"task-costs", "2003"},
      {"task-starts", "2003"},
      {"task-text", "2003"}};
  for (const auto& [family, year] : families) {
    const std::string folder = "mpp/" + family + "/" + family + "-project";
    TV_REQUIRE_SAMPLE(path, folder + "2000-mpp9.mpp");
    TV_REQUIRE_SAMPLE(xml, folder + year + "-mspdi.xml");
    SCOPED_TRACE(family);
    ExpectSameTaskLines(LoadBinary(path), LoadXml(xml));
  }

  TV_REQUIRE_SAMPLE(baselines, "mpp/task-baselines/task-baselines-project2000-mpp9.mpp");
  TV_REQUIRE_SAMPLE(baselines_xml, "mpp/task-baselines/task-baselines-project2002-mspdi.xml");
  const ProjectData got = LoadBinary(baselines);
  const ProjectData want = LoadXml(baselines_xml);
  ASSERT_EQ(got.tasks.size(), 5u);
  for (const TaskData& task : got.tasks) {
    SCOPED_TRACE(task.name);
    auto twin = std::find_if(want.tasks.begin(), want.tasks.end(),
                             [&](const TaskData& w) { return w.name == task.name; });
    ASSERT_NE(twin, want.tasks.end());
    ASSERT_EQ(task.baselines.size(), 1u);
    EXPECT_TRUE(SameBaselines(BaselinesByNumber(task), BaselinesByNumber(*twin)))
        << Describe(BaselinesByNumber(task)) << " vs " << Describe(BaselinesByNumber(*twin));
  }
}

}  // namespace
}  // namespace taskvane::project

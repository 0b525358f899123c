// Reading a schedule as it streams past: lists in any order, long schedules, and each
// limit on what a document may cost.

#include <gtest/gtest.h>

#include <string>

#include "platform/project/mspdi_loader.h"
#include "platform/project/project.h"
#include "tests/project/test_files.h"

namespace taskvane::project {
namespace {

using testing::ProjectXml;
using testing::TaskXml;

ProjectData Read(const std::string& xml, const MspdiLimits& limits = kMspdiLimits) {
  return LoadMspdi(xml.data(), xml.size(), "plan.xml", limits);
}

// The description of the refusal of these bytes, or "" when they load.
std::string Refusal(const std::string& xml, const MspdiLimits& limits = kMspdiLimits) {
  try {
    Read(xml, limits);
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, kErrFileOpen);
    return e.Description;
  }
  return "";
}

TEST(StreamedSchedule, ListsInAnyOrderAndTheFirstListOfEachKindCounts) {
  const std::string xml =
      "<Project xmlns=\"http://schemas.microsoft.com/project\">"
      "<Assignments><Assignment><TaskUID>7</TaskUID><ResourceUID>2</ResourceUID>"
      "<Units>0.5</Units></Assignment></Assignments>"
      "<Resources><Resource><UID>2</UID><Name>Kim</Name></Resource></Resources>"
      "<Resources><Resource><UID>3</UID><Name>Lee</Name></Resource></Resources>"
      "<CalendarUID>5</CalendarUID>"
      "<Tasks><Task><UID>7</UID><ID>1</ID><Name>First list</Name></Task></Tasks>"
      "<Tasks><Task><UID>8</UID><ID>2</ID><Name>Second list</Name></Task></Tasks>"
      "<Calendars><Calendar><UID>5</UID><WeekDays><WeekDay><DayType>1</DayType>"
      "<DayWorking>1</DayWorking></WeekDay></WeekDays></Calendar></Calendars>"
      "<Calendars><Calendar><UID>5</UID></Calendar></Calendars>"
      "<StartDate>2024-03-03T08:00:00</StartDate></Project>";
  const ProjectData project = Read(xml);
  ASSERT_EQ(project.tasks.size(), 1u);
  EXPECT_EQ(project.tasks[0].name, "First list");
  EXPECT_EQ(project.resource_names, std::vector<std::string>{"Kim"});
  ASSERT_EQ(project.tasks[0].assignments.size(), 1u);
  EXPECT_EQ(project.tasks[0].assignments[0].units, 0.5);
  EXPECT_EQ(project.calendar.week[0].size(), 2u);  // Sunday works 08:00-12:00, 13:00-17:00
  ASSERT_TRUE(project.start);
  EXPECT_EQ(project.start->day, DateSerial(2024, 3, 3));
}

TEST(StreamedSchedule, ALongScheduleReadsWholeInIdOrder) {
  // 3,000 tasks over many pieces of the file, listed with their IDs rotated and two of
  // them swapped, so that putting them in order moves lines along cycles of any length.
  constexpr int kTasks = 3000;
  auto id_of_line = [](int line) {
    int id = (line + 1001) % kTasks + 1;
    if (id == 1 || id == 2) id = 3 - id;
    return id;
  };
  std::string tasks;
  for (int line = 0; line < kTasks; ++line) {
    const int id = id_of_line(line);
    tasks += TaskXml(id, "작업 " + std::to_string(id), 1,
                     "<Baseline><Number>2</Number><Start>2024-03-04T08:00:00</Start></Baseline>"
                     "<ExtendedAttribute><FieldID>188743731</FieldID><Value>값 " +
                         std::to_string(id) + "</Value></ExtendedAttribute>");
  }
  const ProjectData project = Read(ProjectXml(tasks));
  ASSERT_EQ(project.tasks.size(), static_cast<size_t>(kTasks));
  for (int id = 1; id <= kTasks; ++id) {
    const TaskData& task = project.tasks[id - 1];
    ASSERT_EQ(task.name, "작업 " + std::to_string(id));
    ASSERT_EQ(task.baselines.size(), 1u);
    EXPECT_EQ(task.baselines[0].number, 2);
    ASSERT_EQ(task.custom_fields.size(), 1u);
    EXPECT_EQ(task.custom_fields[0].value, "값 " + std::to_string(id));
  }
}

TEST(StreamedSchedule, EachLimitRefusesWithItsReason) {
  std::string tasks;
  for (int id = 1; id <= 2000; ++id) tasks += TaskXml(id, "Task " + std::to_string(id), 1);
  const std::string schedule = ProjectXml(tasks);
  MspdiLimits limits = kMspdiLimits;
  EXPECT_EQ(Refusal(schedule, limits), "");

  // What is kept: 2,000 task lines take more than 100 KB.
  limits.kept_bytes = 100 << 10;
  EXPECT_NE(Refusal(schedule, limits).find("파일의 요소가 너무 많습니다."), std::string::npos);
  // The calendars count as well.
  std::string exceptions;
  for (int i = 0; i < 2000; ++i) {
    exceptions +=
        "<Exception><TimePeriod><FromDate>2024-01-01T00:00:00</FromDate><ToDate>"
        "2024-01-01T23:59:00</ToDate></TimePeriod></Exception>";
  }
  EXPECT_NE(Refusal(ProjectXml("", "<Calendars><Calendar><UID>1</UID><Exceptions>" + exceptions +
                                       "</Exceptions></Calendar></Calendars>"),
                    limits)
                .find("파일의 요소가 너무 많습니다."),
            std::string::npos);

  // The parser's memory: nesting.
  std::string deep;
  for (int i = 0; i < 5000; ++i) deep += "<x>";
  for (int i = 0; i < 5000; ++i) deep += "</x>";
  const std::string nested = ProjectXml(TaskXml(1, "Deep", 1, deep));
  limits = kMspdiLimits;
  EXPECT_EQ(Refusal(nested, limits), "");
  limits.parser_bytes = 64 << 10;
  EXPECT_NE(Refusal(nested, limits).find("너무 깊게 중첩되어 있거나 너무 큽니다."),
            std::string::npos);

  // Only the texts that are read are gathered: notes of 1 MB pass, a name of 1 MB not.
  limits.parser_bytes = 512 << 10;
  const std::string long_text(1 << 20, 'n');
  const std::string notes = "<Notes>" + long_text + "</Notes>";
  std::string noted =
      ProjectXml(TaskXml(1, "Noted", 1, notes), "<Comments>" + long_text + "</Comments>");
  noted.insert(noted.find("</Project>"),
               "<Resources><Resource><UID>1</UID><Name>R</Name>" + notes +
                   "</Resource></Resources><Assignments><Assignment><TaskUID>1</TaskUID>"
                   "<ResourceUID>1</ResourceUID>" +
                   notes + "</Assignment></Assignments>");
  EXPECT_EQ(Refusal(noted, limits), "");
  EXPECT_NE(Refusal(ProjectXml(TaskXml(1, long_text, 1)), limits)
                .find("너무 깊게 중첩되어 있거나 너무 큽니다."),
            std::string::npos);

  // Elements for the size: 50,000 empty ones of 4 bytes each.
  std::string empty;
  for (int i = 0; i < 50000; ++i) empty += "<a/>";
  const std::string flood = ProjectXml(empty);
  limits = kMspdiLimits;
  limits.free_elements = 1000;
  EXPECT_NE(Refusal(flood, limits).find("파일의 요소가 너무 많습니다."), std::string::npos);
  limits.bytes_per_element = 4;
  EXPECT_EQ(Refusal(flood, limits), "");
}

TEST(StreamedSchedule, DocumentsThatAreNotWellFormedOrDeclareEntitiesAreRefused) {
  const std::string schedule = ProjectXml(TaskXml(1, "A", 1));
  EXPECT_NE(Refusal(schedule + "<Project/>").find("XML 형식이 올바르지 않습니다."),
            std::string::npos);
  std::string latin1 = ProjectXml(TaskXml(1, "caf\xe9", 1));
  EXPECT_NE(Refusal(latin1).find("XML 형식이 올바르지 않습니다."), std::string::npos);
  latin1.replace(latin1.find("UTF-8"), 5, "ISO-8859-1");
  EXPECT_EQ(Read(latin1).tasks[0].name, "café");
  std::string entity = schedule;
  entity.insert(entity.find("<Project"), "<!DOCTYPE Project [<!ENTITY e 'x'>]>");
  EXPECT_NE(Refusal(entity).find("엔터티를 선언한 XML 파일은 읽을 수 없습니다."),
            std::string::npos);
}

}  // namespace
}  // namespace taskvane::project

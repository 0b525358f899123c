// Opening schedule files: encodings, namespaces, what is read from a task, and every kind
// of bad or hostile input.

#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/project/file_open_error.h"
#include "platform/project/mspdi_loader.h"
#include "platform/project/project.h"
#include "tests/project/test_files.h"

namespace taskvane::project {
namespace {

using testing::ProjectXml;
using testing::TaskXml;
using testing::TempFile;

const std::string kNA{kNotAvailableText};

std::shared_ptr<Project> Load(std::string_view bytes, std::string_view name = "plan.xml") {
  TempFile file(name, bytes);
  return OpenProjectFile(file.path());
}

// The AutomationError of opening these bytes as a file of that name, and its path.
struct OpenFailure {
  long number = 0;
  std::string description;
  std::string path;
};
OpenFailure FailToLoad(std::string_view bytes, std::string_view name = "plan.xml") {
  TempFile file(name, bytes);
  try {
    OpenProjectFile(file.path());
  } catch (const AutomationError& e) {
    return {e.Number, e.Description, file.path()};
  }
  ADD_FAILURE() << "opened";
  return {};
}

std::string Utf16(std::string_view ascii_or_utf8, bool big_endian, bool bom) {
  // Only the characters these tests use: ASCII and Hangul syllables (3-byte UTF-8).
  std::u16string units;
  for (size_t i = 0; i < ascii_or_utf8.size();) {
    const auto c = static_cast<unsigned char>(ascii_or_utf8[i]);
    if (c < 0x80) {
      units.push_back(c);
      i += 1;
    } else {
      const auto c1 = static_cast<unsigned char>(ascii_or_utf8[i + 1]);
      const auto c2 = static_cast<unsigned char>(ascii_or_utf8[i + 2]);
      units.push_back(static_cast<char16_t>(((c & 0x0f) << 12) | ((c1 & 0x3f) << 6) | (c2 & 0x3f)));
      i += 3;
    }
  }
  std::string bytes;
  if (bom) units.insert(units.begin(), u'\xFEFF');
  for (char16_t u : units) {
    const char hi = static_cast<char>(u >> 8);
    const char lo = static_cast<char>(u & 0xff);
    bytes += big_endian ? std::string{hi, lo} : std::string{lo, hi};
  }
  return bytes;
}

const std::string kKoreanSchedule =
    ProjectXml(TaskXml(1, "설계 단계", 1) + TaskXml(2, "상세 설계", 2));

TEST(Encoding, Utf8AndUtf16WithAndWithoutByteOrderMark) {
  std::string utf16_declared = kKoreanSchedule;
  utf16_declared.replace(utf16_declared.find("UTF-8"), 5, "UTF-16");
  const std::vector<std::pair<std::string, std::string>> files{
      {"utf-8", kKoreanSchedule},
      {"utf-8 bom", "\xEF\xBB\xBF" + kKoreanSchedule},
      {"utf-16le bom", Utf16(utf16_declared, false, true)},
      {"utf-16be bom", Utf16(utf16_declared, true, true)},
      {"utf-16le", Utf16(utf16_declared, false, false)},
      {"utf-16be", Utf16(utf16_declared, true, false)},
  };
  for (const auto& [label, bytes] : files) {
    SCOPED_TRACE(label);
    auto project = Load(bytes);
    ASSERT_EQ(project->Tasks().Count(), 2);
    EXPECT_EQ(project->Tasks().Item(1)->Name(), "설계 단계");
    EXPECT_EQ(project->Tasks().Item(2)->Name(), "상세 설계");
  }
}

TEST(Namespace, DefaultPrefixedOrNoneButNoOtherDocument) {
  std::string prefixed =
      "<p:Project xmlns:p=\"http://schemas.microsoft.com/project\"><p:Tasks><p:Task>"
      "<p:ID>1</p:ID><p:Name>Prefixed</p:Name></p:Task></p:Tasks></p:Project>";
  EXPECT_EQ(Load(prefixed)->Tasks().Item(1)->Name(), "Prefixed");
  std::string bare = "<Project><Tasks><Task><ID>1</ID><Name>Bare</Name></Task></Tasks></Project>";
  EXPECT_EQ(Load(bare)->Tasks().Item(1)->Name(), "Bare");

  for (std::string other : {
           std::string("<Project xmlns=\"urn:example:other\"><Tasks/></Project>"),
           std::string("<APIBusinessObjects xmlns=\"http://xmlns.oracle.com/Primavera/P6/"
                       "V8.3/API/BusinessObjects\"><Project/></APIBusinessObjects>"),
           std::string("<?xml version=\"1.0\"?><!-- nothing here -->"),
       }) {
    const OpenFailure failure = FailToLoad(other);
    EXPECT_EQ(failure.number, kErrFileOpen);
    EXPECT_NE(failure.description.find("MS Project XML 파일이 아닙니다"), std::string::npos)
        << failure.description;
    EXPECT_NE(failure.description.find(failure.path), std::string::npos);
  }
}

TEST(BadInput, EachFailureIs432NamingTheFileAndTheReason) {
  struct Case {
    std::string label, bytes, reason;
  };
  const std::vector<Case> cases{
      {"empty", "", "빈 파일"},
      {"truncated", kKoreanSchedule.substr(0, kKoreanSchedule.size() / 2), "XML 형식"},
      {"mismatched tags", "<Project><Tasks></Task></Project>", "XML 형식"},
      {"binary garbage", std::string("\x01\x02\x03\xff\xfe\x00\x10", 7), "XML"},
      {"plain text", "Task 1, Task 2", "XML"},
      {"outline level 0", ProjectXml(TaskXml(1, "A", 0)), "개요 수준(0)"},
      {"negative outline level", ProjectXml(TaskXml(1, "A", -3)), "개요 수준(-3)"},
      {"outline jump", ProjectXml(TaskXml(1, "A", 1) + TaskXml(2, "B", 3)), "개요 수준(3)"},
      {"absurd outline level", ProjectXml(TaskXml(1, "A", 1) + TaskXml(2, "B", 2000000000)),
       "개요 수준"},
      {"first task below the top", ProjectXml(TaskXml(1, "A", 2)), "작업 1의 개요 수준(2)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    const OpenFailure failure = FailToLoad(c.bytes);
    EXPECT_EQ(failure.number, kErrFileOpen);
    EXPECT_EQ(failure.description.rfind("'" + failure.path + "' 파일을 열 수 없습니다.", 0), 0u)
        << failure.description;
    EXPECT_NE(failure.description.find(c.reason), std::string::npos) << failure.description;
  }
}

TEST(BadInput, MissingUnreadableAndNotARegularFile) {
  auto expect_432 = [](const std::string& path, std::string_view reason) {
    try {
      OpenProjectFile(path);
      ADD_FAILURE() << path;
    } catch (const AutomationError& e) {
      EXPECT_EQ(e.Number, kErrFileOpen);
      EXPECT_NE(e.Description.find(path), std::string::npos) << e.Description;
      EXPECT_NE(e.Description.find(reason), std::string::npos) << e.Description;
    }
  };
  TempFile file("plan.xml", kKoreanSchedule);
  expect_432((file.folder() / "missing.xml").string(), "파일이 없습니다");
  expect_432(file.folder().string(), "일반 파일이 아닙니다");
  expect_432("", "경로가 비어");
  std::filesystem::permissions(file.path(), std::filesystem::perms::none);
  if (::access(file.path().c_str(), R_OK) != 0) {  // root reads anything
    expect_432(file.path(), "읽을 수 없습니다");
  }
}

TEST(BadInput, CompoundFileSignatureWithoutAContainerIsDamaged) {
  std::string compound("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
  compound += std::string(1024, '\0');
  for (std::string_view name : {"plan.mpp", "renamed.xml"}) {
    const OpenFailure failure = FailToLoad(compound, name);
    EXPECT_EQ(failure.number, kErrFileOpen);
    EXPECT_EQ(failure.description,
              "'" + failure.path +
                  "' 파일을 열 수 없습니다. 파일이 손상되었습니다. (복합 문서 구조 오류)");
  }
}

TEST(Loader, ReadsTheTaskElementsTheMembersAnswerFrom) {
  const std::string task = TaskXml(
      1, "Build &amp; test", 1,
      "<Summary>0</Summary><Estimated>1</Estimated><PercentComplete>25</PercentComplete>"
      "<PercentWorkComplete>20</PercentWorkComplete>"
      "<PhysicalPercentComplete>10</PhysicalPercentComplete>"
      "<Start>2024-03-04T08:00:00</Start><Finish>2024-03-15T17:00:00</Finish>"
      "<ActualStart>2024-03-04T08:00:00</ActualStart><Stop>2024-03-05T17:00:00</Stop>"
      "<Duration>PT80H0M0S</Duration><RemainingDuration>PT60H0M0S</RemainingDuration>"
      "<ActualDuration>PT20H0M0S</ActualDuration><Work>PT160H30M0S</Work>"
      "<Cost>150000</Cost><ActualCost>37500</ActualCost>"
      "<Baseline><Number>0</Number><Start>2024-03-01T08:00:00</Start>"
      "<Finish>2024-03-14T17:00:00</Finish><Duration>PT80H0M0S</Duration>"
      "<Work>PT160H0M0S</Work><Cost>140000</Cost></Baseline>"
      "<Baseline><Number>3</Number><Start>2024-02-01T08:00:00</Start></Baseline>"
      "<Baseline><Number>3</Number><Start>2020-01-01T08:00:00</Start></Baseline>"
      "<ExtendedAttribute><FieldID>188743731</FieldID><Value>A-1</Value></ExtendedAttribute>"
      "<ExtendedAttribute><FieldID>188743767</FieldID><Value>2.5</Value></ExtendedAttribute>"
      "<ExtendedAttribute><FieldID>188743786</FieldID><Value>2500</Value></ExtendedAttribute>");
  const std::string project_elements =
      "<StatusDate>2024-03-06T17:00:00</StatusDate><CurrencySymbol>$</CurrencySymbol>"
      "<CurrencySymbolPosition>0</CurrencySymbolPosition><CurrencyDigits>2</CurrencyDigits>"
      "<StartDate>2024-03-04T08:00:00</StartDate><FinishDate>2024-03-15T17:00:00</FinishDate>";
  const std::string resources =
      "<Resources><Resource><UID>0</UID></Resource><Resource><UID>5</UID><Name>Kim</Name>"
      "</Resource><Resource><UID>6</UID><Name>Lee</Name></Resource></Resources>"
      "<Assignments><Assignment><TaskUID>1</TaskUID><ResourceUID>-65535</ResourceUID>"
      "<Units>1</Units></Assignment><Assignment><TaskUID>1</TaskUID><ResourceUID>6</ResourceUID>"
      "<Units>0.5</Units></Assignment><Assignment><TaskUID>1</TaskUID>"
      "<ResourceUID>5</ResourceUID></Assignment></Assignments>";
  std::string xml = ProjectXml(task, project_elements);
  xml.insert(xml.find("</Project>"), resources);
  auto project = Load(xml);
  EXPECT_EQ(project->StatusDate(), "2024-03-06 17:00");
  const Task& t = *project->Tasks().Item(1);
  EXPECT_EQ(t.Name(), "Build & test");
  EXPECT_EQ(t.PercentComplete(), 25);
  EXPECT_EQ(t.Start(), "2024-03-04 08:00");
  EXPECT_EQ(t.Finish(), "2024-03-15 17:00");
  EXPECT_EQ(t.ActualStart(), "2024-03-04 08:00");
  EXPECT_EQ(t.ActualFinish(), kNA);
  EXPECT_EQ(t.Duration(), 4800);
  EXPECT_EQ(t.Work(), 9630);
  EXPECT_EQ(t.BaselineStart(), "2024-03-01 08:00");
  EXPECT_EQ(t.BaselineDuration(), 4800);
  EXPECT_EQ(t.BaselineWork(), 9600);
  EXPECT_EQ(t.BaselineNStart(3), "2024-02-01 08:00");  // the first of a number counts
  EXPECT_EQ(t.BaselineNFinish(3), kNA);
  EXPECT_EQ(t.GetField(188743709), "10일?");
  EXPECT_EQ(t.GetField(188743711), "7.5일");
  EXPECT_EQ(t.GetField(188743708), "2.5일");
  EXPECT_EQ(t.GetField(188743685), "$1,500.00");
  EXPECT_EQ(t.GetField(188743687), "$375.00");
  EXPECT_EQ(t.GetField(188743686), "$1,400.00");
  EXPECT_EQ(t.GetField(188743713), "20%");
  EXPECT_EQ(t.GetField(188744799), "10%");
  EXPECT_EQ(t.GetField(188743731), "A-1");
  EXPECT_EQ(t.GetField(188743767), "2.5");
  EXPECT_EQ(t.GetField(188743786), "$25.00");
  EXPECT_EQ(t.GetField(188743729), "Lee[50%],Kim");
  EXPECT_EQ(t.GetField(188744223), "정상 진행");
}

TEST(Loader, AMissingRemainingDurationIsWhatTheProgressLeaves) {
  auto project = Load(
      ProjectXml(TaskXml(1, "Half done", 1,
                         "<PercentComplete>25</PercentComplete><Duration>PT80H0M0S</Duration>") +
                 TaskXml(2, "Not started", 1, "<Duration>PT16H0M0S</Duration>")));
  EXPECT_EQ(project->Tasks().Item(1)->GetField(188743711), "7.5일");
  EXPECT_EQ(project->Tasks().Item(2)->GetField(188743711), "2일");
}

TEST(Loader, TaskLinesInIdOrderWithTheSummaryTaskLeftOut) {
  // IDs that are exactly 1..n place the lines, whatever the file order.
  auto permuted =
      Load(ProjectXml(TaskXml(2, "Second", 1) + TaskXml(1, "First", 1) + TaskXml(3, "Third", 2)));
  ASSERT_EQ(permuted->Tasks().Count(), 3);
  EXPECT_EQ(permuted->Tasks().Item(1)->Name(), "First");
  EXPECT_EQ(permuted->Tasks().Item(2)->Name(), "Second");
  EXPECT_EQ(permuted->Tasks().Item(3)->Name(), "Third");
  // Repeated or missing IDs: the lines are numbered as listed.
  auto repeated = Load(ProjectXml(TaskXml(1, "A", 1) + TaskXml(1, "B", 1) + TaskXml(7, "C", 1)));
  ASSERT_EQ(repeated->Tasks().Count(), 3);
  EXPECT_EQ(repeated->Tasks().Item(2)->Name(), "B");
  EXPECT_EQ(repeated->Tasks().Item(3)->Name(), "C");
  // The project summary task gives the project's figures but no line.
  std::string xml = ProjectXml(TaskXml(1, "Only", 1));
  xml.replace(xml.find("<PercentComplete>0</PercentComplete>"), 36,
              "<PercentComplete>42</PercentComplete><Start>2024-01-02T08:00:00</Start>");
  auto summary = Load(xml);
  EXPECT_EQ(summary->Tasks().Count(), 1);
  EXPECT_EQ(summary->PercentComplete(), 42);
  EXPECT_EQ(summary->ProjectStart(), "2024-01-02 08:00");
}

TEST(Loader, BlankLinesKeepTheirPlaceAndTheirLevelIsIgnored) {
  const std::string blank =
      "<Task><UID>9</UID><ID>2</ID><IsNull>1</IsNull><OutlineLevel>0</OutlineLevel>"
      "<Start>2024-03-04T08:00:00</Start></Task>\n";
  auto project = Load(ProjectXml(TaskXml(1, "A", 1) + blank + TaskXml(3, "B", 2)));
  ASSERT_EQ(project->Tasks().Count(), 3);
  EXPECT_EQ(project->Tasks().Item(2), nullptr);
  EXPECT_EQ(project->Tasks().Item(3)->OutlineLevel(), 2);
}

TEST(Loader, InsertedProjectsAndTheirNestedSchedules) {
  const std::string nested =
      "<Project><Tasks><Task><ID>1</ID><Name>Inner</Name></Task></Tasks></Project>";
  auto project =
      Load(ProjectXml(TaskXml(1, "Sub", 1,
                              "<Summary>1</Summary><IsSubproject>1</IsSubproject>"
                              "<SubprojectName>/plans/sub.xml</SubprojectName>" +
                                  nested) +
                      TaskXml(2, "Unnamed sub", 1, "<IsSubproject>1</IsSubproject>") +
                      TaskXml(3, "Plain", 1, "<IsSubproject>0</IsSubproject><SubprojectName/>")));
  ASSERT_EQ(project->Tasks().Count(), 3);  // the nested schedule's task is not a line
  EXPECT_EQ(project->Tasks().Item(1)->Subproject(), "/plans/sub.xml");
  EXPECT_EQ(project->Tasks().Item(2)->Subproject(), "Unnamed sub");
  EXPECT_EQ(project->Tasks().Item(3)->Subproject(), "");
}

TEST(HostileInput, DamagedValuesLoadAsUndefinedOrZero) {
  const std::string task = TaskXml(
      1, "Damaged", 1,
      "<Start>2024-02-30T08:00:00</Start><Finish>10000-01-01T00:00:00</Finish>"
      "<ActualStart>2008-12-04T17:-0:00</ActualStart><ActualFinish>0099-12-31T00:00:00"
      "</ActualFinish><Duration>-PT8H0M0S</Duration><Work>PT99999999999999H0M0S</Work>"
      "<RemainingDuration>P1Y2M3DT4H</RemainingDuration>"
      "<PercentComplete>250</PercentComplete><Cost>1e300</Cost><ActualCost>NaN</ActualCost>"
      "<Baseline><Number>11</Number><Start>2024-01-01T00:00:00</Start></Baseline>"
      "<Baseline><Number>99999999999999999999</Number></Baseline>"
      "<ExtendedAttribute><FieldID>99999999999</FieldID><Value>x</Value></ExtendedAttribute>");
  auto project = Load(ProjectXml(task,
                                 "<MinutesPerDay>0</MinutesPerDay>"
                                 "<CurrencyDigits>99</CurrencyDigits>"));
  const Task& t = *project->Tasks().Item(1);
  EXPECT_EQ(t.Start(), kNA);
  EXPECT_EQ(t.Finish(), kNA);
  EXPECT_EQ(t.ActualStart(), kNA);
  EXPECT_EQ(t.ActualFinish(), kNA);
  EXPECT_EQ(t.Duration(), 0);
  EXPECT_EQ(t.Work(), 0);
  EXPECT_EQ(t.GetField(188743711), "1284.5일");  // (365+60+3)*1440+240 minutes in 480-minute days
  EXPECT_EQ(t.PercentComplete(), 100);
  EXPECT_EQ(t.GetField(188743685), "₩0");
  EXPECT_EQ(t.GetField(188743687), "₩0");
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(t.BaselineNStart(n), kNA);
}

TEST(HostileInput, DeepNestingHugeRangesAndLongListsLoad) {
  std::string deep;
  for (int i = 0; i < 200000; ++i) deep += "<x>";
  deep += "text";
  for (int i = 0; i < 200000; ++i) deep += "</x>";
  auto project = Load(ProjectXml(TaskXml(1, "Deep", 1, deep)));
  EXPECT_EQ(project->Tasks().Item(1)->Name(), "Deep");

  // A weekly exception over eight thousand years and a base-calendar loop.
  const std::string calendars =
      "<CalendarUID>1</CalendarUID><Calendars><Calendar><UID>1</UID><BaseCalendarUID>1"
      "</BaseCalendarUID><Exceptions><Exception><TimePeriod><FromDate>1900-01-01T00:00:00"
      "</FromDate><ToDate>9999-12-31T23:59:00</ToDate></TimePeriod><Type>6</Type>"
      "<DaysOfWeek>127</DaysOfWeek><Occurrences>2000000000</Occurrences>"
      "<DayWorking>0</DayWorking></Exception></Exceptions></Calendar></Calendars>";
  auto long_exception = Load(ProjectXml("", calendars));
  EXPECT_EQ(long_exception->Application().DateDifference("1950-01-02", "1950-01-09"), 0);

  // Many assignments of one task to one resource.
  std::string assignments =
      "<Resources><Resource><UID>1</UID><Name>R</Name></Resource></Resources><Assignments>";
  for (int i = 0; i < 20000; ++i) {
    assignments += "<Assignment><TaskUID>1</TaskUID><ResourceUID>1</ResourceUID></Assignment>";
  }
  assignments += "</Assignments>";
  std::string xml = ProjectXml(TaskXml(1, "Busy", 1));
  xml.insert(xml.find("</Project>"), assignments);
  EXPECT_EQ(Load(xml)->Tasks().Item(1)->GetField(188743729).size(), 20000u * 2 - 1);
}

TEST(HostileInput, AnEmptyBufferAndAFloodOfEmptyElementsAreRefused) {
  try {
    LoadMspdi(nullptr, 0, "none.xml");
    ADD_FAILURE() << "loaded nothing";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, kErrFileOpen);
  }

  // Thirteen and a half million empty elements in 54 MB: far more than one per 8 bytes.
  std::string flood = "<Project><Tasks>";
  for (int i = 0; i < 13500000; ++i) flood += "<a/>";
  flood += "</Tasks></Project>";
  try {
    LoadMspdi(flood.data(), flood.size(), "flood.xml");
    ADD_FAILURE() << "loaded";
  } catch (const AutomationError& e) {
    EXPECT_EQ(e.Number, kErrFileOpen);
    EXPECT_EQ(e.Description, "'flood.xml' 파일을 열 수 없습니다. 파일의 요소가 너무 많습니다.");
  }
}

}  // namespace
}  // namespace taskvane::project

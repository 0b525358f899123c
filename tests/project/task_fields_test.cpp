// Task.GetField: the 79 identifiers of the field catalogue and the text of each kind.

#include <gtest/gtest.h>

#include <set>

#include "platform/project/field_catalogue.h"
#include "platform/project/field_format.h"
#include "platform/project/project.h"
#include "platform/project/project_builder.h"

namespace taskvane::project {
namespace {

const std::string kNA{kNotAvailableText};

// The catalogue as the field chooser lists it.
std::set<long> CatalogueIdentifiers() {
  std::set<long> ids{188743715, 188743716, 188743709, 188743711, 188743712, 188743729, 188743685,
                     188744223, 188743707, 188743686, 188743723, 188743724, 188743681, 188743708,
                     188743687, 188743721, 188743722, 188744799, 188743713};
  for (long id = 188743767; id <= 188743771; ++id) ids.insert(id);     // Number1-5
  for (long id = 188743982; id <= 188743996; ++id) ids.insert(id);     // Number6-20
  for (long id = 188743731; id <= 188743746; id += 3) ids.insert(id);  // Text1-6
  for (long id = 188743747; id <= 188743750; ++id) ids.insert(id);     // Text7-10
  for (long id = 188743997; id <= 188744016; ++id) ids.insert(id);     // Text11-30
  for (long id = 188743786; id <= 188743788; ++id) ids.insert(id);     // Cost1-3
  for (long id = 188743938; id <= 188743944; ++id) ids.insert(id);     // Cost4-10
  return ids;
}

TEST(GetField, AnswersExactlyTheCatalogueIdentifiers) {
  const std::set<long> catalogue = CatalogueIdentifiers();
  ASSERT_EQ(catalogue.size(), 79u);
  ProjectBuilder b;
  b.AddTask("Plain", 1);
  auto project = b.Build();
  const Task& task = *project->Tasks().Item(1);
  std::set<long> answered;
  for (long id = 188743600; id <= 188745100; ++id) {
    try {
      task.GetField(id);
      answered.insert(id);
    } catch (const AutomationError& e) {
      EXPECT_EQ(e.Number, kErrInvalidArgument);
    }
  }
  EXPECT_EQ(answered, catalogue);
  // Fields outside the catalogue, such as Name or Work, are refused.
  EXPECT_THROW(task.GetField(188743694), AutomationError);
  EXPECT_THROW(task.GetField(188743680), AutomationError);
  EXPECT_THROW(task.GetField(0), AutomationError);
}

TEST(GetField, DatesWithoutTimeOrTheNotAvailableText) {
  ProjectBuilder b;
  b.AddTask("T", 1)
      .Start("2024-03-04 08:00")
      .Finish("2024-03-08 17:00")
      .ActualStart("2024-03-05 10:00")
      .Baseline(0, "2024-02-26 08:00", "");
  auto project = b.Build();
  const Task& task = *project->Tasks().Item(1);
  EXPECT_EQ(task.GetField(188743715), "2024-03-04");
  EXPECT_EQ(task.GetField(188743716), "2024-03-08");
  EXPECT_EQ(task.GetField(188743721), "2024-03-05");
  EXPECT_EQ(task.GetField(188743722), kNA);
  EXPECT_EQ(task.GetField(188743723), "2024-02-26");
  EXPECT_EQ(task.GetField(188743724), kNA);
}

TEST(GetField, DurationsInDaysOfTheFilesLengthAndWorkInHours) {
  ProjectBuilder b;
  b.AddTask("T", 1).Duration(2400).RemainingDuration(240).ActualDuration(160).Baseline(
      0, "", "", 4800, 2400 + 30);
  b.AddTask("Guess", 1).Duration(480).Estimated();
  auto project = b.Build();
  const Task& task = *project->Tasks().Item(1);
  EXPECT_EQ(task.GetField(188743709), "5일");
  EXPECT_EQ(task.GetField(188743711), "0.5일");
  EXPECT_EQ(task.GetField(188743708), "0.33일");
  EXPECT_EQ(task.GetField(188743707), "10일");
  EXPECT_EQ(task.GetField(188743681), "40.5시간");
  EXPECT_EQ(project->Tasks().Item(2)->GetField(188743709), "1일?");

  ProjectBuilder short_days;
  short_days.MinutesPerDay(450).AddTask("T", 1).Duration(900);
  EXPECT_EQ(short_days.Build()->Tasks().Item(1)->GetField(188743709), "2일");
}

TEST(GetField, Percentages) {
  ProjectBuilder b;
  b.AddTask("T", 1).PercentComplete(45).PercentWorkComplete(30).PhysicalPercentComplete(100);
  auto project = b.Build();
  const Task& task = *project->Tasks().Item(1);
  EXPECT_EQ(task.GetField(188743712), "45%");
  EXPECT_EQ(task.GetField(188743713), "30%");
  EXPECT_EQ(task.GetField(188744799), "100%");
}

TEST(GetField, CostsInTheFilesCurrency) {
  ProjectBuilder won;
  won.AddTask("T", 1)
      .Cost(1500)
      .ActualCost(1234567.5)
      .Baseline(0, "", "", 0, 0, -300)
      .Field(188743786, "150000")     // Cost1, in hundredths
      .Field(188743944, "29908.45");  // Cost10
  auto project = won.Build();
  const Task& task = *project->Tasks().Item(1);
  EXPECT_EQ(task.GetField(188743685), "₩1,500");
  EXPECT_EQ(task.GetField(188743687), "₩1,234,568");
  EXPECT_EQ(task.GetField(188743686), "-₩300");
  EXPECT_EQ(task.GetField(188743786), "₩1,500");
  EXPECT_EQ(task.GetField(188743944), "₩299");
  EXPECT_EQ(task.GetField(188743787), "₩0");  // Cost2 not set

  ProjectBuilder pounds;
  pounds.Currency("£", 0, 2).AddTask("T", 1).Cost(1234.5).Field(188743944, "29908.45");
  auto in_pounds = pounds.Build();
  EXPECT_EQ(in_pounds->Tasks().Item(1)->GetField(188743685), "£1,234.50");
  EXPECT_EQ(in_pounds->Tasks().Item(1)->GetField(188743944), "£299.08");
  EXPECT_EQ(in_pounds->Tasks().Item(1)->GetField(188743787), "£0.00");

  CurrencyFormat euro{"€", 3, 2};
  EXPECT_EQ(FormatCost(1500, euro), "1,500.00 €");
  euro.position = 1;
  EXPECT_EQ(FormatCost(-2.5, euro), "-2.50€");
  euro.position = 2;
  EXPECT_EQ(FormatCost(0.004, euro), "€ 0.00");
}

TEST(GetField, NumberAndTextCustomFields) {
  ProjectBuilder b;
  b.AddTask("T", 1)
      .Field(188743767, "55.56")       // Number1
      .Field(188743996, "-3")          // Number20
      .Field(188743982, "rubbish")     // Number6, damaged
      .Field(188743731, "1단계")       // Text1
      .Field(188744016, "last text");  // Text30
  auto project = b.Build();
  const Task& task = *project->Tasks().Item(1);
  EXPECT_EQ(task.GetField(188743767), "55.56");
  EXPECT_EQ(task.GetField(188743996), "-3");
  EXPECT_EQ(task.GetField(188743982), "0");
  EXPECT_EQ(task.GetField(188743768), "0");  // Number2 not set
  EXPECT_EQ(task.GetField(188743731), "1단계");
  EXPECT_EQ(task.GetField(188744016), "last text");
  EXPECT_EQ(task.GetField(188743734), "");  // Text2 not set
}

TEST(GetField, ResourceNamesWithUnitsOtherThanFullTime) {
  ProjectBuilder b;
  b.AddTask("T", 1).Resource("설계팀").Resource("Kim", 0.5).Resource("Lee", 3);
  b.AddTask("Alone", 1);
  b.AddTask("Part", 1).Resource("Kim", 0.625);
  auto project = b.Build();
  EXPECT_EQ(project->Tasks().Item(1)->GetField(188743729), "설계팀,Kim[50%],Lee[300%]");
  EXPECT_EQ(project->Tasks().Item(2)->GetField(188743729), "");
  EXPECT_EQ(project->Tasks().Item(3)->GetField(188743729), "Kim[63%]");
}

TEST(GetField, StatusFromDatesProgressAndStatusDate) {
  constexpr long kStatus = 188744223;
  ProjectBuilder b;
  b.StatusDate("2024-03-06 17:00");  // a Wednesday
  b.AddTask("Done", 1).Start("2024-03-01").Finish("2024-03-04").PercentComplete(100);
  b.AddTask("Later", 1).Start("2024-03-07 08:00").Finish("2024-03-08 17:00").Duration(960);
  b.AddTask("Behind", 1).Start("2024-03-04 08:00").Duration(2400).PercentComplete(20);
  b.AddTask("OnTrack", 1).Start("2024-03-04 08:00").Duration(2400).PercentComplete(40);
  b.AddTask("StoppedEarly", 1)
      .Start("2024-03-04 08:00")
      .Duration(2400)
      .PercentComplete(60)
      .Stop("2024-03-05 12:00");
  b.AddTask("StoppedInTime", 1)
      .Start("2024-03-04 08:00")
      .Duration(2400)
      .PercentComplete(10)
      .Stop("2024-03-05 17:00");
  b.AddTask("StartsToday", 1).Start("2024-03-06 08:00").Duration(480);
  b.AddTask("NoStart", 1);
  auto project = b.Build();
  auto status = [&](int i) { return project->Tasks().Item(i)->GetField(kStatus); };
  EXPECT_EQ(status(1), "완료");
  EXPECT_EQ(status(2), "미래 작업");
  EXPECT_EQ(status(3), "지연");       // 480 of the 960 minutes due by Wednesday
  EXPECT_EQ(status(4), "정상 진행");  // 960 done
  EXPECT_EQ(status(5), "지연");       // worked through Tuesday noon only
  EXPECT_EQ(status(6), "정상 진행");  // through Tuesday evening
  EXPECT_EQ(status(7), "정상 진행");
  EXPECT_EQ(status(8), "");

  // Without a status date the current date stands in.
  ProjectBuilder current;
  current.CurrentDate("2024-03-11 08:00").AddTask("Behind", 1).Start("2024-03-04").Duration(480);
  EXPECT_EQ(current.Build()->Tasks().Item(1)->GetField(kStatus), "지연");
}

TEST(FieldFormat, DecimalTexts) {
  EXPECT_EQ(FormatDecimal(1234567.891, 2, true, false), "1,234,567.89");
  EXPECT_EQ(FormatDecimal(0.005, 2, false, false), "0.01");
  EXPECT_EQ(FormatDecimal(-0.001, 2, false, false), "0");
  EXPECT_EQ(FormatDecimal(100, 2, false, true), "100.00");
  EXPECT_EQ(FormatDecimal(999.999, 2, true, false), "1,000");
  EXPECT_EQ(FormatDays(0, 480, false), "0일");
  EXPECT_EQ(FormatDays(480, 0, false), "1일");  // a damaged day length falls back to 480
  EXPECT_EQ(FormatHours(90), "1.5시간");
  EXPECT_EQ(FormatNumberField(1e21), "1e+21");
  EXPECT_EQ(FormatNumberField(-0.0), "0");
}

}  // namespace
}  // namespace taskvane::project

// Every binary sample with an XML twin converts to the same documents as its twin: the
// column and indented outline lists with every catalogue field, the week and day Gantt
// sheets with plan and actual, and the weekly report. Both go through the main window and
// the real exporters; the saved packages are compared cell by cell, shape by shape and
// slide by slide.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <set>

#include "platform/project/project.h"
#include "tests/console/convert_recording_exporters.h"
#include "tests/ppt_report/pptx_reader.h"
#include "tests/project/mpp_samples.h"
#include "tests/twin_conversions/package_diff.h"
#include "tests/twin_conversions/twin_samples.h"

namespace taskvane::testing {
namespace {

constexpr const char* kStatusCaption = "상태";

// Values the two formats cannot carry alike, each named with its reason.
//
// 상태 (status): none of the samples sets a status date, so the status counts from the
// schedule's current date. An XML save stores the day it was made as the current date; a
// binary file stores none, and Project (like this reader) takes today instead. The
// column's fitted width follows its texts.
class FormatExcuses {
 public:
  FormatExcuses(const PackageParts& twin_package, bool twin_has_status_date) {
    if (twin_has_status_date) return;
    for (const auto& [ref, text] : SheetTexts(twin_package, "xl/worksheets/sheet1.xml")) {
      if (text != kStatusCaption) continue;
      std::size_t letters = 0;
      while (letters < ref.size() && std::isalpha(static_cast<unsigned char>(ref[letters]))) {
        ++letters;
      }
      status_column_ = ref.substr(0, letters);
      status_header_row_ = std::atoi(ref.c_str() + letters);
    }
  }

  std::optional<std::string> operator()(const CellDifference& cell) const {
    if (status_column_.empty() || cell.column != status_column_) return std::nullopt;
    if (cell.row > status_header_row_) {
      return std::string(kStatusCaption) +
             ": no status date; the current date is today for a binary file, the saving day "
             "for its XML twin";
    }
    if (cell.row == 0) {
      return std::string(kStatusCaption) + " column width: fitted to those status texts";
    }
    return std::nullopt;
  }

 private:
  std::string status_column_;
  int status_header_row_ = 0;
};

struct TwinFacts {
  bool status_date = false;
  bool tasks = false;
};

TwinFacts FactsOf(const std::string& schedule) {
  const auto project = project::OpenProjectFile(schedule);
  return TwinFacts{project->StatusDate() != project::kNotAvailableText,
                   project->Tasks().Count() > 0};
}

struct ConvertedPair {
  ConversionRun expected_run, actual_run;
  PackageParts expected, actual;
};

ConvertedPair ConvertBoth(Conversion conversion, const std::string& expected_schedule,
                          const std::string& actual_schedule, const ReportPeriods& periods,
                          const TempFolder& folder) {
  const std::string name(ConversionName(conversion));
  const std::string extension(OutputExtension(conversion));
  const std::string expected_output = folder.Path() + "expected-" + name + extension;
  const std::string actual_output = folder.Path() + "actual-" + name + extension;
  ConvertedPair pair;
  pair.expected_run = RunConversion(conversion, expected_schedule, expected_output, periods);
  pair.actual_run = RunConversion(conversion, actual_schedule, actual_output, periods);
  pair.expected = ReadPackage(expected_output);
  pair.actual = ReadPackage(actual_output);
  return pair;
}

// The chosen periods list tasks: the last-week table has rows under its header.
void ExpectTaskRows(const PackageParts& report, const ReportPeriods& periods) {
  const std::vector<std::string> slides = SlideParts(report);
  ASSERT_FALSE(slides.empty());
  const SlideContent first = ReadSlide(report.at(slides[0]));
  ASSERT_GE(first.tables.size(), 2u);
  EXPECT_GE(first.tables[1].rows.size(), 2u)
      << "no task in " << periods.dates[0] << ".." << periods.dates[1];
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n  " + line;
  return text;
}

// Converts both schedules five ways and expects the same documents; counts the excused
// cells by reason.
void ExpectSameDocuments(const std::string& twin, const std::string& other,
                         std::map<std::string, int>& excused) {
  TempFolder folder;
  const ReportPeriods periods = PeriodsFromFirstTask(twin);
  const TwinFacts facts = FactsOf(twin);
  for (Conversion conversion : kAllConversions) {
    SCOPED_TRACE(std::string(ConversionName(conversion)));
    const ConvertedPair pair = ConvertBoth(conversion, twin, other, periods, folder);
    EXPECT_TRUE(pair.expected_run.messages.empty()) << Joined(pair.expected_run.messages);
    ASSERT_TRUE(pair.expected_run.saved) << "the twin converts";
    EXPECT_EQ(pair.actual_run.messages, pair.expected_run.messages)
        << Joined(pair.actual_run.messages);
    ASSERT_TRUE(pair.actual_run.saved) << "no document from " << other;
    const FormatExcuses excuses(pair.expected, facts.status_date);
    const PackageComparison comparison =
        ComparePackages(pair.expected, pair.actual, std::cref(excuses));
    EXPECT_TRUE(comparison.differences.empty()) << Joined(comparison.differences);
    if (conversion == Conversion::kWeeklyReport && facts.tasks)
      ExpectTaskRows(pair.expected, periods);
    for (const std::string& line : comparison.excused) {
      ++excused[line.substr(line.find(": ") + 2)];
    }
  }
}

class TwinConversion : public ::testing::TestWithParam<TwinSample> {};

TEST_P(TwinConversion, SameDocumentsAsTheXmlTwin) {
  const TwinSample& sample = GetParam();
  std::map<std::string, int> excused;
  ExpectSameDocuments(sample.twin, sample.mpp, excused);
  for (const auto& [reason, count] : excused) {
    std::cout << "excused " << count << " cells: " << reason << "\n";
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, TwinConversion, ::testing::ValuesIn(TwinSamples()),
                         [](const ::testing::TestParamInfo<TwinSample>& info) {
                           return project::testing::SampleTestName(
                               std::filesystem::path(info.param.name).stem().string());
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(TwinConversion);

TEST(TwinCorpus, EveryTwinOfTheSamplesIsCompared) {
  if (project::testing::MppSampleNames().empty())
    GTEST_SKIP() << "the shared samples are not available";
  const std::vector<TwinSample> samples = TwinSamples();
  // Project 2000 saved no XML; misc/ holds files with other twins or none.
  EXPECT_GE(samples.size(), 100u);
  std::set<std::string> formats;
  for (const TwinSample& sample : samples) {
    EXPECT_FALSE(sample.name.starts_with("misc/")) << sample.name;
    EXPECT_EQ(sample.name.find("project2000"), std::string::npos) << sample.name;
    formats.insert(sample.mpp.substr(sample.mpp.rfind("-mpp")));
  }
  EXPECT_EQ(formats, (std::set<std::string>{"-mpp12.mpp", "-mpp14.mpp", "-mpp9.mpp"}));
}

}  // namespace
}  // namespace taskvane::testing

#pragma once

// The binary sample schedules: which of them have a Project XML twin saved by the same
// Project version, their bytes, and the twin as the XML loader reads it.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/project/mpp/mpp_file.h"
#include "platform/project/schedule_data.h"

namespace taskvane::project::testing {

// The skip message of a test that needs the binary samples.
inline constexpr const char* kNoMppSamples =
    "sample schedule not available: " TASKVANE_SAMPLES_DIR "/mpp";

struct MppSample {
  std::string path;       // the .mpp file
  std::string twin_path;  // its Project XML twin
  std::string name;       // the file name, for messages
};

// Every .mpp under the samples' mpp folder whose twin exists, in path order; empty when the
// samples are not on this machine.
std::vector<MppSample> MppSamplesWithTwins();

// Every .mpp under the samples' mpp folder, twin or not, as paths relative to it
// ("misc/sample98.mpp"), ordered; empty when the samples are not on this machine.
std::vector<std::string> MppSampleNames();

// A sample's name as a test name: every character but letters and digits becomes "_".
std::string SampleTestName(std::string_view name);

// Opens each of those samples and calls `check` with it and its twin as the XML loader
// reads it, inside a trace naming the file. False when there are no samples.
bool ForEachSampleWithTwin(
    const std::function<void(const mpp::MppFile& file, const ProjectData& twin)>& check);

// Path of a binary sample under the samples' mpp folder ("misc/sample1.mpp"); empty when
// absent.
std::string MppSamplePath(std::string_view relative);

std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

// The schedule the XML loader reads from the file at `path`.
ProjectData LoadXmlFile(const std::string& path);

}  // namespace taskvane::project::testing

#pragma once

// The task fields GetField answers: the 79 identifiers of the field catalogue, each with
// the kind of text it gives.

#include <optional>

namespace taskvane::project {

enum class TaskField {
  kStart,
  kFinish,
  kDuration,
  kRemainingDuration,
  kPercentComplete,
  kResourceNames,
  kCost,
  kStatus,
  kBaselineDuration,
  kBaselineCost,
  kBaselineStart,
  kBaselineFinish,
  kBaselineWork,
  kActualDuration,
  kActualCost,
  kActualStart,
  kActualFinish,
  kPhysicalPercentComplete,
  kWorkPercentComplete,
  kNumber,      // Number1..Number20
  kText,        // Text1..Text30
  kCustomCost,  // Cost1..Cost10
};

// The field of a catalogue identifier; nothing for any other number.
std::optional<TaskField> TaskFieldOf(long field_id);

// True for the custom fields (Number, Text, Cost families) whose values a task keeps.
bool IsCustomField(long field_id);

}  // namespace taskvane::project

#include "platform/project/field_catalogue.h"

namespace taskvane::project {
namespace {

bool InRange(long id, long first, long last) {
  return id >= first && id <= last;
}

}  // namespace

std::optional<TaskField> TaskFieldOf(long id) {
  switch (id) {
    case 188743715:
      return TaskField::kStart;
    case 188743716:
      return TaskField::kFinish;
    case 188743709:
      return TaskField::kDuration;
    case 188743711:
      return TaskField::kRemainingDuration;
    case 188743712:
      return TaskField::kPercentComplete;
    case 188743729:
      return TaskField::kResourceNames;
    case 188743685:
      return TaskField::kCost;
    case 188744223:
      return TaskField::kStatus;
    case 188743707:
      return TaskField::kBaselineDuration;
    case 188743686:
      return TaskField::kBaselineCost;
    case 188743723:
      return TaskField::kBaselineStart;
    case 188743724:
      return TaskField::kBaselineFinish;
    case 188743681:
      return TaskField::kBaselineWork;
    case 188743708:
      return TaskField::kActualDuration;
    case 188743687:
      return TaskField::kActualCost;
    case 188743721:
      return TaskField::kActualStart;
    case 188743722:
      return TaskField::kActualFinish;
    case 188744799:
      return TaskField::kPhysicalPercentComplete;
    case 188743713:
      return TaskField::kWorkPercentComplete;
    default:
      break;
  }
  // Number1-5, Number6-20.
  if (InRange(id, 188743767, 188743771) || InRange(id, 188743982, 188743996)) {
    return TaskField::kNumber;
  }
  // Text1-6 every third number, Text7-10, Text11-30.
  if ((InRange(id, 188743731, 188743746) && (id - 188743731) % 3 == 0) ||
      InRange(id, 188743747, 188743750) || InRange(id, 188743997, 188744016)) {
    return TaskField::kText;
  }
  // Cost1-3, Cost4-10.
  if (InRange(id, 188743786, 188743788) || InRange(id, 188743938, 188743944)) {
    return TaskField::kCustomCost;
  }
  return std::nullopt;
}

bool IsCustomField(long field_id) {
  auto field = TaskFieldOf(field_id);
  return field == TaskField::kNumber || field == TaskField::kText ||
         field == TaskField::kCustomCost;
}

}  // namespace taskvane::project

#include "platform/project/mspdi_loader.h"

#include <algorithm>
#include <deque>
#include <new>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/project/field_catalogue.h"
#include "platform/project/file_open_error.h"
#include "platform/project/mspdi_calendars.h"
#include "platform/project/mspdi_values.h"
#include "platform/project/project.h"
#include "platform/project/task_lines.h"
#include "platform/project/xml_fragment.h"
#include "platform/project/xml_stream.h"

namespace taskvane::project {
namespace {

constexpr std::string_view kNamespace = "http://schemas.microsoft.com/project";
constexpr size_t kMaxCurrencySymbolBytes = 64;

enum class TaskElement {
  kUid,
  kId,
  kName,
  kIsNull,
  kOutlineLevel,
  kSummary,
  kEstimated,
  kIsSubproject,
  kSubprojectName,
  kPercentComplete,
  kPercentWorkComplete,
  kPhysicalPercentComplete,
  kStart,
  kFinish,
  kActualStart,
  kActualFinish,
  kStop,
  kDuration,
  kRemainingDuration,
  kActualDuration,
  kWork,
  kCost,
  kActualCost,
  kBaseline,
  kExtendedAttribute,
};

const std::unordered_map<std::string_view, TaskElement>& TaskElements() {
  static const std::unordered_map<std::string_view, TaskElement> kElements{
      {"UID", TaskElement::kUid},
      {"ID", TaskElement::kId},
      {"Name", TaskElement::kName},
      {"IsNull", TaskElement::kIsNull},
      {"OutlineLevel", TaskElement::kOutlineLevel},
      {"Summary", TaskElement::kSummary},
      {"Estimated", TaskElement::kEstimated},
      {"IsSubproject", TaskElement::kIsSubproject},
      {"SubprojectName", TaskElement::kSubprojectName},
      {"PercentComplete", TaskElement::kPercentComplete},
      {"PercentWorkComplete", TaskElement::kPercentWorkComplete},
      {"PhysicalPercentComplete", TaskElement::kPhysicalPercentComplete},
      {"Start", TaskElement::kStart},
      {"Finish", TaskElement::kFinish},
      {"ActualStart", TaskElement::kActualStart},
      {"ActualFinish", TaskElement::kActualFinish},
      {"Stop", TaskElement::kStop},
      {"Duration", TaskElement::kDuration},
      {"RemainingDuration", TaskElement::kRemainingDuration},
      {"ActualDuration", TaskElement::kActualDuration},
      {"Work", TaskElement::kWork},
      {"Cost", TaskElement::kCost},
      {"ActualCost", TaskElement::kActualCost},
      {"Baseline", TaskElement::kBaseline},
      {"ExtendedAttribute", TaskElement::kExtendedAttribute},
  };
  return kElements;
}

double Minutes(std::string_view text) {
  return BelievableMinutes(ReadDuration(text).value_or(0));
}

// Amounts are written in hundredths of the currency unit.
double Amount(std::string_view text) {
  return BelievableAmount(ReadNumber(text).value_or(0) / 100);
}

int Percent(std::string_view text) {
  const long long value = ReadInteger(text).value_or(0);
  return static_cast<int>(std::clamp<long long>(value, 0, 100));
}

bool Flag(std::string_view text) {
  return ReadFlag(text).value_or(false);
}

// A task line as read, before the lines are put in ID order.
struct TaskLine {
  TaskData data;
  std::optional<long long> id;
  std::optional<long long> uid;
  std::optional<long long> outline_level;
};

void ReadBaseline(const XmlElement& node, TaskData& task) {
  BaselineData baseline;
  std::optional<long long> number;
  for (XmlElement child = node.first_child(); child; child = child.next_sibling()) {
    const std::string_view name = child.name();
    const std::string_view text = child.text();
    if (name == "Number")
      number = ReadInteger(text);
    else if (name == "Start")
      baseline.start = ReadDateTime(text);
    else if (name == "Finish")
      baseline.finish = ReadDateTime(text);
    else if (name == "Duration")
      baseline.duration = Minutes(text);
    else if (name == "Work")
      baseline.work = Minutes(text);
    else if (name == "Cost")
      baseline.cost = Amount(text);
  }
  if (!number || *number < 0 || *number > 10) return;
  baseline.number = static_cast<int>(*number);
  for (const BaselineData& other : task.baselines) {
    if (other.number == baseline.number) return;  // the first of a number counts
  }
  task.baselines.push_back(baseline);
}

void ReadExtendedAttribute(const XmlElement& node, TaskData& task) {
  const auto field_id = ReadInteger(ChildText(node, "FieldID"));
  if (!field_id || *field_id < 0 || *field_id > 999999999) return;
  const long id = static_cast<long>(*field_id);
  if (!IsCustomField(id)) return;
  for (const CustomFieldValue& other : task.custom_fields) {
    if (other.field_id == id) return;
  }
  task.custom_fields.push_back({id, std::string(ChildText(node, "Value"))});
}

TaskLine ReadTask(const XmlElement& node) {
  TaskLine line;
  TaskData& task = line.data;
  bool is_subproject = false;
  bool has_subproject_flag = false;
  bool has_remaining_duration = false;
  std::string_view subproject_name;
  const auto& elements = TaskElements();
  for (XmlElement child = node.first_child(); child; child = child.next_sibling()) {
    auto found = elements.find(child.name());
    if (found == elements.end()) continue;
    const std::string_view text = child.text();
    switch (found->second) {
      case TaskElement::kUid:
        line.uid = ReadInteger(text);
        break;
      case TaskElement::kId:
        line.id = ReadInteger(text);
        break;
      case TaskElement::kName:
        task.name = text;
        break;
      case TaskElement::kIsNull:
        task.blank = Flag(text);
        break;
      case TaskElement::kOutlineLevel:
        line.outline_level = ReadInteger(text);
        break;
      case TaskElement::kSummary:
        task.summary = Flag(text);
        break;
      case TaskElement::kEstimated:
        task.estimated = Flag(text);
        break;
      case TaskElement::kIsSubproject:
        has_subproject_flag = true;
        is_subproject = Flag(text);
        break;
      case TaskElement::kSubprojectName:
        subproject_name = text;
        break;
      case TaskElement::kPercentComplete:
        task.percent_complete = Percent(text);
        break;
      case TaskElement::kPercentWorkComplete:
        task.percent_work_complete = Percent(text);
        break;
      case TaskElement::kPhysicalPercentComplete:
        task.physical_percent_complete = Percent(text);
        break;
      case TaskElement::kStart:
        task.start = ReadDateTime(text);
        break;
      case TaskElement::kFinish:
        task.finish = ReadDateTime(text);
        break;
      case TaskElement::kActualStart:
        task.actual_start = ReadDateTime(text);
        break;
      case TaskElement::kActualFinish:
        task.actual_finish = ReadDateTime(text);
        break;
      case TaskElement::kStop:
        task.stop = ReadDateTime(text);
        break;
      case TaskElement::kDuration:
        task.duration = Minutes(text);
        break;
      case TaskElement::kRemainingDuration:
        has_remaining_duration = true;
        task.remaining_duration = Minutes(text);
        break;
      case TaskElement::kActualDuration:
        task.actual_duration = Minutes(text);
        break;
      case TaskElement::kWork:
        task.work = Minutes(text);
        break;
      case TaskElement::kCost:
        task.cost = Amount(text);
        break;
      case TaskElement::kActualCost:
        task.actual_cost = Amount(text);
        break;
      case TaskElement::kBaseline:
        ReadBaseline(child, task);
        break;
      case TaskElement::kExtendedAttribute:
        ReadExtendedAttribute(child, task);
        break;
    }
  }
  // Project always writes the remaining duration; a file written by another tool may
  // leave it out, and then it is what the progress leaves of the duration.
  if (!has_remaining_duration) {
    task.remaining_duration = task.duration * (100 - task.percent_complete) / 100.0;
  }
  // An inserted project is known by its path; one written without a path is still
  // reported, by its name, so that it is never taken for an ordinary task.
  if (is_subproject || (!has_subproject_flag && !TrimBlanks(subproject_name).empty())) {
    task.subproject = subproject_name.empty() ? task.name : std::string(subproject_name);
  }
  return line;
}

// A line's numbers as the file gives them, kept beside its task until the lines are put
// in ID order.
struct LineKeys {
  std::optional<long long> id;
  std::optional<long long> uid;
  std::optional<long long> outline_level;
};

// An assignment as read; joined to its task and resource once the document is read.
struct AssignmentLine {
  long long task_uid = 0;
  long long resource_uid = 0;
  double units = 1;
};

size_t HeapBytes(const std::string& text) {
  return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

// What a task line keeps beyond its fixed part: its texts, baselines and fields.
size_t LineHeapBytes(const TaskData& task) {
  size_t bytes = HeapBytes(task.name) + HeapBytes(task.subproject) +
                 task.baselines.capacity() * sizeof(BaselineData) +
                 task.custom_fields.capacity() * sizeof(CustomFieldValue);
  for (const CustomFieldValue& field : task.custom_fields) bytes += HeapBytes(field.value);
  return bytes;
}

// An entry of a hash map by UID: its node and its share of the buckets.
constexpr size_t kUidEntryBytes = 48;
// Each line, resource and assignment kept, with what it takes at most once the document
// is read: a line is held twice while the lines move into the schedule's list (its keys,
// its entry in the map by UID and its place in the permutation are gone by then), an
// assignment also in its task.
constexpr size_t kLineBytes = 2 * sizeof(TaskData) + sizeof(LineKeys);
constexpr size_t kResourceBytes = sizeof(std::string) + kUidEntryBytes;
constexpr size_t kAssignmentBytes = sizeof(AssignmentLine) + sizeof(AssignmentData);

// The project's values that are read; the texts of the others are not gathered.
bool IsProjectValue(std::string_view name) {
  static constexpr std::string_view kNames[] = {
      "StartDate",         "FinishDate",     "StatusDate",
      "CurrentDate",       "CalendarUID",    "MinutesPerDay",
      "DefaultFinishTime", "CurrencySymbol", "CurrencySymbolPosition",
      "CurrencyDigits"};
  return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

// The tasks in ID order: by their IDs when those are exactly 1..n, else in file order
// (a file with missing, repeated or skipped IDs is numbered as it is listed). The lines
// are moved in place, so that the schedule is never held twice.
void PutInIdOrder(std::deque<TaskData>& tasks, const std::deque<LineKeys>& keys) {
  const size_t n = tasks.size();
  std::vector<size_t> slot_of_line(n, n);
  std::vector<bool> id_taken(n + 1, false);
  for (size_t i = 0; i < n; ++i) {
    const auto id = keys[i].id;
    if (!id || *id < 1 || *id > static_cast<long long>(n) || id_taken[*id]) return;
    id_taken[*id] = true;
    slot_of_line[i] = static_cast<size_t>(*id - 1);
  }
  // Each cycle of the permutation is walked once, swapping each line into its slot.
  for (size_t i = 0; i < n; ++i) {
    while (slot_of_line[i] != i) {
      const size_t slot = slot_of_line[i];
      std::swap(tasks[i], tasks[slot]);
      std::swap(slot_of_line[i], slot_of_line[slot]);
    }
  }
}

// Reads the document's root and its children as they stream past: the project's values,
// and each task, resource and assignment as a small tree of its own, read into the
// schedule when it ends. The calendars are kept whole until the end, since the project's
// calendar and its base calendars are found by their UIDs.
class ScheduleReader final : public XmlVisitor {
 public:
  ScheduleReader(std::string_view path, const MspdiLimits& limits) : path_(path), limits_(limits) {
    project_.version = std::string(kApplicationVersion);
    project_.views = DefaultViewNames();
  }

  bool StartElement(std::string_view name, int depth, size_t offset,
                    const XmlAttributes& attributes) override {
    // Counted as the document is read, so that a flood is refused where it starts.
    if (++elements_ > limits_.free_elements + offset / limits_.bytes_per_element) {
      throw FileOpenError(path_, "파일의 요소가 너무 많습니다.");
    }
    if (depth == 1) {
      CheckRoot(name, attributes.OwnNamespace());
      return false;
    }
    if (depth == 2) return StartSection(name);
    bool kept = false;
    switch (section_) {
      case Section::kCalendars:
        kept = calendars_.Start(name, depth - 2);
        break;
      case Section::kTasks:
      case Section::kResources:
      case Section::kAssignments:
        kept = StartItem(name, depth);
        break;
      case Section::kValue:
      case Section::kNone:
        break;
    }
    if (kept) CheckKeptBytes();
    return kept;
  }

  void EndElement(std::string_view name, int depth, std::string_view text) override {
    if (depth == 2) {
      if (section_ == Section::kValue) ReadProjectValue(name, text);
      if (section_ == Section::kCalendars) calendars_.End(0, text);
      section_ = Section::kNone;
    } else if (depth > 2 && section_ == Section::kCalendars) {
      calendars_.End(depth - 2, text);
      CheckKeptBytes();
    } else if (depth > 2 && in_item_) {
      Item().End(depth - 3, text);
      if (depth == 3) EndItem();
      CheckKeptBytes();
    }
  }

  // The schedule, once the whole document has been read.
  ProjectData Finish();

 private:
  enum class Section { kNone, kValue, kCalendars, kTasks, kResources, kAssignments };

  void CheckRoot(std::string_view name, std::string_view uri) const {
    if (name != "Project" || (!uri.empty() && !uri.starts_with(kNamespace))) {
      throw FileOpenError(path_, "MS Project XML 파일이 아닙니다.");
    }
  }

  // A child of the root: one of the lists (the first of each name counts) or a value.
  bool StartSection(std::string_view name) {
    auto first = [&](bool& seen, Section section) {
      section_ = seen ? Section::kNone : section;
      seen = true;
    };
    if (name == "Calendars") {
      first(calendars_seen_, Section::kCalendars);
      if (section_ == Section::kCalendars) calendars_.Start(name, 0);
    } else if (name == "Tasks") {
      first(tasks_seen_, Section::kTasks);
    } else if (name == "Resources") {
      first(resources_seen_, Section::kResources);
    } else if (name == "Assignments") {
      first(assignments_seen_, Section::kAssignments);
    } else {
      section_ = Section::kValue;
      return IsProjectValue(name);
    }
    return false;
  }

  // An element inside one of the lists: an item of the list starts a tree of its own,
  // which leaves out the item's elements that are never read (most of what Project
  // writes, and its notes).
  bool StartItem(std::string_view name, int depth) {
    if (depth == 3) in_item_ = name == ItemName();
    if (!in_item_ || (depth == 4 && !IsReadInItem(name))) return false;
    return Item().Start(name, depth - 3);
  }

  bool IsReadInItem(std::string_view name) const {
    switch (section_) {
      case Section::kTasks:
        return TaskElements().contains(name);
      case Section::kResources:
        return name == "UID" || name == "Name";
      default:
        return name == "TaskUID" || name == "ResourceUID" || name == "Units";
    }
  }

  std::string_view ItemName() const {
    return section_ == Section::kTasks       ? "Task"
           : section_ == Section::kResources ? "Resource"
                                             : "Assignment";
  }

  // The tree of the item being read: a task down to its values' own elements (a
  // baseline's dates), a resource or an assignment down to its values.
  XmlFragment& Item() {
    return section_ == Section::kTasks       ? task_
           : section_ == Section::kResources ? resource_
                                             : assignment_;
  }

  void EndItem();
  void ReadProjectValue(std::string_view name, std::string_view text);
  void KeepTask(TaskLine line);
  void JoinAssignments();

  void CheckKeptBytes() const {
    const size_t kept = tasks_.size() * kLineBytes + line_heap_bytes_ +
                        project_.resource_names.capacity() * kResourceBytes + resource_heap_bytes_ +
                        assignments_.size() * kAssignmentBytes + task_.bytes() + resource_.bytes() +
                        assignment_.bytes() + calendars_.bytes();
    if (kept > limits_.kept_bytes) throw FileOpenError(path_, "파일의 요소가 너무 많습니다.");
  }

  std::string_view path_;
  MspdiLimits limits_;
  size_t elements_ = 0;
  Section section_ = Section::kNone;
  bool calendars_seen_ = false;
  bool tasks_seen_ = false;
  bool resources_seen_ = false;
  bool assignments_seen_ = false;
  bool in_item_ = false;
  XmlFragment task_{2};
  XmlFragment resource_{1};
  XmlFragment assignment_{1};
  XmlFragment calendars_{8};  // down to Calendar/WorkWeeks/.../WorkingTime/FromTime
  size_t line_heap_bytes_ = 0;
  size_t resource_heap_bytes_ = 0;

  ProjectData project_;
  std::optional<long long> calendar_uid_;
  // Growing lists are kept in blocks, so that growing never holds them twice.
  std::deque<TaskData> tasks_;
  std::deque<LineKeys> keys_;
  std::optional<TaskLine> summary_;
  std::unordered_map<long long, int> resource_of_uid_;
  std::deque<AssignmentLine> assignments_;
};

void ScheduleReader::ReadProjectValue(std::string_view name, std::string_view text) {
  if (name == "StartDate") {
    project_.start = ReadDateTime(text);
  } else if (name == "FinishDate") {
    project_.finish = ReadDateTime(text);
  } else if (name == "StatusDate") {
    project_.status_date = ReadDateTime(text);
  } else if (name == "CurrentDate") {
    project_.current_date = ReadDateTime(text);
  } else if (name == "CalendarUID") {
    calendar_uid_ = ReadInteger(text);
  } else if (name == "MinutesPerDay") {
    const long long minutes = ReadInteger(text).value_or(0);
    if (minutes >= 1 && minutes <= 1440) project_.minutes_per_day = static_cast<int>(minutes);
  } else if (name == "DefaultFinishTime") {
    if (auto minute = ReadTimeOfDay(text); minute && *minute < 1440) {
      project_.default_finish_minute = *minute;
    }
  } else if (name == "CurrencySymbol") {
    if (text.size() <= kMaxCurrencySymbolBytes) project_.currency.symbol = text;
  } else if (name == "CurrencySymbolPosition") {
    const long long position = ReadInteger(text).value_or(-1);
    if (position >= 0 && position <= 3) project_.currency.position = static_cast<int>(position);
  } else if (name == "CurrencyDigits") {
    const long long digits = ReadInteger(text).value_or(-1);
    if (digits >= 0 && digits <= 4) project_.currency.digits = static_cast<int>(digits);
  }
}

void ScheduleReader::EndItem() {
  in_item_ = false;
  const XmlElement item = Item().root();
  if (section_ == Section::kTasks) {
    KeepTask(ReadTask(item));
  } else if (section_ == Section::kResources) {
    const auto uid = ReadInteger(ChildText(item, "UID"));
    const std::string_view name = ChildText(item, "Name");
    if (!uid || name.empty() || resource_of_uid_.count(*uid)) return;
    resource_of_uid_.emplace(*uid, static_cast<int>(project_.resource_names.size()));
    resource_heap_bytes_ += HeapBytes(project_.resource_names.emplace_back(name));
  } else {
    const auto task_uid = ReadInteger(ChildText(item, "TaskUID"));
    const auto resource_uid = ReadInteger(ChildText(item, "ResourceUID"));
    if (!task_uid || !resource_uid) return;
    double units = 1;
    if (Child(item, "Units")) {
      units = ReadNumber(ChildText(item, "Units")).value_or(1);
      if (!(units >= 0 && units <= 1e6)) units = 1;
    }
    assignments_.push_back({*task_uid, *resource_uid, units});
  }
}

// A task of the schedule's own task list (the tasks of a schedule nested in an inserted
// project's task are never items of it): the project summary line or the next line.
void ScheduleReader::KeepTask(TaskLine line) {
  const bool is_summary_line = line.id ? *line.id == 0 : line.uid == 0;
  if (is_summary_line && !summary_) {
    summary_ = std::move(line);
    return;
  }
  if (tasks_.size() >= kMaxTasks) throw FileOpenError(path_, kTooManyTasks);
  line.data.baselines.shrink_to_fit();
  line.data.custom_fields.shrink_to_fit();
  line_heap_bytes_ += LineHeapBytes(line.data);
  tasks_.push_back(std::move(line.data));
  keys_.push_back({line.id, line.uid, line.outline_level});
}

// Assignments joined to their tasks and resources by UID.
void ScheduleReader::JoinAssignments() {
  std::unordered_map<long long, size_t> index_of_uid;
  index_of_uid.reserve(tasks_.size());
  for (size_t i = 0; i < tasks_.size(); ++i) {
    if (keys_[i].uid && !tasks_[i].blank) index_of_uid.emplace(*keys_[i].uid, i);
  }
  for (const AssignmentLine& assignment : assignments_) {
    auto task = index_of_uid.find(assignment.task_uid);
    auto resource = resource_of_uid_.find(assignment.resource_uid);
    if (task == index_of_uid.end() || resource == resource_of_uid_.end()) continue;
    tasks_[task->second].assignments.push_back({resource->second, assignment.units});
  }
  assignments_ = {};
  resource_of_uid_ = {};
}

ProjectData ScheduleReader::Finish() {
  project_.calendar = ReadProjectCalendar(calendars_.root(), calendar_uid_);
  calendars_ = XmlFragment(0);
  if (summary_) {
    project_.percent_complete = summary_->data.percent_complete;
    if (!project_.start) project_.start = summary_->data.start;
    if (!project_.finish) project_.finish = summary_->data.finish;
  }

  JoinAssignments();

  // A line without a level is at the top.
  for (size_t i = 0; i < tasks_.size(); ++i) {
    tasks_[i].outline_level = static_cast<int>(
        std::clamp<long long>(keys_[i].outline_level.value_or(1), -(1 << 30), 1 << 30));
  }
  PutInIdOrder(tasks_, keys_);
  keys_ = {};
  project_.tasks.reserve(tasks_.size());
  for (; !tasks_.empty(); tasks_.pop_front()) project_.tasks.push_back(std::move(tasks_.front()));
  CheckOutlineLevels(project_.tasks, path_);
  return std::move(project_);
}

}  // namespace

ProjectData LoadMspdi(char* buffer, std::size_t size, std::string_view path) {
  return LoadMspdi(buffer, size, path, kMspdiLimits);
}

ProjectData LoadMspdi(const char* buffer, std::size_t size, std::string_view path,
                      const MspdiLimits& limits) {
  if (size == 0) throw FileOpenError(path, "빈 파일입니다.");
  if (size > kMaxScheduleFileBytes) throw FileOpenError(path, "파일이 너무 큽니다.");
  try {
    ScheduleReader reader(path, limits);
    const XmlResult result = ReadXml(buffer, size, reader, limits.parser_bytes);
    switch (result.status) {
      case XmlStatus::kOk:
        return reader.Finish();
      case XmlStatus::kNotXml:
        throw FileOpenError(path, "MS Project XML 파일이 아닙니다.");
      case XmlStatus::kMalformed:
        throw FileOpenError(path, "XML 형식이 올바르지 않습니다. (" +
                                      std::to_string(result.offset) + "번째 바이트 부근)");
      case XmlStatus::kEntityDeclaration:
        throw FileOpenError(path, "엔터티를 선언한 XML 파일은 읽을 수 없습니다.");
      case XmlStatus::kTooDemanding:
        throw FileOpenError(path, "파일의 요소가 너무 깊게 중첩되어 있거나 너무 큽니다.");
      case XmlStatus::kOutOfMemory:
        break;
    }
  } catch (const std::bad_alloc&) {
  }
  throw FileOpenError(path, "파일을 읽을 메모리가 부족합니다.");
}

}  // namespace taskvane::project

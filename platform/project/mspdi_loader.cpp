#include "platform/project/mspdi_loader.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/project/field_catalogue.h"
#include "platform/project/file_open_error.h"
#include "platform/project/mspdi_calendars.h"
#include "platform/project/mspdi_values.h"
#include "platform/project/project.h"
#include "platform/project/task_lines.h"
#include "platform/project/xml_names.h"

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

void ReadBaseline(const pugi::xml_node& node, TaskData& task) {
  BaselineData baseline;
  std::optional<long long> number;
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    const std::string_view name = LocalName(child);
    const std::string_view text = child.child_value();
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

void ReadExtendedAttribute(const pugi::xml_node& node, TaskData& task) {
  const auto field_id = ReadInteger(ChildText(node, "FieldID"));
  if (!field_id || *field_id < 0 || *field_id > 999999999) return;
  const long id = static_cast<long>(*field_id);
  if (!IsCustomField(id)) return;
  for (const CustomFieldValue& other : task.custom_fields) {
    if (other.field_id == id) return;
  }
  task.custom_fields.push_back({id, std::string(ChildText(node, "Value"))});
}

TaskLine ReadTask(const pugi::xml_node& node) {
  TaskLine line;
  TaskData& task = line.data;
  bool is_subproject = false;
  bool has_subproject_flag = false;
  bool has_remaining_duration = false;
  std::string_view subproject_name;
  const auto& elements = TaskElements();
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    auto found = elements.find(LocalName(child));
    if (found == elements.end()) continue;
    const std::string_view text = child.child_value();
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

// The lines in ID order: by their IDs when those are exactly 1..n, else in file order
// (a file with missing, repeated or skipped IDs is numbered as it is listed).
std::vector<TaskData> InIdOrder(std::vector<TaskLine> lines) {
  const size_t n = lines.size();
  std::vector<size_t> slot_of_id(n + 1, n);
  bool by_id = true;
  for (size_t i = 0; i < n && by_id; ++i) {
    const auto id = lines[i].id;
    if (!id || *id < 1 || *id > static_cast<long long>(n) || slot_of_id[*id] != n) {
      by_id = false;
    } else {
      slot_of_id[*id] = i;
    }
  }
  std::vector<TaskData> tasks;
  tasks.reserve(n);
  for (size_t i = 0; i < n; ++i) {
    tasks.push_back(std::move(lines[by_id ? slot_of_id[i + 1] : i].data));
  }
  return tasks;
}

}  // namespace

// The memory the document tree will take, estimated from the bytes before parsing: the
// parser makes one node of about 64 bytes per element and per run of text that is not
// all blanks, and about 40 bytes per attribute. Zero bytes count as blanks, so that the
// estimate holds for UTF-16 text as well. A text run is taken to start after the last
// '>' before it: text holding a '>' of its own may be counted short, by at most one
// node per element, so the true size stays below twice the estimate.
size_t EstimatedTreeBytes(const char* buffer, size_t size) {
  if (size == 0) return 0;
  const char* const end = buffer + size;
  auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0; };
  size_t nodes = 0;
  const char* previous = buffer;  // just after the previous '<'
  for (const char* lt = buffer; (lt = static_cast<const char*>(std::memchr(lt, '<', end - lt)));
       previous = ++lt) {
    const char* next = lt + 1;
    while (next < end && next < lt + 3 && *next == 0) ++next;  // UTF-16: skip the zero byte
    if (next < end && *next != '/') ++nodes;  // an element (or a comment, counted too)
    // Text before this '<', back to the last '>', that is not all blanks.
    for (const char* p = lt; p > previous && p[-1] != '>';) {
      if (!blank(*--p)) {
        ++nodes;
        break;
      }
    }
  }
  const size_t attributes = static_cast<size_t>(std::count(buffer, end, '='));
  return (nodes + 1) * 64 + attributes * 40;
}

ProjectData LoadMspdi(char* buffer, std::size_t size, std::string_view path) {
  if (size == 0) throw FileOpenError(path, "빈 파일입니다.");
  if (EstimatedTreeBytes(buffer, size) > kMaxTreeBytes) {
    throw FileOpenError(path, "파일의 요소가 너무 많습니다.");
  }
  pugi::xml_document document;
  const pugi::xml_parse_result parsed =
      document.load_buffer_inplace(buffer, size, pugi::parse_default, pugi::encoding_auto);
  if (parsed.status == pugi::status_out_of_memory) {
    throw FileOpenError(path, "파일을 읽을 메모리가 부족합니다.");
  }
  if (!parsed) {
    if (parsed.status == pugi::status_no_document_element) {
      throw FileOpenError(path, "MS Project XML 파일이 아닙니다.");
    }
    throw FileOpenError(path, "XML 형식이 올바르지 않습니다. (" + std::to_string(parsed.offset) +
                                  "번째 바이트 부근)");
  }
  const pugi::xml_node root = document.document_element();
  const std::string_view root_name = root.name();
  const size_t colon = root_name.find(':');
  const std::string namespace_attribute = colon == std::string_view::npos
                                              ? "xmlns"
                                              : "xmlns:" + std::string(root_name.substr(0, colon));
  const std::string_view uri = root.attribute(namespace_attribute.c_str()).value();
  if (LocalName(root) != "Project" || (!uri.empty() && !uri.starts_with(kNamespace))) {
    throw FileOpenError(path, "MS Project XML 파일이 아닙니다.");
  }

  ProjectData project;
  project.version = std::string(kApplicationVersion);
  project.views = DefaultViewNames();
  std::optional<long long> calendar_uid;
  pugi::xml_node calendars, tasks_node, resources, assignments;
  for (pugi::xml_node child = root.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    const std::string_view name = LocalName(child);
    const std::string_view text = child.child_value();
    if (name == "StartDate") {
      project.start = ReadDateTime(text);
    } else if (name == "FinishDate") {
      project.finish = ReadDateTime(text);
    } else if (name == "StatusDate") {
      project.status_date = ReadDateTime(text);
    } else if (name == "CurrentDate") {
      project.current_date = ReadDateTime(text);
    } else if (name == "CalendarUID") {
      calendar_uid = ReadInteger(text);
    } else if (name == "MinutesPerDay") {
      const long long minutes = ReadInteger(text).value_or(0);
      if (minutes >= 1 && minutes <= 1440) project.minutes_per_day = static_cast<int>(minutes);
    } else if (name == "DefaultFinishTime") {
      if (auto minute = ReadTimeOfDay(text); minute && *minute < 1440) {
        project.default_finish_minute = *minute;
      }
    } else if (name == "CurrencySymbol") {
      if (text.size() <= kMaxCurrencySymbolBytes) project.currency.symbol = text;
    } else if (name == "CurrencySymbolPosition") {
      const long long position = ReadInteger(text).value_or(-1);
      if (position >= 0 && position <= 3) project.currency.position = static_cast<int>(position);
    } else if (name == "CurrencyDigits") {
      const long long digits = ReadInteger(text).value_or(-1);
      if (digits >= 0 && digits <= 4) project.currency.digits = static_cast<int>(digits);
    } else if (name == "Calendars" && !calendars) {
      calendars = child;
    } else if (name == "Tasks" && !tasks_node) {
      tasks_node = child;
    } else if (name == "Resources" && !resources) {
      resources = child;
    } else if (name == "Assignments" && !assignments) {
      assignments = child;
    }
  }
  project.calendar = ReadProjectCalendar(calendars, calendar_uid);

  // Tasks: only the direct children of the schedule's own task list (an inserted
  // project nests a whole schedule inside its task).
  std::vector<TaskLine> lines;
  std::optional<TaskLine> summary;
  bool too_many = false;
  ForEachChild(tasks_node, "Task", [&](const pugi::xml_node& node) {
    if (too_many) return;
    TaskLine line = ReadTask(node);
    const bool is_summary_line = line.id ? *line.id == 0 : line.uid == 0;
    if (is_summary_line && !summary) {
      summary = std::move(line);
    } else if (lines.size() >= kMaxTasks) {
      too_many = true;
    } else {
      lines.push_back(std::move(line));
    }
  });
  if (too_many) throw FileOpenError(path, kTooManyTasks);
  if (summary) {
    project.percent_complete = summary->data.percent_complete;
    if (!project.start) project.start = summary->data.start;
    if (!project.finish) project.finish = summary->data.finish;
  }

  std::unordered_map<long long, size_t> index_of_uid;
  index_of_uid.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].uid && !lines[i].data.blank) index_of_uid.emplace(*lines[i].uid, i);
  }

  // Resources by UID, and assignments joined to their tasks by UID.
  std::unordered_map<long long, int> resource_of_uid;
  ForEachChild(resources, "Resource", [&](const pugi::xml_node& node) {
    const auto uid = ReadInteger(ChildText(node, "UID"));
    const std::string_view name = ChildText(node, "Name");
    if (!uid || name.empty() || resource_of_uid.count(*uid)) return;
    resource_of_uid.emplace(*uid, static_cast<int>(project.resource_names.size()));
    project.resource_names.emplace_back(name);
  });
  ForEachChild(assignments, "Assignment", [&](const pugi::xml_node& node) {
    const auto task_uid = ReadInteger(ChildText(node, "TaskUID"));
    const auto resource_uid = ReadInteger(ChildText(node, "ResourceUID"));
    if (!task_uid || !resource_uid) return;
    auto task = index_of_uid.find(*task_uid);
    auto resource = resource_of_uid.find(*resource_uid);
    if (task == index_of_uid.end() || resource == resource_of_uid.end()) return;
    double units = 1;
    if (Child(node, "Units")) {
      units = ReadNumber(ChildText(node, "Units")).value_or(1);
      if (!(units >= 0 && units <= 1e6)) units = 1;
    }
    lines[task->second].data.assignments.push_back({resource->second, units});
  });

  // A line without a level is at the top.
  for (TaskLine& line : lines) {
    line.data.outline_level = static_cast<int>(
        std::clamp<long long>(line.outline_level.value_or(1), -(1 << 30), 1 << 30));
  }
  project.tasks = InIdOrder(std::move(lines));
  CheckOutlineLevels(project.tasks, path);
  return project;
}

}  // namespace taskvane::project

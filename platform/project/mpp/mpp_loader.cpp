#include "platform/project/mpp/mpp_loader.h"

#include <ctime>

#include "platform/project/file_open_error.h"
#include "platform/project/mpp/assignments.h"
#include "platform/project/mpp/calendar_reader.h"
#include "platform/project/mpp/mpp_file.h"
#include "platform/project/mpp/project_properties.h"
#include "platform/project/mpp/resources.h"
#include "platform/project/mpp/task_table.h"
#include "platform/project/project.h"
#include "platform/project/task_lines.h"

namespace taskvane::project::mpp {
namespace {

// The local date now. Binary files keep no current date: Project takes the day it opens
// the file.
DaySerial LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (localtime_r(&now, &local) == nullptr) return DateSerial(1970, 1, 1);
  return DateSerial(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

// Everything the file holds; failures are raised without the path.
ProjectData ReadSchedule(std::span<const std::uint8_t> bytes) {
  const MppFile file = MppFile::Open(bytes);
  ProjectData project;
  project.version = std::string(kApplicationVersion);
  project.views = DefaultViewNames();
  ReadProjectProperties(file, LocalToday(), project);
  project.calendar = ReadProjectCalendar(file);

  TaskTable table = ReadTaskTable(file);
  if (table.project_summary) {
    project.percent_complete = table.project_summary->percent_complete;
    if (!project.start) project.start = table.project_summary->start;
    if (!project.finish) project.finish = table.project_summary->finish;
  }
  ResourceNames resources = ReadResourceNames(file);
  ReadAssignments(file, resources, table.unique_ids, table.lines);
  project.resource_names = std::move(resources.names);
  project.tasks = std::move(table.lines);
  return project;
}

}  // namespace

ProjectData LoadMpp(std::span<const std::uint8_t> bytes, std::string_view path) {
  ProjectData project;
  try {
    project = ReadSchedule(bytes);
  } catch (const AutomationError& error) {
    if (error.Number != kErrFileOpen) throw;
    throw FileOpenError(path, error.Description);
  }
  CheckOutlineLevels(project.tasks, path);
  return project;
}

}  // namespace taskvane::project::mpp

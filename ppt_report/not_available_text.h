#pragma once

#include <string>

namespace taskvane::project {
class Project;
}

namespace taskvane {

// The report's short rule for the text the schedule shows for an undefined date: "미정"
// for version "11.0"; otherwise "사용할 수 없음" as soon as a view name contains "차트",
// "배정" or "시트"; else "NA".
std::string ReportNotAvailableText(const project::Project& schedule);

}  // namespace taskvane

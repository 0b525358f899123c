#pragma once

namespace taskvane {

struct WeeklyReport;

// The task check before anything is created: a blank task line (the first, or the one
// after task i) gives "프로젝트 내에 빈 작업이 존재합니다.", a subproject gives
// "프로젝트 내에 서브프로젝트가 존재합니다."; after the message the status is "준비" and
// the result false. Shows "i번째 목록 확인 중" for each task line.
bool CheckTaskLines(WeeklyReport& report);

}  // namespace taskvane

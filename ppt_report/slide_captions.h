#pragma once

#include <string>

namespace taskvane {

struct WeeklyReport;

// The grey title strip (txtTitlePPT and `suffix`, 16 point bold, left) across the top of
// the slide and the grey footer strip (txtPJTNamePPT, 12 point, right) across its bottom.
// Every statement that fails is skipped.
void AddSlideCaptions(WeeklyReport& report, const std::string& suffix);

}  // namespace taskvane

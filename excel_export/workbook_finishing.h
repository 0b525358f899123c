#pragma once

#include <string>

#include "platform/runtime/automation_error.h"

namespace taskvane {

struct ExcelConversion;

// The workbook steps every Excel writer shares.

// Status text "저장 중"; a new workbook (CreateObject("Excel.Sheet")) and its first sheet.
void CreateWorkbook(ExcelConversion& conv);

// Print title rows of the layouts.
inline constexpr const char* kOutlineListTitleRows = "$1:$3";
inline constexpr const char* kGanttTitleRows = "$1:$4";

// The finishing steps after the writer's last formatting step: SetUpPage, then
// SaveReleaseAndOpen.
void FinishWorkbook(ExcelConversion& conv, const std::string& PrintTitleRows);

// Page setup of the sheet: landscape, the zoom of cmbZoom (a text that is no whole number
// raises a type mismatch, 13), the title rows, centred, the fixed margins, "&P/&N" in the
// centre footer, "&G" in the right footer, and the ticked logo pictures (17.25 pt high):
// own-company logo on the right, customer logo on the left.
void SetUpPage(ExcelConversion& conv, const std::string& PrintTitleRows);

// Saves the workbook under the writer's path, releases the conversion's references, shows
// "준비", names the rows whose texts were cut (one message, when there are any) and opens
// OutputFilePath with the shell when chkExecuteConvertlFile is 1.
void SaveReleaseAndOpen(ExcelConversion& conv);

// The writers' error handling for the two errors every writer singles out. 1004: the
// print-preview warning, then SaveReleaseAndOpen on the workbook as it stands; a save that
// fails again there ends the conversion with a message that names the path and the
// reason. 429: the installation message. Returns false for any other error, which the
// writer reports in its own way (ReportErrorNumberAndDescription for most).
bool HandleCommonExcelError(ExcelConversion& conv, const AutomationError& error);

// Message box (OK only, no icon) "<number>-<description>".
void ReportErrorNumberAndDescription(ExcelConversion& conv, const AutomationError& error);

// The whole error handler of the outline list and the day sheet writers.
void HandleWriterError(ExcelConversion& conv, const AutomationError& error);

}  // namespace taskvane

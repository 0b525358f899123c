#pragma once

// The workbook layer in one include: CreateObject("Excel.Sheet"), Workbook, Worksheet,
// Range, the application's constants and AutomationError.
#include "platform/excel/constants.h"
#include "platform/excel/range.h"
#include "platform/excel/workbook.h"
#include "platform/excel/worksheet.h"
#include "platform/runtime/automation_error.h"

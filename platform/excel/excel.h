#pragma once

// The workbook layer in one include: CreateObject("Excel.Sheet"), Workbook, Worksheet,
// Range and the application's constants.
#include "platform/excel/constants.h"
#include "platform/excel/range.h"
#include "platform/excel/workbook.h"
#include "platform/excel/worksheet.h"

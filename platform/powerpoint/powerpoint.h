#pragma once

// The presentation layer: stands in for PowerPoint automation (application, presentations,
// slides with the blank layout, tables, text boxes, SaveAs as an Open XML presentation).
//
//   auto PowerPointApp = ppt::CreateObject("PowerPoint.application");
//   ppt::Presentation& ReportPresentation = PowerPointApp->Presentations.Add();
//   ppt::Slide& ReportSlide = ReportPresentation.Slides.Add(1, ppt::ppLayoutBlank);
//   ppt::Shape& PeriodTable = ReportSlide.Shapes.AddTable(1, 6, 50, 50, 620, 10);
//   PeriodTable.Table.Columns(1).Width = 50;
//   PeriodTable.Table.Cell(1, 1).Shape.TextFrame.TextRange.Text = "기간";
//   PeriodTable.Table.Cell(1, 1).Borders(ppt::ppBorderTop).Weight = 1;
//   ReportPresentation.SaveAs(path, ppt::ppSaveAsPresentation, ppt::msoTriStateMixed);

#include "platform/powerpoint/constants.h"
#include "platform/powerpoint/presentation.h"
#include "platform/powerpoint/shape.h"
#include "platform/powerpoint/table.h"
#include "platform/powerpoint/text_range.h"

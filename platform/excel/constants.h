#pragma once

// The workbook application's published constants, under their own names and values, so
// that the writers read `Borders(xlEdgeTop).LineStyle = xlContinuous`.
namespace taskvane::excel {

// Borders(index)
inline constexpr long xlDiagonalDown = 5;
inline constexpr long xlDiagonalUp = 6;
inline constexpr long xlEdgeLeft = 7;
inline constexpr long xlEdgeTop = 8;
inline constexpr long xlEdgeBottom = 9;
inline constexpr long xlEdgeRight = 10;
inline constexpr long xlInsideVertical = 11;
inline constexpr long xlInsideHorizontal = 12;

// Border.LineStyle
inline constexpr long xlNone = -4142;
inline constexpr long xlLineStyleNone = -4142;
inline constexpr long xlContinuous = 1;
inline constexpr long xlDash = -4115;
inline constexpr long xlDot = -4118;
inline constexpr long xlDouble = -4119;
inline constexpr long xlDashDot = 4;
inline constexpr long xlDashDotDot = 5;
inline constexpr long xlSlantDashDot = 13;

// Border.Weight
inline constexpr long xlHairline = 1;
inline constexpr long xlThin = 2;
inline constexpr long xlMedium = -4138;
inline constexpr long xlThick = 4;

// ColorIndex (1..56 pick from the 56-colour palette)
inline constexpr long xlColorIndexAutomatic = -4105;
inline constexpr long xlColorIndexNone = -4142;

// HorizontalAlignment
inline constexpr long xlGeneral = 1;
inline constexpr long xlLeft = -4131;
inline constexpr long xlCenter = -4108;
inline constexpr long xlRight = -4152;
inline constexpr long xlFill = 5;
inline constexpr long xlJustify = -4130;
inline constexpr long xlCenterAcrossSelection = 7;
inline constexpr long xlDistributed = -4117;

// Interior.Pattern
inline constexpr long xlSolid = 1;
inline constexpr long xlGray75 = -4126;
inline constexpr long xlGray50 = -4125;
inline constexpr long xlGray25 = -4124;
inline constexpr long xlGray16 = 17;
inline constexpr long xlGray8 = 18;
inline constexpr long xlHorizontal = -4128;
inline constexpr long xlVertical = -4166;
inline constexpr long xlDown = -4121;
inline constexpr long xlUp = -4162;
inline constexpr long xlChecker = 9;
inline constexpr long xlSemiGray75 = 10;
inline constexpr long xlLightHorizontal = 11;
inline constexpr long xlLightVertical = 12;
inline constexpr long xlLightDown = 13;
inline constexpr long xlLightUp = 14;
inline constexpr long xlGrid = 15;
inline constexpr long xlCrissCross = 16;

// PageSetup.Orientation
inline constexpr long xlPortrait = 1;
inline constexpr long xlLandscape = 2;

// Shapes.AddShape type
inline constexpr long msoShapeRectangle = 1;

// Size of a sheet.
inline constexpr long kMaxRows = 1048576;
inline constexpr long kMaxColumns = 16384;

}  // namespace taskvane::excel

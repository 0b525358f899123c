#pragma once

namespace taskvane::ppt {

// Every refusal of the presentation layer (a cell outside its table, a merge across two
// tables, a value out of range, a save that cannot complete) raises AutomationError with
// this number: PowerPoint's own "invalid request" code, 0x80048240 read as a signed long.
// The description, in Korean, says what was refused.
inline constexpr long kErrPowerPointRefused = -2147188160;

// Slide layouts (PpSlideLayout). Only the blank layout exists here.
inline constexpr int ppLayoutBlank = 12;

// Table cell borders (PpBorderType).
inline constexpr int ppBorderTop = 1;
inline constexpr int ppBorderLeft = 2;
inline constexpr int ppBorderBottom = 3;
inline constexpr int ppBorderRight = 4;

// Paragraph alignment (PpParagraphAlignment).
inline constexpr int ppAlignLeft = 1;
inline constexpr int ppAlignCenter = 2;
inline constexpr int ppAlignRight = 3;
inline constexpr int ppAlignJustify = 4;
inline constexpr int ppAlignDistribute = 5;
inline constexpr int ppAlignThaiDistribute = 6;
inline constexpr int ppAlignJustifyLow = 7;

// How characters of different sizes sit on a line (PpBaselineAlignment).
inline constexpr int ppBaselineAlignBaseline = 1;
inline constexpr int ppBaselineAlignTop = 2;
inline constexpr int ppBaselineAlignCenter = 3;
inline constexpr int ppBaselineAlignFarEast50 = 4;
inline constexpr int ppBaselineAlignAuto = 5;

// Text box orientation (MsoTextOrientation). Only horizontal text exists here.
inline constexpr int msoTextOrientationHorizontal = 1;

// File formats of Presentation.SaveAs (PpSaveAsFileType). All three write an Office Open
// XML presentation: the binary format of the old PowerPoint does not exist here.
inline constexpr int ppSaveAsPresentation = 1;
inline constexpr int ppSaveAsDefault = 11;
inline constexpr int ppSaveAsOpenXMLPresentation = 24;

// Office tri-state values (MsoTriState), as passed for Visible, Bold and the embed-fonts
// argument of SaveAs.
inline constexpr int msoTrue = -1;
inline constexpr int msoFalse = 0;
inline constexpr int msoCTrue = 1;
inline constexpr int msoTriStateMixed = -2;
inline constexpr int msoTriStateToggle = -3;

// A colour as automation passes it: red + green * 256 + blue * 65536.
constexpr long RGB(int red, int green, int blue) {
  return static_cast<long>(red & 0xFF) | (static_cast<long>(green & 0xFF) << 8) |
         (static_cast<long>(blue & 0xFF) << 16);
}

}  // namespace taskvane::ppt

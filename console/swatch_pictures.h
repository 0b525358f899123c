#pragma once

#include "platform/forms/picture.h"

namespace taskvane {

// The pictures of the chooser cells, 60 x 30 pixels: a pattern in black on white, or a
// colour cell filled with its sample colour. A swatch shows the picture of its cell.
inline constexpr int kCellPictureWidth = 60;
inline constexpr int kCellPictureHeight = 30;

forms::Picture PatternCellPicture(int cell);
forms::Picture ColorCellPicture(int cell);

}  // namespace taskvane

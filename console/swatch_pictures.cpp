#include "console/swatch_pictures.h"

#include "console/swatch_tables.h"

namespace taskvane {
namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

forms::Picture BlankCellPicture(std::string name) {
  forms::Picture picture;
  picture.Name = std::move(name);
  picture.Width = kCellPictureWidth;
  picture.Height = kCellPictureHeight;
  picture.Pixels.assign(static_cast<std::size_t>(kCellPictureWidth * kCellPictureHeight), kWhite);
  return picture;
}

}  // namespace

forms::Picture PatternCellPicture(int cell) {
  const PatternCell& pattern = PatternTable(cell);
  forms::Picture picture = BlankCellPicture(std::string("pattern ") + pattern.name);
  for (int y = 0; y < kCellPictureHeight; ++y) {
    const std::uint8_t row = pattern.rows[static_cast<std::size_t>(y % 8)];
    for (int x = 0; x < kCellPictureWidth; ++x) {
      if (row & (0x80 >> (x % 8))) {
        picture.Pixels[static_cast<std::size_t>(y * kCellPictureWidth + x)] = kBlack;
      }
    }
  }
  return picture;
}

forms::Picture ColorCellPicture(int cell) {
  const ColorCell& color = ColorTable(cell);
  forms::Picture picture = BlankCellPicture("colour index " + std::to_string(color.color_index));
  picture.Pixels.assign(picture.Pixels.size(), color.rgb);
  return picture;
}

}  // namespace taskvane

#include "platform/qt/colors.h"

namespace taskvane::qt {

QColor ToQColor(long color, const QPalette& palette) {
  const unsigned long value = static_cast<unsigned long>(color) & 0xFFFFFFFFUL;
  if (value & 0x80000000UL) {
    switch (value & 0xFFUL) {
      case 5:  // window background
        return palette.color(QPalette::Active, QPalette::Base);
      case 8:  // window text
        return palette.color(QPalette::Active, QPalette::Text);
      case 13:  // highlight
        return palette.color(QPalette::Active, QPalette::Highlight);
      case 14:  // highlighted text
        return palette.color(QPalette::Active, QPalette::HighlightedText);
      case 16:  // button shadow
        return palette.color(QPalette::Active, QPalette::Dark);
      case 17:  // grey text
        return palette.color(QPalette::Disabled, QPalette::Text);
      case 18:  // button text
        return palette.color(QPalette::Active, QPalette::ButtonText);
      case 20:  // button highlight
        return palette.color(QPalette::Active, QPalette::Light);
      case 15:  // button face
      default:
        return palette.color(QPalette::Active, QPalette::Button);
    }
  }
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

}  // namespace taskvane::qt

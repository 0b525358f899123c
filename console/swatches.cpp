// The four swatches of the Gantt bars and their two pop-up choosers.
#include <optional>
#include <string>

#include "console/frm_main.h"
#include "console/swatch_tables.h"

namespace taskvane {
namespace {

// The chooser's place on the window: its top-left corner at the left edge of the slot's
// "▼" button, just below that button's row.
struct ChooserPlace {
  int left;
  int top;
};
constexpr ChooserPlace kChooserPlaces[] = {{2700, 6720}, {5500, 6720}, {2700, 7080}, {5500, 7080}};

// The parts of a cell's tag around its comma.
std::string FieldBeforeComma(const std::string& tag) {
  return tag.substr(0, tag.find(','));
}
std::string FieldAfterComma(const std::string& tag) {
  const auto comma = tag.find(',');
  return comma == std::string::npos ? "" : tag.substr(comma + 1);
}

}  // namespace

void frmMain::cmdSetColor_Click(int Index) {
  const ChooserPlace& place = kChooserPlaces[Index - 1];
  if (Index == 1) {
    picPatternPalette.Left = place.left;
    picPatternPalette.Top = place.top;
    picPatternPalette.Visible = true;
    picColorPalette.Visible = false;
    return;
  }
  picColorPalette.Left = place.left;
  picColorPalette.Top = place.top;
  picColorPalette.Visible = true;
  picColorPalette.Tag = std::to_string(Index);
  picPatternPalette.Visible = false;
}

void frmMain::picPattern_Click(int Index) {
  const std::string constant = FieldAfterComma(picPattern(Index).Tag);
  picColorSet(1).Picture = picPattern(Index).Picture;
  picColorSet(1).Tag = std::to_string(Index) + "," + constant;
  picPatternPalette.Visible = false;
}

// Slot 2 keeps the colour index of the cells; slots 3 and 4 colour drawn shapes and keep
// the scheme colour.
void frmMain::picPalette_Click(int Index) {
  const std::string& cell_tag = picPalette(Index).Tag;
  const std::string& slot_text = picColorPalette.Tag;
  if (slot_text == "2" || slot_text == "3" || slot_text == "4") {
    const int k = slot_text[0] - '0';
    picColorSet(k).Picture = picPalette(Index).Picture;
    picColorSet(k).Tag = std::to_string(Index) + "," +
                         (k == 2 ? FieldBeforeComma(cell_tag) : FieldAfterComma(cell_tag));
  }
  picColorPalette.Visible = false;
}

// "채우기 없음" is the white colour cell or the xlSolid pattern cell (plain white).
void frmMain::lblNoPic_Click(int Index) {
  if (Index <= 1) {
    picPalette_Click(kNoColorCell);
  } else {
    picPattern_Click(kNoPatternCell);
  }
}

}  // namespace taskvane

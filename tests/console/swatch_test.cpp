#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "console/swatch_pictures.h"
#include "console/swatch_tables.h"
#include "tests/console/main_window_fixture.h"

namespace taskvane::testing {
namespace {

TEST(SwatchTables, CellTagsAndSchemeColours) {
  EXPECT_EQ(PatternCellTag(1), "xlSolid,1");
  EXPECT_EQ(PatternCellTag(10), "xlUp,-4162");
  EXPECT_EQ(PatternCellTag(16), "xlLightUp,14");
  EXPECT_EQ(PatternCellTag(18), "xlCrissCross,16");
  EXPECT_EQ(ColorCellTag(2), "53,60");
  EXPECT_EQ(ColorCellTag(14), "5,12");
  EXPECT_EQ(ColorCellTag(40), "2,9");
  std::set<int> indexes;
  for (int n = 1; n <= kColorCellCount; ++n) {
    EXPECT_EQ(ColorTable(n).scheme_color, ColorTable(n).color_index + 7) << n;
    indexes.insert(ColorTable(n).color_index);
  }
  EXPECT_EQ(indexes.size(), 40u) << "each palette colour once";
  EXPECT_EQ(ColorTable(25).rgb, 0xFF00FFu);
  EXPECT_EQ(ColorTable(10).rgb, 0xFF6600u);
}

TEST(SwatchTables, SwatchTagCellChecksTheChooserOfTheSlot) {
  EXPECT_EQ(SwatchTagCell("18,16", 1), 18);
  EXPECT_EQ(SwatchTagCell("19,1", 1), std::nullopt);
  EXPECT_EQ(SwatchTagCell("19,1", 2), 19);
  EXPECT_EQ(SwatchTagCell("40,9", 3), 40);
  EXPECT_EQ(SwatchTagCell("41,9", 4), std::nullopt);
  EXPECT_EQ(SwatchTagCell("2,-4125", 1), 2);
  for (const char* bad : {"", ",", "3", "3,", ",3", "a,3", "3,a", "-1,2", "0,2", "3 ,2"}) {
    EXPECT_EQ(SwatchTagCell(bad, 2), std::nullopt) << bad;
  }
}

TEST(SwatchPictures, PatternsInBlackOnWhiteAndColoursInTheirSample) {
  std::set<std::vector<std::uint32_t>> distinct;
  for (int n = 1; n <= kPatternCellCount; ++n) {
    const forms::Picture picture = PatternCellPicture(n);
    ASSERT_EQ(picture.Width, 60);
    ASSERT_EQ(picture.Height, 30);
    ASSERT_EQ(picture.Pixels.size(), 1800u);
    std::set<std::uint32_t> colours(picture.Pixels.begin(), picture.Pixels.end());
    if (n == 1) {
      EXPECT_EQ(colours, std::set<std::uint32_t>{0xFFFFFF}) << "xlSolid is plain white";
    } else {
      EXPECT_EQ(colours, (std::set<std::uint32_t>{0x000000, 0xFFFFFF})) << n;
    }
    distinct.insert(picture.Pixels);
  }
  EXPECT_EQ(distinct.size(), 18u) << "every pattern is recognisably its own";

  for (int n = 1; n <= kColorCellCount; ++n) {
    const forms::Picture picture = ColorCellPicture(n);
    ASSERT_EQ(picture.Width, 60);
    ASSERT_EQ(picture.Height, 30);
    EXPECT_EQ(picture.Pixels, std::vector<std::uint32_t>(1800, ColorTable(n).rgb)) << n;
  }
}

// Each "채우기 없음" caption lies on its empty strip and is stacked above it.
TEST_F(MainWindowTest, NoFillCaptionsLieAboveTheirStrips) {
  frmMain& f = Load();
  EXPECT_EQ(f.lblNoPic(1).Caption, "채우기 없음");
  EXPECT_EQ(f.lblNoPic(2).Caption, "채우기 없음");
  EXPECT_EQ(f.lblNoPic(0).Container(), &f.picColorPalette);
  EXPECT_EQ(f.lblNoPic(3).Container(), &f.picPatternPalette);
  const auto& controls = f.Controls();
  auto order = [&](const forms::Control& c) {
    return std::find(controls.begin(), controls.end(), &c) - controls.begin();
  };
  EXPECT_LT(order(f.lblNoPic(0)), order(f.lblNoPic(1)));
  EXPECT_LT(order(f.lblNoPic(3)), order(f.lblNoPic(2)));
}

TEST_F(MainWindowTest, ColourPicksKeepTheColourIndexInSlotTwoAndTheSchemeColourElsewhere) {
  frmMain& f = Load();
  f.cmdSetColor(2).RaiseClick();
  EXPECT_TRUE(f.picColorPalette.Visible);
  EXPECT_EQ(f.picColorPalette.Tag, "2");
  EXPECT_EQ(f.picColorPalette.Left, 5500);
  EXPECT_EQ(f.picColorPalette.Top, 6720);
  f.picPalette(2).RaiseClick();
  EXPECT_EQ(f.picColorSet(2).Tag, "2,53");
  EXPECT_EQ(f.picColorSet(2).Picture, f.picPalette(2).Picture);
  EXPECT_FALSE(f.picColorPalette.Visible);

  f.cmdSetColor(3).RaiseClick();
  EXPECT_EQ(f.picColorPalette.Left, 2700);
  EXPECT_EQ(f.picColorPalette.Top, 7080);
  f.picPalette(2).RaiseClick();
  EXPECT_EQ(f.picColorSet(3).Tag, "2,60");
  EXPECT_EQ(f.picColorSet(3).Picture, f.picPalette(2).Picture);
  EXPECT_EQ(f.picColorSet(2).Tag, "2,53") << "other slots untouched";
}

TEST_F(MainWindowTest, NoFillGivesWhiteOrPlainPatternInEverySlot) {
  frmMain& f = Load();
  f.cmdSetColor(2).RaiseClick();
  f.picPalette(9).RaiseClick();
  f.cmdSetColor(2).RaiseClick();
  f.lblNoPic(0).RaiseClick();
  EXPECT_EQ(f.picColorSet(2).Tag, "40,2");
  EXPECT_EQ(f.picColorSet(2).Picture, f.picPalette(40).Picture);
  EXPECT_FALSE(f.picColorPalette.Visible);

  f.cmdSetColor(3).RaiseClick();
  f.lblNoPic(1).RaiseClick();
  EXPECT_EQ(f.picColorSet(3).Tag, "40,9");
  f.cmdSetColor(4).RaiseClick();
  f.lblNoPic(0).RaiseClick();
  EXPECT_EQ(f.picColorSet(4).Tag, "40,9");
  EXPECT_EQ(f.picColorSet(4).Picture, f.picPalette(40).Picture);

  for (int strip : {2, 3}) {
    f.cmdSetColor(1).RaiseClick();
    f.picPattern(7).RaiseClick();
    f.cmdSetColor(1).RaiseClick();
    f.lblNoPic(strip).RaiseClick();
    EXPECT_EQ(f.picColorSet(1).Tag, "1,1");
    EXPECT_EQ(f.picColorSet(1).Picture, f.picPattern(1).Picture);
    EXPECT_FALSE(f.picPatternPalette.Visible);
  }
}

TEST_F(MainWindowTest, PatternPicksKeepTheCellAndItsConstant) {
  frmMain& f = Load();
  f.cmdSetColor(1).RaiseClick();
  EXPECT_TRUE(f.picPatternPalette.Visible);
  EXPECT_EQ(f.picPatternPalette.Left, 2700);
  EXPECT_EQ(f.picPatternPalette.Top, 6720);
  f.picPattern(10).RaiseClick();
  EXPECT_EQ(f.picColorSet(1).Tag, "10,-4162");
  EXPECT_EQ(f.picColorSet(1).Picture, f.picPattern(10).Picture);
  EXPECT_FALSE(f.picPatternPalette.Visible);
  f.cmdSetColor(1).RaiseClick();
  f.picPattern(16).RaiseClick();
  EXPECT_EQ(f.picColorSet(1).Tag, "16,14") << "back to the default";
}

TEST_F(MainWindowTest, AnotherArrowRetargetsOrSwapsTheOpenChooser) {
  frmMain& f = Load();
  f.optRealAndPlan.UserClick();
  const std::string slot4 = f.picColorSet(4).Tag;
  f.cmdSetColor(4).RaiseClick();
  f.cmdSetColor(3).RaiseClick();
  f.picPalette(17).RaiseClick();
  EXPECT_EQ(f.picColorSet(3).Tag, "17,10");
  EXPECT_EQ(f.picColorSet(4).Tag, slot4);

  f.cmdSetColor(2).RaiseClick();
  f.cmdSetColor(2).RaiseClick();
  EXPECT_TRUE(f.picColorPalette.Visible) << "the same arrow leaves it open";
  f.cmdSetColor(1).RaiseClick();
  EXPECT_FALSE(f.picColorPalette.Visible);
  EXPECT_TRUE(f.picPatternPalette.Visible);
  f.cmdSetColor(3).RaiseClick();
  EXPECT_FALSE(f.picPatternPalette.Visible);
  EXPECT_TRUE(f.picColorPalette.Visible);
}

TEST_F(MainWindowTest, PicksAreSavedWithTheExcelSettings) {
  frmMain& f = Load();
  f.cmdSetColor(1).RaiseClick();
  f.picPattern(3).RaiseClick();
  f.cmdSetColor(3).RaiseClick();
  f.picPalette(28).RaiseClick();
  EXPECT_EQ(Stored("ColorSet(1)"), "<missing>") << "a pick alone writes nothing";
  f.SaveConversionSettings();
  EXPECT_EQ(Stored("ColorSet(1)"), "3,-4125");
  EXPECT_EQ(Stored("ColorSet(3)"), "28,11");

  frmMain next(services, exporters);
  next.Form_Load();
  EXPECT_EQ(next.picColorSet(1).Picture, next.picPattern(3).Picture);
  EXPECT_EQ(next.picColorSet(3).Picture, next.picPalette(28).Picture);
}

}  // namespace
}  // namespace taskvane::testing

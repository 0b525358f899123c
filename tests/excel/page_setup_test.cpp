#include <gtest/gtest.h>

#include "test_support.h"

namespace taskvane::excel {
namespace {

using testing::Book;
using testing::ScratchFolder;

long ErrorOf(const std::function<void()>& statement) {
  try {
    statement();
  } catch (const AutomationError& e) {
    return e.Number;
  }
  return 0;
}

TEST(PageSetupTest, TakesThePageValues) {
  Book b;
  Worksheet& s = b.sheet;
  SheetPageSetup& page = s.PageSetup;
  EXPECT_EQ(page.Orientation, xlPortrait);
  EXPECT_EQ(page.Zoom, 100);
  page.Orientation = xlLandscape;
  page.Zoom = 70;
  page.PrintTitleRows = "$1:$4";
  page.CenterHorizontally = true;
  page.LeftMargin = s.Application.InchesToPoints(0.393700787401575);
  page.BottomMargin = s.Application.InchesToPoints(0.62);
  page.CenterFooter = "&P/&N";
  page.RightFooter = "&G";
  EXPECT_EQ(page.Orientation, xlLandscape);
  EXPECT_EQ(page.Zoom, 70);
  EXPECT_EQ(page.PrintTitleRows, "$1:$4");
  EXPECT_TRUE(page.CenterHorizontally);
  EXPECT_NEAR(page.LeftMargin, 28.3464566929134, 1e-9);
  EXPECT_DOUBLE_EQ(page.BottomMargin, 44.64);
  EXPECT_EQ(page.CenterFooter, "&P/&N");
  EXPECT_EQ(page.LeftFooter, "");
  page.PrintTitleRows = "1:3";
  EXPECT_EQ(page.PrintTitleRows, "$1:$3");
  page.PrintTitleRows = "$2";
  EXPECT_EQ(page.PrintTitleRows, "$2:$2");
  page.PrintTitleRows = "";
  EXPECT_EQ(page.PrintTitleRows, "");
}

TEST(PageSetupTest, RefusesWhatTheApplicationRefuses) {
  Book b;
  SheetPageSetup& page = b.sheet.PageSetup;
  page.Zoom = 10;
  page.Zoom = 400;
  EXPECT_EQ(ErrorOf([&] { page.Zoom = 9; }), 1004);
  EXPECT_EQ(ErrorOf([&] { page.Zoom = 401; }), 1004);
  EXPECT_EQ(page.Zoom, 400);
  EXPECT_EQ(ErrorOf([&] { page.Orientation = 3; }), 1004);
  EXPECT_EQ(ErrorOf([&] { page.PrintTitleRows = "A1:B2"; }), 1004);
  EXPECT_EQ(ErrorOf([&] { page.PrintTitleRows = "rows"; }), 1004);
  EXPECT_EQ(ErrorOf([&] { page.LeftMargin = -1; }), 1004);
  EXPECT_EQ(ErrorOf([&] { page.CenterFooter = std::string(256, 'x'); }), 1004);
  EXPECT_EQ(ErrorOf([&] { page.RightFooterPicture.Height = 0; }), 1004);
}

TEST(PageSetupTest, FooterPicturesAreRealJpegsScaledToTheirHeight) {
  ScratchFolder folder;
  testing::WriteJpeg(folder / "logo.jpg", 120, 40);
  Book b;
  SheetPageSetup& page = b.sheet.PageSetup;
  FooterPicture& logo = page.RightFooterPicture;
  logo.FileName = (folder / "logo.jpg").string();
  EXPECT_DOUBLE_EQ(logo.Width, 90);  // its own size: 120 x 40 pixels at 96 per inch
  EXPECT_DOUBLE_EQ(logo.Height, 30);
  logo.Height = 17.25;
  EXPECT_DOUBLE_EQ(logo.Width, 51.75);
  EXPECT_EQ(logo.FileName, (folder / "logo.jpg").string());
  EXPECT_EQ(page.Data().right_footer_picture.pixel_width, 120);

  // Missing, not a JPEG, damaged: refused, and the picture set before stays.
  testing::WriteFile(folder / "text.jpg", "not a picture");
  const std::string jpeg = testing::ReadFile(folder / "logo.jpg");
  testing::WriteFile(folder / "cut.jpg", jpeg.substr(0, jpeg.size() / 2));
  testing::WriteFile(folder / "header.jpg", jpeg.substr(0, 4));
  for (const char* name : {"missing.jpg", "text.jpg", "cut.jpg", "header.jpg"}) {
    try {
      logo.FileName = (folder / name).string();
      ADD_FAILURE() << name << " was taken";
    } catch (const AutomationError& e) {
      EXPECT_EQ(e.Number, 1004) << name;
      EXPECT_NE(e.Description.find(name), std::string::npos) << e.Description;
    }
  }
  EXPECT_EQ(logo.FileName, (folder / "logo.jpg").string());
  EXPECT_EQ(ErrorOf([&] { page.LeftFooterPicture.FileName = folder.path().string(); }), 1004);

  logo.FileName = "";
  EXPECT_TRUE(page.Data().right_footer_picture.jpeg.empty());
}

}  // namespace
}  // namespace taskvane::excel

#pragma once

#include <string>

#include "platform/excel/constants.h"
#include "platform/excel/property.h"

namespace taskvane::excel {

namespace detail {

struct FooterPictureData {
  std::string file_name;
  std::string jpeg;  // the picture's bytes, read when FileName is set
  long pixel_width = 0;
  long pixel_height = 0;
  double width = 0;  // points
  double height = 0;
};

// Defaults are those of a new workbook: portrait, 100 %, margins 0.7/0.75/0.3 inch.
struct PageSetupData {
  long orientation = xlPortrait;
  long zoom = 100;
  std::string print_title_rows;  // "$1:$4" or ""
  long title_row1 = 0, title_row2 = 0;
  bool center_horizontally = false;
  double left_margin = 50.4, right_margin = 50.4;  // points
  double top_margin = 54, bottom_margin = 54;
  double header_margin = 21.6, footer_margin = 21.6;
  std::string left_footer, center_footer, right_footer;
  FooterPictureData left_footer_picture, right_footer_picture;
};

std::string GetPictureFileName(const FooterPictureData&);
void SetPictureFileName(FooterPictureData&, const std::string&);
double GetPictureHeight(const FooterPictureData&);
void SetPictureHeight(FooterPictureData&, const double&);
double GetPictureWidth(const FooterPictureData&);
void SetPictureWidth(FooterPictureData&, const double&);

long GetOrientation(const PageSetupData&);
void SetOrientation(PageSetupData&, const long&);
long GetZoom(const PageSetupData&);
void SetZoom(PageSetupData&, const long&);
std::string GetPrintTitleRows(const PageSetupData&);
void SetPrintTitleRows(PageSetupData&, const std::string&);
bool GetCenterHorizontally(const PageSetupData&);
void SetCenterHorizontally(PageSetupData&, const bool&);

template <double PageSetupData::*Member>
double GetMargin(const PageSetupData& d) {
  return d.*Member;
}
void CheckMargin(double points);
template <double PageSetupData::*Member>
void SetMargin(PageSetupData& d, const double& points) {
  CheckMargin(points);
  d.*Member = points;
}

void CheckFooter(const std::string& text);
template <std::string PageSetupData::*Member>
std::string GetFooter(const PageSetupData& d) {
  return d.*Member;
}
template <std::string PageSetupData::*Member>
void SetFooter(PageSetupData& d, const std::string& text) {
  CheckFooter(text);
  d.*Member = text;
}

template <double PageSetupData::*Member>
using MarginProperty = Property<PageSetupData, double, GetMargin<Member>, SetMargin<Member>>;
template <std::string PageSetupData::*Member>
using FooterProperty = Property<PageSetupData, std::string, GetFooter<Member>, SetFooter<Member>>;

}  // namespace detail

// PageSetup.LeftFooterPicture / RightFooterPicture. Setting FileName reads the picture (a
// JPEG; anything else, or a missing file, raises 1004) and gives it its own size at 96
// pixels per inch; setting Height or Width then scales it keeping its proportions.
class FooterPicture {
 public:
  explicit FooterPicture(detail::FooterPictureData* data)
      : FileName(data), Height(data), Width(data) {}
  FooterPicture(const FooterPicture&) = delete;
  FooterPicture& operator=(const FooterPicture&) = delete;

  Property<detail::FooterPictureData, std::string, detail::GetPictureFileName,
           detail::SetPictureFileName>
      FileName;
  Property<detail::FooterPictureData, double, detail::GetPictureHeight, detail::SetPictureHeight>
      Height;
  Property<detail::FooterPictureData, double, detail::GetPictureWidth, detail::SetPictureWidth>
      Width;
};

// Worksheet.PageSetup. Margins are points (use Application.InchesToPoints); footers take
// the codes &P, &N, &G (the section's picture), && and the other header/footer codes.
class SheetPageSetup {
 private:
  detail::PageSetupData data_;

 public:
  SheetPageSetup() = default;
  SheetPageSetup(const SheetPageSetup&) = delete;
  SheetPageSetup& operator=(const SheetPageSetup&) = delete;

  // xlPortrait or xlLandscape.
  Property<detail::PageSetupData, long, detail::GetOrientation, detail::SetOrientation> Orientation{
      &data_};
  // Print scale in percent, 10..400.
  Property<detail::PageSetupData, long, detail::GetZoom, detail::SetZoom> Zoom{&data_};
  // Rows repeated on every page, "$1:$4" (also "1:4", "$1", ""), else 1004.
  Property<detail::PageSetupData, std::string, detail::GetPrintTitleRows, detail::SetPrintTitleRows>
      PrintTitleRows{&data_};
  Property<detail::PageSetupData, bool, detail::GetCenterHorizontally,
           detail::SetCenterHorizontally>
      CenterHorizontally{&data_};
  detail::MarginProperty<&detail::PageSetupData::left_margin> LeftMargin{&data_};
  detail::MarginProperty<&detail::PageSetupData::right_margin> RightMargin{&data_};
  detail::MarginProperty<&detail::PageSetupData::top_margin> TopMargin{&data_};
  detail::MarginProperty<&detail::PageSetupData::bottom_margin> BottomMargin{&data_};
  detail::MarginProperty<&detail::PageSetupData::header_margin> HeaderMargin{&data_};
  detail::MarginProperty<&detail::PageSetupData::footer_margin> FooterMargin{&data_};
  detail::FooterProperty<&detail::PageSetupData::left_footer> LeftFooter{&data_};
  detail::FooterProperty<&detail::PageSetupData::center_footer> CenterFooter{&data_};
  detail::FooterProperty<&detail::PageSetupData::right_footer> RightFooter{&data_};
  FooterPicture LeftFooterPicture{&data_.left_footer_picture};
  FooterPicture RightFooterPicture{&data_.right_footer_picture};

  const detail::PageSetupData& Data() const { return data_; }
};

}  // namespace taskvane::excel

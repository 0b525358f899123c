#include "platform/excel/page_setup.h"

#include <cmath>
#include <fstream>
#include <sstream>

#include "platform/excel/a1_reference.h"
#include "platform/excel/errors.h"
#include "platform/excel/geometry.h"
#include "platform/excel/jpeg_info.h"

namespace taskvane::excel::detail {

namespace {

constexpr std::size_t kMaxPictureBytes = 50u << 20;
constexpr std::size_t kMaxFooterLength = 255;

[[noreturn]] void RefusePicture(const std::string& path, const std::string& reason) {
  Refuse("'" + path + "' 그림을 바닥글에 넣을 수 없습니다. " + reason);
}

}  // namespace

// --- footer pictures

std::string GetPictureFileName(const FooterPictureData& d) {
  return d.file_name;
}

void SetPictureFileName(FooterPictureData& d, const std::string& path) {
  if (path.empty()) {
    d = FooterPictureData{};
    return;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) RefusePicture(path, "파일이 없거나 읽을 수 없습니다.");
  in.seekg(0, std::ios::end);
  const std::streamoff length = in.tellg();
  if (length < 0) RefusePicture(path, "파일을 읽을 수 없습니다.");
  if (static_cast<std::size_t>(length) > kMaxPictureBytes)
    RefusePicture(path, "파일이 너무 큽니다.");
  in.seekg(0);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  if (!in.read(bytes.data(), length)) RefusePicture(path, "파일을 읽을 수 없습니다.");
  std::string reason;
  auto size = ReadJpeg(bytes, reason);
  if (!size) RefusePicture(path, reason);

  d.file_name = path;
  d.jpeg = std::move(bytes);
  d.pixel_width = size->width;
  d.pixel_height = size->height;
  d.width = size->width * kPointsPerPixel;  // its own size at 96 pixels per inch
  d.height = size->height * kPointsPerPixel;
}

double GetPictureHeight(const FooterPictureData& d) {
  return d.height;
}

void SetPictureHeight(FooterPictureData& d, const double& points) {
  if (!(points > 0 && points <= 1584)) Refuse("Graphic 클래스의 Height 속성을 설정할 수 없습니다.");
  if (d.pixel_height > 0) d.width = points * d.pixel_width / d.pixel_height;
  d.height = points;
}

double GetPictureWidth(const FooterPictureData& d) {
  return d.width;
}

void SetPictureWidth(FooterPictureData& d, const double& points) {
  if (!(points > 0 && points <= 1584)) Refuse("Graphic 클래스의 Width 속성을 설정할 수 없습니다.");
  if (d.pixel_width > 0) d.height = points * d.pixel_height / d.pixel_width;
  d.width = points;
}

// --- page

long GetOrientation(const PageSetupData& d) {
  return d.orientation;
}
void SetOrientation(PageSetupData& d, const long& orientation) {
  if (orientation != xlPortrait && orientation != xlLandscape) {
    Refuse("PageSetup 클래스의 Orientation 속성을 설정할 수 없습니다.");
  }
  d.orientation = orientation;
}

long GetZoom(const PageSetupData& d) {
  return d.zoom;
}
void SetZoom(PageSetupData& d, const long& zoom) {
  if (zoom < 10 || zoom > 400) {
    Refuse("PageSetup 클래스의 Zoom 속성을 설정할 수 없습니다. 배율 " + std::to_string(zoom) +
           "은(는) 10부터 400까지여야 합니다.");
  }
  d.zoom = zoom;
}

std::string GetPrintTitleRows(const PageSetupData& d) {
  return d.print_title_rows;
}
void SetPrintTitleRows(PageSetupData& d, const std::string& rows) {
  if (rows.empty()) {
    d.print_title_rows.clear();
    d.title_row1 = d.title_row2 = 0;
    return;
  }
  auto area = ParseA1(rows.find(':') == std::string::npos ? rows + ":" + rows : rows);
  if (!area || area->col1 != 1 || area->col2 != kMaxColumns) {
    Refuse("PageSetup 클래스의 PrintTitleRows 속성을 설정할 수 없습니다. \"" + rows +
           "\"은(는) 행 범위가 아닙니다.");
  }
  d.title_row1 = area->row1;
  d.title_row2 = area->row2;
  std::string text = "$";
  text += std::to_string(area->row1);
  text += ":$";
  text += std::to_string(area->row2);
  d.print_title_rows = std::move(text);
}

bool GetCenterHorizontally(const PageSetupData& d) {
  return d.center_horizontally;
}
void SetCenterHorizontally(PageSetupData& d, const bool& center) {
  d.center_horizontally = center;
}

void CheckMargin(double points) {
  // The application takes margins up to about 49 inches.
  if (!(points >= 0 && points < 49 * 72))
    Refuse("PageSetup 클래스의 여백 속성을 설정할 수 없습니다.");
}

void CheckFooter(const std::string& text) {
  if (text.size() > kMaxFooterLength) {
    Refuse("PageSetup 클래스의 바닥글 속성을 설정할 수 없습니다. 255자를 넘습니다.");
  }
}

}  // namespace taskvane::excel::detail

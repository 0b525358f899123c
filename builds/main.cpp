// The entry point of both programs: `taskvane` (main build) and `taskvane_lite` (the
// dialog-free build), which differ only in TASKVANE_LITE.
#include <QApplication>
#include <QFont>

#include "builds/real_exporters.h"
#include "console/frm_main.h"
#include "platform/qt/form_window.h"
#include "platform/qt/korean_qt_texts.h"
#include "platform/qt/qt_services.h"
#include "platform/runtime/local_time_zone.h"

#ifndef TASKVANE_LITE
#error "TASKVANE_LITE must be 0 or 1"
#endif

namespace {

constexpr taskvane::BuildVariant kVariant =
    TASKVANE_LITE ? taskvane::BuildVariant::Lite : taskvane::BuildVariant::Main;

}  // namespace

int main(int argc, char* argv[]) {
  taskvane::SettleLocalTimeZone();
  QApplication app(argc, argv);
  // Menus and message boxes in a face that has the Korean glyphs.
  QFont font = QApplication::font();
  font.setFamilies({QStringLiteral("Noto Sans CJK KR"), font.family()});
  font.setPointSizeF(9.0);
  QApplication::setFont(font);
  // Qt's own texts (the file dialogs) in the window's language.
  const taskvane::qt::KoreanQtTexts qt_texts;

  taskvane::qt::QtServices services;
  taskvane::RealExporters exporters;
  taskvane::frmMain form(services, exporters, kVariant);
  taskvane::qt::FormWindow window(form);
  window.RunHandler([&form] { form.Form_Load(); });
  window.show();
  return QApplication::exec();
}

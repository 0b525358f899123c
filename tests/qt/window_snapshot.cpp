// Saves a picture of the main window as the host shows it, for looking at the layout:
//   window_snapshot OUT.png [lite] [NAME...]
//   window_snapshot OUT.png about
// NAME: a control clicked before the picture is taken ("mnuConvertPPT", "optConverType(2)");
// "about" takes the picture of the about box instead.
// Settings come from a fresh empty store, so the window shows its first-start state.
#include <QApplication>
#include <QFont>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "builds/real_exporters.h"
#include "console/frm_about.h"
#include "console/frm_main.h"
#include "platform/qt/form_window.h"
#include "platform/qt/qt_services.h"

namespace {

void UserClick(taskvane::forms::Control& control) {
  using taskvane::forms::ControlKind;
  if (control.Kind() == ControlKind::CheckBox) {
    static_cast<taskvane::forms::CheckBox&>(control).UserClick();
  } else if (control.Kind() == ControlKind::OptionButton) {
    static_cast<taskvane::forms::OptionButton&>(control).UserClick();
  } else {
    control.RaiseClick();
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_snapshot OUT.png [lite] [NAME...]\n");
    return 2;
  }
  QFont font = QApplication::font();
  font.setFamilies({QStringLiteral("Noto Sans CJK KR"), font.family()});
  font.setPointSizeF(9.0);
  QApplication::setFont(font);

  if (argc == 3 && std::string(argv[2]) == "about") {
    taskvane::qt::QtServices services;
    taskvane::frmAbout about(services);
    taskvane::qt::FormWindow window(about);
    window.show();
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
  }
  int first = 2;
  auto variant = taskvane::BuildVariant::Main;
  if (argc > 2 && std::string(argv[2]) == "lite") {
    variant = taskvane::BuildVariant::Lite;
    first = 3;
  }
  QTemporaryDir settings_dir;
  taskvane::qt::QtServices services(
      taskvane::qt::IniSettingsStore(settings_dir.filePath("settings.ini").toStdString()));
  taskvane::RealExporters exporters;
  taskvane::frmMain form(services, exporters, variant);
  taskvane::qt::FormWindow window(form);
  window.RunHandler([&form] { form.Form_Load(); });
  window.show();
  for (int i = first; i < argc; ++i) {
    taskvane::forms::Control* control = form.Find(argv[i]);
    if (control == nullptr) {
      std::fprintf(stderr, "no control named %s\n", argv[i]);
      return 2;
    }
    window.RunHandler([control] { UserClick(*control); });
  }
  QApplication::processEvents();
  std::printf("window %dx%d, model %dx%d twips\n", window.width(), window.height(),
              form.Width.get(), form.Height.get());
  return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

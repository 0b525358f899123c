#pragma once

#include <QTranslator>

namespace taskvane::qt {

// Qt's own texts in Korean while the object lives: the labels and buttons of the file
// dialogs, the context menus of the text boxes. They come from Qt's translations folder
// (Debian package qt6-translations-l10n); without it they stay English. Needs the
// application object.
class KoreanQtTexts {
 public:
  KoreanQtTexts();
  ~KoreanQtTexts();
  KoreanQtTexts(const KoreanQtTexts&) = delete;
  KoreanQtTexts& operator=(const KoreanQtTexts&) = delete;

  bool Installed() const { return installed_; }

 private:
  QTranslator translator_;
  bool installed_ = false;
};

}  // namespace taskvane::qt

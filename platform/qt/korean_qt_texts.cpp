#include "platform/qt/korean_qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace taskvane::qt {

KoreanQtTexts::KoreanQtTexts() {
  installed_ = translator_.load(QStringLiteral("qtbase_ko"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
               QCoreApplication::installTranslator(&translator_);
}

KoreanQtTexts::~KoreanQtTexts() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

}  // namespace taskvane::qt

#include "platform/qt/qt_services.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <functional>
#include <utility>

#include "platform/forms/form.h"
#include "platform/qt/control_views.h"
#include "platform/qt/file_filter.h"
#include "platform/qt/form_window.h"

namespace taskvane::qt {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// Takes the wait cursor of a running handler away while the user answers a dialog.
class NormalCursor {
 public:
  NormalCursor() {
    while (QApplication::overrideCursor() != nullptr) {
      QApplication::restoreOverrideCursor();
      ++taken_;
    }
  }
  ~NormalCursor() {
    for (int i = 0; i < taken_; ++i) QApplication::setOverrideCursor(Qt::WaitCursor);
  }
  NormalCursor(const NormalCursor&) = delete;
  NormalCursor& operator=(const NormalCursor&) = delete;

 private:
  int taken_ = 0;
};

QMessageBox::Icon IconOf(int style) {
  switch (style & 0x70) {
    case forms::vbCritical:
      return QMessageBox::Critical;
    case forms::vbQuestion:
      return QMessageBox::Question;
    case forms::vbExclamation:
      return QMessageBox::Warning;
    case forms::vbInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// The window a message box or file dialog belongs to: the active window, or, while the
// user is in another program (say during a long conversion), the open modal form or the
// shown form window, so that the dialog still comes up over the program's window and not
// loose on the screen.
QWidget* DialogOwner() {
  if (QWidget* active = QApplication::activeWindow()) return active;
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->isVisible() && dynamic_cast<FormWindow*>(widget) != nullptr) return widget;
  }
  return nullptr;
}

// Puts a window's centre on its owner's, inside the owner's screen. Its frame is not known
// before it shows: it is taken to be as large as the owner's.
void CentreOver(QWidget& window, const QWidget& owner) {
  QRect place(QPoint(), window.size() + owner.frameGeometry().size() - owner.size());
  place.moveCenter(owner.frameGeometry().center());
  window.move(KeptOnScreen(place, owner.screen()).topLeft());
}

}  // namespace

int QtServices::MsgBox(const std::string& text, int style, const std::string& title) {
  const NormalCursor cursor;
  QMessageBox box(IconOf(style), Q(title), Q(text), QMessageBox::NoButton, DialogOwner());
  if ((style & 7) == forms::vbYesNo) {
    QPushButton* yes = box.addButton(QStringLiteral("예(&Y)"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("아니요(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes ? forms::vbYes : forms::vbNo;
  }
  QPushButton* ok = box.addButton(QStringLiteral("확인"), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.exec();
  return forms::vbOK;
}

std::optional<std::string> QtServices::FileDialog(bool save, const std::string& filter,
                                                  const std::string& preset) {
  const NormalCursor cursor;
  QFileDialog dialog(DialogOwner());
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  // An existing output file is the convert command's business, not the dialog's.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  const std::vector<NameFilter> filters = ConvertFilter(filter);
  QStringList names;
  for (const NameFilter& entry : filters) names << Q(entry.qt_filter);
  if (!names.isEmpty()) dialog.setNameFilters(names);
  // A name typed without an extension gets the extension of the chosen filter.
  auto suffix_for = [&](const QString& name) {
    const auto index = names.indexOf(name);
    return index >= 0 ? Q(filters[static_cast<size_t>(index)].default_suffix) : QString();
  };
  if (save && !filters.empty()) {
    dialog.setDefaultSuffix(Q(filters.front().default_suffix));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& name) { dialog.setDefaultSuffix(suffix_for(name)); });
  }
  if (!preset.empty()) {
    const QFileInfo info(Q(preset));
    if (info.dir().exists()) dialog.setDirectory(info.dir());
    dialog.selectFile(info.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  QString chosen = dialog.selectedFiles().front();
  // A desktop's own dialog may ignore the default suffix: add it here as well.
  const QString suffix = save ? suffix_for(dialog.selectedNameFilter()) : QString();
  if (!suffix.isEmpty() && QFileInfo(chosen).suffix().isEmpty()) chosen += "." + suffix;
  return chosen.toStdString();
}

std::optional<std::string> QtServices::ShowOpenDialog(const std::string& filter,
                                                      const std::string& preset) {
  return FileDialog(false, filter, preset);
}

std::optional<std::string> QtServices::ShowSaveDialog(const std::string& filter,
                                                      const std::string& preset) {
  return FileDialog(true, filter, preset);
}

std::string QtServices::GetSetting(const std::string& app, const std::string& section,
                                   const std::string& key, const std::string& default_value) {
  return store_.Get(app, section, key, default_value);
}

void QtServices::SaveSettings(const std::string& app, const std::string& section,
                              const std::vector<forms::Setting>& settings) {
  store_.Save(app, section, settings);
}

void QtServices::ShellOpen(const std::string& path) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path)));
}

bool QtServices::FileExists(const std::string& path) {
  return forms::LocalFileExists(path);
}

bool QtServices::FolderExists(const std::string& path) {
  return forms::LocalFolderExists(path);
}

DaySerial QtServices::Today() {
  const QDate today = QDate::currentDate();
  return DateSerial(today.year(), today.month(), today.day());
}

void QtServices::ShowModal(forms::Form& form) {
  const NormalCursor cursor;
  QWidget* owner = DialogOwner();
  FormWindow window(form, owner);
  // A dialog of the owner's, as message boxes are: window managers keep it over that window
  // (X11 marks only dialogs and tool windows as transient for their parent).
  window.setWindowFlags(Qt::Dialog);
  window.setWindowModality(Qt::ApplicationModal);
  if (owner != nullptr) CentreOver(window, *owner);
  QEventLoop loop;
  window.Closed = [&loop] { loop.quit(); };
  // The form unloads itself (its close button) through Unloaded: close its window.
  std::function<void()> previous = std::exchange(form.Unloaded, [&window] { window.close(); });
  window.show();
  loop.exec();
  window.hide();
  form.Unloaded = std::move(previous);
}

void QtServices::EndProgram() {
  // Leaves the running event loops; the queued quit covers a program that has not entered
  // its event loop yet.
  QCoreApplication::exit(0);
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

}  // namespace taskvane::qt

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QStringList>

#include "platform/qt/control_views.h"
#include "platform/qt/form_window.h"

namespace taskvane::qt {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

// Check boxes and option buttons that never change their own state: a click goes to the
// model, and the model's value comes back through Sync. As in the toolkit, a click anywhere
// on the control counts, not only on the box and its text.
template <class Base>
class ModelDrivenButton : public Base {
 public:
  using Base::Base;

 protected:
  void nextCheckState() override {}
  bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

class CheckBoxView : public ControlView {
 public:
  CheckBoxView(forms::CheckBox& box, QWidget* parent, FormWindow& window)
      : ControlView(box), box_(box), widget_(new ModelDrivenButton<QCheckBox>(parent)) {
    QObject::connect(widget_, &QCheckBox::clicked, widget_, [this, &box, &window] {
      window.RunHandler([&box] { box.UserClick(); });
      Sync();
    });
  }
  QWidget* Widget() const override { return widget_; }
  void Sync() override {
    SyncCommon(*widget_);
    SyncColors(*widget_, true, false);
    const QString caption = Q(box_.Caption);
    if (widget_->text() != caption) widget_->setText(caption);
    const bool ticked = box_.Value == forms::vbChecked;
    if (widget_->isChecked() != ticked) widget_->setChecked(ticked);
  }

 private:
  forms::CheckBox& box_;
  QCheckBox* widget_;
};

class OptionButtonView : public ControlView {
 public:
  OptionButtonView(forms::OptionButton& option, QWidget* parent, FormWindow& window)
      : ControlView(option), option_(option), widget_(new ModelDrivenButton<QRadioButton>(parent)) {
    // The model keeps the options of a container exclusive.
    widget_->setAutoExclusive(false);
    QObject::connect(widget_, &QRadioButton::clicked, widget_, [this, &option, &window] {
      window.RunHandler([&option] { option.UserClick(); });
      Sync();
    });
  }
  QWidget* Widget() const override { return widget_; }
  void Sync() override {
    SyncCommon(*widget_);
    SyncColors(*widget_, true, false);
    const QString caption = Q(option_.Caption);
    if (widget_->text() != caption) widget_->setText(caption);
    if (widget_->isChecked() != option_.Value) widget_->setChecked(option_.Value);
  }

 private:
  forms::OptionButton& option_;
  QRadioButton* widget_;
};

class ComboBoxView : public ControlView {
 public:
  ComboBoxView(forms::ComboBox& combo, QWidget* parent, FormWindow& window)
      : ControlView(combo), combo_(combo), widget_(new QComboBox(parent)) {
    widget_->setEditable(false);
    // `activated` comes from the user only; the model raises Click when the index changes.
    QObject::connect(widget_, &QComboBox::activated, widget_, [this, &combo, &window](int i) {
      window.RunHandler([&combo, i] { combo.ListIndex = i; });
      Sync();
    });
  }
  QWidget* Widget() const override { return widget_; }
  void Sync() override {
    SyncCommon(*widget_);
    QStringList entries;
    for (const std::string& entry : combo_.Entries()) entries << Q(entry);
    QStringList shown;
    for (int i = 0; i < widget_->count(); ++i) shown << widget_->itemText(i);
    const QSignalBlocker block(widget_);
    if (shown != entries) {
      widget_->clear();
      widget_->addItems(entries);
    }
    const int index = combo_.ListIndex < combo_.ListCount() ? combo_.ListIndex.get() : -1;
    if (widget_->currentIndex() != index) widget_->setCurrentIndex(index);
  }

 private:
  forms::ComboBox& combo_;
  QComboBox* widget_;
};

}  // namespace

std::unique_ptr<ControlView> MakeCheckBoxView(forms::CheckBox& box, QWidget* parent,
                                              FormWindow& window) {
  return std::make_unique<CheckBoxView>(box, parent, window);
}

std::unique_ptr<ControlView> MakeOptionButtonView(forms::OptionButton& option, QWidget* parent,
                                                  FormWindow& window) {
  return std::make_unique<OptionButtonView>(option, parent, window);
}

std::unique_ptr<ControlView> MakeComboBoxView(forms::ComboBox& combo, QWidget* parent,
                                              FormWindow& window) {
  return std::make_unique<ComboBoxView>(combo, parent, window);
}

}  // namespace taskvane::qt

#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>

#include "platform/qt/control_views.h"
#include "platform/qt/form_window.h"

namespace taskvane::qt {

namespace {

// A report-style list with one column header. Selecting a row sets SelectedItem; a
// double-click raises DblClick after the selection, a click raises Click.
//
// The column is as wide as the model's header, but never wider than the visible width of
// the list: the model's width leaves room for the list's border only, and where a vertical
// scroll bar takes its share, a horizontal one would otherwise cover the last visible row.
class ListViewView : public ControlView {
 public:
  ListViewView(forms::ListView& list, QWidget* parent, FormWindow& window)
      : ControlView(list),
        list_(list),
        widget_(new QTreeWidget(parent)),
        watch_([this] { FitColumn(); }) {
    widget_->setColumnCount(1);
    widget_->setRootIsDecorated(false);
    widget_->setUniformRowHeights(true);
    widget_->setSelectionMode(QAbstractItemView::SingleSelection);
    widget_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    widget_->header()->setStretchLastSection(false);
    widget_->header()->setSectionsMovable(false);
    QObject::connect(widget_, &QTreeWidget::itemSelectionChanged, widget_, [this, &list] {
      const QList<QTreeWidgetItem*> selected = widget_->selectedItems();
      list.SelectedItem =
          selected.isEmpty() ? 0 : widget_->indexOfTopLevelItem(selected.front()) + 1;
    });
    QObject::connect(widget_, &QTreeWidget::itemClicked, widget_,
                     [&list, &window] { window.RunHandler([&list] { list.RaiseClick(); }); });
    QObject::connect(widget_, &QTreeWidget::itemDoubleClicked, widget_,
                     [&list, &window] { window.RunHandler([&list] { list.RaiseDblClick(); }); });
    // The visible width changes as the vertical scroll bar comes and goes.
    widget_->viewport()->installEventFilter(&watch_);
  }
  QWidget* Widget() const override { return widget_; }
  void Sync() override {
    SyncCommon(*widget_);
    SyncColors(*widget_, false, true);
    const QSignalBlocker block(widget_);
    const QString header = QString::fromStdString(list_.ColumnHeaderText);
    if (widget_->headerItem()->text(0) != header) widget_->setHeaderLabels({header});
    SyncItems();
    FitColumn();
    const int selected = list_.SelectedItem;
    QTreeWidgetItem* want = selected >= 1 && selected <= widget_->topLevelItemCount()
                                ? widget_->topLevelItem(selected - 1)
                                : nullptr;
    const QList<QTreeWidgetItem*> current = widget_->selectedItems();
    if (want == nullptr && !current.isEmpty()) widget_->clearSelection();
    if (want != nullptr && (current.size() != 1 || current.front() != want)) {
      widget_->setCurrentItem(want);
    }
  }

 private:
  void FitColumn() {
    const int width = std::min(Px(list_.ColumnHeaderWidth), widget_->viewport()->width());
    if (width > 0 && widget_->columnWidth(0) != width) widget_->setColumnWidth(0, width);
  }

  void SyncItems() {
    const auto& items = list_.ListItems.get();
    bool same = widget_->topLevelItemCount() == static_cast<int>(items.size());
    for (int i = 0; same && i < widget_->topLevelItemCount(); ++i) {
      same = widget_->topLevelItem(i)->text(0).toStdString() == items[static_cast<size_t>(i)].Text;
    }
    if (same) return;
    widget_->clear();
    QList<QTreeWidgetItem*> rows;
    for (const forms::ListItem& item : items) {
      rows << new QTreeWidgetItem(QStringList{QString::fromStdString(item.Text)});
    }
    widget_->addTopLevelItems(rows);
  }

  forms::ListView& list_;
  QTreeWidget* widget_;
  PlacementWatch watch_;
};

}  // namespace

std::unique_ptr<ControlView> MakeListViewView(forms::ListView& list, QWidget* parent,
                                              FormWindow& window) {
  return std::make_unique<ListViewView>(list, parent, window);
}

}  // namespace taskvane::qt

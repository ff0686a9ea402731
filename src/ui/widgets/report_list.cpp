#include "ui/widgets/report_list.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>
#include <utility>

namespace pictavo {

ReportList::ReportList(const QStringList& columns, std::vector<int> sixty_fourths, QWidget* parent)
    : QTreeWidget(parent), sixty_fourths_(std::move(sixty_fourths)) {
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHeaderLabels(columns);
  header()->setStretchLastSection(true);
  header()->setSectionsMovable(false);
  setTextElideMode(Qt::ElideNone);
}

int ReportList::selected_row() const {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.front());
}

void ReportList::select_row(int row) {
  if (QTreeWidgetItem* item = topLevelItem(row)) setCurrentItem(item);
}

void ReportList::show_rows(const QList<QTreeWidgetItem*>& rows) {
  addTopLevelItems(rows);
  fit_columns();
}

void ReportList::resizeEvent(QResizeEvent* event) {
  QTreeWidget::resizeEvent(event);
  fit_columns();
}

void ReportList::fit_columns() {
  const int room = width() - verticalScrollBar()->sizeHint().width() - 2;
  for (std::size_t share = 0; share < sixty_fourths_.size(); ++share) {
    const int column = static_cast<int>(share);
    const int needed = std::max(sizeHintForColumn(column), header()->sectionSizeHint(column));
    setColumnWidth(column, std::max(room * sixty_fourths_[share] / 64, needed));
  }
}

}  // namespace pictavo

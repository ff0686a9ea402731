#include "ui/report_list.h"

#include <QHeaderView>
#include <QScrollBar>
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
}

int ReportList::selected_row() const {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.front());
}

void ReportList::select_row(int row) {
  if (QTreeWidgetItem* item = topLevelItem(row)) setCurrentItem(item);
}

void ReportList::resizeEvent(QResizeEvent* event) {
  QTreeWidget::resizeEvent(event);
  const int room = width() - verticalScrollBar()->sizeHint().width() - 2;
  for (std::size_t column = 0; column < sixty_fourths_.size(); ++column)
    setColumnWidth(static_cast<int>(column), room * sixty_fourths_[column] / 64);
}

}  // namespace pictavo

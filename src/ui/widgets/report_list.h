#pragma once

#include <QStringList>
#include <QTreeWidget>
#include <vector>

namespace pictavo {

// A list of rows with named columns, one row selected at a time. The columns share
// the list's width in fixed 64ths of the room left by a vertical scroll bar and the
// frame, but never get narrower than their header and texts, which are never cut
// (the list scrolls sideways instead); the last column, not given a share,
// stretches over the rest.
class ReportList : public QTreeWidget {
  Q_OBJECT

 public:
  ReportList(const QStringList& columns, std::vector<int> sixty_fourths, QWidget* parent);

  // The selected row; -1 when none is.
  int selected_row() const;
  void select_row(int row);
  // Adds the rows and widens the columns their texts need.
  void show_rows(const QList<QTreeWidgetItem*>& rows);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void fit_columns();

  std::vector<int> sixty_fourths_;
};

}  // namespace pictavo

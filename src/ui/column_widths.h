#pragma once

#include <QScrollBar>
#include <QTreeWidget>
#include <span>

namespace pictavo {

// Gives the list's columns their widths in 64ths of the room they share: the
// list's width less a vertical scroll bar and the frame. The last column, not
// named in `sixty_fourths`, stretches over the rest.
inline void apply_column_widths(QTreeWidget& list, std::span<const int> sixty_fourths) {
  const int room = list.width() - list.verticalScrollBar()->sizeHint().width() - 2;
  for (std::size_t column = 0; column < sixty_fourths.size(); ++column)
    list.setColumnWidth(static_cast<int>(column), room * sixty_fourths[column] / 64);
}

}  // namespace pictavo

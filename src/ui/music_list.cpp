#include "ui/music_list.h"

#include <QHeaderView>
#include <array>

#include "model/slideshow.h"
#include "ui/column_widths.h"
#include "ui/path_text.h"

namespace pictavo {
namespace {

// Widths of "Index", "File Name" and "Track Start" in 64ths of the room the
// columns share; "Track Duration" takes the rest.
constexpr std::array<int, 3> kSixtyFourths{4, 30, 15};

}  // namespace

MusicList::MusicList(QWidget* parent) : QTreeWidget(parent) {
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setHeaderLabels({QStringLiteral("Index"), QStringLiteral("File Name"),
                   QStringLiteral("Track Start"), QStringLiteral("Track Duration")});
  header()->setStretchLastSection(true);
  header()->setSectionsMovable(false);
}

void MusicList::show_tracks(const Slideshow* slideshow) {
  clear();
  if (slideshow == nullptr) return;
  QList<QTreeWidgetItem*> rows;
  rows.reserve(static_cast<qsizetype>(slideshow->tracks.size()));
  int index = 0;
  for (const auto& track : slideshow->tracks) {
    rows.append(
        new QTreeWidgetItem(QStringList{QString::number(index++), path_text(track->file_name()),
                                        QString::fromStdString(track->start.text()),
                                        QString::fromStdString(track->duration().text())}));
  }
  addTopLevelItems(rows);
}

int MusicList::selected_row() const {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.front());
}

void MusicList::select_row(int row) {
  if (QTreeWidgetItem* item = topLevelItem(row)) setCurrentItem(item);
}

void MusicList::resizeEvent(QResizeEvent* event) {
  QTreeWidget::resizeEvent(event);
  apply_column_widths(*this, kSixtyFourths);
}

}  // namespace pictavo

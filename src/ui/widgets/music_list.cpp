#include "ui/widgets/music_list.h"

#include "model/slideshow.h"
#include "ui/common/path_text.h"

namespace pictavo {

// "Index", "File Name" and "Track Start" take 4, 30 and 15 64ths; "Track Duration"
// the rest.
MusicList::MusicList(QWidget* parent)
    : ReportList({tr("Index"), tr("File Name"), tr("Track Start"), tr("Track Duration")},
                 {4, 30, 15}, parent) {}

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
  show_rows(rows);
}

}  // namespace pictavo

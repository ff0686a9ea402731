#include "ui/widgets/photo_detail_list.h"

#include <QDateTime>
#include <QFileIconProvider>
#include <QLocale>
#include <chrono>
#include <string_view>

#include "effects/image_effect.h"
#include "effects/transition_type.h"
#include "model/slideshow.h"
#include "ui/common/engine_text.h"
#include "ui/common/path_text.h"

namespace pictavo {
namespace {

enum Column : int { kFileName, kSize, kTime, kType, kDuration, kTransition, kImageEffect };

// In the form and with the month names of the user interface's language.
QString file_time_text(std::chrono::system_clock::time_point time) {
  const auto seconds =
      std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
  const QLocale locale(PhotoDetailList::tr("C", "the locale whose month names the dates show"));
  return locale.toString(QDateTime::fromSecsSinceEpoch(seconds),
                         PhotoDetailList::tr("MMMM dd HH:mm:ss", "the form of the dates"));
}

}  // namespace

// Columns in 64ths of the room they share; "Image Effect" takes the rest.
PhotoDetailList::PhotoDetailList(QWidget* parent)
    : ReportList({tr("File Name"), tr("Size"), tr("Time"), tr("Type"), tr("Duration"),
                  tr("Transition Effect"), tr("Image Effect")},
                 {16, 6, 8, 8, 6, 10}, parent) {
  setIconSize(QSize(16, 16));
  headerItem()->setTextAlignment(kTime, Qt::AlignRight | Qt::AlignVCenter);
}

void PhotoDetailList::show_slideshow(const Slideshow* slideshow) {
  clear();
  if (slideshow == nullptr) return;
  const QFileIconProvider icons;
  QList<QTreeWidgetItem*> rows;
  rows.reserve(static_cast<qsizetype>(slideshow->photos.size()));
  for (const auto& photo : slideshow->photos) {
    const EffectRecord& effect = photo->setting.effect;
    auto* row = new QTreeWidgetItem(QStringList{
        QString::fromStdString(photo->file_name),
        photo->missing ? tr("missing") : QString::fromStdString(photo->size_text),
        photo->missing ? QString() : file_time_text(photo->created),
        engine_text(std::string_view(photo->type_name)), tr("%1 sec.").arg(effect.display_seconds),
        engine_text(display_name(effect.transition().type())),
        engine_text(display_name(effect.image_effect))});
    row->setIcon(kFileName, icons.icon(QFileInfo(path_text(photo->source_path))));
    row->setTextAlignment(kTime, Qt::AlignRight | Qt::AlignVCenter);
    if (photo->missing)
      row->setToolTip(kFileName, tr("Not found: %1").arg(path_text(photo->source_path)));
    rows.append(row);
  }
  show_rows(rows);
}

}  // namespace pictavo

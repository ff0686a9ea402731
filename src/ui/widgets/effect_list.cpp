#include "ui/widgets/effect_list.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>

#include "effects/effect_set.h"
#include "ui/common/engine_text.h"
#include "ui/common/transition_cover.h"
#include "ui/widgets/transition_drag_data.h"

namespace pictavo {
namespace {

const QSize kIconSize(64, 48);
const QSize kGridSize(90, 80);

}  // namespace

int random_preview_entry(int random_value) {
  const int quotient = random_value / 1820;
  return quotient >= kConcreteTransitionCount ? kConcreteTransitionCount : quotient + 1;
}

EffectList::EffectList(const EffectSet& effects, QWidget* parent) : QListWidget(parent) {
  setViewMode(QListView::IconMode);
  setMovement(QListView::Static);
  setResizeMode(QListView::Adjust);
  setIconSize(kIconSize);
  setGridSize(kGridSize);
  setWordWrap(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragEnabled(true);
  setDragDropMode(QAbstractItemView::DragOnly);
  setDefaultDropAction(Qt::CopyAction);
  // The entries show the templates' own types, so a stored effect set in another
  // order is listed as it stands.
  for (int entry = 0; entry < EffectSet::kSize; ++entry) {
    const TransitionType type = effects.template_at(entry)->type();
    addItem(
        new QListWidgetItem(QIcon(transition_cover(effects, type, kIconSize, devicePixelRatioF())),
                            engine_text(display_name(type))));
  }
}

int EffectList::selected_entry() const {
  const QList<QListWidgetItem*> items = selectedItems();
  return items.isEmpty() ? -1 : row(items.front());
}

void EffectList::request_preview() {
  const int entry = selected_entry();
  if (entry >= 0) emit preview_requested(entry);
}

void EffectList::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  QListWidgetItem* item = itemAt(event->position().toPoint());
  if (item == nullptr) return;
  // A right click selects the entry it previews.
  if (event->button() == Qt::RightButton) setCurrentItem(item);
  if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) request_preview();
}

void EffectList::keyPressEvent(QKeyEvent* event) {
  const int before = currentRow();
  QListWidget::keyPressEvent(event);
  const bool arrow = event->key() == Qt::Key_Left || event->key() == Qt::Key_Right ||
                     event->key() == Qt::Key_Up || event->key() == Qt::Key_Down;
  if (arrow && currentRow() != before) request_preview();
}

QStringList EffectList::mimeTypes() const {
  return {QString::fromLatin1(kTransitionEffectMimeType)};
}

QMimeData* EffectList::mimeData(const QList<QListWidgetItem*>& items) const {
  if (items.isEmpty()) return nullptr;
  auto* data = new QMimeData;
  data->setData(kTransitionEffectMimeType, encode_transition_drag(row(items.front())));
  return data;
}

}  // namespace pictavo

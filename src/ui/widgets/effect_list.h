#pragma once

#include <QListWidget>

namespace pictavo {

class EffectSet;

// The picker index the random entry previews for one value of the effect
// generator: value / 1820 taken as an entry from 1 on, the single overflow
// quotient (18, the top 8 values) folded onto the last entry, 18.
int random_preview_entry(int random_value);

// The Effect page's list of the effect set's transitions, each with its cover
// picture; entry i is the set's template at picker index i, entry 0 the random
// one. A click, a right click or an arrow key that moves the selection asks for a
// preview; dragging an entry carries its index to the image line.
class EffectList : public QListWidget {
  Q_OBJECT

 public:
  EffectList(const EffectSet& effects, QWidget* parent);

  // The selected entry, or -1.
  int selected_entry() const;

 signals:
  void preview_requested(int entry);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  QStringList mimeTypes() const override;
  QMimeData* mimeData(const QList<QListWidgetItem*>& items) const override;
  Qt::DropActions supportedDropActions() const override { return Qt::CopyAction; }

 private:
  void request_preview();
};

}  // namespace pictavo

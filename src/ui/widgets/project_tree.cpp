#include "ui/widgets/project_tree.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QStyle>
#include <QStyledItemDelegate>
#include <algorithm>

#include "edit/edit_history.h"
#include "edit/slideshow_commands.h"
#include "model/project.h"
#include "model/project_messages.h"

namespace pictavo {
namespace {

// Edits a slideshow name in place, taking no more characters than a name keeps.
class NameDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor))
      line->setMaxLength(static_cast<int>(Slideshow::kMaxNameCharacters));
    return editor;
  }
};

QString tooltip(const QString& title, const QString& body) {
  QString text = body.toHtmlEscaped();
  text.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
  return QStringLiteral("<b>%1</b><br>%2").arg(title.toHtmlEscaped(), text);
}

QString slideshow_info(int photos, int seconds) {
  return ProjectTree::tr("Images: %1\nDuration: %2")
      .arg(photos)
      .arg(QString::asprintf("%02d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60));
}

}  // namespace

ProjectTree::ProjectTree(Project& project, EditHistory& history, QWidget* page)
    : QTreeWidget(page), project_(project), history_(history) {
  setHeaderHidden(true);
  setColumnCount(1);
  setIconSize(QSize(16, 16));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::EditKeyPressed);
  setItemDelegate(new NameDelegate(this));
  build_menus();
  connect(this, &QTreeWidget::itemSelectionChanged, this, &ProjectTree::selection_changed);
  connect(this, &QTreeWidget::itemChanged, this, &ProjectTree::item_edited);
  rebuild();
}

void ProjectTree::build_menus() {
  const auto add = [this](QMenu* menu, Command id, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setData(static_cast<int>(id));
    connect(action, &QAction::triggered, this, [this, id] { run_command(id); });
  };
  disc_menu_ = new QMenu(this);
  add(disc_menu_, kSaveProject, tr("Save Project"));
  add(disc_menu_, kLoadProject, tr("Load Project"));
  add(disc_menu_, kAddSlideshow, tr("Add Slideshow"));
  add(disc_menu_, kDeleteAllSlideshows, tr("Delete All Slideshows"));
  slideshow_menu_ = new QMenu(this);
  add(slideshow_menu_, kEditCaption, tr("Rename"));
  add(slideshow_menu_, kDelete, tr("Delete"));
  add(slideshow_menu_, kMoveUp, tr("Move Up"));
  add(slideshow_menu_, kMoveDown, tr("Move Down"));
}

void ProjectTree::rebuild() {
  const QScopedValueRollback quiet(quiet_, true);
  clear();
  auto* disc = new QTreeWidgetItem(this, QStringList(tr("Video Disc")));
  disc->setIcon(0, style()->standardIcon(QStyle::SP_DriveDVDIcon));
  disc->setData(0, kKindRole, static_cast<int>(kDisc));
  for (int i = 0; i < project_.slideshow_count(); ++i) {
    auto* item = new QTreeWidgetItem(disc);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setIcon(0, style()->standardIcon(QStyle::SP_FileDialogDetailedView));
  }
  refresh_slideshow(-1);
  expandAll();
  select_slideshow(project_.current_slideshow);
}

void ProjectTree::update_item(QTreeWidgetItem& item, int index) {
  const Slideshow& slideshow = *project_.slideshows[static_cast<std::size_t>(index)];
  const int photos = static_cast<int>(slideshow.photos.size());
  const int seconds = slideshow.length_seconds();
  item.setText(0, QString::fromStdString(slideshow.name()));
  item.setData(0, kKindRole, static_cast<int>(kSlideshow));
  item.setData(0, kPhotoCountRole, photos);
  item.setData(0, kSecondsRole, seconds);
  item.setToolTip(0, tooltip(tr("Slideshow Info"), slideshow_info(photos, seconds)));
}

void ProjectTree::refresh_slideshow(int index) {
  const QScopedValueRollback quiet(quiet_, true);
  QTreeWidgetItem* disc = disc_item();
  const int count = std::min(disc->childCount(), project_.slideshow_count());
  for (int i = 0; i < count; ++i) {
    if (index < 0 || i == index) update_item(*disc->child(i), i);
  }
  disc->setToolTip(0, tooltip(tr("Video Disc"), tr("Slideshows: %1").arg(count)));
}

void ProjectTree::follow(const ProjectChange& change) {
  using Kind = ProjectChange::Kind;
  switch (change.kind) {
    case Kind::kSlideshowAdded:
    case Kind::kSlideshowRemoved:
    case Kind::kSlideshowsMoved:
      rebuild();
      return;
    case Kind::kSlideshowRenamed:
    case Kind::kPhotosInserted:
    case Kind::kPhotosRemoved:
    case Kind::kPhotosMoved:
    case Kind::kPhotosChanged:
      if (const int index = project_.slideshow_index(change.slideshow); index >= 0)
        refresh_slideshow(index);
      return;
    case Kind::kSettingsChanged:
      refresh_slideshow(-1);
      return;
    default:
      return;
  }
}

void ProjectTree::select_slideshow(int index) {
  const QScopedValueRollback quiet(quiet_, true);
  QTreeWidgetItem* disc = disc_item();
  if (index >= 0 && index < disc->childCount()) setCurrentItem(disc->child(index));
}

int ProjectTree::selected_slideshow() const {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  if (selected.isEmpty()) return -1;
  return disc_item()->indexOfChild(selected.front());
}

void ProjectTree::selection_changed() {
  if (quiet_) return;
  const int index = selected_slideshow();
  if (index < 0 || index >= project_.slideshow_count()) return;
  project_.current_slideshow = index;
  emit slideshow_selected(index);
}

void ProjectTree::item_edited(QTreeWidgetItem* item) {
  if (quiet_) return;
  const int index = disc_item()->indexOfChild(item);
  if (index < 0 || index >= project_.slideshow_count()) return;
  bool refused = false;
  history_.run(rename_slideshow_edit(project_.slideshows[static_cast<std::size_t>(index)]->id(),
                                     item->text(0).toStdString(), &refused));
  if (refused) {
    project_.front_end.show(slideshow_name_message());
    refresh_slideshow(index);  // the old name again
  }
}

void ProjectTree::move_selected(bool up) {
  const int index = selected_slideshow();
  const int target = up ? index - 1 : index + 1;
  if (index < 0 || target < 0 || target >= project_.slideshow_count()) return;
  const ModelId moved = project_.slideshows[static_cast<std::size_t>(index)]->id();
  // The moved slideshow stays selected, not only the current one.
  if (history_.run(move_slideshow_edit(moved, up)))
    select_slideshow(project_.slideshow_index(moved));
}

void ProjectTree::run_command(Command command) {
  switch (command) {
    case kEditCaption:
      if (const int index = selected_slideshow(); index >= 0) editItem(disc_item()->child(index));
      return;
    case kAddSlideshow:
      emit add_requested();
      return;
    case kDeleteAllSlideshows:
      emit delete_all_requested();
      return;
    case kDelete:
      emit delete_requested();
      return;
    case kMoveUp:
    case kMoveDown:
      move_selected(command == kMoveUp);
      return;
    case kSaveProject:
      emit save_requested();
      return;
    case kLoadProject:
      emit open_requested();
      return;
  }
}

void ProjectTree::contextMenuEvent(QContextMenuEvent* event) {
  QTreeWidgetItem* item = itemAt(event->pos());
  if (item == nullptr) return;
  setCurrentItem(item);
  QMenu* menu = item == disc_item() ? disc_menu_ : slideshow_menu_;
  menu->popup(event->globalPos());
}

}  // namespace pictavo

#include "ui/editor/picture_editor_dialog.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>

#include "edit/edit_history.h"
#include "edit/picture_commands.h"
#include "model/project.h"
#include "model/screen_aspect.h"
#include "ui/common/path_text.h"
#include "ui/common/wait_cursor.h"
#include "ui/editor/picture_adjust_page.h"
#include "ui/editor/picture_canvas.h"
#include "ui/editor/picture_decoration_page.h"
#include "ui/editor/picture_text_page.h"
#include "ui/editor/picture_transform_page.h"

namespace pictavo {
namespace {

constexpr int kButtonWidth = 160;

std::filesystem::path decorations_folder(const Project& project) {
  return project.preferences.program_folder / "decorate_pics";
}

}  // namespace

PictureEditorDialog::PictureEditorDialog(Project& project, EditHistory& history, int photo_index,
                                         UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent),
      project_(project),
      history_(history),
      slideshow_(project.current()->id()),
      canvas_(new PictureCanvas(decorations_folder(project),
                                screen_ratio_of_aspect(screen_aspect(project)), this)),
      tabs_(new QTabWidget(this)) {
  setWindowTitle(tr("Modify"));
  setMinimumSize(1050, 520);
  connect(canvas_, &PictureCanvas::edited, this, [this] { modified_ = true; });

  connect(add_button(kReset, tr("Reset")), &QPushButton::clicked, this,
          &PictureEditorDialog::reset);
  connect(add_button(kRemove, tr("Remove")), &QPushButton::clicked, canvas_,
          &PictureCanvas::remove_selected);
  connect(add_button(kPrevious, tr("Previous Picture")), &QPushButton::clicked, this,
          [this] { show_neighbour(-1); });
  connect(add_button(kNext, tr("Next Picture")), &QPushButton::clicked, this,
          [this] { show_neighbour(1); });
  tabs_->setObjectName(QStringLiteral("1001"));
  tabs_->addTab(new PictureTransformPage(*canvas_, tabs_), tr("Transform"));
  tabs_->addTab(new PictureTextPage(*canvas_, dialogs, tabs_), tr("Add Text"));
  tabs_->addTab(new PictureDecorationPage(*canvas_, decorations_folder(project), tabs_),
                tr("Add Image"));
  tabs_->addTab(new PictureAdjustPage(*canvas_, tabs_), tr("Adjust"));
  connect(add_button(kSave, tr("Save")), &QPushButton::clicked, this, &PictureEditorDialog::save);
  // Cancel drops unsaved edits without asking.
  connect(add_button(kCancel, tr("Cancel")), &QPushButton::clicked, this,
          [this] { QDialog::reject(); });
  lay_out();
  // The editor's own undo: texts in the dialog's fields still take Ctrl+Z first.
  auto* undo = new QAction(this);
  undo->setShortcut(QKeySequence::Undo);
  connect(undo, &QAction::triggered, canvas_, &PictureCanvas::undo);
  auto* redo = new QAction(this);
  redo->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(redo, &QAction::triggered, canvas_, &PictureCanvas::redo);
  addActions({undo, redo});
  load_photo(photo_index);
}

void PictureEditorDialog::lay_out() {
  // The canvas takes the room a larger dialog gives; the controls keep to the right.
  auto* controls = new QGridLayout;
  controls->setHorizontalSpacing(10);
  controls->setVerticalSpacing(8);
  controls->addWidget(button(kReset), 0, 0);
  controls->addWidget(button(kRemove), 0, 1);
  controls->addWidget(button(kPrevious), 1, 0);
  controls->addWidget(button(kNext), 1, 1);
  tabs_->setMinimumHeight(360);
  controls->addWidget(tabs_, 2, 0, 1, 2);
  controls->setRowStretch(3, 1);
  controls->addWidget(button(kSave), 4, 0);
  controls->addWidget(button(kCancel), 4, 1);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(20, 20, 20, 20);
  layout->setSpacing(20);
  layout->addWidget(canvas_, 1);
  layout->addLayout(controls);
  // The canvas has its place before the dialog is shown: photos load into it.
  layout->activate();
}

QPushButton* PictureEditorDialog::add_button(Button id, const QString& text) {
  auto* button = buttons_.add(id, new QPushButton(text, this));
  button->setMinimumWidth(kButtonWidth);
  // Enter belongs to the dialog, which asks before it closes.
  button->setAutoDefault(false);
  return button;
}

QPushButton* PictureEditorDialog::button(Button id) const {
  return buttons_.at(id);
}

const PhotoItem* PictureEditorDialog::photo_at(int index) const {
  const Slideshow* slideshow = project_.find_slideshow(slideshow_);
  if (slideshow == nullptr || index < 0 ||
      static_cast<std::size_t>(index) >= slideshow->photos.size())
    return nullptr;
  return slideshow->photos[static_cast<std::size_t>(index)].get();
}

void PictureEditorDialog::load_photo(int index) {
  const PhotoItem* found = photo_at(index);
  if (found == nullptr) return;
  photo_index_ = index;
  const PhotoItem& photo = *found;
  if (!canvas_->load(photo))
    show_message(tr("Cannot load the file %1").arg(path_text(photo.source_path)));
  modified_ = false;
}

void PictureEditorDialog::show_message(const QString& text) {
  project_.front_end.show(
      PromptMessage{text.toStdString(), {}, PromptButtons::kOk, PromptIcon::kNone});
}

bool PictureEditorDialog::save() {
  if (!modified_) return true;
  std::filesystem::path unwritten;
  const bool prepared = [&] {
    // Replaying the edits on the full-size photo takes a while.
    const WaitCursor waiting;
    return history_.run(picture_editor_edit(
        slideshow_, photo_index_, canvas_->edit_records(), canvas_->adjustments(),
        decorations_folder(project_),
        [this](const std::filesystem::path& path) { return history_.holds_picture(path); },
        &unwritten));
  }();
  if (!prepared) {
    show_message(tr("Cannot save the file %1").arg(path_text(unwritten)));
    return false;
  }
  modified_ = false;
  return true;
}

void PictureEditorDialog::reset() {
  const PhotoItem* photo = photo_at(photo_index_);
  if (photo == nullptr) return;
  if (!canvas_->load_unedited(photo->source_path)) {
    show_message(tr("Cannot load the file %1").arg(path_text(photo->source_path)));
    return;
  }
  modified_ = true;
}

void PictureEditorDialog::show_neighbour(int step) {
  const int target = photo_index_ + step;
  if (target < 0) return show_message(tr("This is the first picture!"));
  if (photo_at(target) == nullptr) return show_message(tr("This is the last picture!"));
  if (settle_edits()) load_photo(target);
}

bool PictureEditorDialog::settle_edits() {
  if (!modified_) return true;
  switch (project_.front_end.show(
      {tr("Do you want to save the changes to this picture?").toStdString(),
       tr("Query").toStdString(), PromptButtons::kYesNoCancel, PromptIcon::kQuestion})) {
    case PromptAnswer::kYes:
      return save();
    case PromptAnswer::kNo:
      modified_ = false;
      return true;
    case PromptAnswer::kOk:
    case PromptAnswer::kCancel:
      break;
  }
  return false;
}

void PictureEditorDialog::accept() {
  if (settle_edits()) QDialog::accept();
}

void PictureEditorDialog::reject() {
  if (settle_edits()) QDialog::reject();
}

void PictureEditorDialog::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      event->modifiers() == Qt::NoModifier) {
    accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace pictavo

#include "ui/pages/project_tree_page.h"

#include <QDir>
#include <QGridLayout>
#include <QHideEvent>
#include <QShortcut>
#include <QStandardPaths>
#include <system_error>

#include "edit/edit_history.h"
#include "edit/slideshow_commands.h"
#include "model/project.h"
#include "model/project_messages.h"
#include "ui/app/user_dialogs.h"
#include "ui/common/path_text.h"
#include "ui/widgets/project_tree.h"

namespace pictavo {
namespace {

constexpr int kTreeWidth = 202;

}  // namespace

ProjectTreePage::ProjectTreePage(Project& project, EditHistory& history, UserDialogs& dialogs,
                                 QWidget* main_window, QWidget* parent)
    : StepPage(parent),
      project_(project),
      history_(history),
      dialogs_(dialogs),
      main_window_(main_window),
      tree_(new ProjectTree(project, history, this)),
      grid_(new QGridLayout(this)) {
  grid_->setContentsMargins(8, 2, 10, 10);
  grid_->setSpacing(6);
  grid_->setColumnStretch(1, 1);
  grid_->setRowStretch(1, 1);
  // The tree keeps its width and a wider gap at its right; the room a larger
  // window gives goes to the views.
  tree_->setFixedWidth(kTreeWidth);
  grid_->setColumnMinimumWidth(0, kTreeWidth + 7);
  grid_->addWidget(tree_, 1, 0, -1, 1, Qt::AlignLeft);
  connect(tree_, &ProjectTree::slideshow_selected, this, &ProjectTreePage::show_slideshow_in_view);
  connect(tree_, &ProjectTree::add_requested, this, &ProjectTreePage::add_slideshow);
  connect(tree_, &ProjectTree::delete_requested, this, &ProjectTreePage::delete_slideshow);
  connect(tree_, &ProjectTree::delete_all_requested, this, &ProjectTreePage::delete_all_slideshows);
  // F2 renames the slideshow chosen in the tree, wherever on the page the focus is.
  auto* rename = new QShortcut(QKeySequence(Qt::Key_F2), this, nullptr, nullptr,
                               Qt::WidgetWithChildrenShortcut);
  connect(rename, &QShortcut::activated, tree_,
          [this] { tree_->run_command(ProjectTree::kEditCaption); });
}

void ProjectTreePage::hideEvent(QHideEvent* event) {
  // The other pages may delete slideshows while this one is away; page_shown()
  // shows the current one again.
  if (!event->spontaneous()) release_slideshows();
  StepPage::hideEvent(event);
}

void ProjectTreePage::page_shown() {
  tree_->rebuild();
  show_current_slideshow();
}

void ProjectTreePage::follow(const ProjectChange& change) {
  tree_->follow(change);
  // A page out of view shows the current slideshow when it comes back.
  if (isHidden()) return;
  using Kind = ProjectChange::Kind;
  if (change.kind == Kind::kSlideshowAdded || change.kind == Kind::kSlideshowRemoved)
    show_current_slideshow();
}

void ProjectTreePage::project_replaced() {
  tree_->rebuild();
  show_slideshow_in_view();
}

void ProjectTreePage::show_slideshow_in_view() {
  // A page out of view holds no slideshow, since the page in view may delete it;
  // page_shown() shows the current one.
  if (isHidden())
    release_slideshows();
  else
    show_current_slideshow();
}

std::filesystem::path ProjectTreePage::photo_folder() const {
  const Preferences& preferences = project_.preferences;
  std::error_code error;
  if (preferences.fd_search_path != preferences.program_folder &&
      std::filesystem::is_directory(preferences.fd_search_path, error))
    return preferences.fd_search_path;
  const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  return path_of(pictures.isEmpty() ? QDir::homePath() : pictures);
}

void ProjectTreePage::add_slideshow() {
  const std::vector<std::filesystem::path> files = dialogs_.add_pictures(photo_folder());
  if (files.empty()) return;
  history_.run(new_slideshow_edit(project_.make_default_slideshow_name(), files));
}

bool ProjectTreePage::user_agrees_to_delete(const QString& question) {
  return project_.front_end.show({question.toStdString(), tr("Query").toStdString(),
                                  PromptButtons::kYesNo, PromptIcon::kQuestion}) ==
         PromptAnswer::kYes;
}

void ProjectTreePage::delete_slideshow() {
  const int index = tree_->selected_slideshow();
  if (index < 0 || index >= project_.slideshow_count() ||
      !user_agrees_to_delete(tr("Do you really want to delete this slideshow?")))
    return;
  history_.run(remove_slideshow_edit(project_.slideshows[static_cast<std::size_t>(index)]->id()));
}

void ProjectTreePage::delete_all_slideshows() {
  if (project_.slideshow_count() == 0 ||
      !user_agrees_to_delete(tr("Do you really want to delete all slideshows?")))
    return;
  history_.run(remove_all_slideshows_edit());
}

}  // namespace pictavo

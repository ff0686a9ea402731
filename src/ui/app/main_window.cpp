#include "ui/app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "model/project.h"
#include "model/unsaved_changes.h"
#include "ui/app/program_settings.h"
#include "ui/app/project_signals.h"
#include "ui/app/qt_transition_setting_dialogs.h"
#include "ui/common/engine_text.h"
#include "ui/common/path_text.h"
#include "ui/common/tool_icon.h"
#include "ui/common/wait_cursor.h"
#include "ui/dialogs/about_dialog.h"
#include "ui/dialogs/missing_photos_dialog.h"
#include "ui/dialogs/settings_dialog.h"
#include "ui/dialogs/tip_of_the_day_dialog.h"
#include "ui/pages/effect_page.h"
#include "ui/pages/music_page.h"
#include "ui/pages/organize_photo_page.h"
#include "ui/pages/produce_page.h"
#include "ui/widgets/capacity_bar.h"
#include "ui/widgets/project_tree.h"
#include "ui/widgets/step_tab_bar.h"
#include "ui/widgets/thumbnail_list.h"

namespace pictavo {
namespace {

constexpr char kUpdateAddress[] = PICTAVO_UPDATE_ADDRESS;

constexpr QSize kMinimumSize{852, 582};
constexpr int kMenuButtonWidth = 54;
constexpr int kIconButtonSize = 32;

QToolButton* icon_button(const std::filesystem::path& program_folder, const char* icon,
                         const QString& tip, QWidget* parent) {
  auto* button = new QToolButton(parent);
  set_tool_icon(*button, program_folder, icon, tip);
  button->setAutoRaise(true);
  return button;
}

}  // namespace

MainWindow::MainWindow(Project& project, UserDialogs& dialogs, QSettings& settings, QWidget* parent)
    : QWidget(parent),
      project_(project),
      dialogs_(dialogs),
      settings_(settings),
      history_(project),
      commands_(project, history_, dialogs, settings),
      transition_dialogs_(std::make_unique<QtTransitionSettingDialogs>(this)),
      changes_(new ProjectSignals(this)) {
  setWindowIcon(QIcon(path_text(project_.preferences.program_folder / "res" / "pictavo.svg")));
  // The window's first size is the smallest one its pages are laid out for.
  setMinimumSize(kMinimumSize);
  resize(kMinimumSize);
  restoreGeometry(ProgramSettings(settings_).window_geometry());
  build_controls();
  build_menus();
  project_.front_end.observer = changes_;
  connect(changes_, &ProjectSignals::changed, this, &MainWindow::follow);
  history_.set_listener([this] { refresh_edit_actions(); });
  refresh_edit_actions();
  refresh_totals();
  // Edits come from every page; the title follows each one.
  set_unsaved_listener([this] {
    QMetaObject::invokeMethod(
        this, [this] { refresh_title(); }, Qt::QueuedConnection);
  });
  // Once the window is up.
  QMetaObject::invokeMethod(
      this,
      [this] {
        if (ProgramSettings(settings_).tip_at_start_up()) show_tip_of_the_day();
      },
      Qt::QueuedConnection);
  if (project_.preferences.start_count < 3) {
    QMetaObject::invokeMethod(
        organize_page_, [this] { organize_page_->show_hint(); }, Qt::QueuedConnection);
  }
}

MainWindow::~MainWindow() {
  set_unsaved_listener({});
  if (project_.front_end.observer == changes_) project_.front_end.observer = nullptr;
  // Slideshows that undo steps keep are freed with the history, before the pages.
  release_project();
}

void MainWindow::build_controls() {
  project_button_ = new QPushButton(tr("Project"), this);
  edit_button_ = new QPushButton(tr("Edit"), this);
  help_button_ = new QPushButton(tr("Help"), this);
  auto* menu_row = new QHBoxLayout;
  menu_row->setContentsMargins(10, 2, 10, 0);
  menu_row->setSpacing(1);
  for (QPushButton* button : {project_button_, edit_button_, help_button_}) {
    button->setMinimumWidth(kMenuButtonWidth);
    menu_row->addWidget(button);
  }
  menu_row->addStretch();

  tabs_ = new StepTabBar(this);
  pages_ = new QStackedWidget(this);
  organize_page_ = new OrganizePhotoPage(project_, history_, dialogs_, this, pages_);
  effect_page_ = new EffectPage(project_, history_, dialogs_, *transition_dialogs_, this, pages_);
  music_page_ = new MusicPage(project_, history_, dialogs_, this, pages_);
  produce_page_ = new ProducePage(project_, dialogs_, pages_);
  for (StepPage* page :
       {static_cast<StepPage*>(organize_page_), static_cast<StepPage*>(effect_page_),
        static_cast<StepPage*>(music_page_), static_cast<StepPage*>(produce_page_)})
    pages_->addWidget(page);
  connect(tabs_, &StepTabBar::current_changed, this, &MainWindow::show_page);
  for (ProjectTreePage* page :
       {static_cast<ProjectTreePage*>(organize_page_), static_cast<ProjectTreePage*>(effect_page_),
        static_cast<ProjectTreePage*>(music_page_)}) {
    connect(page->tree(), &ProjectTree::save_requested, this, [this] { run_command(kSave); });
    connect(page->tree(), &ProjectTree::open_requested, this, [this] { run_command(kOpen); });
  }
  // The image line shows the thumbnails the Organize page's list makes.
  connect(organize_page_->thumbnail_list(), &ThumbnailList::loading_finished, effect_page_,
          &EffectPage::thumbnails_ready);
  connect(produce_page_, &ProducePage::running_changed, this,
          [this](bool running) { enable_commands(!running); });

  capacity_ = new CapacityBar(this);
  const std::filesystem::path& program = project_.preferences.program_folder;
  open_button_ = icon_button(program, "open_project", tr("Open Project"), this);
  save_button_ = icon_button(program, "save_project", tr("Save Project"), this);
  auto* bottom_row = new QHBoxLayout;
  bottom_row->setContentsMargins(60, 17, 45, 40);
  bottom_row->setSpacing(10);
  bottom_row->addWidget(capacity_, 1);
  bottom_row->addWidget(open_button_);
  bottom_row->addSpacing(13);
  bottom_row->addWidget(save_button_);
  for (QToolButton* button : {open_button_, save_button_})
    button->setFixedSize(kIconButtonSize, kIconButtonSize);
  capacity_->setFixedHeight(kIconButtonSize);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(menu_row);
  layout->addSpacing(14);
  layout->addWidget(tabs_, 0, Qt::AlignLeft);
  layout->addWidget(pages_, 1);
  layout->addLayout(bottom_row);
  connect(open_button_, &QToolButton::clicked, this, [this] { run_command(kOpen); });
  connect(save_button_, &QToolButton::clicked, this, [this] { run_command(kSave); });

  // Escape closes the window as its close box does.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  // Ctrl+1 to Ctrl+4 go to the steps, as their tabs do.
  for (int step = 0; step < 4; ++step) {
    auto* go = new QShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + step)), this);
    connect(go, &QShortcut::activated, this, [this, step] {
      if (tabs_->isEnabled()) show_page(step);
    });
  }
}

void MainWindow::build_menus() {
  const auto add = [this](QMenu* menu, Command id, const char* text,
                          const QKeySequence& keys = {}) {
    QAction* action = menu->addAction(tr(text));
    action->setData(static_cast<int>(id));
    action->setShortcut(keys);
    // The shortcuts work while the menu is closed.
    if (!keys.isEmpty()) addAction(action);
    connect(action, &QAction::triggered, this, [this, id] { run_command(id); });
  };
  project_menu_ = new QMenu(this);
  add(project_menu_, kNew, QT_TR_NOOP("New"), QKeySequence(Qt::CTRL | Qt::Key_N));
  add(project_menu_, kOpen, QT_TR_NOOP("Open..."), QKeySequence(Qt::CTRL | Qt::Key_O));
  add(project_menu_, kSave, QT_TR_NOOP("Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
  add(project_menu_, kSaveAs, QT_TR_NOOP("Save As"),
      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  add(project_menu_, kSettings, QT_TR_NOOP("Settings"));
  add(project_menu_, kExit, QT_TR_NOOP("Exit"), QKeySequence(Qt::CTRL | Qt::Key_Q));
  edit_menu_ = new QMenu(this);
  undo_action_ = edit_menu_->addAction(tr("Undo"), this, [this] { take_step(false); });
  undo_action_->setShortcut(QKeySequence::Undo);
  redo_action_ = edit_menu_->addAction(tr("Redo"), this, [this] { take_step(true); });
  redo_action_->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  // The shortcuts work while the menu is closed.
  addActions({undo_action_, redo_action_});
  help_menu_ = new QMenu(this);
  add(help_menu_, kHelpManual, QT_TR_NOOP("Help Manual"), QKeySequence(Qt::Key_F1));
  add(help_menu_, kTipEveryday, QT_TR_NOOP("Tip of the Day"));
  if (kUpdateAddress[0] != '\0') add(help_menu_, kUpdate, QT_TR_NOOP("Update"));
  // Window managers give Qt no window menu to extend: About stands in Help only.
  add(help_menu_, kAbout, QT_TR_NOOP("About"));

  // A drop-down centred on the button's right edge, its top at the button's foot.
  const auto drop_down = [](QPushButton* button, QMenu* menu) {
    const QPoint corner = button->mapToGlobal(QPoint(button->width(), button->height()));
    menu->popup(QPoint(corner.x() - menu->sizeHint().width() / 2, corner.y()));
  };
  connect(project_button_, &QPushButton::clicked, this,
          [this, drop_down] { drop_down(project_button_, project_menu_); });
  connect(edit_button_, &QPushButton::clicked, this,
          [this, drop_down] { drop_down(edit_button_, edit_menu_); });
  connect(help_button_, &QPushButton::clicked, this,
          [this, drop_down] { drop_down(help_button_, help_menu_); });
}

void MainWindow::run_command(Command command) {
  switch (command) {
    case kNew: {
      release_project();
      commands_.new_project();
      project_replaced();
      return;
    }
    case kOpen: {
      const WaitCursor wait;
      release_project();
      const bool opened = commands_.open_project();
      project_replaced();
      if (opened) offer_to_find_missing_photos();
      return;
    }
    case kSave: {
      const WaitCursor wait;
      commands_.save();
      refresh_title();
      return;
    }
    case kSaveAs:
      commands_.save_as();
      refresh_title();
      return;
    case kSettings: {
      SettingsDialog dialog(project_, history_, dialogs_, this);
      dialog.exec();
      return;
    }
    case kExit:
      exit_program();
      return;
    case kHelpManual:
      QDesktopServices::openUrl(QUrl::fromLocalFile(
          path_text(project_.preferences.program_folder / "manual" / "index.html")));
      return;
    case kUpdate:
      QDesktopServices::openUrl(QUrl(QString::fromUtf8(kUpdateAddress)));
      return;
    case kAbout:
      show_about();
      return;
    case kTipEveryday:
      show_tip_of_the_day();
      return;
  }
}

void MainWindow::open_file(const std::filesystem::path& file) {
  const WaitCursor wait;
  release_project();
  const bool opened = commands_.open_project_file(file);
  project_replaced();
  if (opened) offer_to_find_missing_photos();
}

void MainWindow::offer_to_find_missing_photos() {
  if (project_.missing_photos().empty()) return;
  // Beside the window, not in its way: the project is open and usable meanwhile.
  auto* dialog = new MissingPhotosDialog(project_, history_, dialogs_, this);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}

void MainWindow::bring_to_front() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

int MainWindow::current_page() const {
  return pages_->currentIndex();
}

StepPage* MainWindow::page(int index) const {
  return static_cast<StepPage*>(pages_->widget(index));
}

void MainWindow::show_page(int index) {
  if (index < 0 || index >= pages_->count()) return;
  const WaitCursor wait;
  tabs_->set_current(index);
  pages_->setCurrentIndex(index);
  page(index)->page_shown();
}

void MainWindow::release_project() {
  // Messages shown while the project is replaced let the pages paint.
  for (int i = 0; i < pages_->count(); ++i)
    page(i)->release_project();
}

void MainWindow::project_replaced() {
  for (int i = 0; i < pages_->count(); ++i)
    page(i)->project_replaced();
  refresh_totals();
}

void MainWindow::take_step(bool again) {
  if (!commands_enabled_) return;
  const WaitCursor wait;
  again ? history_.redo() : history_.undo();
}

void MainWindow::follow(const ProjectChange& change) {
  switch (change.kind) {
    case ProjectChange::Kind::kTotalsChanged:
      refresh_totals();
      return;
    case ProjectChange::Kind::kSettingsChanged:
      effect_page_->settings_changed();
      music_page_->settings_changed();
      break;
    default:
      break;
  }
  for (int i = 0; i < pages_->count(); ++i)
    page(i)->follow(change);
}

void MainWindow::refresh_edit_actions() {
  const QString undo = engine_text(history_.undo_name());
  const QString redo = engine_text(history_.redo_name());
  undo_action_->setText(undo.isEmpty() ? tr("Undo") : tr("Undo %1").arg(undo));
  redo_action_->setText(redo.isEmpty() ? tr("Redo") : tr("Redo %1").arg(redo));
  undo_action_->setEnabled(commands_enabled_ && history_.can_undo());
  redo_action_->setEnabled(commands_enabled_ && history_.can_redo());
}

void MainWindow::refresh_totals() {
  capacity_->set_used(project_.estimated_mb);
  organize_page_->show_total_duration(project_.total_seconds());
  refresh_title();
}

void MainWindow::refresh_title() {
  const QString name =
      commands_.has_file() ? path_text(project_.preferences.project_path.stem()) : tr("Untitled");
  setWindowTitle(name + QStringLiteral("[*] - Pictavo"));
  setWindowModified(commands_.changed());
}

void MainWindow::enable_commands(bool enabled) {
  commands_enabled_ = enabled;
  refresh_edit_actions();
  // Their shortcuts wait for the job too.
  for (QAction* action : project_menu_->actions())
    action->setEnabled(enabled);
  for (QWidget* control :
       {static_cast<QWidget*>(project_button_), static_cast<QWidget*>(edit_button_),
        static_cast<QWidget*>(help_button_), static_cast<QWidget*>(open_button_),
        static_cast<QWidget*>(save_button_), static_cast<QWidget*>(tabs_)})
    control->setEnabled(enabled);
}

std::filesystem::path MainWindow::tips_file() const {
  // Each language has its own tips file beside the English Tips.txt.
  const QString tips = tr("Tips.txt", "the tips of the day in the language: Tips_LL.txt");
  return project_.preferences.program_folder / path_of(tips);
}

void MainWindow::show_tip_of_the_day() {
  TipOfTheDayDialog dialog(tips_file(), settings_, this);
  dialog.exec();
}

void MainWindow::show_about() {
  AboutDialog dialog(QStringLiteral(PICTAVO_VERSION), this);
  dialog.exec();
}

void MainWindow::exit_program() {
  const bool may_quit = commands_.quit(ProjectCommands::Quit::kExit, produce_page_->job_running(),
                                       [this] { produce_page_->cancel_job(); });
  if (!may_quit) return;
  quitting_ = true;
  close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!quitting_) {
    quitting_ = commands_.quit(ProjectCommands::Quit::kClose, produce_page_->job_running(),
                               [this] { produce_page_->cancel_job(); });
  }
  if (quitting_) {
    ProgramSettings(settings_).set_window_geometry(saveGeometry());
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace pictavo

#include "ui/dialogs/psp_file_manager_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <map>

#include "base/lower_extension.h"
#include "device/copy_plan.h"
#include "device/removable_drives.h"
#include "ui/app/user_dialogs.h"
#include "ui/common/path_text.h"
#include "ui/dialogs/psp_video_checker.h"
#include "ui/widgets/capacity_view.h"
#include "ui/widgets/named_widget.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

// The files both lists show: patterns separated by commas.
constexpr char kFileFilter[] = "*.mp4,*.thm";

// Adds the folder's files to the list, each shown as `prefix` and its name.
void add_files(QListWidget* list, const fs::path& folder, const QString& prefix = {}) {
  if (folder.empty()) return;
  const QDir dir(path_text(folder));
  const QFileInfoList files = dir.entryInfoList(
      QString::fromLatin1(kFileFilter).split(QLatin1Char(',')), QDir::Files, QDir::Name);
  for (const QFileInfo& file : files) {
    auto* item = new QListWidgetItem(prefix + file.fileName(), list);
    item->setData(Qt::UserRole, file.absoluteFilePath());
  }
}

// The rules a video of the computer's list breaks, as the item keeps them, and
// whether it was checked.
constexpr int kBrokenRulesRole = Qt::UserRole + 1;
constexpr int kCheckedRole = Qt::UserRole + 2;

bool is_video(const QListWidgetItem* item) {
  return lower_extension(path_of(item->data(Qt::UserRole).toString())) == "mp4";
}

// A video that will not play on the PSP gets "(will not play)" after its name, a
// warning icon, and the rules it breaks as its tooltip. Files that are no videos
// at all are copied as plain files and stay unmarked.
void mark_video(QListWidgetItem* item, const QStringList& broken_rules) {
  item->setData(kCheckedRole, true);
  if (broken_rules.isEmpty()) return;
  item->setText(PspFileManagerDialog::tr("%1 (will not play)").arg(item->text()));
  item->setIcon(item->listWidget()->style()->standardIcon(QStyle::SP_MessageBoxWarning));
  item->setToolTip(broken_rules.join(QLatin1Char('\n')));
  item->setData(kBrokenRulesRole, broken_rules);
}

void show_files(QListWidget* list, const fs::path& folder) {
  list->clear();
  add_files(list, folder);
}

// "Copied 3 files: 2 to MP_ROOT/100ANV01, 1 to MP_ROOT/100MNV01.", each folder
// below `psp_root` named from there.
QString copied_text(const std::vector<fs::path>& written, const fs::path& psp_root) {
  std::map<fs::path, int> per_folder;
  for (const fs::path& file : written)
    ++per_folder[file.parent_path()];
  QStringList parts;
  for (const auto& [folder, count] : per_folder) {
    const fs::path relative = psp_root.empty() ? fs::path() : folder.lexically_relative(psp_root);
    const bool on_psp = !relative.empty() && *relative.begin() != "..";
    const QString where = path_text(on_psp ? relative : folder);
    if (per_folder.size() == 1) {
      return written.size() == 1 ? PspFileManagerDialog::tr("Copied 1 file to %1.").arg(where)
                                 : PspFileManagerDialog::tr("Copied %1 files to %2.")
                                       .arg(written.size())
                                       .arg(where);
    }
    parts << PspFileManagerDialog::tr("%1 to %2").arg(count).arg(where);
  }
  return PspFileManagerDialog::tr("Copied %1 files: %2.")
      .arg(written.size())
      .arg(parts.join(PspFileManagerDialog::tr(", ")));
}

std::vector<fs::path> selected_files(const QListWidget* list) {
  std::vector<fs::path> files;
  for (int row = 0; row < list->count(); ++row) {
    const QListWidgetItem* item = list->item(row);
    if (item->isSelected()) files.push_back(path_of(item->data(Qt::UserRole).toString()));
  }
  return files;
}

}  // namespace

PspFileManagerDialog::PspFileManagerDialog(const fs::path& computer_folder, FrontEnd front_end,
                                           UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), computer_folder_(computer_folder), front_end_(front_end), dialogs_(dialogs) {
  setWindowTitle(tr("Copy Files to PSP"));
  build_controls();
  // The copy's worker reports through these; the dialog hears them on its own thread.
  connect(this, &PspFileManagerDialog::copy_progressed, this, &PspFileManagerDialog::show_progress,
          Qt::QueuedConnection);
  connect(this, &PspFileManagerDialog::copy_finished, this, &PspFileManagerDialog::finish_copy,
          Qt::QueuedConnection);
  video_checker_ = new PspVideoChecker(this);
  connect(video_checker_, &PspVideoChecker::checked, this, &PspFileManagerDialog::show_video_check);
  search(PspSearch::kOpening);
  show_computer_folder();
}

PspFileManagerDialog::~PspFileManagerDialog() {
  stop_copy();
}

void PspFileManagerDialog::build_controls() {
  folder_edit_ = named(new QLineEdit(this), "video_folder");
  folder_edit_->setReadOnly(true);
  browse_ = named(new QToolButton(this), "browse");
  browse_->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
  browse_->setToolTip(tr("Select video folder"));
  browse_->setAccessibleName(browse_->toolTip());
  connect(browse_, &QToolButton::clicked, this, &PspFileManagerDialog::browse);
  drives_ = named(new QComboBox(this), "drive");
  drives_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  connect(drives_, &QComboBox::activated, this, &PspFileManagerDialog::choose_drive);

  computer_files_ = named(new QListWidget(this), "computer_files");
  psp_files_ = named(new QListWidget(this), "psp_files");
  for (QListWidget* list : {computer_files_, psp_files_}) {
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMinimumSize(300, 320);
  }
  to_psp_ = named(new QPushButton(tr("Copy selected files to PSP"), this), "copy_to_psp");
  to_computer_ =
      named(new QPushButton(tr("Copy selected files to computer"), this), "copy_to_computer");
  detect_ = named(new QPushButton(tr("Detect PSP connection"), this), "detect");
  connect(to_psp_, &QPushButton::clicked, this, &PspFileManagerDialog::copy_to_psp);
  connect(to_computer_, &QPushButton::clicked, this, &PspFileManagerDialog::copy_to_computer);
  connect(detect_, &QPushButton::clicked, this, &PspFileManagerDialog::detect);
  // The PSP lists a video only under its own kind of name in its own folder.
  psp_names_ = named(new QCheckBox(tr("Name files for the PSP"), this), "psp_names");
  psp_names_->setChecked(true);

  capacity_ = named(new CapacityView(this), "capacity");
  capacity_->setFixedHeight(64);
  progress_ = named(new QProgressBar(this), "progress");
  progress_->setRange(0, 1000);
  cancel_ = named(new QPushButton(tr("Cancel"), this), "cancel");
  connect(cancel_, &QPushButton::clicked, this, [this] { stop_.set(); });
  // The row keeps its place while hidden, so the dialog never changes its size.
  for (QWidget* shown_while_copying :
       {static_cast<QWidget*>(progress_), static_cast<QWidget*>(cancel_)}) {
    QSizePolicy policy = shown_while_copying->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    shown_while_copying->setSizePolicy(policy);
  }
  status_ = named(new QLabel(this), "copy_status");
  set_copying(false);

  auto* folder_row = new QHBoxLayout;
  folder_row->addWidget(folder_edit_, 1);
  folder_row->addWidget(browse_);
  auto* grid = new QGridLayout;
  auto* folder_label = new QLabel(tr("Video folder:"), this);
  folder_label->setBuddy(folder_edit_);
  auto* drive_label = new QLabel(tr("PSP Video Folder:"), this);
  drive_label->setBuddy(drives_);
  grid->addWidget(folder_label, 0, 0);
  grid->addWidget(drive_label, 0, 1);
  grid->addLayout(folder_row, 1, 0);
  grid->addWidget(drives_, 1, 1);
  grid->addWidget(computer_files_, 2, 0);
  grid->addWidget(psp_files_, 2, 1);
  grid->addWidget(to_psp_, 3, 0);
  grid->addWidget(to_computer_, 3, 1);
  grid->addWidget(psp_names_, 4, 0);

  auto* capacity_row = new QHBoxLayout;
  capacity_row->addWidget(detect_, 0, Qt::AlignTop);
  capacity_row->addSpacing(12);
  capacity_row->addWidget(new QLabel(tr("Detection result:"), this), 0, Qt::AlignTop);
  capacity_row->addWidget(capacity_, 1);
  auto* progress_row = new QHBoxLayout;
  progress_row->addWidget(status_, 1);
  progress_row->addWidget(progress_, 1);
  progress_row->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(capacity_row);
  layout->addLayout(progress_row);
}

void PspFileManagerDialog::detect() {
  search(PspSearch::kDetect);
}

void PspFileManagerDialog::search(PspSearch search) {
  detection_ = detect_psp(list_removable_drives(), search);
  drives_->clear();
  for (const PspDriveEntry& entry : detection_.entries)
    drives_->addItem(QString::fromStdString(entry.text));
  drives_->setCurrentIndex(detection_.selected ? static_cast<int>(*detection_.selected) : -1);
  psp_folder_ = detection_.psp_folder;
  if (psp_folder_.empty()) {
    front_end_.show({.text = psp_not_found_message(search, computer_folder_),
                     .caption = {},
                     .buttons = PromptButtons::kOk,
                     .icon = PromptIcon::kInformation});
  }
  capacity_->set_path(psp_folder_);
  show_psp_files();
}

void PspFileManagerDialog::choose_drive(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= detection_.entries.size()) return;
  psp_folder_ = detection_.entries[static_cast<std::size_t>(index)].video_folder;
  capacity_->set_path(psp_folder_);
  show_psp_files();
}

void PspFileManagerDialog::show_psp_files() {
  psp_files_->clear();
  if (psp_folder_.empty()) return;
  // H.264 videos copied under the PSP's names go to their own folder beside it.
  for (const fs::path& folder : {psp_folder_, psp_root() / kPspAvcFolder})
    add_files(psp_files_, folder, path_text(folder.filename()) + QLatin1Char('/'));
}

fs::path PspFileManagerDialog::psp_root() const {
  // The video folder is MP_ROOT/100MNV01 below the drive's root.
  return psp_folder_.empty() ? fs::path() : psp_folder_.parent_path().parent_path();
}

bool PspFileManagerDialog::checking_videos() const {
  return video_checker_->busy();
}

QString PspFileManagerDialog::copy_status() const {
  return status_->text();
}

void PspFileManagerDialog::browse() {
  const std::optional<fs::path> chosen = dialogs_.choose_folder(
      tr("Select output folder").toStdString(), path_of(folder_edit_->text()));
  if (!chosen) return;
  computer_folder_ = *chosen;
  show_computer_folder();
}

void PspFileManagerDialog::show_computer_folder() {
  QString text = path_text(computer_folder_);
  if (!text.endsWith(QLatin1Char('/'))) text += QLatin1Char('/');
  folder_edit_->setText(text);
  show_computer_files();
}

void PspFileManagerDialog::show_computer_files() {
  show_files(computer_files_, computer_folder_);
  std::vector<fs::path> videos;
  for (int row = 0; row < computer_files_->count(); ++row) {
    const QListWidgetItem* item = computer_files_->item(row);
    if (is_video(item)) videos.push_back(path_of(item->data(Qt::UserRole).toString()));
  }
  video_checker_->check(std::move(videos));
}

void PspFileManagerDialog::show_video_check(const QString& video, const QStringList& broken_rules) {
  for (int row = 0; row < computer_files_->count(); ++row) {
    QListWidgetItem* item = computer_files_->item(row);
    // Copying may have checked it already.
    if (item->data(Qt::UserRole).toString() == video && !item->data(kCheckedRole).toBool())
      mark_video(item, broken_rules);
  }
}

void PspFileManagerDialog::refresh_lists() {
  show_computer_files();
  show_psp_files();
  capacity_->set_path(psp_folder_);
}

void PspFileManagerDialog::copy_to_psp() {
  copy(computer_files_, true);
}

void PspFileManagerDialog::copy_to_computer() {
  copy(psp_files_, false);
}

void PspFileManagerDialog::copy(QListWidget* source, bool to_psp) {
  const std::vector<fs::path> files = selected_files(source);
  if (copying() || files.empty() || path_text(psp_folder_).size() <= 2) {
    QApplication::beep();
    return;
  }
  if (to_psp && !confirm_unplayable_videos(source)) return;
  Result<std::vector<CopyStep>> plan = !to_psp ? plan_copy(files, computer_folder_)
                                       : psp_names_->isChecked()
                                           ? plan_copy_to_psp(files, psp_folder_)
                                           : plan_copy(files, psp_folder_);
  if (!plan) {
    front_end_.show({.text = plan.reason(),
                     .caption = {},
                     .buttons = PromptButtons::kOk,
                     .icon = PromptIcon::kWarning});
    return;
  }
  stop_.reset();
  status_->clear();
  set_copying(true);
  worker_ = std::thread([this, steps = std::move(*plan)] {
    const CopyReport report = FileCopier().copy(
        steps, [this](const CopyProgress& progress) { emit copy_progressed(progress); }, &stop_);
    emit copy_finished(report);
  });
}

bool PspFileManagerDialog::confirm_unplayable_videos(QListWidget* source) const {
  QStringList videos;
  for (int row = 0; row < source->count(); ++row) {
    QListWidgetItem* item = source->item(row);
    // A video the checker has not reached yet is checked now.
    if (item->isSelected() && is_video(item) && !item->data(kCheckedRole).toBool())
      mark_video(item, PspVideoChecker::broken_rules(path_of(item->data(Qt::UserRole).toString())));
    const QStringList rules = item->data(kBrokenRulesRole).toStringList();
    if (!item->isSelected() || rules.isEmpty()) continue;
    const QString name = path_text(path_of(item->data(Qt::UserRole).toString()).filename());
    videos << name + QStringLiteral(":\n- ") + rules.join(QStringLiteral("\n- "));
  }
  if (videos.isEmpty()) return true;
  const QString text =
      (videos.size() == 1 ? tr("This video will not play on the PSP:\n\n%1\n\nCopy it anyway?")
                          : tr("These videos will not play on the PSP:\n\n%1\n\nCopy them anyway?"))
          .arg(videos.join(QStringLiteral("\n\n")));
  return front_end_.show({.text = text.toStdString(),
                          .caption = {},
                          .buttons = PromptButtons::kYesNo,
                          .icon = PromptIcon::kQuestion}) == PromptAnswer::kYes;
}

void PspFileManagerDialog::show_progress(const CopyProgress& progress) {
  if (progress.total_bytes == 0) return;
  progress_->setValue(static_cast<int>(progress.copied_bytes * 1000 / progress.total_bytes));
}

void PspFileManagerDialog::finish_copy(const CopyReport& report) {
  if (worker_.joinable()) worker_.join();
  set_copying(false);
  refresh_lists();
  if (!report.written.empty()) status_->setText(copied_text(report.written, psp_root()));
  if (report.outcome == CopyOutcome::kFailed)
    front_end_.show({.text = report.reason,
                     .caption = {},
                     .buttons = PromptButtons::kOk,
                     .icon = PromptIcon::kWarning});
  emit copy_ended(report.outcome);
}

void PspFileManagerDialog::set_copying(bool copying) {
  for (QWidget* control : {static_cast<QWidget*>(to_psp_), static_cast<QWidget*>(to_computer_),
                           static_cast<QWidget*>(detect_), static_cast<QWidget*>(browse_),
                           static_cast<QWidget*>(drives_)})
    control->setEnabled(!copying);
  progress_->setVisible(copying);
  cancel_->setVisible(copying);
  progress_->setValue(0);
}

void PspFileManagerDialog::stop_copy() {
  if (!worker_.joinable()) return;
  stop_.set();
  worker_.join();
}

void PspFileManagerDialog::reject() {
  stop_copy();
  set_copying(false);
  QDialog::reject();
}

}  // namespace pictavo

#include "ui/pages/produce_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "base/log.h"
#include "base/result_code.h"
#include "model/preferences_file.h"
#include "model/project.h"
#include "model/project_messages.h"
#include "model/project_start.h"
#include "ui/app/make_video_signals.h"
#include "ui/app/user_dialogs.h"
#include "ui/common/path_text.h"
#include "ui/common/wait_cursor.h"
#include "ui/dialogs/job_end_dialogs.h"
#include "ui/dialogs/profile_settings_list.h"
#include "ui/dialogs/psp_file_manager_dialog.h"
#include "ui/widgets/busy_indicator.h"
#include "ui/widgets/named_widget.h"
#include "video/disk_check.h"
#include "video/make_video_job.h"
#include "video/shutdown_sequence.h"

namespace pictavo {
namespace {

constexpr int kFullProgress = 65535;
constexpr int kDriveBarSteps = 1000;

// The texts of the start button: before a job, while it runs, after a success.
const char* const kCreateText = QT_TRANSLATE_NOOP("pictavo::ProducePage", "Create Video Files");
const char* const kCancelText = QT_TRANSLATE_NOOP("pictavo::ProducePage", "Cancel");
const char* const kMadeText = QT_TRANSLATE_NOOP("pictavo::ProducePage", "Make Video Files");

// The status texts: idle, while a job runs, after a cancel.
const char* const kIdleStatus = QT_TRANSLATE_NOOP("pictavo::ProducePage", "Main progress:");
const char* const kRunningStatus =
    QT_TRANSLATE_NOOP("pictavo::ProducePage", "Making Video Files...");
const char* const kStoppedStatus = QT_TRANSLATE_NOOP("pictavo::ProducePage", "Ready to start");

}  // namespace

ProducePage::ProducePage(Project& project, UserDialogs& dialogs, QWidget* parent)
    : StepPage(parent),
      project_(project),
      dialogs_(dialogs),
      modal_dialogs_(std::make_unique<ModalJobEndDialogs>(this, project.front_end, dialogs)),
      end_dialogs_(modal_dialogs_.get()),
      signals_(new MakeVideoSignals(this)),
      job_(std::make_unique<MakeVideoJob>(*signals_)) {
  build_controls();
  connect(signals_, &MakeVideoSignals::progress_made, progress_, &QProgressBar::setValue,
          Qt::QueuedConnection);
  connect(signals_, &MakeVideoSignals::ended, this, &ProducePage::job_ended, Qt::QueuedConnection);
  refresh();
}

// The job ends before the signals it reports through.
ProducePage::~ProducePage() {
  job_.reset();
}

void ProducePage::build_controls() {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(20, 16, 20, 16);
  layout->setSpacing(20);
  layout->addWidget(build_output_controls(), 1);
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);
  layout->addWidget(line);
  layout->addWidget(build_job_controls(), 1);
}

QWidget* ProducePage::build_output_controls() {
  auto* box = new QWidget(this);
  folder_edit_ = named(new QLineEdit(box), "working_folder");
  folder_edit_->setReadOnly(true);
  folder_edit_->setAccessibleName(tr("Output folder"));
  browse_ = named(new QPushButton(tr("Browse..."), box), "browse");
  connect(browse_, &QPushButton::clicked, this, &ProducePage::browse);
  auto* folder_row = new QHBoxLayout;
  folder_row->addWidget(folder_edit_, 1);
  folder_row->addWidget(browse_);

  drive_bar_ = named(new QProgressBar(box), "drive_bar");
  drive_bar_->setRange(0, kDriveBarSteps);
  drive_bar_->setTextVisible(false);
  drive_bar_->setFixedHeight(12);
  drive_text_ = named(new QLabel(box), "drive_text");

  profiles_ = named(new QComboBox(box), "profile");
  connect(profiles_, &QComboBox::activated, this, &ProducePage::choose_profile);
  auto* profile_row = new QHBoxLayout;
  auto* profile_caption = new QLabel(tr("Profile:"), box);
  profile_caption->setBuddy(profiles_);
  profile_row->addWidget(profile_caption);
  profile_row->addWidget(profiles_, 1);

  settings_ = named(new ProfileSettingsList(box), "settings");
  connect(settings_, &ProfileSettingsList::value_chosen, this, &ProducePage::settings_chosen);

  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(new QLabel(tr("Working Folder:"), box));
  column->addLayout(folder_row);
  column->addWidget(drive_bar_);
  column->addWidget(drive_text_);
  column->addSpacing(8);
  column->addLayout(profile_row);
  column->addSpacing(4);
  column->addWidget(new QLabel(tr("Advanced Settings:"), box));
  column->addWidget(settings_, 1);
  return box;
}

QWidget* ProducePage::build_job_controls() {
  auto* box = new QWidget(this);
  status_ = named(new QLabel(tr("Total progress:"), box), "status");
  progress_ = named(new QProgressBar(box), "progress");
  progress_->setRange(0, kFullProgress);
  progress_->setValue(0);

  busy_ = named(new BusyIndicator(box), "busy");
  create_ = named(new QPushButton(tr(kCreateText), box), "create");
  create_->setMinimumHeight(40);
  connect(create_, &QPushButton::clicked, this, &ProducePage::create_clicked);
  auto* start_row = new QHBoxLayout;
  start_row->addWidget(busy_);
  start_row->addWidget(create_, 1);

  shut_down_box_ =
      named(new QCheckBox(tr("Shut down the computer when the videos are done"), box), "shut_down");
  psp_manager_ = named(new QPushButton(tr("PSP File Manager"), box), "psp_file_manager");
  connect(psp_manager_, &QPushButton::clicked, this, &ProducePage::open_psp_file_manager);

  auto* column = new QVBoxLayout(box);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(status_);
  column->addWidget(progress_);
  column->addSpacing(16);
  column->addLayout(start_row);
  column->addWidget(shut_down_box_);
  column->addStretch(1);
  column->addWidget(psp_manager_, 0, Qt::AlignRight);
  status_->setText(tr(kIdleStatus));
  return box;
}

void ProducePage::set_drive_space_query(DriveSpaceQuery query) {
  drive_query_ = std::move(query);
  refresh();
}

void ProducePage::set_job_end_dialogs(JobEndDialogs& dialogs) {
  end_dialogs_ = &dialogs;
}

void ProducePage::set_system_power(SystemPower* power) {
  power_ = power;
}

void ProducePage::set_video_check(const MadeVideoCheck& check) {
  video_check_ = &check;
}

std::filesystem::path ProducePage::output_folder() const {
  return chosen_folder_ ? *chosen_folder_ : project_.default_setting.output_folder;
}

bool ProducePage::job_running() const {
  return job_->running();
}

// The program is about to end: the job's last steps are waited for here, and
// job_ended() restores the page should the program stay after all.
void ProducePage::cancel_job() {
  if (!job_running()) return;
  create_->setEnabled(false);
  job_->cancel();
}

void ProducePage::page_shown() {
  refresh();
}

void ProducePage::project_replaced() {
  refresh();
}

void ProducePage::follow(const ProjectChange& change) {
  // The videos' size decides whether the disk holds them.
  if (change.kind == ProjectChange::Kind::kTotalsChanged && !isHidden() && !job_running())
    check_disk(false);
}

void ProducePage::refresh() {
  folder_edit_->setText(path_text(output_folder()));
  show_profiles();
  show_drive();
  if (!job_running()) check_disk(false);
}

void ProducePage::show_profiles() {
  const ProfileGroupList& list = project_.profiles;
  profiles_->clear();
  // Every group's profiles, the PSP's first, in the numbering the engine counts.
  for (int number = 0; number < list.profile_count(); ++number)
    profiles_->addItem(QString::fromStdString(list.numbered_profile(number)->desc_l));
  profiles_->setCurrentIndex(list.current_number());
  show_profile();
}

void ProducePage::show_profile() {
  const OutputProfile* profile = project_.profiles.current_profile();
  settings_->show_profile(profile);
  show_psp_manager();
}

// Copying to the PSP is for PSP videos; the videos of other profiles are not its.
void ProducePage::show_psp_manager() {
  const OutputProfile* profile = project_.profiles.current_profile();
  const bool for_psp = profile == nullptr || profile->for_psp();
  psp_manager_->setEnabled(for_psp && !job_running());
  psp_manager_->setToolTip(
      for_psp ? QString()
              : tr("This profile makes videos for phones, tablets and TVs, not for the PSP. "
                   "Choose a PSP profile to make videos to copy to the PSP."));
}

void ProducePage::show_drive() {
  const std::optional<DriveSpace> space = drive_query_(output_folder());
  if (!space) {
    drive_text_->clear();
    drive_bar_->setValue(0);
    return;
  }
  drive_text_->setText(
      tr("%1: %2 MB free").arg(path_text(space->drive)).arg(space->free_megabytes()));
  const std::uint64_t used = space->total_bytes - std::min(space->free_bytes, space->total_bytes);
  const double share =
      space->total_bytes == 0 ? 0.0 : static_cast<double>(used) / space->total_bytes;
  drive_bar_->setValue(qRound(share * kDriveBarSteps));
}

bool ProducePage::check_disk(bool tell) {
  const DiskCheck check = check_disk_space(output_folder(), project_.default_setting.temp_folder,
                                           project_.estimated_mb, drive_query_);
  if (check.start != StartControl::kUnchanged)
    create_->setEnabled(check.start == StartControl::kEnable);
  if (tell && check.message) project_.front_end.show(*check.message);
  return check.pass;
}

void ProducePage::browse() {
  const std::optional<std::filesystem::path> folder = dialogs_.choose_folder(
      tr("Please select a destination folder").toStdString(), output_folder());
  if (!folder) return;
  chosen_folder_ = *folder;
  folder_edit_->setText(path_text(*folder));
  show_drive();
  check_disk(true);
}

void ProducePage::choose_profile(int index) {
  choose_output_profile(project_, index);
  save_preferences(project_);
  show_profile();
  use_profile_settings();
}

void ProducePage::settings_chosen() {
  OutputProfile* profile = project_.profiles.current_profile();
  if (profile == nullptr) return;
  settings_->read_back(*profile);
  use_profile_settings();
}

// The profile's frame rate sets the TV system every photo takes; lengths and the
// estimated size follow, and the project's notice has the main window show the size.
void ProducePage::use_profile_settings() {
  use_profile_frame_rate(project_);
  project_.apply_tv_system_to_all();
  check_disk(true);
}

void ProducePage::create_clicked() {
  if (job_running()) {
    // Stopping takes effect at once: the job ends after its current frame and
    // job_ended() restores the page.
    create_->setEnabled(false);
    job_->request_stop();
    return;
  }
  if (check_disk(true)) start_job();
}

void ProducePage::start_job() {
  std::optional<MakeVideoOrder> order = make_video_order(project_, output_folder());
  if (!order) return;
  if (!order->left_out.empty()) project_.front_end.show(photos_left_out_message(order->left_out));
  const WaitCursor wait;  // the photos are checked and the folder emptied first
  const JobStart start = job_->start(std::move(*order), video_check_);
  if (start.state != JobStartState::kStarted) {
    if (start.message) project_.front_end.show(*start.message);
    return;
  }
  set_running(true);
  progress_->setValue(0);
  emit running_changed(true);
}

void ProducePage::set_running(bool running) {
  // The videos being made are not to be copied yet.
  for (QWidget* control : {static_cast<QWidget*>(browse_), static_cast<QWidget*>(profiles_),
                           static_cast<QWidget*>(settings_)})
    control->setEnabled(!running);
  if (running) {
    psp_manager_->setEnabled(false);
  } else {
    show_psp_manager();
  }
  create_->setEnabled(true);
  if (running) {
    create_->setText(tr(kCancelText));
    status_->setText(tr(kRunningStatus));
    busy_->start();
  } else {
    busy_->stop();
  }
}

void ProducePage::job_ended(const MakeVideoOutcome& outcome) {
  set_running(false);
  show_drive();
  create_->setText(tr(outcome.result == kDone ? kMadeText : kCreateText));
  status_->setText(tr(outcome.result == kStopped ? kStoppedStatus : kIdleStatus));
  emit running_changed(false);
  if (!outcome.reason.empty()) write_log("Make video files: " + outcome.reason);

  const bool power_off = shut_down_box_->isChecked();
  if (const std::optional<PromptMessage> message = outcome_message(outcome, power_off))
    project_.front_end.show(*message);
  if (outcome.result != kDone) return;
  if (power_off) {
    shut_down();
  } else {
    // After the outcome's own message has closed.
    // The profile cannot change while a job runs: it is the one the videos were made with.
    const OutputProfile* profile = project_.profiles.current_profile();
    const bool psp_videos = profile == nullptr || profile->for_psp();
    QMetaObject::invokeMethod(
        this,
        [this, psp_videos] { end_dialogs_->mission_accomplished(output_folder(), psp_videos); },
        Qt::QueuedConnection);
  }
}

void ProducePage::open_psp_file_manager() {
  PspFileManagerDialog dialog(output_folder(), project_.front_end, dialogs_, this);
  dialog.exec();
}

void ProducePage::shut_down() {
  if (!end_dialogs_->confirm_shutdown() || power_ == nullptr) return;
  shut_down_after_job(project_, *power_);
}

}  // namespace pictavo

#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "device/psp_made_video_check.h"
#include "ui/pages/step_page.h"
#include "video/drive_space.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace pictavo {

class BusyIndicator;
class JobEndDialogs;
class MakeVideoJob;
class MakeVideoSignals;
class ModalJobEndDialogs;
class ProfileSettingsList;
class Project;
class SystemPower;
class UserDialogs;
struct MakeVideoOutcome;

// The Produce page: the output folder and profile, and "Create Video Files", which
// runs the make-video job on its own thread with progress and cancel.
//
// Its controls carry object names; the numbers are the ids the program has always
// given them:
//   working_folder 1032   browse 1001       status 1037     progress 1038
//   drive_bar 1085        drive_text 1089   busy 1095       create 1093
//   shut_down 1092        profile 1181      settings 1339   psp_file_manager 1107
class ProducePage : public StepPage {
  Q_OBJECT

 public:
  ProducePage(Project& project, UserDialogs& dialogs, QWidget* parent);
  ~ProducePage() override;

  bool job_running() const;
  // Stops a running job and waits for its end.
  void cancel_job();

  void page_shown() override;
  void project_replaced() override;
  void follow(const ProjectChange& change) override;

  // The folder the videos go to: the one chosen with "Browse...", else the
  // project's own output folder.
  std::filesystem::path output_folder() const;

  // How the page learns about drives (query_drive_space unless replaced).
  void set_drive_space_query(DriveSpaceQuery query);
  // The dialogs after a successful job (modal windows unless replaced).
  void set_job_end_dialogs(JobEndDialogs& dialogs);
  // What switches the computer off when the user asked for it; without one the
  // computer stays on.
  void set_system_power(SystemPower* power);
  // What tells the videos made that will not play (the PSP's rules unless
  // replaced); it must outlive the page.
  void set_video_check(const MadeVideoCheck& check);

 signals:
  // A job started (true) or ended (false): the main window's commands wait for it.
  void running_changed(bool running);

 private:
  void build_controls();
  QWidget* build_output_controls();
  QWidget* build_job_controls();
  void refresh();
  void show_profiles();
  void show_profile();
  void show_psp_manager();
  void show_drive();
  // Whether the videos fit on the drives; the start button follows the answer.
  // The user is told what is short only when `tell` is set.
  bool check_disk(bool tell);

  void browse();
  void choose_profile(int index);
  void settings_chosen();
  void use_profile_settings();

  void create_clicked();
  void start_job();
  void set_running(bool running);
  void job_ended(const MakeVideoOutcome& outcome);
  void shut_down();
  void open_psp_file_manager();

  Project& project_;
  UserDialogs& dialogs_;
  DriveSpaceQuery drive_query_ = query_drive_space;
  std::unique_ptr<ModalJobEndDialogs> modal_dialogs_;
  JobEndDialogs* end_dialogs_ = nullptr;
  SystemPower* power_ = nullptr;
  std::optional<std::filesystem::path> chosen_folder_;

  QLineEdit* folder_edit_ = nullptr;
  QPushButton* browse_ = nullptr;
  QLabel* status_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QProgressBar* drive_bar_ = nullptr;
  QLabel* drive_text_ = nullptr;
  BusyIndicator* busy_ = nullptr;
  QPushButton* create_ = nullptr;
  QCheckBox* shut_down_box_ = nullptr;
  QComboBox* profiles_ = nullptr;
  ProfileSettingsList* settings_ = nullptr;
  QPushButton* psp_manager_ = nullptr;

  // The job reports through signals_ and checks its videos with video_check_,
  // which must outlive it.
  MakeVideoSignals* signals_ = nullptr;
  const PspMadeVideoCheck psp_check_;
  const MadeVideoCheck* video_check_ = &psp_check_;
  std::unique_ptr<MakeVideoJob> job_;
};

}  // namespace pictavo

#pragma once

#include <QDialog>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "base/event.h"
#include "device/file_copier.h"
#include "device/psp_detection.h"
#include "model/front_end.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace pictavo {

class CapacityView;
class PspVideoChecker;
class UserDialogs;

// "Copy Files to PSP": the computer's video folder and the PSP's side by side as
// lists of their video and thumbnail files, copying the selected files either way,
// and the PSP drive's capacity. The computer's videos that will not play on the
// PSP are marked with the rules they break (checked on a thread of their own), and
// copying them asks first. The copy runs on a thread of its own; its progress and
// its end come back as queued calls, and closing the dialog stops it.
//
// Controls carry object names; the numbers are the ids the program has always
// given them:
//   video_folder 1345   browse 1001        drive 1181           capacity 1344
//   computer_files 1347 psp_files 1346     detect 1343          copy_to_psp 1342
//   copy_to_computer 1350
class PspFileManagerDialog : public QDialog {
  Q_OBJECT

 public:
  // Looks for the PSP at once (giving a drive without it its video folder), and
  // tells the user through `front_end` when there is none.
  PspFileManagerDialog(const std::filesystem::path& computer_folder, FrontEnd front_end,
                       UserDialogs& dialogs, QWidget* parent = nullptr);
  ~PspFileManagerDialog() override;

  const std::filesystem::path& computer_folder() const { return computer_folder_; }
  const std::filesystem::path& psp_folder() const { return psp_folder_; }
  bool copying() const { return worker_.joinable(); }
  // Whether the computer's videos are still being checked for the PSP.
  bool checking_videos() const;

  QComboBox* drive_combo() const { return drives_; }
  QListWidget* computer_list() const { return computer_files_; }
  QListWidget* psp_list() const { return psp_files_; }
  QCheckBox* psp_names_box() const { return psp_names_; }
  CapacityView* capacity_view() const { return capacity_; }
  // What the last copy did ("Copied 2 files to MP_ROOT/100ANV01.").
  QString copy_status() const;

  // "Detect PSP connection".
  void detect();
  // "Copy selected files to PSP" and "Copy selected files to computer".
  void copy_to_psp();
  void copy_to_computer();
  // Stops a running copy and waits for its end.
  void stop_copy();

  // Stops a running copy first.
  void reject() override;

 signals:
  // A copy ended; the lists show its result.
  void copy_ended(CopyOutcome outcome);
  // From the copy's worker thread.
  void copy_progressed(const pictavo::CopyProgress& progress);
  void copy_finished(const pictavo::CopyReport& report);

 private:
  void build_controls();
  void search(PspSearch search);
  void choose_drive(int index);
  void browse();
  void show_computer_folder();
  // Lists the computer's files, and has its videos checked for the PSP.
  void show_computer_files();
  void show_video_check(const QString& video, const QStringList& broken_rules);
  void refresh_lists();
  // The PSP's MPEG-4 and H.264 video folders, each file named with its folder.
  void show_psp_files();
  // The drive the PSP's video folder is on; empty without one.
  std::filesystem::path psp_root() const;
  void copy(QListWidget* source, bool to_psp);
  // Asks whether to copy the selected videos of `source` that will not play on the
  // PSP; true when none is selected or the user says yes.
  bool confirm_unplayable_videos(QListWidget* source) const;
  void show_progress(const CopyProgress& progress);
  void finish_copy(const CopyReport& report);
  void set_copying(bool copying);

  std::filesystem::path computer_folder_;
  std::filesystem::path psp_folder_;
  FrontEnd front_end_;
  UserDialogs& dialogs_;
  PspDetection detection_;

  QLineEdit* folder_edit_ = nullptr;
  QToolButton* browse_ = nullptr;
  QComboBox* drives_ = nullptr;
  QListWidget* computer_files_ = nullptr;
  QListWidget* psp_files_ = nullptr;
  QPushButton* detect_ = nullptr;
  QPushButton* to_psp_ = nullptr;
  QPushButton* to_computer_ = nullptr;
  QCheckBox* psp_names_ = nullptr;
  CapacityView* capacity_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* cancel_ = nullptr;
  PspVideoChecker* video_checker_ = nullptr;

  Event stop_;
  std::thread worker_;
};

}  // namespace pictavo

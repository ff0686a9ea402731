#include "ui/dialogs/job_end_dialogs.h"

#include "ui/dialogs/completion_dialog.h"
#include "ui/dialogs/psp_file_manager_dialog.h"
#include "ui/dialogs/shutdown_countdown_dialog.h"

namespace pictavo {

void ModalJobEndDialogs::mission_accomplished(const std::filesystem::path& output_folder,
                                              bool psp_videos) {
  CompletionDialog dialog(
      output_folder, parent_,
      psp_videos ? CompletionDialog::Videos::kForPsp : CompletionDialog::Videos::kForOtherPlayers);
  if (dialog.exec() != CompletionDialog::kTransfer) return;
  PspFileManagerDialog transfer(output_folder, front_end_, dialogs_, parent_);
  transfer.exec();
}

bool ModalJobEndDialogs::confirm_shutdown() {
  ShutdownCountdownDialog dialog(parent_);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace pictavo

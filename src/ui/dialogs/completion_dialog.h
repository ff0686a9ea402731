#pragma once

#include <QDialog>
#include <filesystem>

class QPushButton;

namespace pictavo {

// "Information": every video was made. Shows the output folder and leads on: "Open
// Output folder" opens it in the desktop's file manager; "Transfer to PSP" closes
// the dialog with kTransfer, for its opener to show the copying dialog. Videos for
// other players than the PSP get no "Transfer to PSP".
class CompletionDialog : public QDialog {
  Q_OBJECT

 public:
  // The result of exec() after "Transfer to PSP".
  static constexpr int kTransfer = 2;

  enum class Videos { kForPsp, kForOtherPlayers };

  explicit CompletionDialog(const std::filesystem::path& output_folder, QWidget* parent = nullptr,
                            Videos videos = Videos::kForPsp);

  QPushButton* open_folder_button() const { return open_folder_; }
  QPushButton* transfer_button() const { return transfer_; }

 private:
  void open_output_folder();

  std::filesystem::path output_folder_;
  QPushButton* open_folder_ = nullptr;
  QPushButton* transfer_ = nullptr;
};

}  // namespace pictavo

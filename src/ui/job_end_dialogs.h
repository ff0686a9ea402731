#pragma once

#include <filesystem>

class QWidget;

namespace pictavo {

// The dialogs that end a successful make-video job, behind an interface so that
// tests answer them without a modal loop.
class JobEndDialogs {
 public:
  virtual ~JobEndDialogs() = default;
  // Every video was made into `output_folder`.
  virtual void mission_accomplished(const std::filesystem::path& output_folder) = 0;
  // The countdown before the computer is switched off; true when it may go off.
  virtual bool confirm_shutdown() = 0;
};

// The dialogs as modal windows over `parent`.
class ModalJobEndDialogs final : public JobEndDialogs {
 public:
  explicit ModalJobEndDialogs(QWidget* parent) : parent_(parent) {}
  void mission_accomplished(const std::filesystem::path& output_folder) override;
  bool confirm_shutdown() override;

 private:
  QWidget* parent_;
};

}  // namespace pictavo

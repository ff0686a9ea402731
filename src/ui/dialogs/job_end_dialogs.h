#pragma once

#include <filesystem>

#include "model/front_end.h"

class QWidget;

namespace pictavo {

class UserDialogs;

// The dialogs that end a successful make-video job, behind an interface so that
// tests answer them without a modal loop.
class JobEndDialogs {
 public:
  virtual ~JobEndDialogs() = default;
  // Every video was made into `output_folder`; the user may go on to copy them,
  // onto the PSP when they are `psp_videos`.
  virtual void mission_accomplished(const std::filesystem::path& output_folder,
                                    bool psp_videos) = 0;
  // The countdown before the computer is switched off; true when it may go off.
  virtual bool confirm_shutdown() = 0;
};

// The dialogs as modal windows over `parent`; the copying dialog tells and asks
// through `front_end` and `dialogs`.
class ModalJobEndDialogs final : public JobEndDialogs {
 public:
  ModalJobEndDialogs(QWidget* parent, const FrontEnd& front_end, UserDialogs& dialogs)
      : parent_(parent), front_end_(front_end), dialogs_(dialogs) {}
  void mission_accomplished(const std::filesystem::path& output_folder, bool psp_videos) override;
  bool confirm_shutdown() override;

 private:
  QWidget* parent_;
  const FrontEnd& front_end_;
  UserDialogs& dialogs_;
};

}  // namespace pictavo

#include "ui/dialogs/psp_video_checker.h"

#include <utility>

#include "device/psp_video_check.h"
#include "ui/common/engine_text.h"
#include "ui/common/path_text.h"

namespace pictavo {

PspVideoChecker::PspVideoChecker(QObject* parent) : QObject(parent) {
  connect(this, &PspVideoChecker::found, this, &PspVideoChecker::deliver, Qt::QueuedConnection);
}

PspVideoChecker::~PspVideoChecker() {
  stop();
}

void PspVideoChecker::check(std::vector<std::filesystem::path> videos) {
  stop();
  ++round_;
  pending_ = static_cast<int>(videos.size());
  if (videos.empty()) return;
  stopping_ = false;
  worker_ = std::thread([this, round = round_, videos = std::move(videos)] {
    for (const std::filesystem::path& video : videos) {
      if (stopping_) return;
      emit found(round, path_text(video), broken_rules(video));
    }
  });
}

QStringList PspVideoChecker::broken_rules(const std::filesystem::path& video) {
  const PspVideoCheck check = check_psp_video(video);
  QStringList rules;
  if (!check.readable || check.plays()) return rules;
  for (const PspRule& rule : check.failures())
    rules << engine_text(rule_line(rule));
  return rules;
}

void PspVideoChecker::stop() {
  if (!worker_.joinable()) return;
  stopping_ = true;
  worker_.join();
}

void PspVideoChecker::deliver(int round, const QString& video, const QStringList& broken_rules) {
  if (round != round_) return;
  --pending_;
  emit checked(video, broken_rules);
}

}  // namespace pictavo

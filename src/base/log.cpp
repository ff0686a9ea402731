#include "base/log.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <mutex>

namespace pictavo {
namespace {

std::mutex& log_mutex() {
  static std::mutex mutex;
  return mutex;
}

std::filesystem::path& current_log_path() {
  static std::filesystem::path path;  // guarded by log_mutex()
  return path;
}

}  // namespace

std::string format_log_line(const std::tm& local_time, std::string_view text) {
  static constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  char stamp[40];
  std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d, %s %02d, %d: ", local_time.tm_hour,
                local_time.tm_min, local_time.tm_sec,
                kMonths[static_cast<std::size_t>(local_time.tm_mon) % 12], local_time.tm_mday,
                local_time.tm_year + 1900);
  std::string line = stamp;
  line += text;
  line += '\n';
  return line;
}

void set_log_path(const std::filesystem::path& path) {
  std::lock_guard lock(log_mutex());
  current_log_path() = path;
}

std::filesystem::path log_path() {
  std::lock_guard lock(log_mutex());
  return current_log_path();
}

void write_log(std::string_view text) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const std::string line = format_log_line(local, text);

  std::lock_guard lock(log_mutex());
  if (current_log_path().empty()) return;
  const int fd =
      ::open(current_log_path().c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return;
  // One write of the whole line keeps lines of concurrent writers whole.
  [[maybe_unused]] const ssize_t written = ::write(fd, line.data(), line.size());
  ::close(fd);
}

}  // namespace pictavo

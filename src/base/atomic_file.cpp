#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace pictavo {
namespace {

constexpr std::string_view kTemporaryMark = ".pictavo-";
constexpr std::string_view kTemporaryPattern = "XXXXXX";

std::string temporary_pattern(const std::filesystem::path& path) {
  const std::string hidden = "." + path.filename().string();
  return (path.parent_path() / hidden).string() + std::string(kTemporaryMark) +
         std::string(kTemporaryPattern);
}

// The process's file creation mask. umask() can only be read by setting it,
// which would race with other threads creating files, so it is read from
// /proc; where that fails, the common 022 is assumed.
mode_t creation_mask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("Umask:"))
      return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
  }
  return 022;
}

// A file that is replaced keeps its permissions; a new one gets what the
// umask leaves of read and write for everybody, as a file opened for writing
// would.
mode_t permissions_for(const std::filesystem::path& path) {
  struct stat existing {};
  if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    return existing.st_mode & 07777;
  }
  return 0666 & ~creation_mask();
}

// A rename is an entry of the folder: until the folder itself is synced, a power
// cut can bring back the old file. Done at best: the file already stands under its
// name, and file systems without directory sync lose nothing by the failure.
void sync_folder(const std::filesystem::path& file) {
  const std::filesystem::path folder = file.parent_path();
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

AtomicFile::AtomicFile(const std::filesystem::path& path)
    : path_(path), temporary_(temporary_pattern(path)) {
  fd_ = ::mkostemp(temporary_.data(), O_CLOEXEC);
  if (fd_ < 0) error_ = errno;
}

AtomicFile::~AtomicFile() {
  discard();
}

bool AtomicFile::write(std::string_view bytes) {
  while (fd_ >= 0 && !bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      fail();
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return fd_ >= 0;
}

bool AtomicFile::commit() {
  if (fd_ < 0) return false;
  if (::fchmod(fd_, permissions_for(path_)) != 0 || ::fsync(fd_) != 0) {
    fail();
    return false;
  }
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (!closed || std::rename(temporary_.c_str(), path_.c_str()) != 0) {
    error_ = errno;
    ::unlink(temporary_.c_str());
    return false;
  }
  sync_folder(path_);
  return true;
}

void AtomicFile::fail() {
  error_ = errno;
  discard();
}

void AtomicFile::discard() {
  if (fd_ < 0) return;
  ::close(fd_);
  ::unlink(temporary_.c_str());
  fd_ = -1;
}

Status write_file_atomically(const std::filesystem::path& path, std::string_view bytes) {
  AtomicFile file(path);
  if (file.write(bytes) && file.commit()) return {};
  return Failure{std::system_category().message(file.error())};
}

bool is_atomic_temporary(const std::filesystem::path& file) {
  const std::string name = file.filename().string();
  const std::size_t mark = name.rfind(kTemporaryMark);
  return name.size() > 1 && name.front() == '.' && mark != std::string::npos && mark > 1 &&
         name.size() - mark - kTemporaryMark.size() == kTemporaryPattern.size();
}

void remove_leftover_temporaries(const std::filesystem::path& folder) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code ignored;
    if (is_atomic_temporary(it->path()) && it->is_regular_file(ignored) && !it->is_symlink(ignored))
      std::filesystem::remove(it->path(), ignored);
  }
}

}  // namespace pictavo

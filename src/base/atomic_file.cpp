#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace pictavo {

AtomicFile::AtomicFile(const std::filesystem::path& path)
    : path_(path), temporary_(path.string() + ".XXXXXX") {
  fd_ = ::mkstemp(temporary_.data());
}

AtomicFile::~AtomicFile() {
  discard();
}

bool AtomicFile::write(std::string_view bytes) {
  while (fd_ >= 0 && !bytes.empty()) {
    const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      discard();
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return fd_ >= 0;
}

bool AtomicFile::commit() {
  if (fd_ < 0) return false;
  const bool synced = ::fchmod(fd_, 0644) == 0 && ::fsync(fd_) == 0;
  const bool closed = ::close(fd_) == 0;
  fd_ = -1;
  if (!synced || !closed || std::rename(temporary_.c_str(), path_.c_str()) != 0) {
    ::unlink(temporary_.c_str());
    return false;
  }
  return true;
}

void AtomicFile::discard() {
  if (fd_ < 0) return;
  ::close(fd_);
  ::unlink(temporary_.c_str());
  fd_ = -1;
}

bool write_file_atomically(const std::filesystem::path& path, std::string_view bytes) {
  AtomicFile file(path);
  return file.write(bytes) && file.commit();
}

}  // namespace pictavo

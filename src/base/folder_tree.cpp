#include "base/folder_tree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

namespace pictavo {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  // Hands the descriptor to a new owner (fdopendir).
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

struct DirectoryCloser {
  void operator()(DIR* dir) const { ::closedir(dir); }
};

bool is_folder(int folder_fd, const dirent& entry) {
  if (entry.d_type != DT_UNKNOWN) return entry.d_type == DT_DIR;
  struct stat facts {};
  return ::fstatat(folder_fd, entry.d_name, &facts, AT_SYMLINK_NOFOLLOW) == 0 &&
         S_ISDIR(facts.st_mode);
}

// Empties the folder `name` inside `parent_fd` when it lies on `device`. Every name
// is resolved relative to an open descriptor of its own folder and opened without
// following links, so a link, or a folder swapped for one, cannot lead outside; a
// file system mounted inside the tree is not part of it and is left alone.
bool empty_folder(int parent_fd, const char* name, dev_t device) {
  FileDescriptor fd(::openat(parent_fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  struct stat facts {};
  if (fd.get() < 0 || ::fstat(fd.get(), &facts) != 0 || facts.st_dev != device) return false;
  const int folder_fd = fd.get();
  std::unique_ptr<DIR, DirectoryCloser> dir(::fdopendir(folder_fd));
  if (!dir) return false;
  fd.release();

  bool emptied = true;
  while (const dirent* entry = ::readdir(dir.get())) {
    const std::string_view entry_name = entry->d_name;
    if (entry_name == "." || entry_name == "..") continue;
    const bool removed = is_folder(folder_fd, *entry)
                             ? empty_folder(folder_fd, entry->d_name, device) &&
                                   ::unlinkat(folder_fd, entry->d_name, AT_REMOVEDIR) == 0
                             : ::unlinkat(folder_fd, entry->d_name, 0) == 0;
    emptied = emptied && removed;
  }
  return emptied;
}

}  // namespace

bool delete_folder_tree(const std::filesystem::path& folder) {
  if (folder.empty()) return false;
  std::error_code error;
  std::filesystem::path normal = std::filesystem::absolute(folder, error).lexically_normal();
  if (error) return false;
  if (!normal.has_filename()) normal = normal.parent_path();  // "/a/b/" names "/a/b"
  if (normal == normal.root_path() || !normal.has_filename()) return false;

  FileDescriptor parent(::open(normal.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  struct stat parent_facts {};
  if (parent.get() < 0 || ::fstat(parent.get(), &parent_facts) != 0) return false;
  // Requiring the parent's device refuses the root of a mounted file system.
  const std::string name = normal.filename().string();
  return empty_folder(parent.get(), name.c_str(), parent_facts.st_dev) &&
         ::unlinkat(parent.get(), name.c_str(), AT_REMOVEDIR) == 0;
}

}  // namespace pictavo

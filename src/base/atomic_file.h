#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace pictavo {

// A file written in pieces that appears under its name only when commit()
// succeeds: the bytes go to a temporary file in the same folder, which commit()
// syncs and renames over `path`, syncing the folder after it. Until then, and
// after any failure, the old file (if any) is untouched; an uncommitted writer
// removes its temporary file. The file keeps the permissions of the one it
// replaces; a new file gets read and write for everybody less the umask.
class AtomicFile {
 public:
  explicit AtomicFile(const std::filesystem::path& path);
  ~AtomicFile();
  AtomicFile(const AtomicFile&) = delete;
  AtomicFile& operator=(const AtomicFile&) = delete;

  // False when the temporary file could not be created or a write failed.
  bool is_good() const { return fd_ >= 0; }
  // Where the bytes go until commit(), for a writer that opens the file by name
  // itself (a library that takes only a name): what it writes there and closes
  // before commit() becomes the file.
  const std::string& temporary_path() const { return temporary_; }
  bool write(std::string_view bytes);
  // True when the whole file now stands under its name.
  bool commit();

 private:
  void discard();

  std::filesystem::path path_;
  std::string temporary_;
  int fd_ = -1;
};

// Replaces `path` with `bytes` through an AtomicFile: a crash or a full disk leaves
// either the old file or the new one, never half of one. False when anything
// failed; the old file is then untouched.
bool write_file_atomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace pictavo

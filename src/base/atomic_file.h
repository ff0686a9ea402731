#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "base/result.h"

namespace pictavo {

// A file written in pieces that appears under its name only when commit()
// succeeds: the bytes go to a temporary file in the same folder (hidden, named
// ".NAME.pictavo-XXXXXX" so that a crash's leftover is known as the program's
// own), which commit()
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
  // The system's error number of the first step that failed; 0 while none did.
  int error() const { return error_; }

 private:
  void fail();
  void discard();

  std::filesystem::path path_;
  std::string temporary_;
  int fd_ = -1;
  int error_ = 0;
};

// Replaces `path` with `bytes` through an AtomicFile: a crash or a full disk leaves
// either the old file or the new one, never half of one. On a failure, with the
// system's reason, the old file is untouched.
Status write_file_atomically(const std::filesystem::path& path, std::string_view bytes);

// Whether `file` is named as an AtomicFile's temporary.
bool is_atomic_temporary(const std::filesystem::path& file);
// Removes the temporaries that writers into `folder` left behind when they were
// killed; every other entry stays.
void remove_leftover_temporaries(const std::filesystem::path& folder);

}  // namespace pictavo

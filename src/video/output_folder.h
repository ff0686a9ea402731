#pragma once

#include <filesystem>
#include <span>
#include <string>

namespace pictavo {

enum class OutputFolderState {
  kReady,            // exists, empty and writable
  kHoldsOtherFiles,  // something that is not the job's own stayed in it
  kNotWritable,      // it cannot be made, or nothing can be written into it
};

struct OutputFolderCheck {
  OutputFolderState state = OutputFolderState::kReady;
  std::filesystem::path blocking_entry;  // with kHoldsOtherFiles: one entry that stayed
};

// Makes `folder` a fresh, empty folder for a make-video run, so that every run
// leaves the same files. A folder of the program's own (the Output folder of a
// working folder the program made) is removed with everything in it and made
// again. Any other folder is the user's: it is emptied only when it holds nothing
// but files a run writes there (`own_files`, names within the folder) and the
// temporaries a killed run left; a folder chosen by mistake loses nothing and is
// reported as holding other files.
OutputFolderCheck prepare_output_folder(const std::filesystem::path& folder, bool program_owned,
                                        std::span<const std::string> own_files);

}  // namespace pictavo

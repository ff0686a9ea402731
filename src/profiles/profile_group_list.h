#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "profiles/output_profile.h"

namespace pictavo {

// The profiles of one folder of "profile/avoutput", in `list_index` order.
struct ProfileGroup {
  int current = 0;  // index into `profiles`, set by the "Profile:" list
  int id = 0;
  std::filesystem::path folder;
  std::string desc;
  std::vector<OutputProfile> profiles;
};

// The output profiles of the program folder. Read once at start; parameter
// changes touch only the profiles in memory, never the files.
class ProfileGroupList {
 public:
  // Reads "profile/avoutput/profile_group.xml" below `program_folder` and every
  // group it announces. True when all announced groups were read; a group whose
  // folder holds a malformed profile ends the loading, keeping the groups before it.
  bool load_profiles(const std::filesystem::path& program_folder);

  const std::vector<ProfileGroup>& groups() const { return groups_; }
  int current_group() const { return current_group_; }

  // The current profile of the current group; null without groups or profiles.
  OutputProfile* current_profile();
  const OutputProfile* current_profile() const;
  // Selects a profile of the current group; an index outside the group is ignored.
  void set_current_profile(int index);

 private:
  std::vector<ProfileGroup> groups_;
  int current_group_ = 0;
};

}  // namespace pictavo

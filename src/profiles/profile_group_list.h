#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
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
  // group it announces. True when all announced groups were read. Otherwise the
  // groups that could be read are kept and used, and shortfall() says what is
  // missing, for a warning: a group whose folder holds a malformed profile ends
  // the loading, keeping the groups before it, and a group file that announces
  // more groups than it holds gives the ones it holds.
  bool load_profiles(const std::filesystem::path& program_folder);
  // What kept the last load_profiles short of every announced group, in plain
  // words; empty after a complete load.
  const std::string& shortfall() const { return shortfall_; }

  const std::vector<ProfileGroup>& groups() const { return groups_; }
  int current_group() const { return current_group_; }

  // The current profile of the current group; null without groups or profiles.
  OutputProfile* current_profile();
  const OutputProfile* current_profile() const;
  // Selects a profile of the current group; an index outside the group is ignored.
  void set_current_profile(int index);

  // The profiles of all groups numbered in one run, group after group: the PSP's
  // group first keeps its numbers whatever groups follow it.
  int profile_count() const;
  // Profile `number` of that run; null outside it.
  const OutputProfile* numbered_profile(int number) const;
  // Makes profile `number` current, and its group the current group; false (and
  // nothing changes) outside the run.
  bool choose_profile(int number);
  // The number of the current profile; -1 without one.
  int current_number() const;

 private:
  // Where profile `number` of the run stands: its group and its index there.
  struct Place {
    std::size_t group;
    int index;
  };
  std::optional<Place> place_of(int number) const;

  std::vector<ProfileGroup> groups_;
  int current_group_ = 0;
  std::string shortfall_;
};

}  // namespace pictavo

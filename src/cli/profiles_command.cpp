#include <cstdio>
#include <filesystem>
#include <string>

#include "base/program_folder.h"
#include "cli/commands.h"
#include "profiles/profile_group_list.h"

namespace pictavo::cli {
namespace {

std::string join_values(const ProfileParameter& parameter) {
  std::string joined;
  for (const ProfileValue& value : parameter.values) {
    if (!joined.empty()) joined += ", ";
    joined += value.text;
  }
  return joined;
}

// The profiles are numbered on from `first`, as make and render --profile take them.
void print_group(const ProfileGroup& group, int number, int first, bool current_group) {
  std::printf("Group %d: %s (id %d, folder %s)\n", number, group.desc.c_str(), group.id,
              group.folder.c_str());
  for (std::size_t i = 0; i < group.profiles.size(); ++i) {
    const OutputProfile& profile = group.profiles[i];
    const bool current = current_group && static_cast<int>(i) == group.current;
    std::printf("%s %zu  %s  [format %s, .%s]\n", current ? "*" : " ", first + i,
                profile.desc_l.c_str(), profile.format.c_str(), profile.ext.c_str());
    for (int p = 0; p < kProfileParameterCount; ++p) {
      const auto id = static_cast<ProfileParameterId>(p);
      const ProfileParameter& parameter = profile.parameter(id);
      const std::string name(parameter_name(id));
      std::printf("      %-17s %-8s (%s)\n", name.c_str(), parameter.current.text.c_str(),
                  join_values(parameter).c_str());
    }
  }
}

}  // namespace

int run_profiles(Arguments& args) {
  args.finish();
  ProfileGroupList list;
  const bool complete = list.load_profiles(program_folder());
  int first = 0;
  for (std::size_t g = 0; g < list.groups().size(); ++g) {
    const ProfileGroup& group = list.groups()[g];
    print_group(group, static_cast<int>(g), first, static_cast<int>(g) == list.current_group());
    first += static_cast<int>(group.profiles.size());
  }
  if (complete) return 0;
  // The groups that could be read are the program's: a warning, unless there are
  // none.
  const bool usable = !list.groups().empty();
  std::fprintf(stderr, "pictavo-cli profiles: %s%s\n", usable ? "warning: " : "",
               list.shortfall().c_str());
  return usable ? 0 : 1;
}

}  // namespace pictavo::cli

#include "profiles/profile_group_list.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <span>
#include <system_error>
#include <utility>

#include "base/text_number.h"
#include "base/xml_document.h"
#include "base/xml_file.h"

namespace pictavo {
namespace {

// Reads and parses a group or profile file; refuses files whose decoded text came
// out much shorter than the file (a misdecoded wide file).
std::optional<XmlDocument> open_document(const std::filesystem::path& path) {
  const std::optional<XmlFileText> file = read_xml_file(path);
  if (!file || !file->is_complete()) return std::nullopt;
  XmlDocument document;
  if (!document.set_doc(file->text)) return std::nullopt;
  return document;
}

bool enter_root(XmlDocument& document, std::string_view name) {
  return document.find_elem() && document.get_tag_name() == name && document.into_elem();
}

bool read_parameter(XmlDocument& document, std::string_view name, ProfileParameter& parameter) {
  if (!document.find_elem(name)) return false;
  parameter.current = {parse_int(document.get_attrib("list_index")), document.get_attrib("value")};
  parameter.initial = parameter.current;
  parameter.value_count = parse_int(document.get_attrib("value_list_count"));
  parameter.values.clear();
  document.into_elem();
  // A missing entry skips its index; once one is missing, so are all later ones.
  for (int i = 0; i < parameter.value_count && document.find_elem("value_list"); ++i) {
    parameter.values.push_back({i, document.get_attrib("value")});
  }
  document.out_of_elem();
  return true;
}

bool read_parameters(XmlDocument& document, std::span<ProfileParameter> parameters,
                     std::initializer_list<std::string_view> names) {
  auto parameter = parameters.begin();
  for (const std::string_view name : names) {
    if (!read_parameter(document, name, *parameter++)) return false;
  }
  return true;
}

std::optional<OutputProfile> read_profile(const std::filesystem::path& path) {
  std::optional<XmlDocument> document = open_document(path);
  if (!document || !enter_root(*document, "output_profile")) return std::nullopt;
  XmlDocument& doc = *document;

  OutputProfile profile;
  if (!doc.find_elem("format")) return std::nullopt;
  profile.format = doc.get_attrib("format");
  profile.ext = doc.get_attrib("ext");
  profile.desc_s = doc.get_attrib("desc_s");
  profile.desc_l = doc.get_attrib("desc_l");
  profile.list_index = parse_int(doc.get_attrib("list_index"));

  const std::span<ProfileParameter> video(profile.parameters.data(), 4);
  const std::span<ProfileParameter> audio(profile.parameters.data() + 4, 4);
  if (!doc.find_elem("parameters") || !doc.into_elem()) return std::nullopt;
  if (!doc.find_elem("video") || !doc.into_elem()) return std::nullopt;
  if (!read_parameters(doc, video, {"codec", "size", "bitrate", "framerate"})) return std::nullopt;
  doc.out_of_elem();
  if (!doc.find_elem("audio") || !doc.into_elem()) return std::nullopt;
  if (!read_parameters(doc, audio, {"codec", "bitrate", "samplerate", "channel"})) {
    return std::nullopt;
  }
  return profile;
}

bool has_xml_extension(const std::filesystem::path& path) {
  const std::string name = path.filename().string();
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  std::string extension = name.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return extension == "xml";
}

// The profile files of a folder in a fixed order (by name), so that profiles that
// share a list index come out the same on every machine.
std::vector<std::filesystem::path> profile_files(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    if (entry.is_regular_file(error) && has_xml_extension(entry.path())) {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The group of the current element; nothing when one of its profile files cannot
// be read, with that file in `bad_profile`.
std::optional<ProfileGroup> read_group(XmlDocument& document, const std::filesystem::path& avoutput,
                                       std::filesystem::path& bad_profile) {
  ProfileGroup group;
  group.id = parse_int(document.get_attrib("id"));
  group.desc = document.get_attrib("desc");
  group.folder = avoutput / document.get_attrib("folder");

  std::vector<OutputProfile> scanned;
  for (const std::filesystem::path& file : profile_files(group.folder)) {
    std::optional<OutputProfile> profile = read_profile(file);
    if (!profile) {
      bad_profile = file;
      return std::nullopt;
    }
    scanned.push_back(std::move(*profile));
  }
  // List index v takes the v-th place; an index outside 0..count-1 drops the profile.
  const int count = static_cast<int>(scanned.size());
  for (int v = 0; v < count; ++v) {
    for (OutputProfile& profile : scanned) {
      if (profile.list_index == v) group.profiles.push_back(std::move(profile));
    }
  }
  return group;
}

}  // namespace

bool ProfileGroupList::load_profiles(const std::filesystem::path& program_folder) {
  groups_.clear();
  current_group_ = 0;
  shortfall_.clear();
  const std::filesystem::path avoutput = program_folder / "profile" / "avoutput";
  const std::filesystem::path group_file = avoutput / "profile_group.xml";
  std::optional<XmlDocument> document = open_document(group_file);
  if (!document || !document->find_elem() ||
      document->get_tag_name() != "av_output_profile_group") {
    std::error_code error;
    shortfall_ = std::filesystem::exists(group_file, error)
                     ? "cannot read the output profiles in " + group_file.string()
                     : "no profile group file at " + group_file.string();
    return false;
  }
  const int count = parse_int(document->get_attrib("count"));
  document->into_elem();
  int read = 0;
  while (read < count && document->find_elem() && document->get_tag_name() == "group") {
    std::filesystem::path bad_profile;
    std::optional<ProfileGroup> group = read_group(*document, avoutput, bad_profile);
    if (!group) {
      shortfall_ = "the output profile " + bad_profile.string() +
                   " cannot be read: its group and the ones after it are left out";
      return false;
    }
    groups_.push_back(std::move(*group));
    ++read;
  }
  if (read == count) return true;
  shortfall_ = group_file.string() + " announces " + std::to_string(count) +
               " profile groups but holds " + std::to_string(read);
  return false;
}

OutputProfile* ProfileGroupList::current_profile() {
  return const_cast<OutputProfile*>(std::as_const(*this).current_profile());
}

const OutputProfile* ProfileGroupList::current_profile() const {
  if (current_group_ >= static_cast<int>(groups_.size())) return nullptr;
  const ProfileGroup& group = groups_[static_cast<std::size_t>(current_group_)];
  if (group.profiles.empty()) return nullptr;
  return &group.profiles[static_cast<std::size_t>(group.current)];
}

void ProfileGroupList::set_current_profile(int index) {
  if (current_group_ >= static_cast<int>(groups_.size())) return;
  ProfileGroup& group = groups_[static_cast<std::size_t>(current_group_)];
  if (index < 0 || index >= static_cast<int>(group.profiles.size())) return;
  group.current = index;
}

int ProfileGroupList::profile_count() const {
  int count = 0;
  for (const ProfileGroup& group : groups_)
    count += static_cast<int>(group.profiles.size());
  return count;
}

std::optional<ProfileGroupList::Place> ProfileGroupList::place_of(int number) const {
  if (number < 0) return std::nullopt;
  for (std::size_t g = 0; g < groups_.size(); ++g) {
    const int size = static_cast<int>(groups_[g].profiles.size());
    if (number < size) return Place{g, number};
    number -= size;
  }
  return std::nullopt;
}

const OutputProfile* ProfileGroupList::numbered_profile(int number) const {
  const std::optional<Place> place = place_of(number);
  if (!place) return nullptr;
  return &groups_[place->group].profiles[static_cast<std::size_t>(place->index)];
}

bool ProfileGroupList::choose_profile(int number) {
  const std::optional<Place> place = place_of(number);
  if (!place) return false;
  current_group_ = static_cast<int>(place->group);
  groups_[place->group].current = place->index;
  return true;
}

int ProfileGroupList::current_number() const {
  if (current_profile() == nullptr) return -1;
  int number = 0;
  for (int g = 0; g < current_group_; ++g)
    number += static_cast<int>(groups_[static_cast<std::size_t>(g)].profiles.size());
  return number + groups_[static_cast<std::size_t>(current_group_)].current;
}

}  // namespace pictavo

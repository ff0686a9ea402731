#include "effects/effect_set.h"

#include "base/xml_document.h"

namespace pictavo {
namespace {

constexpr std::string_view kSetsElement = "EFFECT_SETS";

bool in_range(int picker_index) {
  return picker_index >= 0 && picker_index < EffectSet::kSize;
}

}  // namespace

EffectSet::EffectSet(const std::filesystem::path& program_folder) {
  const std::filesystem::path cover_folder = program_folder / "EffectCover";
  templates_.reserve(kSize);
  for (int index = 0; index < kSize; ++index) {
    const TransitionType type = transition_at_picker_index(index);
    templates_.push_back(make_transition(type));
    cover_paths_[static_cast<std::size_t>(index)] = cover_folder / cover_file_name(type);
  }
}

EffectSet::EffectSet(const EffectSet& other) : cover_paths_(other.cover_paths_) {
  templates_.reserve(other.templates_.size());
  for (const auto& params : other.templates_)
    templates_.push_back(params->clone());
}

EffectSet& EffectSet::operator=(const EffectSet& other) {
  if (this != &other) *this = EffectSet(other);
  return *this;
}

EffectSet::~EffectSet() = default;

TransitionParams* EffectSet::template_at(int picker_index) {
  return in_range(picker_index) ? templates_[static_cast<std::size_t>(picker_index)].get()
                                : nullptr;
}

const TransitionParams* EffectSet::template_at(int picker_index) const {
  return in_range(picker_index) ? templates_[static_cast<std::size_t>(picker_index)].get()
                                : nullptr;
}

std::filesystem::path EffectSet::cover_path(int picker_index) const {
  return in_range(picker_index) ? cover_paths_[static_cast<std::size_t>(picker_index)]
                                : std::filesystem::path{};
}

bool EffectSet::write_xml(XmlDocument& doc) const {
  if (!doc.add_elem(kSetsElement) || !doc.into_elem()) return false;
  for (const auto& params : templates_)
    params->write_xml(doc);
  doc.out_of_elem();
  return true;
}

bool EffectSet::read_xml(XmlDocument& doc) {
  if (!doc.find_elem(kSetsElement) || !doc.into_elem()) return false;
  std::vector<std::unique_ptr<TransitionParams>> read;
  bool readable = true;
  while (readable && read.size() <= static_cast<std::size_t>(kSize) &&
         doc.find_elem(kTransitionSettingElement)) {
    std::unique_ptr<TransitionParams> params = read_current_transition(doc);
    readable = params != nullptr;
    read.push_back(std::move(params));
  }
  doc.out_of_elem();
  if (!readable || read.size() != static_cast<std::size_t>(kSize)) return false;
  templates_ = std::move(read);
  return true;
}

}  // namespace pictavo

#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <vector>

#include "effects/transition_params.h"
#include "effects/transition_type.h"

namespace pictavo {

class XmlDocument;

// The 19 transition templates from which photos receive their transitions, in
// picker order (Random first, then the 18 types by id), each with its defaults
// until stored templates replace them; plus the preview picture of every picker
// entry. Photos never share a template: they get clones (resolve_transition).
class EffectSet {
 public:
  static constexpr int kSize = kPickerCount;

  // Cover pictures are looked for in `program_folder`/EffectCover.
  explicit EffectSet(const std::filesystem::path& program_folder);

  EffectSet(const EffectSet& other);
  EffectSet& operator=(const EffectSet& other);
  EffectSet(EffectSet&&) noexcept = default;
  EffectSet& operator=(EffectSet&&) noexcept = default;
  ~EffectSet();

  // The template at a picker index; null outside 0 to 18. The setting dialogs edit
  // templates in place through it.
  TransitionParams* template_at(int picker_index);
  const TransitionParams* template_at(int picker_index) const;

  // The preview picture of a picker entry; empty outside 0 to 18. The file itself
  // may be missing, which only leaves the preview empty.
  std::filesystem::path cover_path(int picker_index) const;

  // Adds an EFFECT_SETS element after the document's current element, holding the
  // 19 templates in order; the new element becomes the current one.
  bool write_xml(XmlDocument& doc) const;

  // Finds the next EFFECT_SETS element among the following siblings and takes its
  // templates in document order. All or nothing: unless it holds exactly 19
  // readable TRANSITION_EFFECT_SETTING elements the templates stay as they were,
  // so the pickers always have 19 entries, and false is returned.
  bool read_xml(XmlDocument& doc);

 private:
  std::vector<std::unique_ptr<TransitionParams>> templates_;
  std::array<std::filesystem::path, kSize> cover_paths_;
};

}  // namespace pictavo

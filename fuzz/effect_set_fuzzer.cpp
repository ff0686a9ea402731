// Reads transition settings and effect sets from arbitrary text, the way the
// preferences and project files are read: whatever is read must hold values within
// each type's ranges and must read back unchanged from what it writes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/xml_document.h"
#include "effects/effect_set.h"
#include "effects/transition_params.h"
#include "fuzz_support.h"

namespace {

using pictavo::fuzz::require;

void check_in_range(const pictavo::TransitionParams& params) {
  require(params.form().clamped(params.values()) == params.values());
}

void check_round_trip(const pictavo::TransitionParams& params) {
  pictavo::XmlDocument doc;
  require(params.write_xml(doc));
  pictavo::XmlDocument reread;
  require(reread.set_doc(doc.get_doc()));
  const auto back = pictavo::read_transition(reread);
  require(back != nullptr && back->type() == params.type() && back->values() == params.values());
}

void check_set_round_trip(const pictavo::EffectSet& set) {
  pictavo::XmlDocument doc;
  require(set.write_xml(doc));
  pictavo::XmlDocument reread;
  require(reread.set_doc(doc.get_doc()));
  pictavo::EffectSet back("/p");
  require(back.read_xml(reread));
  for (int index = 0; index < pictavo::EffectSet::kSize; ++index) {
    require(back.template_at(index)->type() == set.template_at(index)->type());
    require(back.template_at(index)->values() == set.template_at(index)->values());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  pictavo::XmlDocument doc;
  if (!doc.set_doc(text)) return 0;
  pictavo::EffectSet set("/p");
  if (set.read_xml(doc)) {
    for (int index = 0; index < pictavo::EffectSet::kSize; ++index) {
      check_in_range(*set.template_at(index));
    }
    check_set_round_trip(set);
  }

  // Every setting inside the root element, one after the other.
  pictavo::XmlDocument walk;
  walk.set_doc(text);
  walk.find_elem();
  walk.into_elem();
  while (walk.find_elem(pictavo::kTransitionSettingElement)) {
    if (const auto params = pictavo::read_current_transition(walk)) {
      check_in_range(*params);
      check_round_trip(*params);
    }
  }
  return 0;
}

#include "render/transition_renderers.h"

#include <array>

#include "effects/transition_type.h"

namespace pictavo {
namespace {

// Indexed by TransitionType id; later transitions fill their slots.
constexpr std::array<TransitionRenderer, kConcreteTransitionCount> kRenderers = [] {
  std::array<TransitionRenderer, kConcreteTransitionCount> table{};
  table[static_cast<int>(TransitionType::kAlpha)] = render_alpha;
  table[static_cast<int>(TransitionType::kAccordion)] = render_accordion;
  table[static_cast<int>(TransitionType::kBlinds)] = render_blinds;
  table[static_cast<int>(TransitionType::kCircle)] = render_circle;
  table[static_cast<int>(TransitionType::kClock)] = render_clock;
  table[static_cast<int>(TransitionType::kCubeFly)] = render_cube_fly;
  table[static_cast<int>(TransitionType::kDiagonalSweep)] = render_diagonal_sweep;
  table[static_cast<int>(TransitionType::kDoor)] = render_door;
  table[static_cast<int>(TransitionType::kFlip)] = render_flip;
  table[static_cast<int>(TransitionType::kFly)] = render_fly;
  table[static_cast<int>(TransitionType::kPolygon)] = render_polygon;
  table[static_cast<int>(TransitionType::kRotateIn)] = render_rotate_in;
  table[static_cast<int>(TransitionType::kShutter)] = render_shutter;
  table[static_cast<int>(TransitionType::kSpin)] = render_spin;
  table[static_cast<int>(TransitionType::kSweep)] = render_sweep;
  table[static_cast<int>(TransitionType::kTwist)] = render_twist;
  table[static_cast<int>(TransitionType::kWipe)] = render_wipe;
  table[static_cast<int>(TransitionType::kZoom)] = render_zoom;
  return table;
}();

}  // namespace

TransitionRenderer transition_renderer(int type) {
  if (type < 0 || type >= kConcreteTransitionCount) return nullptr;
  return kRenderers[static_cast<std::size_t>(type)];
}

int render_transition(RenderContext& context) {
  const TransitionRenderer renderer = transition_renderer(current_photo(context).transition_type);
  return renderer != nullptr ? renderer(context) : 0;
}

}  // namespace pictavo

#include "render_test_support.h"

#include "render/transition_renderers.h"

namespace pictavo::test {

int RecordingRun::render(int index, int frames_total, int transition_frames) {
  context.photo_index = index;
  context.frames_total = frames_total;
  context.transition_frames = transition_frames;
  return index == 0 ? render_first_photo(context) : render_transition(context);
}

}  // namespace pictavo::test

#include "render/emit_frame.h"

#include "base/event.h"
#include "base/result_code.h"
#include "render/frame_sink.h"
#include "render/i420.h"

namespace pictavo {
namespace {

int hand_to_encoder(RenderContext& context, FrameChange change) {
  const FrameCanvas& output = context.output;
  // A context built for a preview has no frame buffer.
  if (context.yuv.size() < i420_frame_size(output.width(), output.height())) return kFailed;
  if (change == FrameChange::kRedrawn) {
    rgb24_to_i420(output.pixels(), output.stride(), output.width(), output.height(),
                  context.yuv.data());
  }
  if (context.encode_frame) {
    if (const int result = context.encode_frame(context.yuv.data()); result != 0) return result;
  }
  context.progress += context.progress_step;
  if (context.job != nullptr && context.job->on_progress)
    context.job->on_progress(static_cast<int>(context.progress));
  return 0;
}

void show_in_window(RenderContext& context) {
  // Unsigned differences stay right when the millisecond counter wraps.
  PreviewClock& clock = *context.clock;
  const std::uint32_t elapsed = clock.now_ms() - context.last_tick;
  if (context.frame_interval > 0 && elapsed < static_cast<std::uint32_t>(context.frame_interval))
    clock.sleep_ms(static_cast<std::uint32_t>(context.frame_interval) - elapsed);
  context.last_tick = clock.now_ms();
  if (context.window_surface != nullptr) context.window_surface->show(context.output);
}

}  // namespace

int emit_frame(RenderContext& context, FrameChange change) {
  if (context.mode == RenderMode::kVideo) {
    if (const int result = hand_to_encoder(context, change); result != 0) return result;
  } else {
    show_in_window(context);
  }
  return context.stop_event != nullptr && context.stop_event->try_wait() ? kStopped : 0;
}

}  // namespace pictavo

#include "render/emit_frame.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "model/event.h"
#include "render/frame_sink.h"
#include "render_test_support.h"

// Counts the allocations of this test program while `counting` is set.
namespace {
std::atomic<bool> counting{false};
std::atomic<int> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
  if (counting.load(std::memory_order_relaxed)) allocations.fetch_add(1);
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}

namespace pictavo {
namespace {

struct VideoRun {
  VideoRun() : context(RenderMode::kVideo, 4, 2) {
    context.job = &job;
    context.progress_step = 65535.0 / 4;
    context.output.fill(argb(255, 255, 0, 0));
    context.encode_frame = [this](const std::uint8_t* frame) {
      first_luma.push_back(frame[0]);
      return encoder_result;
    };
    job.on_progress = [this](int value) { reported.push_back(value); };
  }

  RenderJob job;
  RenderContext context;
  std::vector<int> first_luma;
  std::vector<int> reported;
  int encoder_result = 0;
};

TEST(EmitFrame, HandsTheConvertedFrameToTheEncoderAndReportsProgress) {
  VideoRun run;
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(emit_frame(run.context), 0);
  EXPECT_EQ(run.first_luma, std::vector<int>(4, 81));  // red
  EXPECT_EQ(run.reported, (std::vector<int>{16383, 32767, 49151, 65535}));
  EXPECT_DOUBLE_EQ(run.context.progress, 65535.0);
}

TEST(EmitFrame, AnEncoderErrorComesBackUnchangedBeforeProgress) {
  VideoRun run;
  run.encoder_result = -7;
  EXPECT_EQ(emit_frame(run.context), -7);
  EXPECT_EQ(run.first_luma.size(), 1u);
  EXPECT_TRUE(run.reported.empty());
  EXPECT_DOUBLE_EQ(run.context.progress, 0.0);
}

TEST(EmitFrame, AStopStillHandsOverTheFrameInProgress) {
  VideoRun run;
  Event stop;
  run.context.stop_event = &stop;
  EXPECT_EQ(emit_frame(run.context), 0);
  stop.set();
  EXPECT_EQ(emit_frame(run.context), 2);
  EXPECT_EQ(run.first_luma.size(), 2u);
  EXPECT_EQ(run.reported.size(), 2u);
}

TEST(EmitFrame, AllocatesNothingPerFrame) {
  VideoRun run;
  run.job.on_progress = [](int) {};
  run.context.encode_frame = [](const std::uint8_t*) { return 0; };
  allocations = 0;
  counting = true;
  for (int i = 0; i < 10; ++i)
    emit_frame(run.context);
  counting = false;
  EXPECT_EQ(allocations.load(), 0);
}

class CountingSink : public FrameSink {
 public:
  void show(const FrameCanvas& frame) override { shown.push_back(frame.pixel(0, 0)); }
  std::vector<std::uint32_t> shown;
};

TEST(EmitFrame, PreviewsShowEveryFrameInTheWindowUntilStopped) {
  RenderContext context(RenderMode::kSlideshowPreview, 4, 2);
  EXPECT_TRUE(context.yuv.empty());  // previews never convert
  CountingSink window;
  Event stop;
  context.window_surface = &window;
  context.stop_event = &stop;
  context.output.fill(kOpaqueWhite);
  EXPECT_EQ(emit_frame(context), 0);
  context.output.fill(kOpaqueBlack);
  stop.set();
  EXPECT_EQ(emit_frame(context), 2);
  EXPECT_EQ(window.shown, (std::vector<std::uint32_t>{kOpaqueWhite, kOpaqueBlack}));
  EXPECT_FALSE(stop.try_wait());  // the stop was taken
}

}  // namespace
}  // namespace pictavo

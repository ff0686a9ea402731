#include "render/emit_frame.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/event.h"
#include "render/frame_sink.h"
#include "render_test_support.h"
#include "support/allocation_counter.h"

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
  const test::AllocationCounter counter;
  for (int i = 0; i < 10; ++i)
    emit_frame(run.context);
  EXPECT_EQ(counter.count(), 0);
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

#include <gtest/gtest.h>

#include "effects/transition_type.h"
#include "render/frame_sink.h"
#include "render/transition_frames.h"
#include "render/transition_renderers.h"
#include "render_test_support.h"

namespace pictavo {
namespace {

using test::ColourNear;
using test::grey;
using test::kBlue;
using test::kGreen;
using test::kRed;
using test::RecordingRun;
using test::TransitionRun;

constexpr int kAlpha = static_cast<int>(TransitionType::kAlpha);
constexpr int kSpin = static_cast<int>(TransitionType::kSpin);
constexpr int kWipe = static_cast<int>(TransitionType::kWipe);
constexpr int kZoom = static_cast<int>(TransitionType::kZoom);

TEST(FirstPhoto, FadesInFromWhiteOverTFramesThenStaysForTheRestOfN) {
  RecordingRun run(16, 12);
  run.add_photo(test::solid_canvas(16, 12, kOpaqueBlack));
  EXPECT_EQ(run.render(0, 6, 4), 0);
  ASSERT_EQ(run.frames.size(), 6u);
  const int expected[] = {191, 128, 64, 0, 0, 0};  // white at 1 - (c + 1) / T
  for (int c = 0; c < 6; ++c)
    EXPECT_TRUE(ColourNear(run.frames[c].pixel(8, 6), grey(expected[c]))) << c;
}

TEST(FirstPhoto, APhotoThatCannotBeLoadedShowsTheBackground) {
  RecordingRun run(8, 6);
  run.job.background_argb = kBlue;
  run.photos.push_back(RenderPhoto{"missing"});
  run.job.photos = run.photos;
  EXPECT_EQ(run.render(0, 2), 0);
  ASSERT_EQ(run.frames.size(), 2u);
  EXPECT_TRUE(ColourNear(run.frames[1].pixel(4, 3), kBlue));
}

class RememberingSink : public FrameSink {
 public:
  void show(const FrameCanvas& frame) override { shown.push_back(frame.copy()); }
  std::vector<FrameCanvas> shown;
};

TEST(FirstPhoto, TransitionPreviewShowsThePhotoFittedOnce) {
  test::MemoryPhotos photos;
  photos.add("wide", test::solid_canvas(32, 12, kRed));
  const RenderPhoto list[] = {{"wide"}};
  RenderJob job{list, {}, kOpaqueBlack};
  RenderContext context(RenderMode::kTransitionPreview, 16, 12);
  RememberingSink window;
  context.job = &job;
  context.decoder = &photos;
  context.window_surface = &window;
  context.frames_total = 30;
  EXPECT_EQ(render_first_photo(context), 0);
  ASSERT_EQ(window.shown.size(), 1u);
  // Width-limited: 16 × 6 at y = 3.
  EXPECT_EQ(window.shown[0].pixel(8, 2), kOpaqueBlack);
  EXPECT_TRUE(ColourNear(window.shown[0].pixel(8, 3), kRed));
  EXPECT_TRUE(ColourNear(window.shown[0].pixel(8, 8), kRed));
  EXPECT_EQ(window.shown[0].pixel(8, 9), kOpaqueBlack);
}

// Where the incoming photo's pan stands when frame t is composed.
std::vector<float> pan_positions(IncomingPhoto incoming) {
  RecordingRun run(64, 48);
  run.add_photo(test::solid_canvas(64, 48, kOpaqueWhite));
  run.add_photo(test::solid_canvas(128, 64, kRed), 0);  // pan left to right
  run.context.photo_index = 1;
  run.context.frames_total = 6;
  run.context.transition_frames = 3;
  std::vector<float> positions;
  render_transition_frames(run.context, incoming,
                           [&](int) { positions.push_back(run.context.layer.fx); });
  positions.push_back(run.context.layer.fx);
  EXPECT_EQ(run.frames.size(), 6u);
  return positions;
}

TEST(Transitions, TheIncomingPhotoMovesUnderOrWaitsAtTheEndOfTheTransition) {
  // The photo is resampled to 67 × 33 and drifts the 3 pixels it has to spare.
  const float step = -3.0f / 6;
  const std::vector<float> animated = pan_positions(IncomingPhoto::kAnimated);
  ASSERT_EQ(animated.size(), 4u);
  for (int t = 0; t < 3; ++t)
    EXPECT_NEAR(animated[t], (t + 1) * step, 1e-4) << t;
  const std::vector<float> frozen = pan_positions(IncomingPhoto::kFrozen);
  ASSERT_EQ(frozen.size(), 4u);
  for (int t = 0; t < 3; ++t)
    EXPECT_NEAR(frozen[t], 3 * step, 1e-4) << t;
  // Both end where six steps lead.
  EXPECT_NEAR(animated[3], 6 * step, 1e-4);
  EXPECT_NEAR(frozen[3], 6 * step, 1e-4);
}

TEST(Transitions, TheOutgoingPictureIsTheOutputAtTheStart) {
  TransitionRun run(8, 6, kGreen, kRed, kAlpha);
  EXPECT_EQ(run.render(1, 4, 4), 0);
  // Half way: green and red mixed; the output's own changes never feed back.
  EXPECT_TRUE(ColourNear(run.frames[1].pixel(4, 4), argb(255, 128, 127, 0)));
}

TEST(Transitions, UnknownTypesRenderNothing) {
  for (const int type : {-1, 18, 99}) {
    TransitionRun run(8, 6, kOpaqueWhite, kRed, type);
    EXPECT_EQ(transition_renderer(type), nullptr);
    EXPECT_EQ(run.render(1, 5, 2), 0);
    EXPECT_TRUE(run.frames.empty());
  }
}

TEST(Transitions, AnEncoderErrorEndsTheRendererWithItsCode) {
  TransitionRun run(8, 6, kOpaqueWhite, kRed, kSpin);
  run.encoder_result = [](int frame) { return frame == 7 ? 42 : 0; };
  EXPECT_EQ(run.render(1, 20, 5), 42);  // after the transition, in the photo's own frames
  EXPECT_EQ(run.frames.size(), 8u);
  run.frames.clear();
  run.encoder_result = [](int frame) { return frame == 1 ? -3 : 0; };
  EXPECT_EQ(run.render(0, 20), -3);
  EXPECT_EQ(run.frames.size(), 2u);
}

TEST(Alpha, FadeToBlackDarkensTheOldPictureThenBringsUpTheNewOne) {
  TransitionRun run(8, 6, kOpaqueWhite, kRed, kAlpha, {2, 0});
  EXPECT_EQ(run.render(1, 10, 10), 0);
  ASSERT_EQ(run.frames.size(), 10u);
  const double opacity[] = {0.2, 0.4, 0.6, 0.8, 1.0};
  for (int t = 0; t < 5; ++t) {
    EXPECT_TRUE(
        ColourNear(run.frames[t].pixel(4, 3), grey(static_cast<int>(255 * (1 - opacity[t]) + 0.5))))
        << t;
    const auto red = static_cast<std::uint32_t>(255 * opacity[t] + 0.5);
    EXPECT_TRUE(ColourNear(run.frames[t + 5].pixel(4, 3), argb(255, red, 0, 0))) << t + 5;
  }
}

TEST(Alpha, NormalCrossFadesAndFadeToWhitePassesThroughWhite) {
  TransitionRun normal(8, 6, kOpaqueWhite, kOpaqueBlack, kAlpha);
  EXPECT_EQ(normal.render(1, 4, 4), 0);
  const int expected[] = {191, 128, 64, 0};
  for (int t = 0; t < 4; ++t)
    EXPECT_TRUE(ColourNear(normal.frames[t].pixel(2, 2), grey(expected[t]))) << t;

  TransitionRun white(8, 6, kOpaqueBlack, kOpaqueBlack, kAlpha, {1, 0});
  EXPECT_EQ(white.render(1, 4, 4), 0);
  const int through_white[] = {128, 255, 128, 0};
  for (int t = 0; t < 4; ++t)
    EXPECT_TRUE(ColourNear(white.frames[t].pixel(2, 2), grey(through_white[t]))) << t;
}

TEST(Zoom, ZoomInFadesTheGrowingOldPictureOutOverTheNewPhoto) {
  TransitionRun run(8, 6, kOpaqueWhite, kOpaqueBlack, kZoom);
  EXPECT_EQ(run.render(1, 6, 5), 0);
  EXPECT_TRUE(ColourNear(run.frames[0].pixel(4, 3), grey(217)));  // 0.85
  EXPECT_TRUE(ColourNear(run.frames[4].pixel(4, 3), grey(43)));   // 0.85 / T
  EXPECT_EQ(run.frames[5].pixel(4, 3), kOpaqueBlack);
}

TEST(Zoom, ZoomOutBringsTheNewPhotoDownOntoTheFrame) {
  TransitionRun run(8, 6, kOpaqueWhite, kOpaqueBlack, kZoom, {1, 0});
  EXPECT_EQ(run.render(1, 6, 5), 0);
  EXPECT_EQ(run.frames[0].pixel(4, 3), kOpaqueWhite);            // opacity 0
  EXPECT_TRUE(ColourNear(run.frames[4].pixel(4, 3), grey(82)));  // 0.85 × 4 / 5
  EXPECT_EQ(run.frames[5].pixel(4, 3), kOpaqueBlack);
}

TEST(Wipe, RightToLeftCoversTheStillOldPicture) {
  TransitionRun run(test::quadrant_canvas(16, 6, {kOpaqueWhite, kGreen, kBlue, kOpaqueBlack}),
                    test::solid_canvas(16, 6, kRed), kWipe, {1, 0});
  EXPECT_EQ(run.render(1, 4, 4), 0);
  for (int t = 0; t < 4; ++t) {
    const int edge = 16 - 4 * (t + 1);  // the new photo's left edge
    if (edge > 0) {
      EXPECT_EQ(run.frames[t].pixel(0, 0), kOpaqueWhite) << t;  // the old picture stays put
      EXPECT_EQ(run.frames[t].pixel(edge - 1, 5), edge - 1 < 8 ? kBlue : kOpaqueBlack) << t;
    }
    EXPECT_EQ(run.frames[t].pixel(edge, 0), kRed) << t;
  }
}

TEST(Wipe, PushMovesBothPictures) {
  TransitionRun run(test::quadrant_canvas(16, 8, {kOpaqueWhite, kGreen, kBlue, kRed}),
                    test::quadrant_canvas(16, 8, {kRed, kGreen, kBlue, kOpaqueBlack}), kWipe,
                    {0, 1});
  EXPECT_EQ(run.render(1, 4, 4), 0);
  // Frame 0: both moved 4 pixels right.
  EXPECT_EQ(run.frames[0].pixel(3, 0), kGreen);        // the new photo's top right
  EXPECT_EQ(run.frames[0].pixel(4, 0), kOpaqueWhite);  // the old picture's top left
  EXPECT_EQ(run.frames[0].pixel(11, 7), kBlue);        // the old bottom left, moved along
  EXPECT_EQ(run.frames[3].pixel(0, 0), kRed);

  TransitionRun up(8, 8, kOpaqueWhite, kRed, kWipe, {2, 1});
  EXPECT_EQ(up.render(1, 4, 4), 0);
  EXPECT_EQ(up.frames[1].pixel(4, 3), kOpaqueWhite);
  EXPECT_EQ(up.frames[1].pixel(4, 4), kRed);
}

TEST(Spin, OddTransitionsSpendTheLongerHalfOnTheNewPhoto) {
  TransitionRun run(48, 32, kRed, kBlue, kSpin, {1, 0});
  EXPECT_EQ(run.render(1, 25, 25), 0);
  ASSERT_EQ(run.frames.size(), 25u);
  // 12 frames of the old picture spinning to nothing, then 13 of the new one.
  for (int t = 0; t < 10; ++t)
    EXPECT_TRUE(ColourNear(run.frames[t].pixel(23, 15), kRed)) << t;
  EXPECT_EQ(run.frames[11].pixel(23, 15), kOpaqueBlack);
  for (int t = 12; t < 25; ++t)
    EXPECT_TRUE(ColourNear(run.frames[t].pixel(23, 15), kBlue)) << t;
  EXPECT_EQ(run.frames[12].pixel(2, 2), kOpaqueBlack);
  EXPECT_TRUE(ColourNear(run.frames[24].pixel(0, 0), kBlue));  // full size at the end
}

TEST(Spin, ASingleTransitionFrameShowsTheNewPhotoUprightAtTwiceTheSize) {
  TransitionRun run(test::solid_canvas(16, 12, kOpaqueWhite),
                    test::quadrant_canvas(16, 12, {kRed, kGreen, kBlue, kOpaqueBlack}), kSpin);
  EXPECT_EQ(run.render(1, 2, 1), 0);
  ASSERT_EQ(run.frames.size(), 2u);
  const FrameCanvas& frame = run.frames[0];
  EXPECT_TRUE(ColourNear(frame.pixel(0, 0), kRed));
  EXPECT_TRUE(ColourNear(frame.pixel(15, 0), kGreen));
  EXPECT_TRUE(ColourNear(frame.pixel(0, 11), kBlue));
  EXPECT_TRUE(ColourNear(frame.pixel(15, 11), kOpaqueBlack));
  // Twice the size: the quadrants meet at the centre, 8 pixels from the corners.
  EXPECT_TRUE(ColourNear(frame.pixel(6, 4), kRed));
  EXPECT_TRUE(ColourNear(frame.pixel(9, 4), kGreen));
}

}  // namespace
}  // namespace pictavo

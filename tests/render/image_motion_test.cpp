#include "render/image_motion.h"

#include <gtest/gtest.h>

#include "effects/image_effect.h"
#include "render_test_support.h"

namespace pictavo {
namespace {

constexpr int kPanLeftToRight = static_cast<int>(ImageEffect::kPanLeftToRight);
constexpr int kPanRightToLeft = static_cast<int>(ImageEffect::kPanRightToLeft);
constexpr int kPanUpToDown = static_cast<int>(ImageEffect::kPanUpToDown);
constexpr int kZoomCenterIn = static_cast<int>(ImageEffect::kZoomCenterIn);
constexpr int kZoomCenterOut = static_cast<int>(ImageEffect::kZoomCenterOut);
constexpr int kZoomRightDownIn = static_cast<int>(ImageEffect::kZoomRightDownIn);
constexpr int kZoomInAndRotate = static_cast<int>(ImageEffect::kZoomInAndRotate);
constexpr int kZoomOutAndRotate = static_cast<int>(ImageEffect::kZoomOutAndRotate);
constexpr int kNone = static_cast<int>(ImageEffect::kNone);

PhotoLayer layer_after_setup(int effect, int frame_width, int frame_height, int frames,
                             int photo_width, int photo_height) {
  PhotoLayer layer(frame_width, frame_height);
  setup_image_effect(effect, layer, frames, photo_width, photo_height);
  layer.photo = FrameCanvas(layer.w, layer.h);
  return layer;
}

TEST(ImageMotion, PansCoverTheFrameWithFivePercentToSpare) {
  // 4:3 on 480 × 272: h = trunc(272 × 1.05f) = 285, w = trunc(285 / 0.75) = 380; the
  // photo is narrower than the frame, so it starts centred and drifts 100 pixels.
  PhotoLayer layer = layer_after_setup(kPanLeftToRight, 480, 272, 100, 1600, 1200);
  EXPECT_EQ(layer.w, 380);
  EXPECT_EQ(layer.h, 285);
  EXPECT_FLOAT_EQ(layer.fx, 50);
  EXPECT_FLOAT_EQ(layer.fy, -6);
  EXPECT_FLOAT_EQ(layer.fw, 380);
  EXPECT_FLOAT_EQ(layer.fh, 285);
  EXPECT_FLOAT_EQ(layer.d1, -1.0f);
  EXPECT_FLOAT_EQ(layer.d2, 0);
  for (int k = 0; k < 100; ++k)
    step_image_effect(layer, k, kPanLeftToRight, kOpaqueBlack);
  EXPECT_NEAR(layer.fx, -50, 1e-3);

  // A wide photo: w = trunc(480 × 1.05f) is 503, not 504, in single precision.
  layer = layer_after_setup(kPanRightToLeft, 480, 272, 23, 2000, 500);
  EXPECT_EQ(layer.w, 503);
  EXPECT_EQ(layer.h, 125);
  EXPECT_FLOAT_EQ(layer.fx, -23);
  EXPECT_FLOAT_EQ(layer.fy, 73);
  EXPECT_FLOAT_EQ(layer.d1, 1.0f);

  // A portrait photo panning down: centred across, from the top edge (-6 centred).
  layer = layer_after_setup(kPanUpToDown, 480, 272, 13, 1200, 1600);
  EXPECT_EQ(layer.w, 213);
  EXPECT_EQ(layer.h, 285);
  EXPECT_FLOAT_EQ(layer.fx, 133);
  EXPECT_FLOAT_EQ(layer.fy, -6);
  EXPECT_FLOAT_EQ(layer.d2, -1.0f);
}

TEST(ImageMotion, SmallPhotosAreNeverEnlargedBySetUp) {
  PhotoLayer layer = layer_after_setup(kZoomCenterIn, 480, 272, 10, 200, 100);
  EXPECT_EQ(layer.w, 200);
  EXPECT_EQ(layer.h, 100);
  EXPECT_FLOAT_EQ(layer.fx, 140);
  EXPECT_FLOAT_EQ(layer.fy, 86);
  EXPECT_FLOAT_EQ(layer.d1, 5);  // a quarter of 200 over 10 frames

  // Zooming out still starts at 125 % of the photo's own size.
  layer = layer_after_setup(kZoomCenterOut, 480, 272, 10, 200, 100);
  EXPECT_EQ(layer.w, 250);
  EXPECT_EQ(layer.h, 125);
  EXPECT_FLOAT_EQ(layer.d1, -5);
  EXPECT_FLOAT_EQ(layer.d2, -2.5f);
}

TEST(ImageMotion, ZoomOutEndsAtTheFittedSizeAroundAFixedCentre) {
  // Fitted: 362 × 272; the raster starts at trunc(362 × 1.25) × 340.
  const int frames = 50;
  PhotoLayer layer = layer_after_setup(kZoomCenterOut, 480, 272, frames, 1600, 1200);
  EXPECT_EQ(layer.w, 452);
  EXPECT_EQ(layer.h, 340);
  for (int k = 0; k < frames; ++k) {
    step_image_effect(layer, k, kZoomCenterOut, kOpaqueBlack);
    EXPECT_NEAR(layer.fx + layer.fw / 2, 240, 1e-3);
    EXPECT_NEAR(layer.fy + layer.fh / 2, 136, 1e-3);
  }
  EXPECT_NEAR(layer.fw, 362, 1);
  EXPECT_NEAR(layer.fh, 272, 1e-2);
}

TEST(ImageMotion, AdvanceAppliesKStepsAtOnce) {
  PhotoLayer stepped = layer_after_setup(kZoomRightDownIn, 64, 48, 20, 64, 48);
  PhotoLayer advanced = layer_after_setup(kZoomRightDownIn, 64, 48, 20, 64, 48);
  for (int k = 0; k < 8; ++k)
    step_image_effect(stepped, k, kZoomRightDownIn, kOpaqueBlack);
  advance_image_effect(advanced, 8, kZoomRightDownIn, kOpaqueBlack);
  EXPECT_NEAR(advanced.fx, stepped.fx, 1e-4);
  EXPECT_NEAR(advanced.fy, stepped.fy, 1e-4);
  EXPECT_NEAR(advanced.fw, stepped.fw, 1e-4);
  // The bottom-right corner stays where it started.
  EXPECT_NEAR(advanced.fx + advanced.fw, 64, 1e-4);
  EXPECT_NEAR(advanced.fy + advanced.fh, 48, 1e-4);
}

TEST(ImageMotion, RotationsTurnThirtyDegreesOverThePhoto) {
  const int frames = 40;
  PhotoLayer layer = layer_after_setup(kZoomOutAndRotate, 480, 272, frames, 1600, 1200);
  // From the first frame (k = 0) to the last (k = N - 1): -30 × (N - 1) / N.
  EXPECT_FLOAT_EQ(image_effect_angle(layer, 0, kZoomOutAndRotate), 0);
  EXPECT_NEAR(image_effect_angle(layer, frames - 1, kZoomOutAndRotate), -30.0 * 39 / 40, 1e-4);
  EXPECT_FLOAT_EQ(layer.fx, (480 - 452) * 0.5f);
  for (int k = 0; k < frames; ++k)
    step_image_effect(layer, k, kZoomOutAndRotate, kOpaqueBlack);
  EXPECT_NEAR(layer.fw, 362, 1);

  layer = layer_after_setup(kZoomInAndRotate, 480, 272, frames, 1600, 1200);
  EXPECT_FLOAT_EQ(layer.dangle, 0.75f);
  EXPECT_FLOAT_EQ(image_effect_angle(layer, 10, kPanLeftToRight), 0);
}

TEST(ImageMotion, RotationTurnsTheCanvasClockwiseAboutTheFrameCentre) {
  PhotoLayer layer(16, 16);
  setup_image_effect(kZoomInAndRotate, layer, 1, 16, 16);
  layer.photo = test::quadrant_canvas(
      16, 16, {argb(255, 255, 0, 0), argb(255, 0, 255, 0), argb(255, 0, 0, 255), kOpaqueWhite});
  layer.dangle = 90;  // a quarter turn per frame, to see where the quadrants go
  layer.d1 = layer.d2 = 0;
  step_image_effect(layer, 1, kZoomInAndRotate, kOpaqueBlack);
  // Clockwise: the top-left quadrant (red) turns to the top right.
  EXPECT_TRUE(test::ColourNear(layer.canvas.pixel(12, 3), argb(255, 255, 0, 0)));
  EXPECT_TRUE(test::ColourNear(layer.canvas.pixel(3, 3), argb(255, 0, 0, 255)));
}

TEST(ImageMotion, AStillPhotoIsTheSameCentredPictureOnEveryFrame) {
  PhotoLayer layer(16, 12);
  setup_image_effect(kNone, layer, 5, 8, 12);
  EXPECT_EQ(layer.w, 8);
  EXPECT_EQ(layer.h, 12);
  EXPECT_FLOAT_EQ(layer.fx, 4);
  EXPECT_FLOAT_EQ(layer.fy, 0);
  layer.photo = test::solid_canvas(8, 12, kOpaqueWhite);
  step_image_effect(layer, 0, kNone, kOpaqueBlack);
  const FrameCanvas first = layer.canvas.copy();
  for (int k = 1; k < 5; ++k)
    step_image_effect(layer, k, kNone, kOpaqueBlack);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(layer.canvas.pixel(x, y), first.pixel(x, y)) << x << "," << y;
  }
  EXPECT_EQ(layer.canvas.pixel(3, 6), kOpaqueBlack);
  EXPECT_EQ(layer.canvas.pixel(4, 6), kOpaqueWhite);
  EXPECT_EQ(layer.canvas.pixel(11, 6), kOpaqueWhite);
  EXPECT_EQ(layer.canvas.pixel(12, 6), kOpaqueBlack);
}

TEST(ImageMotion, UnknownEffectsStandStill) {
  PhotoLayer layer(16, 12);
  setup_image_effect(37, layer, 5, 8, 12);
  EXPECT_EQ(layer.w, 8);
  EXPECT_FLOAT_EQ(layer.fx, 4);
  EXPECT_FLOAT_EQ(layer.d1, 0);
  step_image_effect(layer, 0, 37, kOpaqueBlack);
  EXPECT_FLOAT_EQ(layer.fx, 4);
}

}  // namespace
}  // namespace pictavo

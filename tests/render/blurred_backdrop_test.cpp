#include "render/blurred_backdrop.h"

#include <gtest/gtest.h>

#include "effects/image_effect.h"
#include "render/image_motion.h"
#include "render_test_support.h"

namespace pictavo {
namespace {

constexpr int kStill = static_cast<int>(ImageEffect::kNone);
constexpr int kPan = static_cast<int>(ImageEffect::kPanLeftToRight);

// The first frame of a red photo (by default a small portrait one) in a 160 x 120 frame.
struct PortraitFrame {
  explicit PortraitFrame(bool blurred, int effect = kStill, int width = 60, int height = 120) {
    photos.add("portrait", test::solid_canvas(width, height, test::kRed));
    photo.path = "portrait";
    photo.image_effect = effect;
    job.photos = {&photo, 1};
    job.blurred_background = blurred;
    context.job = &job;
    context.decoder = &photos;
    context.frames_total = 10;
    EXPECT_TRUE(load_photo_layer(context));
    step_image_effect(context.layer, 0, effect, kOpaqueBlack);
  }
  std::uint32_t pixel(int x, int y) const { return context.layer.canvas.pixel(x, y); }

  test::MemoryPhotos photos;
  RenderPhoto photo;
  RenderJob job;
  RenderContext context{RenderMode::kSlideshowPreview, 160, 120};
};

TEST(BlurredBackdrop, FillsTheBarsWithTheDarkenedPhoto) {
  const PortraitFrame plain(false);
  EXPECT_EQ(plain.pixel(2, 60), kOpaqueBlack);

  const PortraitFrame blurred(true);
  for (const int x : {0, 30, 159}) {
    SCOPED_TRACE(x);
    const std::uint32_t bar = blurred.pixel(x, 60);
    EXPECT_GT(red_of(bar), 100);  // the photo's red, darkened, reaching the frame's edges
    EXPECT_LT(red_of(bar), 200);
    EXPECT_LT(green_of(bar), 10);
  }
  EXPECT_TRUE(test::ColourNear(blurred.pixel(80, 60), test::kRed));
}

TEST(BlurredBackdrop, IsMadeOnlyForPhotosThatLeaveBars) {
  EXPECT_TRUE(PortraitFrame(true).context.layer.backdrop.valid());
  EXPECT_FALSE(PortraitFrame(true, kPan, 400, 300).context.layer.backdrop.valid());
  EXPECT_FALSE(blurred_backdrop(FrameCanvas(), 16, 12).valid());
}

}  // namespace
}  // namespace pictavo

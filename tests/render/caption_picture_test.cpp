// The caption's picture: its lines and where it stands in the frame.
#include "render/caption_picture.h"

#include <gtest/gtest.h>

#include <string>

namespace pictavo {
namespace {

TEST(CaptionPicture, ALongCaptionWrapsOntoTwoLinesInsideTheFrameAndIsCutPastThem) {
  constexpr int kWidth = 480;
  constexpr int kHeight = 272;
  const CaptionPicture one = caption_picture("Harbour", CaptionPlacement::kBottom, kWidth, kHeight);
  const std::string sentence = "The boat on the bay at dawn, the lighthouse and the harbour behind";
  const CaptionPicture two = caption_picture(sentence, CaptionPlacement::kBottom, kWidth, kHeight);
  const CaptionPicture endless = caption_picture(sentence + " " + sentence + " " + sentence,
                                                 CaptionPlacement::kTop, kWidth, kHeight);
  ASSERT_TRUE(one.picture.valid() && two.picture.valid() && endless.picture.valid());

  EXPECT_GT(two.picture.height(), one.picture.height() * 17 / 10);
  EXPECT_EQ(endless.picture.height(), two.picture.height());
  for (const CaptionPicture* caption : {&two, &endless}) {
    EXPECT_LE(caption->picture.width(), kWidth * 92 / 100);
    EXPECT_NEAR(caption->x, (kWidth - caption->picture.width()) / 2.0, 0.5);
  }
  EXPECT_GT(two.y, kHeight / 2);
  EXPECT_LE(two.y + two.picture.height(), kHeight);
  EXPECT_GE(endless.y, 0);
  EXPECT_LT(endless.y + endless.picture.height(), kHeight / 2);
}

}  // namespace
}  // namespace pictavo

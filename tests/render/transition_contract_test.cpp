#include <gtest/gtest.h>

#include <string>

#include "base/event.h"
#include "effects/transition_type.h"
#include "render/transition_renderers.h"
#include "render_test_support.h"

namespace pictavo {
namespace {

using test::kBlue;
using test::kGreen;
using test::kRed;
using test::TransitionRun;

struct Choice {
  TransitionType type;
  TransitionValues values;
  bool flat_at_end = false;  // the last transition frame already shows the new photo
};

// All 18 transitions, some with several choices of parameters.
constexpr Choice kChoices[] = {
    {TransitionType::kAlpha, {0, 0}},          {TransitionType::kAccordion, {1, 0}},
    {TransitionType::kBlinds, {1, 10}},        {TransitionType::kCircle, {1, 80}},
    {TransitionType::kClock, {0, 0}},          {TransitionType::kClock, {1, 1}},
    {TransitionType::kCubeFly, {0, 0}, true},  {TransitionType::kCubeFly, {1, 0}, true},
    {TransitionType::kCubeFly, {2, 0}, true},  {TransitionType::kCubeFly, {3, 0}, true},
    {TransitionType::kDiagonalSweep, {1, 1}},  {TransitionType::kDoor, {0, 0}},
    {TransitionType::kDoor, {1, 0}},           {TransitionType::kFlip, {0, 0}, true},
    {TransitionType::kFlip, {1, 0}, true},     {TransitionType::kFly, {0, 0}, true},
    {TransitionType::kFly, {1, 0}, true},      {TransitionType::kPolygon, {3, 1}},
    {TransitionType::kPolygon, {9, 0}},        {TransitionType::kRotateIn, {0, 0}, true},
    {TransitionType::kRotateIn, {1, 0}, true}, {TransitionType::kShutter, {1, 1}},
    {TransitionType::kSpin, {0, 0}},           {TransitionType::kSweep, {2, 80}},
    {TransitionType::kTwist, {0, 0}, true},    {TransitionType::kTwist, {1, 0}, true},
    {TransitionType::kWipe, {0, 0}},           {TransitionType::kZoom, {0, 0}},
};

// The new photo in quadrants, so that one drawn flipped, turned, shifted or
// scaled differs from it.
FrameCanvas new_photo() {
  return test::quadrant_canvas(24, 16, {kRed, kBlue, kOpaqueWhite, test::grey(128)});
}

class TransitionContract : public ::testing::TestWithParam<Choice> {
 protected:
  TransitionRun new_run() const {
    return TransitionRun(test::solid_canvas(24, 16, kGreen), new_photo(),
                         static_cast<int>(GetParam().type), GetParam().values);
  }
};

TEST_P(TransitionContract, RendersNFramesAndEndsOnTheNewPhoto) {
  ASSERT_NE(transition_renderer(static_cast<int>(GetParam().type)), nullptr);
  for (const int t : {0, 1, 2, 7, 12}) {
    SCOPED_TRACE(::testing::Message() << "T = " << t);
    // The transition, then the new photo alone, flat and full size: with T = 0
    // from the first frame on.
    TransitionRun run = new_run();
    EXPECT_EQ(run.render(1, t + 2, t), 0);
    ASSERT_EQ(run.frames.size(), t + 2u);
    EXPECT_TRUE(test::ShowsPicture(run.frames[t], new_photo()));
    if (t == 0) continue;
    if (GetParam().flat_at_end) {
      EXPECT_TRUE(test::ShowsPicture(run.frames[t - 1], new_photo(), 1));
    }
    // N = T: the transition frames only.
    TransitionRun only_transition = new_run();
    EXPECT_EQ(only_transition.render(1, t, t), 0);
    EXPECT_EQ(only_transition.frames.size(), static_cast<std::size_t>(t));
  }
}

TEST_P(TransitionContract, AStopEndsTheRendererAfterTheFrameInProgress) {
  TransitionRun run = new_run();
  Event stop;
  run.context.stop_event = &stop;
  run.encoder_result = [&stop](int frame) {
    if (frame == 2) stop.set();
    return 0;
  };
  EXPECT_EQ(run.render(1, 30, 10), 2);
  EXPECT_EQ(run.frames.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(EveryTransition, TransitionContract, ::testing::ValuesIn(kChoices),
                         [](const ::testing::TestParamInfo<Choice>& info) {
                           std::string name(display_name(info.param.type));
                           std::erase(name, ' ');
                           return name + "_" + std::to_string(info.param.values.p1) + "_" +
                                  std::to_string(info.param.values.p2);
                         });

}  // namespace
}  // namespace pictavo

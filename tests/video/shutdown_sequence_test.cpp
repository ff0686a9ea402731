#include "video/shutdown_sequence.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "model/editing_fixture.h"
#include "video/make_video_messages.h"

namespace pictavo {
namespace {

using ::testing::ElementsAre;

// Stands in for the system: counts the requests and never switches anything off.
class FakePower final : public SystemPower {
 public:
  Result power_off() override {
    ++requests;
    return answer;
  }
  Result answer = Result::kDone;
  int requests = 0;
};

class ShutdownSequence : public test::EditingTest {
 protected:
  ShutdownSequence() {
    project->preferences.project_path = files / "trip.prg";
    project->add_slideshow("Trip");  // a change to save
  }

  FakePower power_;
};

TEST_F(ShutdownSequence, SavesTheProjectThenSwitchesOff) {
  EXPECT_EQ(shut_down_after_job(*project, power_), ShutdownResult::kPoweredOff);
  EXPECT_TRUE(std::filesystem::exists(files / "trip.prg"));
  EXPECT_FALSE(project->modified);
  EXPECT_EQ(power_.requests, 1);
  EXPECT_THAT(prompt.shown, ::testing::IsEmpty());
}

TEST_F(ShutdownSequence, AProjectThatCannotBeSavedKeepsTheComputerOn) {
  project->preferences.project_path = files / "no folder" / "trip.prg";
  EXPECT_EQ(shut_down_after_job(*project, power_), ShutdownResult::kProjectNotSaved);
  EXPECT_EQ(power_.requests, 0);
  EXPECT_THAT(prompt.shown, ElementsAre(project_not_saved_for_shutdown_message()));
}

TEST_F(ShutdownSequence, ASystemThatWillNotSwitchOffIsReported) {
  power_.answer = SystemPower::Result::kNoConnection;
  EXPECT_EQ(shut_down_after_job(*project, power_), ShutdownResult::kNoConnection);
  power_.answer = SystemPower::Result::kRefused;
  EXPECT_EQ(shut_down_after_job(*project, power_), ShutdownResult::kRefused);
  ASSERT_EQ(prompt.shown.size(), 2u);
  EXPECT_EQ(prompt.shown[0].text,
            "The computer cannot be shut down: the power service cannot be reached.");
  EXPECT_EQ(prompt.shown[1].text, "The computer cannot be shut down: permission was refused.");
  // The countdown before it all: OK or Cancel, with the program's old caption.
  const PromptMessage countdown = shutdown_countdown_message(10);
  EXPECT_EQ(countdown.caption, "Pictavo");
  EXPECT_EQ(countdown.buttons, PromptButtons::kOkCancel);
  EXPECT_EQ(cautious_answer(countdown.buttons), PromptAnswer::kCancel);
}

}  // namespace
}  // namespace pictavo

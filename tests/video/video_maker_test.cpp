#include "video/video_maker.h"

#include <dlfcn.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/event.h"
#include "base/log.h"
#include "model/frame_count.h"
#include "support/files.h"
#include "support/scoped_environment.h"
#include "support/temp_program_folder.h"
#include "support/test_modules.h"
#include "video/encoder_module.h"
#include "video/memory_slideshow.h"

namespace pictavo {
namespace {

using test::kBlue;
using test::kGreen;
using test::kRed;
using test::solid_canvas;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// The luma each colour converts to.
constexpr int kRedY = 81;
constexpr int kGreenY = 144;
constexpr int kBlueY = 40;

// What the fake encoder module was asked to do.
struct EncoderCalls {
  std::vector<std::string> calls;  // "init ...", "frame", "close" in order
  std::vector<int> luma;           // the centre pixel of each frame
};

class VideoMaker : public ::testing::Test {
 protected:
  void SetUp() override {
    home_.install_file(test::fake_encoder_module(), kEncoderModule);
    set_log_path(home_.path() / "log.txt");
  }
  void TearDown() override { set_log_path({}); }

  int make(const test::ProfileValues& values = {}) {
    profile_ = test::make_profile(values);
    progress_.clear();
    VideoJob job = show_.job(profile_, home_.path() / "out.mp4", home_.path() / "music.mp2");
    job.stop_event = &stop_;
    job.on_progress = [this](int value) {
      progress_.push_back(value);
      if (stop_after_ == static_cast<int>(progress_.size())) stop_.set();
    };
    return make_slideshow_video(job, &failure_);
  }

  std::vector<std::string> log_texts() const { return test::log_texts(home_.path() / "log.txt"); }

  EncoderCalls encoder_calls() const {
    EncoderCalls result;
    std::istringstream lines(test::read_file(home_.path() / "encoder_calls.txt"));
    for (std::string line; std::getline(lines, line);) {
      if (line.starts_with("frame ")) {
        result.luma.push_back(std::stoi(line.substr(6)));
        line = "frame";
      }
      if (result.calls.empty() || line != "frame" || result.calls.back() != "frame")
        result.calls.push_back(line);
    }
    return result;
  }

  test::TempProgramFolder home_;
  test::MemorySlideshow show_;
  OutputProfile profile_;
  Event stop_;
  int stop_after_ = -1;  // frames after which the stop event is set
  std::vector<int> progress_;
  std::string failure_;
};

TEST_F(VideoMaker, SetsTheEncoderUpFromTheProfileAndLogsEachStep) {
  show_.add_photo(solid_canvas(8, 6, kRed));
  ASSERT_EQ(make(), 0) << failure_;

  const std::string home = home_.path().string();
  const std::string init = "init 320 240|" + home + "/out.mp4|" + home + "/menu_pic/in.yuv|" +
                           home + "/music.mp2|libfaac|128kb|48000|2|h264|768kb|320x240|25";
  // The slideshow's name is the title the PSP lists the video by.
  EXPECT_THAT(encoder_calls().calls, ElementsAre("title memory", init, "frame", "close"));
  EXPECT_THAT(log_texts(),
              ElementsAre("begin Load ZorvEncoder", "End Load ZorvEncoder",
                          "Begin init encoder rectScreen:320,240. m2vFile:" + home +
                              "/out.mp4, strAudioPath:" + home +
                              "/music.mp2, strACodec:libfaac, strARate:128kb, strASample:48000, "
                              "strAChannel:2, strVCodec:h264, strVRate:768kb",
                          "End init encoder"));
  // The module is released after the run.
  EXPECT_EQ(::dlopen((home_.path() / kEncoderModule).c_str(), RTLD_NOW | RTLD_NOLOAD), nullptr);
}

TEST_F(VideoMaker, OnePhotoFadesInOverItsFirstSecondAndStaysForItsTime) {
  show_.add_photo(solid_canvas(8, 6, kRed));
  ASSERT_EQ(make({.frame_rate = "29.97"}), 0);
  const std::vector<int> luma = encoder_calls().luma;
  ASSERT_EQ(luma.size(), 89u);   // trunc(3 × 29.97)
  EXPECT_GT(luma.front(), 220);  // nearly white
  EXPECT_GT(luma[27], kRedY);
  for (std::size_t frame = 28; frame < luma.size(); ++frame)
    EXPECT_EQ(luma[frame], kRedY) << frame;
}

TEST_F(VideoMaker, EachPhotoComesInAtTheStartThePagesShow) {
  // Three photos shown 3 s after 2 s transitions at 25 frames a second.
  show_.add_photo(solid_canvas(8, 6, kRed));
  show_.add_photo(solid_canvas(8, 6, kGreen));
  show_.add_photo(solid_canvas(8, 6, kBlue));
  show_.slideshow.update_length();
  ASSERT_EQ(make(), 0);
  const std::vector<int> luma = encoder_calls().luma;
  ASSERT_EQ(luma.size(), 325u);
  const auto first_frame = [this](int photo) {
    return frame_at(show_.slideshow.photos[static_cast<std::size_t>(photo)]->start.seconds(), 25);
  };
  ASSERT_EQ(first_frame(1), 75);
  ASSERT_EQ(first_frame(2), 200);
  // Each photo's first frame begins its cross-fade, whose last frame shows it whole.
  EXPECT_EQ(luma[74], kRedY);
  for (int frame = 75; frame < 124; ++frame)
    EXPECT_TRUE(luma[frame] < kGreenY && luma[frame] > kRedY) << frame;
  for (int frame = 124; frame < 200; ++frame)
    EXPECT_EQ(luma[frame], kGreenY) << frame;
  for (int frame = 200; frame < 249; ++frame)
    EXPECT_TRUE(luma[frame] < kGreenY && luma[frame] > kBlueY) << frame;
  for (std::size_t frame = 249; frame < luma.size(); ++frame)
    EXPECT_EQ(luma[frame], kBlueY) << frame;
}

TEST_F(VideoMaker, TheFirstPhotosTransitionIsNotUsedAndUnknownTransitionsDrawNothing) {
  show_.add_photo(solid_canvas(8, 6, kRed), 9, 4);
  // A transition without a renderer draws nothing: the photo is left out.
  show_.add_photo(solid_canvas(8, 6, kGreen), 3, 2, TransitionType::kRandom);
  show_.add_photo(solid_canvas(8, 6, kBlue), 2, 1);
  ASSERT_EQ(make({.frame_rate = "5"}), 0);
  const std::vector<int> luma = encoder_calls().luma;
  // Red for 9 s, then blue: 5 transition frames from red and 10 alone.
  ASSERT_EQ(luma.size(), 60u);
  EXPECT_EQ(luma[44], kRedY);
  for (int frame = 45; frame < 49; ++frame)
    EXPECT_TRUE(luma[frame] < kRedY && luma[frame] > kBlueY) << frame;
  for (int frame = 49; frame < 60; ++frame)
    EXPECT_EQ(luma[frame], kBlueY) << frame;
}

TEST_F(VideoMaker, ReportsProgressAfterEveryFrameScaledByTheFramesRendered) {
  show_.add_photo(solid_canvas(8, 6, kRed));
  show_.add_photo(solid_canvas(8, 6, kGreen), 1, 1);
  show_.slideshow.total_frames = 15;  // another frame rate's count does not matter
  ASSERT_EQ(make({.frame_rate = "5"}), 0);
  ASSERT_EQ(progress_.size(), 25u);
  EXPECT_EQ(progress_.front(), 65535 / 25);
  EXPECT_TRUE(std::is_sorted(progress_.begin(), progress_.end()));
  EXPECT_GE(progress_.back(), 65534);
  EXPECT_LE(progress_.back(), 65535);
}

TEST_F(VideoMaker, StoppingEndsAfterTheFrameInHandAndClosesTheEncoder) {
  show_.add_photo(solid_canvas(8, 6, kRed));
  show_.add_photo(solid_canvas(8, 6, kGreen));
  stop_after_ = 4;  // during the opening
  EXPECT_EQ(make(), 2);
  const EncoderCalls calls = encoder_calls();
  EXPECT_EQ(calls.luma.size(), 4u);
  EXPECT_EQ(calls.calls.back(), "close");
}

TEST_F(VideoMaker, AnEncoderFailureEndsTheSlideshowWithItsCode) {
  show_.add_photo(solid_canvas(8, 6, kRed));
  show_.add_photo(solid_canvas(8, 6, kGreen));
  const test::ScopedEnvironment fail("PICTAVO_FAKE_ENCODER_FAIL", "30:9");
  EXPECT_EQ(make(), 9);
  const EncoderCalls calls = encoder_calls();
  EXPECT_EQ(calls.luma.size(), 31u);  // the failing frame is the last one sent
  EXPECT_EQ(calls.calls.back(), "close");
  EXPECT_EQ(progress_.size(), 30u);
}

TEST_F(VideoMaker, AFailureWhileCompletingTheFileIsNotASuccess) {
  show_.add_photo(solid_canvas(8, 6, kRed));
  const test::ScopedEnvironment fail("PICTAVO_FAKE_ENCODER_CLOSE", "4");
  EXPECT_EQ(make(), 4);
  // A stopped run stays stopped.
  stop_after_ = 1;
  EXPECT_EQ(make(), 2);
}

TEST_F(VideoMaker, ASlideshowWithoutPhotosIsRefusedBeforeTheModuleIsLoaded) {
  EXPECT_EQ(make(), 1);
  EXPECT_THAT(failure_, HasSubstr("no photos"));
  EXPECT_TRUE(log_texts().empty());
  EXPECT_TRUE(encoder_calls().calls.empty());
}

TEST_F(VideoMaker, AMissingModuleOrEntryFailsBeforeAnyFrame) {
  show_.add_photo(solid_canvas(8, 6, kRed));
  std::filesystem::remove(home_.path() / kEncoderModule);
  EXPECT_EQ(make(), 1);
  EXPECT_THAT(failure_, HasSubstr(kEncoderModule));
  EXPECT_THAT(log_texts(), ElementsAre("begin Load ZorvEncoder"));

  home_.install_file(test::module_without_entries(), kEncoderModule);
  EXPECT_EQ(make(), 1);
  EXPECT_THAT(failure_, HasSubstr("initEncoder"));
  EXPECT_THAT(log_texts(), ElementsAre("begin Load ZorvEncoder", "begin Load ZorvEncoder"));
  EXPECT_TRUE(progress_.empty());
}

TEST_F(VideoMaker, AProfileItCannotServeFailsBeforeTheEncoderStarts) {
  show_.add_photo(solid_canvas(8, 6, kRed));
  VideoJob job = show_.job(profile_, home_.path() / "out.mp4");
  job.profile = nullptr;
  EXPECT_EQ(make_slideshow_video(job, &failure_), 1);
  EXPECT_THAT(failure_, HasSubstr("no output profile"));

  // Size names match exactly: a trailing blank is another name.
  EXPECT_EQ(make({.size = "320x240 "}), 1);
  EXPECT_THAT(failure_, HasSubstr("\"320x240 \""));
  EXPECT_TRUE(encoder_calls().calls.empty());
  EXPECT_THAT(log_texts(), ElementsAre("begin Load ZorvEncoder", "End Load ZorvEncoder",
                                       "begin Load ZorvEncoder", "End Load ZorvEncoder"));

  // A module that cannot choose the container would make a PSP video of an
  // ordinary MP4 profile.
  profile_ = test::make_profile({});
  profile_.format = "mp4";
  EXPECT_EQ(make_slideshow_video(show_.job(profile_, home_.path() / "out.mp4"), &failure_), 1);
  EXPECT_THAT(failure_, HasSubstr("makes only PSP videos"));
}

TEST_F(VideoMaker, AFrameRateBelowOneFrameASecondMakesNoVideo) {
  show_.add_photo(solid_canvas(8, 6, kRed));
  EXPECT_EQ(make({.frame_rate = "0.5"}), 1);
  EXPECT_THAT(failure_, HasSubstr("\"0.5\""));
  const EncoderCalls calls = encoder_calls();
  ASSERT_EQ(calls.calls.size(), 3u);
  EXPECT_EQ(calls.calls.back(), "close");
}

// A portrait photo of the frame's shape fills an upright 9:16 frame to its edges,
// standing, panning or zooming, with no bars and no blurred backdrop showing.
TEST(UprightFrames, APortraitPhotoFillsTheNineBySixteenFrame) {
  constexpr int kWidth = 108;
  constexpr int kHeight = 192;
  const OutputProfile profile = test::make_profile({});
  for (const ImageEffect effect :
       {ImageEffect::kNone, ImageEffect::kPanDownToUp, ImageEffect::kZoomCenterIn}) {
    SCOPED_TRACE(static_cast<int>(effect));
    test::MemorySlideshow show;
    show.add_photo(solid_canvas(270, 480, kRed), 1, 0, TransitionType::kAlpha, effect);
    VideoJob job = show.job(profile, "unused.mp4");
    job.blurred_background = true;
    std::vector<std::uint8_t> luma;
    ASSERT_EQ(render_slideshow_frames(job, kWidth, kHeight, 30,
                                      [&luma](const std::uint8_t* i420) {
                                        luma.assign(i420, i420 + kWidth * kHeight);
                                        return 0;
                                      }),
              0);
    for (const auto& [x, y] : {std::pair{0, 0},
                               {kWidth - 1, 0},
                               {0, kHeight - 1},
                               {kWidth - 1, kHeight - 1},
                               {kWidth / 2, 0},
                               {0, kHeight / 2}})
      EXPECT_NEAR(luma[static_cast<std::size_t>(y * kWidth + x)], kRedY, 2) << x << "," << y;
  }
}

TEST_F(VideoMaker, AbsurdDurationsFromAFileDoNotOverflow) {
  show_.add_photo(solid_canvas(8, 6, kRed));
  show_.add_photo(solid_canvas(8, 6, kGreen), -3, -2);
  stop_after_ = 7;
  show_.add_photo(solid_canvas(8, 6, kBlue), 2'000'000'000, 2'000'000'000);
  EXPECT_EQ(make({.frame_rate = "5"}), 2);
  EXPECT_EQ(encoder_calls().luma.size(), 7u);
}

// The rows of an I420 frame holding a pixel as light as a caption's letters.
std::vector<int> light_rows(const std::uint8_t* luma, int width, int height) {
  std::vector<int> rows;
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = luma + static_cast<std::ptrdiff_t>(y) * width;
    if (std::any_of(row, row + width, [](std::uint8_t value) { return value > 200; }))
      rows.push_back(y);
  }
  return rows;
}

TEST(Captions, ACaptionIsWrittenOnTheFramesOfItsPhotoOnlyReadablyAtTheChosenEdge) {
  constexpr int kWidth = 480;
  constexpr int kHeight = 272;
  const std::uint32_t grey = argb(255, 128, 128, 128);
  for (const CaptionPlacement placement : {CaptionPlacement::kBottom, CaptionPlacement::kTop}) {
    test::MemorySlideshow show;
    show.add_photo(solid_canvas(64, 48, grey), 2, 0);
    show.add_photo(solid_canvas(64, 48, grey), 2, 1);
    show.slideshow.photos[0]->caption = "HHHH";
    show.slideshow.captions.placement = placement;
    show.slideshow.update_length();
    const OutputProfile profile = test::make_profile({});
    const VideoJob job = show.job(profile, "unused.mp4");
    // 25 frames a second: photo 0 alone from its fade's end (frame 25) to frame 50,
    // photo 1 coming in until frame 75, then alone to frame 125.
    std::vector<std::vector<int>> rows;
    ASSERT_EQ(render_slideshow_frames(job, kWidth, kHeight, 25.0f,
                                      [&](const std::uint8_t* i420) {
                                        rows.push_back(light_rows(i420, kWidth, kHeight));
                                        return 0;
                                      }),
              0);
    ASSERT_EQ(rows.size(), 125u);
    const std::vector<int>& captioned = rows[40];
    // Capitals at least 14 pixels high in a 272-line frame, near the edge chosen.
    ASSERT_GE(captioned.size(), 14u);
    if (placement == CaptionPlacement::kBottom) {
      EXPECT_GT(captioned.front(), kHeight * 3 / 4);
    } else {
      EXPECT_LT(captioned.back(), kHeight / 4);
    }
    EXPECT_THAT(rows[80], ::testing::IsEmpty());
    EXPECT_THAT(rows[124], ::testing::IsEmpty());
  }
}

}  // namespace
}  // namespace pictavo

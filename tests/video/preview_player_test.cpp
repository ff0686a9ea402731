#include "video/preview_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "audio/music_player.h"
#include "base/timer_queue.h"
#include "effects/transition_params.h"
#include "model/audio_track.h"
#include "modules/media_tools.h"
#include "render/render_context.h"
#include "support/temp_program_folder.h"
#include "video/memory_slideshow.h"
#include "video/prefetching_decoder.h"

namespace pictavo {
namespace {

using ::testing::Contains;
using ::testing::Not;

using test::kBlue;
using test::kGreen;
using test::kRed;
using test::solid_canvas;

// Time that moves only when the preview sleeps or a frame takes `frame_work` ms.
class FakeClock final : public PreviewClock {
 public:
  std::uint32_t now_ms() override { return now; }
  void sleep_ms(std::uint32_t ms) override {
    now += ms;
    ++sleeps;
  }
  bool wait_for_stop(Event& stop, std::uint32_t ms) override {
    if (stop.try_wait()) return true;
    now += ms;
    return false;
  }

  std::atomic<std::uint32_t> now = 0;
  std::atomic<int> sleeps = 0;
};

// What reached the preview window, in order: the centre colour of each frame and
// "end RUN stopped|done".
class Window final : public PreviewObserver {
 public:
  void show(const FrameCanvas& frame) override {
    int shown = 0;
    {
      std::lock_guard lock(mutex_);
      colours_.push_back(frame.pixel(frame.width() / 2, frame.height() / 2));
      events_.push_back("frame");
      sizes_.push_back(std::to_string(frame.width()) + "x" + std::to_string(frame.height()));
      shown = static_cast<int>(colours_.size());
    }
    if (on_frame) on_frame(shown);
  }
  void preview_ended(PreviewKind, int run, bool stopped) override {
    std::lock_guard lock(mutex_);
    events_.push_back("end " + std::to_string(run) + (stopped ? " stopped" : " done"));
  }

  std::vector<std::uint32_t> colours() {
    std::lock_guard lock(mutex_);
    return colours_;
  }
  std::vector<std::string> events() {
    std::lock_guard lock(mutex_);
    return events_;
  }
  std::vector<std::string> sizes() {
    std::lock_guard lock(mutex_);
    return sizes_;
  }

  std::function<void(int frames)> on_frame;  // on the preview thread

 private:
  std::mutex mutex_;
  std::vector<std::uint32_t> colours_;
  std::vector<std::string> events_;
  std::vector<std::string> sizes_;
};

class PreviewPlayerTest : public ::testing::Test {
 protected:
  PreviewPlayerTest() {
    photos_.add("red", solid_canvas(64, 48, kRed));
    photos_.add("green", solid_canvas(64, 48, kGreen));
    photos_.add("blue", solid_canvas(64, 48, kBlue));
  }

  TransitionPreviewRequest request(int tv_standard, const std::string& from = "red") {
    TransitionPreviewRequest request;
    request.tv_standard = tv_standard;
    request.from_path = from;
    request.to_path = "green";
    request.display_seconds = 3;
    request.transition_seconds = 2;
    request.transition = alpha_.get();
    return request;
  }

  // Waits (for the thread, not for time) until the preview has ended by itself.
  void finish(PreviewPlayer& player) {
    while (player.running())
      std::this_thread::yield();
    player.stop_preview();
  }

  static int frames(const std::vector<std::string>& events) {
    return static_cast<int>(std::count(events.begin(), events.end(), "frame"));
  }

  std::unique_ptr<TransitionParams> alpha_ = make_transition(TransitionType::kAlpha, {});
  test::MemoryPhotos photos_;
  FakeClock clock_;
  Window window_;
};

TEST_F(PreviewPlayerTest, PlaysEveryFrameAtTheIntervalOfTheTvStandard) {
  struct Case {
    int tv_standard;
    int aspect;
    int frame_work_ms;  // how long composing a frame takes
    int frames;
    std::uint32_t elapsed_ms;
    const char* size;
  };
  // 3 s shown after a 2 s transition: 125 frames of 40 ms in PAL, 150 of 33 ms in
  // NTSC. A frame slower than the interval is shown late, never dropped.
  for (const Case& c : {Case{1, 0, 0, 125, 5000, "224x168"}, Case{0, 1, 0, 150, 4950, "224x126"},
                        Case{1, 0, 55, 125, 125 * 55, "224x168"}}) {
    SCOPED_TRACE(c.tv_standard);
    FakeClock clock;
    Window window;
    window.on_frame = [&](int) { clock.now += static_cast<std::uint32_t>(c.frame_work_ms); };
    PreviewPlayer player(photos_, window, nullptr, clock);
    TransitionPreviewRequest transition = request(c.tv_standard);
    transition.aspect = c.aspect;
    ASSERT_EQ(player.start_transition_preview(transition), 0);
    finish(player);
    // The "from" picture before and after the paced frames.
    const std::vector<std::string> events = window.events();
    EXPECT_EQ(frames(events), c.frames + 2);
    EXPECT_EQ(events.back(), "end 1 done");
    // Each paced frame waits its interval from the previous one; the stills do not.
    EXPECT_EQ(clock.now - 2 * static_cast<std::uint32_t>(c.frame_work_ms), c.elapsed_ms);
    EXPECT_EQ(window.sizes().front(), c.size);
    const std::vector<std::uint32_t> colours = window.colours();
    EXPECT_EQ(colours.front(), kRed);
    EXPECT_EQ(colours[colours.size() - 2], kGreen);  // the last paced frame
    EXPECT_EQ(colours.back(), kRed);
  }
}

TEST_F(PreviewPlayerTest, AStopDuringTheTransitionLeavesTheFromPictureShown) {
  // The preview holds at its fifth frame until the stop is under way.
  PreviewPlayer player(photos_, window_, nullptr, clock_);
  std::atomic<bool> stop_seen = false;
  window_.on_frame = [&](int frames) {
    if (frames != 5) return;
    while (!player.stopping())
      std::this_thread::yield();
    stop_seen = true;
  };
  ASSERT_EQ(player.start_transition_preview(request(1)), 0);
  while (window_.colours().size() < 5)
    std::this_thread::yield();
  player.stop_preview();
  EXPECT_TRUE(stop_seen);
  EXPECT_FALSE(player.running());
  EXPECT_FALSE(player.stopping());
  const std::vector<std::string> events = window_.events();
  EXPECT_LT(frames(events), 50);  // well inside the 2 s transition
  EXPECT_EQ(events.back(), "end 1 stopped");
  EXPECT_EQ(window_.colours().back(), kRed);

  // A stop after the preview ended by itself finds nothing to wait for.
  window_.on_frame = nullptr;
  ASSERT_EQ(player.start_transition_preview(request(1)), 0);
  finish(player);
  player.stop_preview();
  EXPECT_EQ(window_.events().back(), "end 2 done");
}

TEST_F(PreviewPlayerTest, StartingAgainEndsTheFirstRunBeforeTheSecondShowsAFrame) {
  PreviewPlayer player(photos_, window_, nullptr, clock_);
  ASSERT_EQ(player.start_transition_preview(request(1, "red")), 0);
  ASSERT_EQ(player.start_transition_preview(request(1, "blue")), 0);
  finish(player);
  const std::vector<std::string> events = window_.events();
  const std::vector<std::uint32_t> colours = window_.colours();
  const auto first_end = std::find_if(events.begin(), events.end(),
                                      [](const std::string& e) { return e.starts_with("end 1"); });
  ASSERT_NE(first_end, events.end());
  const auto frames_before = std::count(events.begin(), first_end, "frame");
  EXPECT_EQ(colours[static_cast<std::size_t>(frames_before)], kBlue);  // run 2 starts after
  EXPECT_EQ(events.back(), "end 2 done");
  EXPECT_EQ(player.run(), 2);
}

TEST_F(PreviewPlayerTest, PhotosFetchedAheadAreTakenOnceAtTheSizeTheLayerAsks) {
  // Counts the decodes that reach the wrapped decoder.
  struct Counting final : PhotoDecoder {
    explicit Counting(const PhotoDecoder& photos) : photos(photos) {}
    std::optional<PhotoSize> probe(const std::filesystem::path& path) const override {
      return photos.probe(path);
    }
    FrameCanvas decode(const std::filesystem::path& path, int width, int height) const override {
      ++decodes;
      return photos.decode(path, width, height);
    }
    const PhotoDecoder& photos;
    mutable std::atomic<int> decodes = 0;
  } counting(photos_);
  PrefetchingDecoder decoder(counting);
  const RenderPhoto green{"green", static_cast<int>(ImageEffect::kNone), 0, {}};
  const RenderPhoto blue{"blue", static_cast<int>(ImageEffect::kZoomCenterIn), 0, {}};
  decoder.prefetch(green, 50, 224, 168);
  decoder.prefetch(blue, 50, 224, 168);

  // What the photo layer loads comes from the fetches, each once.
  RenderContext context(RenderMode::kSlideshowPreview, 224, 168);
  const RenderPhoto photos[] = {green, blue};
  const RenderJob job{photos, {}, kOpaqueBlack};
  context.job = &job;
  context.decoder = &decoder;
  context.frames_total = 50;
  for (const int index : {0, 1, 1}) {
    context.photo_index = index;
    ASSERT_TRUE(load_photo_layer(context));
    EXPECT_EQ(context.layer.photo.pixel(0, 0), index == 0 ? kGreen : kBlue);
  }
  // Two fetches and the second load of blue, which decoded it anew.
  EXPECT_EQ(counting.decodes, 3);
}

class SlideshowPreviewTest : public PreviewPlayerTest {
 protected:
  void SetUp() override {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_TRUE(test::make_tone(folder_.path() / "tune.wav", 2.0, 44100, 2));
  }
  void add_track() {
    show_.slideshow.tracks.push_back(std::make_unique<AudioTrack>(
        folder_.path() / "tune.wav", "tune.wav", folder_.path() / "tune.mp2", ""));
  }
  SlideshowPreviewRequest request() const {
    SlideshowPreviewRequest request;
    request.slideshow = &show_.slideshow;
    request.music = &show_.slideshow;
    return request;
  }

  test::TempFolder folder_;
  test::MemorySlideshow show_;
  TimerQueue timers_;
  MusicPlayer music_{timers_};
};

TEST_F(SlideshowPreviewTest, OnePhotoPlaysItsTimeAndEndsOnPhotoZero) {
  show_.add_photo(solid_canvas(64, 48, kBlue));
  PreviewPlayer player(show_.photos, window_, nullptr, clock_);
  ASSERT_EQ(player.start_slideshow_preview(request()), 0);
  finish(player);
  // Its 3 s, the first fading in, then photo 0 stays shown.
  EXPECT_EQ(frames(window_.events()), 75 + 1);
  EXPECT_EQ(window_.events().back(), "end 1 done");
  EXPECT_EQ(window_.colours().back(), kBlue);
  EXPECT_EQ(clock_.now, 1000u + 75 * 40);  // the pause for the music, then the frames

  // Without photos nothing starts.
  const test::MemorySlideshow empty;
  SlideshowPreviewRequest none;
  none.slideshow = &empty.slideshow;
  EXPECT_EQ(player.start_slideshow_preview(none), 1);
  EXPECT_EQ(player.run(), 1);
}

TEST_F(SlideshowPreviewTest, TheMusicPlaysUntilTheEndOfItsOwnRun) {
  show_.add_photo(solid_canvas(64, 48, kBlue));
  show_.add_photo(solid_canvas(64, 48, kRed), 1, 1);
  add_track();
  PreviewPlayer player(show_.photos, window_, &music_, clock_);
  ASSERT_EQ(player.start_slideshow_preview(request()), 0);
  EXPECT_TRUE(music_.is_playing());
  finish(player);
  EXPECT_EQ(frames(window_.events()), 75 + 50 + 1);
  EXPECT_TRUE(music_.is_playing());
  player.slideshow_preview_ended(1);
  EXPECT_FALSE(music_.is_playing());

  // The end of an earlier run, heard late, leaves the music of the new one alone.
  ASSERT_EQ(player.start_slideshow_preview(request()), 0);
  ASSERT_EQ(player.start_slideshow_preview(request()), 0);
  finish(player);
  player.slideshow_preview_ended(2);
  EXPECT_TRUE(music_.is_playing());
  player.slideshow_preview_ended(3);
  EXPECT_FALSE(music_.is_playing());

  // Stopping the slideshow preview silences the music at once.
  ASSERT_EQ(player.start_slideshow_preview(request()), 0);
  player.stop_slideshow_preview();
  EXPECT_FALSE(music_.is_playing());
  EXPECT_FALSE(player.running());
}

TEST_F(SlideshowPreviewTest, FromALaterPhotoOnThePhotosBeforeItAndTheirMusicArePassed) {
  show_.add_photo(solid_canvas(64, 48, kBlue));
  show_.add_photo(solid_canvas(64, 48, kRed), 1, 1);
  show_.slideshow.update_length();
  add_track();  // 2 s, while the red photo comes in at 3 s
  SlideshowPreviewRequest from_red = request();
  from_red.first_photo = 1;
  PreviewPlayer player(show_.photos, window_, &music_, clock_);
  ASSERT_EQ(player.start_slideshow_preview(from_red), 0);
  EXPECT_FALSE(music_.is_playing());  // the music has ended before the photo
  finish(player);
  EXPECT_GT(frames(window_.events()), 0);
  EXPECT_THAT(window_.colours(), Not(Contains(kBlue)));
  player.slideshow_preview_ended(1);

  // Looped, the music plays from 1 s into its second round.
  music_.set_loop_audio(true);
  ASSERT_EQ(player.start_slideshow_preview(from_red), 0);
  EXPECT_EQ(music_.current_track(), 0u);
  ASSERT_TRUE(timers_.next_due());
  EXPECT_NEAR(timers_.next_due()->count(), 1000, 5);
  player.stop_slideshow_preview();
}

}  // namespace
}  // namespace pictavo

// Making a slideshow video from camera photos: 20 generated 12-megapixel JPEGs, 3 s
// each after 2 s cross-fades, zooming in or still, as 320 × 240 H.264 at 29.97 frames a
// second with the PSP settings, in frames per second:
//   (0) render-only: decoding and rendering, the frames thrown away;
//   (1) the video maker: decoding, rendering and encoding;
//   (2) encode-only: the same frames, already in memory, through the same encoder
//       module with the same settings - the ceiling for (1);
//   (3) the ffmpeg command line doing the same job (scale, zoompan, xfade fades,
//       libx264 with the same settings), one input frame per photo.
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_slideshows.h"
#include "profiles/encoder_parameters.h"
#include "profiles/profile_group_list.h"
#include "psp_h264_options.h"
#include "ratio.h"
#include "render/image_layer_photos.h"
#include "video/encoder_module.h"
#include "video/video_maker.h"

namespace {

namespace fs = std::filesystem;
using namespace pictavo;

constexpr int kPhotos = 20;
constexpr int kDisplaySeconds = 3;
constexpr int kTransitionSeconds = 2;
constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kRepeats = 3;

bool run(const std::string& command) {
  return std::system(command.c_str()) == 0;
}

const OutputProfile* h264_profile(const ProfileGroupList& profiles) {
  for (const OutputProfile& profile : profiles.groups().at(0).profiles) {
    if (profile.value(ProfileParameterId::kVideoCodec) == "h264" &&
        profile.value(ProfileParameterId::kVideoSize) == "320x240" &&
        profile.value(ProfileParameterId::kVideoFrameRate) == "29.97")
      return &profile;
  }
  return nullptr;
}

// The same slideshow as an ffmpeg filter graph: each photo scaled once to twice
// the frame size and zoomed in (or held at zoom 1), for its own time plus the
// fades on either side, joined by 2 s fades that start where the video maker's
// transitions start.
std::string ffmpeg_command(const std::vector<fs::path>& photos, bool zoom, const fs::path& music,
                           const fs::path& output) {
  std::string inputs;
  std::string graph;
  const int count = static_cast<int>(photos.size());
  for (int i = 0; i < count; ++i) {
    inputs += " -i '" + photos[static_cast<std::size_t>(i)].string() + "'";
    const int seconds =
        (i == 0 ? 1 : kTransitionSeconds + kDisplaySeconds) + (i + 1 < count ? 2 : 0);
    graph += "[" + std::to_string(i) +
             ":v]scale=640:480,zoompan=z=" + (zoom ? "min(zoom+0.0008\\,1.25)" : "1") +
             ":x=iw/2-(iw/zoom/2):y=ih/2-(ih/zoom/2):d=" + std::to_string(seconds * 30000 / 1001) +
             ":s=320x240:fps=30000/1001[v" + std::to_string(i) + "];";
  }
  std::string last = "v0";
  for (int i = 1; i < count; ++i) {
    const int offset = 1 + (i - 1) * (kTransitionSeconds + kDisplaySeconds);
    const std::string next = i + 1 < count ? "x" + std::to_string(i) : "out";
    graph += "[" + last + "][v" + std::to_string(i) +
             "]xfade=transition=fade:duration=" + std::to_string(kTransitionSeconds) +
             ":offset=" + std::to_string(offset) + (next == "out" ? ",format=yuv420p" : "") + "[" +
             next + "]" + (next == "out" ? "" : ";");
    last = next;
  }
  // The music is shorter than the slideshow: looped, as the video maker loops it,
  // so that -shortest does not cut the video at the music's end.
  return "ffmpeg -hide_banner -loglevel error -nostdin -y" + inputs + " -stream_loop -1 -i '" +
         music.string() + "' -filter_complex '" + graph + "' -map '[out]' -map " +
         std::to_string(count) + ":a" + bench::psp_h264_options(kWidth, kHeight) + " '" +
         output.string() + "'";
}

struct Bench {
  fs::path work;
  fs::path music;
  const OutputProfile* profile;
  std::vector<fs::path> photos;
};

void compare(const Bench& bench, const char* motion_name, ImageEffect motion) {
  Slideshow slideshow = bench::cross_fade_slideshow(bench.photos, bench.work, kDisplaySeconds,
                                                    kTransitionSeconds, motion);
  slideshow.video_path = bench.work / "ours.mp4";
  slideshow.music_path = bench.music;
  const ImageLayerPhotos decoder;
  VideoJob job;
  job.slideshow = &slideshow;
  job.profile = bench.profile;
  job.decoder = &decoder;

  const float rate = counted_frame_rate(*bench.profile);
  const double render_only = bench::best_seconds(kRepeats, [&] {
    render_slideshow_frames(job, kWidth, kHeight, rate, [](const std::uint8_t*) { return 0; });
  });
  std::vector<std::uint8_t> frames;
  render_slideshow_frames(job, kWidth, kHeight, rate, [&frames](const std::uint8_t* i420) {
    frames.insert(frames.end(), i420, i420 + kWidth * kHeight * 3 / 2);
    return 0;
  });
  const std::size_t frame_size = kWidth * kHeight * 3 / 2;
  const std::size_t frame_count = frames.size() / frame_size;

  const double ours = bench::best_seconds(kRepeats, [&] {
    if (make_slideshow_video(job) != 0) std::exit(1);
  });

  const Result<EncoderModule> encoder = EncoderModule::load(bench.work / kEncoderModule);
  if (!encoder) {
    std::fprintf(stderr, "%s\n", encoder.reason().c_str());
    std::exit(1);
  }
  const EncoderParameters parameters = encoder_parameters(*bench.profile);
  const double encode_only = bench::best_seconds(kRepeats, [&] {
    encoder->init(kWidth, kHeight, bench.work / "encode-only.mp4", "", bench.music, parameters,
                  "320x240");
    for (std::size_t i = 0; i < frame_count; ++i) {
      if (encoder->encode_frame(frames.data() + i * frame_size) != 0) std::exit(1);
    }
    if (encoder->close() != 0) std::exit(1);
  });

  const std::string command = ffmpeg_command(bench.photos, motion != ImageEffect::kNone,
                                             bench.music, bench.work / "ffmpeg.mp4");
  const double peer = bench::best_seconds(kRepeats, [&] {
    if (!run(command)) std::exit(1);
  });
  // ffmpeg fills the same slideshow time at the true 29.97 frames a second.
  const double seconds = 1 + (kPhotos - 1) * (kTransitionSeconds + kDisplaySeconds);
  const double peer_frames = seconds * 30000 / 1001;

  const double ours_fps = frame_count / ours;
  const double encode_fps = frame_count / encode_only;
  const double peer_fps = peer_frames / peer;
  std::printf("%s: %d photos of 4000x3000, %zu frames of %dx%d H.264 (ffmpeg: %.0f frames)\n",
              motion_name, kPhotos, frame_count, kWidth, kHeight, peer_frames);
  std::printf("(0) render only        %7.1f frames/s  (%.2f s)\n", frame_count / render_only,
              render_only);
  std::printf("(1) render + encode    %7.1f frames/s  (%.2f s)\n", ours_fps, ours);
  std::printf("(2) encode only        %7.1f frames/s  (%.2f s)\n", encode_fps, encode_only);
  std::printf("(3) ffmpeg             %7.1f frames/s  (%.2f s)\n", peer_fps, peer);
  std::printf("(1) / (3) = %.2f   (1) / (2) = %.2f\n\n", ours_fps / peer_fps,
              ours_fps / encode_fps);
}

}  // namespace

int main() {
  const fs::path app = PICTAVO_BENCH_APP_DIR;
  char pattern[] = "/tmp/pictavo-video-maker-bench-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return 1;
  Bench bench;
  bench.work = pattern;
  // The maker loads the module from the program folder; its log goes there too.
  fs::copy_file(app / kEncoderModule, bench.work / kEncoderModule);
  ::setenv("PICTAVO_HOME", bench.work.c_str(), 1);

  ProfileGroupList profiles;
  profiles.load_profiles(app);
  bench.profile = h264_profile(profiles);
  if (bench.profile == nullptr) {
    std::fprintf(stderr, "no 320x240 H.264 profile at 29.97 frames per second\n");
    return 1;
  }
  bench.music = app / "menu_pic" / "default.mp3";
  bench.photos = bench::write_test_photos(bench.work, "photo", kPhotos, "4000x3000", 18);
  compare(bench, "Zooming in", ImageEffect::kZoomCenterIn);
  compare(bench, "Still", ImageEffect::kNone);
  fs::remove_all(bench.work);
  return 0;
}

// Making a slideshow video from camera photos: generated 12-megapixel JPEGs, 3 s
// each after 2 s cross-fades, zooming in or still, in frames per second, for two
// formats: 20 photos as 320 × 240 H.264 at 29.97 frames a second with the PSP
// settings, and 6 photos zooming in as 1920 × 1080 H.264 at 30 frames a second with
// the settings for phones, tablets and TVs:
//   (0) render-only: decoding and rendering, the frames thrown away;
//   (1) the video maker: decoding, rendering and encoding;
//   (2) encode-only: the same frames, already rendered (read from a file the page
//       cache holds), through the same encoder module with the same settings - the
//       ceiling for (1);
//   (3) the ffmpeg command line doing the same job (scale, zoompan, xfade fades,
//       libx264 with the same settings), one input frame per photo.
// For 1920 × 1080 it also measures the peak memory (maximum resident set) of
// `pictavo-cli render` making that video. Goals: (1) / (3) at least 1.5, (1) / (2)
// at least 0.9, the peak at most 300 MB.
#include <spawn.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_slideshows.h"
#include "hd_h264_options.h"
#include "profiles/encoder_parameters.h"
#include "profiles/profile_group_list.h"
#include "psp_h264_options.h"
#include "ratio.h"
#include "render/image_layer_photos.h"
#include "video/encoder_module.h"
#include "video/video_maker.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace pictavo;

constexpr int kDisplaySeconds = 3;
constexpr int kTransitionSeconds = 2;

bool run(const std::string& command) {
  return std::system(command.c_str()) == 0;
}

// One output format of the bench.
struct Format {
  const char* size;        // the profile's frame size, "320x240"
  const char* frame_rate;  // the profile's frame rate text
  int width;
  int height;
  const char* ffmpeg_rate;  // the same rate for ffmpeg, "30000/1001"
  double rate;
  int photos;
  int repeats;
  std::string encoding;  // ffmpeg's options for the encoder module's settings
};

const OutputProfile* h264_profile(const ProfileGroupList& profiles, const Format& format,
                                  int* number) {
  for (*number = 0; *number < profiles.profile_count(); ++*number) {
    const OutputProfile& profile = *profiles.numbered_profile(*number);
    if (profile.value(ProfileParameterId::kVideoCodec) == "h264" &&
        profile.value(ProfileParameterId::kVideoSize) == format.size &&
        profile.value(ProfileParameterId::kVideoFrameRate) == format.frame_rate)
      return &profile;
  }
  return nullptr;
}

// The same slideshow as an ffmpeg filter graph: each photo scaled once to twice
// the frame size and zoomed in (or held at zoom 1), for its own time plus the
// fades on either side, joined by 2 s fades that start where the video maker's
// transitions start.
std::string ffmpeg_command(const Format& format, const std::vector<fs::path>& photos, bool zoom,
                           const fs::path& music, const fs::path& output) {
  std::string inputs;
  std::string graph;
  const int count = static_cast<int>(photos.size());
  const std::string size = std::to_string(format.width) + "x" + std::to_string(format.height);
  const std::string doubled =
      std::to_string(2 * format.width) + ":" + std::to_string(2 * format.height);
  for (int i = 0; i < count; ++i) {
    inputs += " -i '" + photos[static_cast<std::size_t>(i)].string() + "'";
    const int seconds =
        (i == 0 ? 1 : kTransitionSeconds + kDisplaySeconds) + (i + 1 < count ? 2 : 0);
    graph += "[" + std::to_string(i) + ":v]scale=" + doubled +
             ",zoompan=z=" + (zoom ? "min(zoom+0.0008\\,1.25)" : "1") +
             ":x=iw/2-(iw/zoom/2):y=ih/2-(ih/zoom/2):d=" +
             std::to_string(static_cast<int>(seconds * format.rate)) + ":s=" + size +
             ":fps=" + format.ffmpeg_rate + "[v" + std::to_string(i) + "];";
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
         std::to_string(count) + ":a" + format.encoding + " '" + output.string() + "'";
}

// The frames of a file, mapped: encode-only reads them without copying.
class MappedFrames {
 public:
  explicit MappedFrames(const fs::path& file) {
    const std::size_t size = fs::file_size(file);
    FILE* stream = std::fopen(file.c_str(), "rb");
    if (stream == nullptr) std::exit(1);
    data_ = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fileno(stream), 0);
    std::fclose(stream);
    if (data_ == MAP_FAILED) std::exit(1);
    size_ = size;
  }
  ~MappedFrames() { ::munmap(data_, size_); }
  MappedFrames(const MappedFrames&) = delete;
  MappedFrames& operator=(const MappedFrames&) = delete;
  const std::uint8_t* data() const { return static_cast<const std::uint8_t*>(data_); }
  std::size_t size() const { return size_; }

 private:
  void* data_ = nullptr;
  std::size_t size_ = 0;
};

struct Bench {
  fs::path app;
  fs::path work;
  fs::path music;
};

// The peak resident memory of the command, in megabytes (of 2^20 bytes), from the
// kernel's account of the finished child.
double peak_megabytes(std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (std::string& argument : arguments)
    argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t child = 0;
  if (::posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) std::exit(1);
  int status = 0;
  rusage usage{};
  if (::wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "failed: %s\n", arguments.front().c_str());
    std::exit(1);
  }
  return static_cast<double>(usage.ru_maxrss) / 1024;
}

void compare(const Bench& bench, const Format& format, const OutputProfile& profile,
             const std::vector<fs::path>& photos, const char* motion_name, ImageEffect motion) {
  Slideshow slideshow =
      bench::cross_fade_slideshow(photos, bench.work, kDisplaySeconds, kTransitionSeconds, motion);
  slideshow.video_path = bench.work / "ours.mp4";
  slideshow.music_path = bench.music;
  const ImageLayerPhotos decoder;
  VideoJob job;
  job.slideshow = &slideshow;
  job.profile = &profile;
  job.decoder = &decoder;
  const int width = format.width;
  const int height = format.height;
  const std::size_t frame_size = static_cast<std::size_t>(width) * height * 3 / 2;

  const float rate = counted_frame_rate(profile);
  const double render_only = bench::best_seconds(format.repeats, [&] {
    render_slideshow_frames(job, width, height, rate, [](const std::uint8_t*) { return 0; });
  });
  const fs::path frame_file = bench.work / "frames.yuv";
  {
    std::ofstream frames(frame_file, std::ios::binary);
    render_slideshow_frames(job, width, height, rate, [&](const std::uint8_t* i420) {
      frames.write(reinterpret_cast<const char*>(i420), static_cast<std::streamsize>(frame_size));
      return 0;
    });
  }
  const MappedFrames frames(frame_file);
  const std::size_t frame_count = frames.size() / frame_size;

  const double ours = bench::best_seconds(format.repeats, [&] {
    if (make_slideshow_video(job) != 0) std::exit(1);
  });

  const Result<EncoderModule> encoder = EncoderModule::load(bench.work / kEncoderModule);
  if (!encoder) {
    std::fprintf(stderr, "%s\n", encoder.reason().c_str());
    std::exit(1);
  }
  const EncoderParameters parameters = encoder_parameters(profile);
  const double encode_only = bench::best_seconds(format.repeats, [&] {
    encoder->init(width, height, bench.work / "encode-only.mp4", "", bench.music, parameters,
                  format.size);
    for (std::size_t i = 0; i < frame_count; ++i) {
      if (encoder->encode_frame(frames.data() + i * frame_size) != 0) std::exit(1);
    }
    if (encoder->close() != 0) std::exit(1);
  });

  const std::string command = ffmpeg_command(format, photos, motion != ImageEffect::kNone,
                                             bench.music, bench.work / "ffmpeg.mp4");
  const double peer = bench::best_seconds(format.repeats, [&] {
    if (!run(command)) std::exit(1);
  });
  // ffmpeg fills the same slideshow time at the true frame rate.
  const double seconds =
      1 + (static_cast<int>(photos.size()) - 1) * (kTransitionSeconds + kDisplaySeconds);
  const double peer_frames = seconds * format.rate;

  const double ours_fps = frame_count / ours;
  const double encode_fps = frame_count / encode_only;
  const double peer_fps = peer_frames / peer;
  std::printf("%s: %zu photos of 4000x3000, %zu frames of %dx%d H.264 (ffmpeg: %.0f frames)\n",
              motion_name, photos.size(), frame_count, width, height, peer_frames);
  std::printf("(0) render only        %7.1f frames/s  (%.2f s)\n", frame_count / render_only,
              render_only);
  std::printf("(1) render + encode    %7.1f frames/s  (%.2f s)\n", ours_fps, ours);
  std::printf("(2) encode only        %7.1f frames/s  (%.2f s)\n", encode_fps, encode_only);
  std::printf("(3) ffmpeg             %7.1f frames/s  (%.2f s)\n", peer_fps, peer);
  std::printf("(1) / (3) = %.2f   (1) / (2) = %.2f\n\n", ours_fps / peer_fps,
              ours_fps / encode_fps);
  fs::remove(frame_file);
}

// `pictavo-cli render` of the photos zooming in with profile `number`, as a child
// whose peak memory the kernel reports.
void measure_memory(const Bench& bench, const std::vector<fs::path>& photos, int number,
                    const char* size) {
  std::vector<std::string> command{(bench.app / "pictavo-cli").string(), "render"};
  for (const fs::path& photo : photos) {
    command.push_back("--photo");
    command.push_back(photo.string());
  }
  for (const std::string& argument :
       {std::string("--profile"), std::to_string(number), std::string("--music"),
        bench.music.string(), std::string("--effect"),
        std::to_string(static_cast<int>(ImageEffect::kZoomCenterIn)), std::string("--display"),
        std::to_string(kDisplaySeconds), std::string("--tseconds"),
        std::to_string(kTransitionSeconds), std::string("--transition"), std::string("0"),
        std::string("-o"), (bench.work / "cli.mp4").string()})
    command.push_back(argument);
  std::printf("Peak memory of pictavo-cli render, %zu photos of 4000x3000 at %s: %.0f MB\n\n",
              photos.size(), size, peak_megabytes(std::move(command)));
}

}  // namespace

int main() {
  Bench bench;
  bench.app = PICTAVO_BENCH_APP_DIR;
  char pattern[] = "/tmp/pictavo-video-maker-bench-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return 1;
  bench.work = pattern;
  // The maker loads the module and the profiles from the program folder; its log
  // goes there too.
  fs::copy_file(bench.app / kEncoderModule, bench.work / kEncoderModule);
  fs::copy(bench.app / "profile", bench.work / "profile", fs::copy_options::recursive);
  ::setenv("PICTAVO_HOME", bench.work.c_str(), 1);
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  bench.music = bench.app / "menu_pic" / "default.mp3";

  ProfileGroupList profiles;
  profiles.load_profiles(bench.app);
  const Format psp{"320x240",
                   "29.97",
                   320,
                   240,
                   "30000/1001",
                   30000.0 / 1001,
                   20,
                   3,
                   bench::psp_h264_options(320, 240)};
  const Format hd{"1920x1080", "30", 1920, 1080, "30", 30, 6, 2, bench::hd_h264_options(8000)};
  int psp_number = 0;
  int hd_number = 0;
  const OutputProfile* psp_profile = h264_profile(profiles, psp, &psp_number);
  const OutputProfile* hd_profile = h264_profile(profiles, hd, &hd_number);
  if (psp_profile == nullptr || hd_profile == nullptr) {
    std::fprintf(stderr, "no 320x240 H.264 profile at 29.97 or 1920x1080 at 30 frames a second\n");
    return 1;
  }
  const std::vector<fs::path> photos =
      bench::write_test_photos(bench.work, "photo", psp.photos, "4000x3000", 18);
  const std::vector<fs::path> hd_photos(photos.begin(), photos.begin() + hd.photos);
  measure_memory(bench, hd_photos, hd_number, hd.size);
  compare(bench, hd, *hd_profile, hd_photos, "Zooming in", ImageEffect::kZoomCenterIn);
  compare(bench, psp, *psp_profile, photos, "Zooming in", ImageEffect::kZoomCenterIn);
  compare(bench, psp, *psp_profile, photos, "Still", ImageEffect::kNone);
  fs::remove_all(bench.work);
  return 0;
}

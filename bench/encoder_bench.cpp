// Encode-only speed of the encoder module: I420 frames already in memory go
// through libZorvEncoder.so with the PSP's H.264 settings and the default music,
// against the ffmpeg command line doing the same encoding from a raw file. The
// module's frames per second are the ceiling for rendering + encoding.
#include <dlfcn.h>
#include <stdlib.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "encoder/zorv_encoder.h"
#include "psp_h264_options.h"
#include "ratio.h"

namespace {

namespace fs = std::filesystem;

// A panning picture: smooth shapes with some fine detail, like a photo.
std::vector<unsigned char> make_frames(int width, int height, int count) {
  const int texture_width = width * 2;
  const int texture_height = height * 2;
  std::vector<unsigned char> luma(static_cast<std::size_t>(texture_width) * texture_height);
  for (int y = 0; y < texture_height; ++y) {
    for (int x = 0; x < texture_width; ++x) {
      const double shape =
          70 * std::sin(x / 37.0) * std::cos(y / 29.0) + 30 * std::sin((x + y) / 11.0);
      luma[static_cast<std::size_t>(y) * texture_width + x] =
          static_cast<unsigned char>(128 + shape + ((x * 7 + y * 13) % 9));
    }
  }
  const std::size_t frame_size = static_cast<std::size_t>(width) * height * 3 / 2;
  std::vector<unsigned char> frames(frame_size * count);
  for (int i = 0; i < count; ++i) {
    unsigned char* frame = frames.data() + frame_size * i;
    const int left = (i / 2) % width;
    const int top = (i / 3) % height;
    for (int y = 0; y < height; ++y) {
      const unsigned char* row =
          luma.data() + static_cast<std::size_t>(top + y) * texture_width + left;
      std::copy(row, row + width, frame + static_cast<std::size_t>(y) * width);
    }
    unsigned char* chroma = frame + static_cast<std::size_t>(width) * height;
    for (std::size_t c = 0; c < frame_size - static_cast<std::size_t>(width) * height; ++c) {
      chroma[c] = static_cast<unsigned char>(128 + 20 * std::sin((c + i) / 50.0));
    }
  }
  return frames;
}

struct Module {
  void* handle = nullptr;
  ZorvInitEncoderFunction init = nullptr;
  ZorvEncOneFrameFunction encode = nullptr;
  ZorvCloseEncoderFunction close = nullptr;
};

double encode_with_module(const Module& module, int width, int height, int count,
                          const std::vector<unsigned char>& frames, const fs::path& music,
                          const fs::path& output) {
  const std::string size = std::to_string(width) + "x" + std::to_string(height);
  const std::size_t frame_size = static_cast<std::size_t>(width) * height * 3 / 2;
  return pictavo::bench::best_seconds(3, [&] {
    module.init(width, height, output.c_str(), "", music.c_str(), "libfaac", "128kb", "48000", "2",
                "h264", "768kb", size.c_str(), "29.97");
    for (int i = 0; i < count; ++i) {
      if (module.encode(frames.data() + frame_size * i) != 0) std::abort();
    }
    if (module.close() != 0) std::abort();
  });
}

double encode_with_ffmpeg(int width, int height, const fs::path& raw, const fs::path& music,
                          const fs::path& output) {
  const std::string command =
      "ffmpeg -hide_banner -loglevel error -nostdin -y -f rawvideo -pix_fmt yuv420p -s " +
      std::to_string(width) + "x" + std::to_string(height) + " -r 30000/1001 -i '" + raw.string() +
      "' -i '" + music.string() + "' -map 0:v -map 1:a" +
      pictavo::bench::psp_h264_options(width, height) + " '" + output.string() + "'";
  return pictavo::bench::best_seconds(3, [&] {
    if (std::system(command.c_str()) != 0) std::abort();
  });
}

}  // namespace

int main() {
  const fs::path app = PICTAVO_BENCH_APP_DIR;
  char pattern[] = "/tmp/pictavo-encoder-bench-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return 1;
  const fs::path work = pattern;
  ::setenv("PICTAVO_HOME", work.c_str(), 1);  // the module's log goes there

  Module module;
  module.handle = ::dlopen((app / "libZorvEncoder.so").c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module.handle == nullptr) {
    std::fprintf(stderr, "cannot load the encoder module: %s\n", ::dlerror());
    return 1;
  }
  module.init = reinterpret_cast<ZorvInitEncoderFunction>(::dlsym(module.handle, "initEncoder"));
  module.encode = reinterpret_cast<ZorvEncOneFrameFunction>(::dlsym(module.handle, "EncOneFrame"));
  module.close = reinterpret_cast<ZorvCloseEncoderFunction>(::dlsym(module.handle, "closeEncoder"));
  const fs::path music = app / "menu_pic" / "default.mp3";

  struct Case {
    int width;
    int height;
    int frames;
  };
  for (const Case& c : {Case{320, 240, 600}, Case{720, 480, 240}}) {
    const std::vector<unsigned char> frames = make_frames(c.width, c.height, c.frames);
    const fs::path raw = work / "frames.yuv";
    std::ofstream(raw, std::ios::binary)
        .write(reinterpret_cast<const char*>(frames.data()),
               static_cast<std::streamsize>(frames.size()));

    const double ours =
        encode_with_module(module, c.width, c.height, c.frames, frames, music, work / "ours.mp4");
    const double theirs = encode_with_ffmpeg(c.width, c.height, raw, music, work / "theirs.mp4");
    std::printf("H.264 PSP settings %dx%d, %d frames: module %.0f frames/s, ffmpeg %.0f frames/s\n",
                c.width, c.height, c.frames, c.frames / ours, c.frames / theirs);
    const std::string what = "encode " + std::to_string(c.width) + "x" + std::to_string(c.height);
    pictavo::bench::report(what.c_str(), ours, "ffmpeg", theirs);
  }
  ::dlclose(module.handle);
  fs::remove_all(work);
  return 0;
}

// Music preparation through libxToMp2.so: three MP3 tracks encoded as one MP2
// stream (xToMp2Joined, gap-free) against the earlier way, each track converted
// by itself (xToMp2) and the files joined byte by byte; once, and looped three
// times as loop-audio asks for a project three times as long as the music. The
// one stream re-encodes every repetition where the earlier way copied bytes.
#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "audioconv/xtomp2.h"
#include "peer_command.h"
#include "ratio.h"

namespace {

namespace fs = std::filesystem;

void append(const fs::path& from, std::ofstream& to) {
  std::ifstream in(from, std::ios::binary);
  to << in.rdbuf();
}

}  // namespace

int main() {
  using namespace pictavo::bench;
  if (!have("ffmpeg")) {
    std::fprintf(stderr, "music_join_bench needs the ffmpeg command line tool\n");
    return 1;
  }
  void* module = ::dlopen(PICTAVO_BENCH_APP_DIR "/libxToMp2.so", RTLD_NOW | RTLD_LOCAL);
  auto* convert =
      module != nullptr ? reinterpret_cast<XToMp2Function>(::dlsym(module, "xToMp2")) : nullptr;
  auto* join = module != nullptr
                   ? reinterpret_cast<XToMp2JoinedFunction>(::dlsym(module, "xToMp2Joined"))
                   : nullptr;
  if (convert == nullptr || join == nullptr) {
    std::fprintf(stderr, "cannot load the converter module: %s\n", ::dlerror());
    return 1;
  }

  const fs::path folder = fs::temp_directory_path() / "pictavo_music_join_bench";
  fs::create_directories(folder);
  std::vector<std::string> tracks;
  const int frequencies[] = {440, 523, 659};
  for (int i = 0; i < 3; ++i) {
    tracks.push_back((folder / ("track" + std::to_string(i) + ".mp3")).string());
    run("ffmpeg -v error -y -f lavfi -i sine=frequency=" + std::to_string(frequencies[i]) +
        ":sample_rate=44100:duration=60 -ac 2 -c:a libmp3lame " + tracks.back());
  }
  std::vector<const char*> sources;
  for (const auto& track : tracks)
    sources.push_back(track.c_str());
  const fs::path output = folder / "joined.mp2";

  for (const int passes : {1, 3}) {
    const double one_stream = best_seconds(3, [&] {
      join(sources.data(), static_cast<int>(sources.size()), passes, output.c_str(), nullptr,
           nullptr);
    });
    const double file_by_file = best_seconds(3, [&] {
      std::vector<fs::path> converted;
      for (std::size_t i = 0; i < tracks.size(); ++i) {
        converted.push_back(folder / ("converted" + std::to_string(i) + ".mp2"));
        convert(sources[i], converted.back().c_str(), nullptr);
      }
      std::ofstream joined(output, std::ios::binary | std::ios::trunc);
      for (int pass = 0; pass < passes; ++pass) {
        for (const auto& file : converted)
          append(file, joined);
      }
    });
    const std::string what = "3 tracks of 60 s, " + std::to_string(passes) + " pass(es)";
    report(what.c_str(), one_stream, "per file", file_by_file);
  }
  ::dlclose(module);
  fs::remove_all(folder);
  return 0;
}

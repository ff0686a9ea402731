// Peak memory and time of `pictavo-cli render` with big photos into the 480 x 272
// profile: PNG and TIFF photos, which the decoders reduce row by row, against the
// same photo as a JPEG, which libjpeg-turbo reduces while decoding (the peer).
// Run by hand: build/bench/decode_memory_bench [MEGAPIXELS]; it writes its photos
// to a folder in /tmp first.
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "image/image_file.h"

extern char** environ;

namespace fs = std::filesystem;

namespace pictavo::bench {
namespace {

// Smooth shapes with grain, so the files compress like photos.
Image photo_like(int width, int height) {
  Image image = *Image::allocate(width, height, PixelLayout::kBgrx);
  std::uint32_t grain = 1;
  for (int y = 0; y < height; ++y) {
    std::uint8_t* p = image.row(y);
    for (int x = 0; x < width; ++x, p += 4) {
      grain = grain * 1664525u + 1013904223u;
      const int noise = static_cast<int>(grain >> 27) - 16;
      const int wave = ((x / 7 + y / 5) % 160) - 80;
      p[0] = static_cast<std::uint8_t>(std::clamp(x * 255 / width + noise, 0, 255));
      p[1] = static_cast<std::uint8_t>(std::clamp(y * 255 / height + noise + wave / 4, 0, 255));
      p[2] = static_cast<std::uint8_t>(std::clamp(128 + wave + noise, 0, 255));
      p[3] = 255;
    }
  }
  return image;
}

struct Run {
  double megabytes;
  double seconds;
};

// The high-water mark of the process's resident memory, in kB; 0 once it is gone.
long peak_kb(pid_t process) {
  std::FILE* status = std::fopen(("/proc/" + std::to_string(process) + "/status").c_str(), "r");
  if (status == nullptr) return 0;
  char line[256];
  long kb = 0;
  while (std::fgets(line, sizeof line, status) != nullptr) {
    if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1) break;
  }
  std::fclose(status);
  return kb;
}

// Runs the command and gives its peak resident memory and wall time. The peak is
// read from the child's own memory map while it runs: the resource usage that
// wait4 reports would start from this bench's own, which holds the big photos.
Run measure(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& part : command)
    argv.push_back(const_cast<char*>(part.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t child = 0;
  if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
    std::fprintf(stderr, "cannot start %s\n", argv[0]);
    std::exit(1);
  }
  int status = 0;
  long peak = 0;
  while (waitpid(child, &status, WNOHANG) == 0) {
    peak = std::max(peak, peak_kb(child));
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "failed: %s\n", command.front().c_str());
    std::exit(1);
  }
  return {static_cast<double>(peak) / 1024.0, elapsed.count()};
}

Run render(const fs::path& cli, const std::vector<fs::path>& photos, const fs::path& out) {
  std::vector<std::string> command{cli.string(), "render"};
  for (const fs::path& photo : photos) {
    command.push_back("--photo");
    command.push_back(photo.string());
  }
  command.insert(command.end(),
                 {"--profile", "3", "--display", "1", "--tseconds", "0", "-o", out.string()});
  return measure(command);
}

}  // namespace
}  // namespace pictavo::bench

int main(int argc, char** argv) {
  using namespace pictavo;
  using namespace pictavo::bench;
  const int megapixels = argc > 1 ? std::atoi(argv[1]) : 24;
  const int width = megapixels == 96 ? 12000 : 6000;
  const int height = megapixels == 96 ? 8000 : 4000;
  const fs::path folder =
      fs::temp_directory_path() / ("pictavo-decode-memory-bench-" + std::to_string(megapixels));
  fs::create_directories(folder);
  const fs::path cli =
      fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "app" / "pictavo-cli";
  std::printf("writing %d x %d photos to %s\n", width, height, folder.c_str());
  {
    const Image picture = photo_like(width, height);
    for (const auto& [name, format] :
         {std::pair{"photo.jpg", ImageFormat::kJpeg}, std::pair{"photo.png", ImageFormat::kPng},
          std::pair{"photo.tif", ImageFormat::kTiff}}) {
      if (!fs::exists(folder / name) && !save_image(picture, folder / name, format)) {
        std::fprintf(stderr, "cannot write %s\n", name);
        return 1;
      }
    }
  }
  const fs::path out = folder / "out.mp4";
  const Run jpeg = render(cli, {folder / "photo.jpg"}, out);
  std::printf("%-22s %8.1f MB %7.2f s   (the peer)\n", "1 JPEG", jpeg.megabytes, jpeg.seconds);
  for (const char* name : {"photo.png", "photo.tif"}) {
    for (const int count : {1, 3, 10}) {
      const std::vector<fs::path> photos(static_cast<std::size_t>(count), folder / name);
      const Run run = render(cli, photos, out);
      std::printf("%2d x %-17s %8.1f MB %7.2f s   memory %.2f of the JPEG's, %.2f s a photo\n",
                  count, name, run.megabytes, run.seconds, run.megabytes / jpeg.megabytes,
                  run.seconds / count);
    }
  }
  return 0;
}

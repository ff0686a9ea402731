// Feeds arbitrary bytes as an audio file to the audio decoder and to the
// length measurement: whatever the bytes, they end with a result, never a crash.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "audio/audio_duration.h"
#include "audio/audio_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An in-memory file, reached by path as the modules reach files.
  const int fd = ::memfd_create("audio", 0);
  if (fd < 0) return 0;
  if (::write(fd, data, size) != static_cast<ssize_t>(size)) {
    ::close(fd);
    return 0;
  }
  const std::string path = "/proc/self/fd/" + std::to_string(fd);

  pictavo::audio_duration(path.c_str());
  pictavo::AudioReader reader;
  if (reader.open(path.c_str(), pictavo::AudioFormat{AV_SAMPLE_FMT_FLTP, 24000, 1})) {
    std::vector<std::uint8_t> samples(1024 * sizeof(float));
    std::uint8_t* planes[1] = {samples.data()};
    // A bounded number of reads keeps long (or endless) inputs quick.
    for (int i = 0; i < 200 && reader.read(planes, 1024) == 1024; ++i) {
    }
  }
  ::close(fd);
  return 0;
}

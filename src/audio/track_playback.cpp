#include "audio/track_playback.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "audio/audio_duration.h"

namespace pictavo {
namespace {

constexpr int kPreferredRate = 48000;
constexpr int kChannels = 2;
constexpr int kBufferSamples = 4096;  // about 85 ms at 48 kHz

}  // namespace

TrackPlayback::~TrackPlayback() {
  // Closing the device waits for its thread, so the reader is free after it.
  if (device_ != 0) SDL_CloseAudioDevice(device_);
  if (audio_system_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TrackPlayback::OutputStatus TrackPlayback::open_output() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    error_ = SDL_GetError();
    return OutputStatus::no_audio_system;
  }
  audio_system_ = true;
  SDL_AudioSpec wanted{};
  wanted.freq = kPreferredRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = kChannels;
  wanted.samples = kBufferSamples;
  wanted.callback = fill_output;
  wanted.userdata = this;
  SDL_AudioSpec obtained{};
  // The decoder resamples to the output's own rate in one step; SDL adapts the
  // channels and sample format.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
  if (device_ == 0) {
    error_ = SDL_GetError();
    return OutputStatus::no_output_device;
  }
  format_ = AudioFormat{AV_SAMPLE_FMT_S16, obtained.freq, kChannels};
  return OutputStatus::ready;
}

bool TrackPlayback::load(const std::filesystem::path& path) {
  if (device_ == 0) {
    error_ = "no audio output";
    return false;
  }
  if (!reader_.open(path.c_str(), format_)) {
    error_ = reader_.error();
    return false;
  }
  duration_ = audio_duration(path.c_str());
  if (duration_ <= std::chrono::microseconds(0)) {
    error_ = "no sound in it";
    return false;
  }
  loaded_ = true;
  return true;
}

void TrackPlayback::skip(std::chrono::microseconds from) {
  std::int64_t samples = from.count() * format_.sample_rate / 1'000'000;
  std::array<std::int16_t, kBufferSamples * kChannels> scratch;
  std::uint8_t* planes[1] = {reinterpret_cast<std::uint8_t*>(scratch.data())};
  while (samples > 0) {
    const int read =
        reader_.read(planes, static_cast<int>(std::min<std::int64_t>(samples, kBufferSamples)));
    if (read <= 0) return;
    samples -= read;
  }
}

void TrackPlayback::start() {
  if (loaded_) SDL_PauseAudioDevice(device_, 0);
}

void TrackPlayback::fill_output(void* playback, std::uint8_t* stream, int length) {
  auto* self = static_cast<TrackPlayback*>(playback);
  const int sample_bytes = self->format_.channels * static_cast<int>(sizeof(std::int16_t));
  std::uint8_t* planes[1] = {stream};
  const int played = std::max(self->reader_.read(planes, length / sample_bytes), 0);
  self->samples_played_ += played;
  // Past the end of the sound, or after a read failure, the output plays silence.
  std::memset(stream + played * sample_bytes, 0,
              static_cast<std::size_t>(length - played * sample_bytes));
}

}  // namespace pictavo

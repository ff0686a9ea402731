// Feeds arbitrary texts to the encoder module's settings reader: the input is
// split at NUL bytes into the texts initEncoder receives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "encoder/encoder_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> texts(9);
  std::size_t field = 0;
  for (std::size_t i = 0; i < size && field < texts.size(); ++i) {
    if (data[i] == 0) {
      ++field;
    } else {
      texts[field] += static_cast<char>(data[i]);
    }
  }
  const pictavo::EncoderArguments arguments{320,
                                            240,
                                            texts[0].c_str(),
                                            texts[1].c_str(),
                                            texts[2].c_str(),
                                            texts[3].c_str(),
                                            texts[4].c_str(),
                                            texts[5].c_str(),
                                            texts[6].c_str(),
                                            texts[7].c_str(),
                                            texts[8].c_str()};
  std::string problem;
  const auto settings = pictavo::parse_encoder_settings(arguments, problem);
  if (settings && (settings->frame_rate.num <= 0 || settings->frame_rate.den <= 0 ||
                   settings->video_bitrate < 1000 || settings->audio_bitrate < 1000 ||
                   settings->channels < 1 || settings->channels > 2)) {
    std::abort();
  }
  if (!settings && problem.empty()) std::abort();
  return 0;
}

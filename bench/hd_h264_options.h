#pragma once

#include <string>

namespace pictavo::bench {

// ffmpeg command line options that encode like the encoder module's H.264 settings
// for phones, tablets and TVs (High profile at level 4.0, x264's veryfast preset,
// 2 reference frames, two threads and the lookahead as the module keeps them,
// `kilobits` kb/s with the same maximum rate and a two-second buffer) with AAC-LC
// sound at 192 kb/s, into an ordinary MP4 with its index at the front.
inline std::string hd_h264_options(int kilobits) {
  const std::string rate = std::to_string(kilobits) + "k";
  return " -c:v libx264 -preset veryfast -profile:v high -level 40 -refs 2 -b:v " + rate +
         " -maxrate " + rate + " -bufsize " + std::to_string(2 * kilobits) +
         "k -g 300 -threads 2 -x264-params sync-lookahead=0:rc-lookahead=3"
         " -c:a aac -b:a 192k -ar 48000 -ac 2 -shortest -movflags +faststart -f mp4";
}

}  // namespace pictavo::bench

#pragma once

#include <string>

namespace pictavo::bench {

// ffmpeg command line options that encode like the encoder module's PSP H.264
// settings (Main profile, 2 reference frames, 1 B-frame, no 8x8 transform or
// weighted prediction, one slice per picture, 768 kb/s with the same maximum
// rate) with AAC sound, into the psp container.
inline std::string psp_h264_options(int width, int height) {
  return std::string(" -c:v libx264 -profile:v main -level ") +
         (width * height > 480 * 272 ? "30" : "21") +
         " -refs 2 -bf 1 -b:v 768k -maxrate 768k -bufsize 1536k -g 300"
         " -x264-params 8x8dct=0:weightb=0:weightp=0:b-pyramid=none:sliced-threads=0"
         " -c:a aac -b:a 128k -ar 48000 -ac 2 -shortest -f psp";
}

}  // namespace pictavo::bench

// Stands in for the encoder module in tests. It appends every call to
// "encoder_calls.txt" in $PICTAVO_HOME: "title" with the title set, "init" with
// the thirteen arguments, one
// line per frame with the Y, U and V bytes at the centre of the picture, and
// "close". Its answers are set through the environment:
//   PICTAVO_FAKE_ENCODER_FAIL   "N:CODE" - frame N (from 0) and all later ones give CODE
//   PICTAVO_FAKE_ENCODER_CLOSE  the result of closeEncoder
// It formats with snprintf: std::to_string would give the module a unique symbol,
// and a module with one is never unloaded.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int frame_width = 0;
int frame_height = 0;
int frames = 0;

void record(const std::string& line) {
  const char* home = std::getenv("PICTAVO_HOME");
  if (home == nullptr) return;
  std::FILE* file = std::fopen((std::string(home) + "/encoder_calls.txt").c_str(), "a");
  if (file == nullptr) return;
  std::fprintf(file, "%s\n", line.c_str());
  std::fclose(file);
}

int number_from_environment(const char* name, int fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::atoi(value) : fallback;
}

}  // namespace

extern "C" void setEncoderTitle(const char* title) {
  record(std::string("title ") + title);
}

extern "C" int initEncoder(int width, int height, const char* output_path,
                           const char* raw_frame_path, const char* audio_path,
                           const char* audio_codec, const char* audio_bitrate,
                           const char* sample_rate, const char* audio_channel,
                           const char* video_codec, const char* video_bitrate,
                           const char* frame_size_name, const char* frame_rate) {
  frame_width = width;
  frame_height = height;
  frames = 0;
  char size[32];
  std::snprintf(size, sizeof size, "init %d %d", width, height);
  std::string line = size;
  for (const char* text :
       {output_path, raw_frame_path, audio_path, audio_codec, audio_bitrate, sample_rate,
        audio_channel, video_codec, video_bitrate, frame_size_name, frame_rate}) {
    line += "|";
    line += text;
  }
  record(line);
  return 0;
}

extern "C" int EncOneFrame(const unsigned char* frame) {
  const int number = frames++;
  const std::size_t luma = static_cast<std::size_t>(frame_width) * frame_height;
  const std::size_t chroma = luma / 4;
  const std::size_t y = static_cast<std::size_t>(frame_height / 2) * frame_width + frame_width / 2;
  const std::size_t uv =
      static_cast<std::size_t>(frame_height / 4) * (frame_width / 2) + frame_width / 4;
  char line[48];
  std::snprintf(line, sizeof line, "frame %d %d %d", frame[y], frame[luma + uv],
                frame[luma + chroma + uv]);
  record(line);

  int fail_at = -1;
  int code = 0;
  if (const char* fail = std::getenv("PICTAVO_FAKE_ENCODER_FAIL")) {
    std::sscanf(fail, "%d:%d", &fail_at, &code);
  }
  return fail_at >= 0 && number >= fail_at ? code : 0;
}

extern "C" int closeEncoder() {
  record("close");
  return number_from_environment("PICTAVO_FAKE_ENCODER_CLOSE", 0);
}

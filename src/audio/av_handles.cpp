#include "audio/av_handles.h"

extern "C" {
#include <libavutil/mem.h>
}

#include <cstddef>
#include <utility>

namespace pictavo::av {

std::string error_text(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

std::string local_file_url(const char* path) {
  return std::string("file:") + path;
}

namespace {

// A corrupt header's size field can otherwise have FFmpeg allocate and zero up to
// 2 GB before the short read fails. No real block a file needs comes near this.
constexpr std::size_t kLargestBlock = 256u << 20;

void cap_block_size() {
  static const bool capped = (av_max_alloc(kLargestBlock), true);
  (void)capped;
}

}  // namespace

int open_input(const char* path, InputPtr& input) {
  cap_block_size();
  input.reset();
  AVDictionary* options = nullptr;
  av_dict_set(&options, "protocol_whitelist", "file", 0);
  AVFormatContext* context = nullptr;
  const int opened = avformat_open_input(&context, local_file_url(path).c_str(), nullptr, &options);
  av_dict_free(&options);
  if (opened < 0) return opened;
  InputPtr opened_input(context);
  if (const int found = avformat_find_stream_info(context, nullptr); found < 0) return found;
  input = std::move(opened_input);
  return 0;
}

InputPtr open_audio_input(const char* path, int& stream_index) {
  stream_index = -1;
  InputPtr input;
  if (open_input(path, input) < 0) return nullptr;
  stream_index = av_find_best_stream(input.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
  return input;
}

}  // namespace pictavo::av

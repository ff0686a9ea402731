#include "encoder/output_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "common/module_log.h"
#include "encoder/zorv_encoder.h"

namespace pictavo {
namespace {

bool has_mp4_extension(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return extension == ".mp4";
}

}  // namespace

OutputFile::~OutputFile() {
  abandon();
}

int OutputFile::create(const std::string& path, Container container) {
  path_ = path;
  const bool mp4 = has_mp4_extension(path);
  index_at_front_ = mp4 && container == Container::kPlainMp4;
  const AVOutputFormat* format =
      mp4 ? av_guess_format(index_at_front_ ? "mp4" : "psp", nullptr, nullptr)
          : av_guess_format(nullptr, path.c_str(), nullptr);
  if (format == nullptr) {
    module_log("ZorvEncoder: no container for %s", path.c_str());
    return ZORV_ERROR_SETTINGS;
  }
  packet_.reset(av_packet_alloc());
  if (!packet_ || avformat_alloc_output_context2(&context_, format, nullptr, nullptr) < 0) {
    return ZORV_ERROR_ENCODING;
  }
  return ZORV_OK;
}

bool OutputFile::needs_global_header() const {
  return (context_->oformat->flags & AVFMT_GLOBALHEADER) != 0;
}

int OutputFile::add_stream(const AVCodecContext* encoder) {
  AVStream* stream = avformat_new_stream(context_, nullptr);
  if (stream == nullptr || avcodec_parameters_from_context(stream->codecpar, encoder) < 0) {
    return ZORV_ERROR_ENCODING;
  }
  stream->time_base = encoder->time_base;
  stream->avg_frame_rate = encoder->framerate;
  return ZORV_OK;
}

int OutputFile::start(const std::string& title) {
  av_dict_set(&context_->metadata, "title", title.c_str(), 0);
  // Written under a temporary name in the same folder: a crash, a kill or a full
  // disk leaves no truncated video where the user expects one.
  file_.emplace(path_);
  if (!file_->is_good()) {
    module_log("ZorvEncoder: cannot create %s: %s", path_.c_str(), std::strerror(errno));
    file_.reset();
    return ZORV_ERROR_OUTPUT;
  }
  AVDictionary* options = nullptr;
  av_dict_set(&options, "protocol_whitelist", "file", 0);
  const std::string url = av::local_file_url(file_->temporary_path().c_str());
  int result = avio_open2(&context_->pb, url.c_str(), AVIO_FLAG_WRITE, nullptr, &options);
  av_dict_free(&options);
  if (result < 0) {
    module_log("ZorvEncoder: cannot create %s: %s", path_.c_str(), av::error_text(result).c_str());
    file_.reset();
    return ZORV_ERROR_OUTPUT;
  }
  // The index goes first once the file is complete, so a phone or a web server
  // plays it before it is all read. FFmpeg moves the media data by reading the
  // file again through its URL, only through "file:".
  if (index_at_front_) {
    context_->url = av_strdup(url.c_str());
    context_->protocol_whitelist = av_strdup("file");
    if (context_->url == nullptr || context_->protocol_whitelist == nullptr)
      return ZORV_ERROR_ENCODING;
    av_dict_set(&options, "movflags", "+faststart", 0);
  }
  result = avformat_write_header(context_, &options);
  av_dict_free(&options);
  if (result < 0) {
    module_log("ZorvEncoder: cannot start %s: %s", path_.c_str(), av::error_text(result).c_str());
    return ZORV_ERROR_OUTPUT;
  }
  return ZORV_OK;
}

int OutputFile::encode(int stream, AVCodecContext* encoder, const AVFrame* frame) {
  const AVRational time_base = context_->streams[stream]->time_base;
  const int result = av::encode(encoder, frame, packet_.get(), [&](AVPacket* packet) {
    packet->stream_index = stream;
    av_packet_rescale_ts(packet, encoder->time_base, time_base);
    const int written = av_interleaved_write_frame(context_, packet);
    if (written < 0) {
      module_log("ZorvEncoder: writing %s failed: %s", path_.c_str(),
                 av::error_text(written).c_str());
      return static_cast<int>(ZORV_ERROR_OUTPUT);
    }
    return 0;
  });
  if (result >= 0) return result;
  module_log("ZorvEncoder: the %s encoder failed: %s", encoder->codec->name,
             av::error_text(result).c_str());
  return ZORV_ERROR_ENCODING;
}

int OutputFile::finish() {
  const int written = av_write_trailer(context_);
  const int closed = avio_closep(&context_->pb);
  if (written < 0 || closed < 0) {
    module_log("ZorvEncoder: completing %s failed: %s", path_.c_str(),
               av::error_text(written < 0 ? written : closed).c_str());
    abandon();
    return ZORV_ERROR_OUTPUT;
  }
  const bool committed = file_->commit();
  const int error = errno;
  file_.reset();
  close();
  if (!committed) {
    module_log("ZorvEncoder: completing %s failed: %s", path_.c_str(), std::strerror(error));
    return ZORV_ERROR_OUTPUT;
  }
  return ZORV_OK;
}

void OutputFile::abandon() {
  if (context_ != nullptr && context_->pb != nullptr) avio_closep(&context_->pb);
  file_.reset();  // removes the temporary file
  close();
}

void OutputFile::close() {
  avformat_free_context(context_);
  context_ = nullptr;
}

}  // namespace pictavo

#pragma once

// Owning handles for the FFmpeg objects the modules use, so that every path out
// of a function releases them.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/frame.h>
#include <libswresample/swresample.h>
}

#include <memory>
#include <string>

namespace pictavo::av {

struct InputCloser {
  void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct CodecContextFreer {
  void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameFreer {
  void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketFreer {
  void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ResamplerFreer {
  void operator()(SwrContext* context) const { swr_free(&context); }
};
struct FifoFreer {
  void operator()(AVAudioFifo* fifo) const { av_audio_fifo_free(fifo); }
};

using InputPtr = std::unique_ptr<AVFormatContext, InputCloser>;
using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;
using ResamplerPtr = std::unique_ptr<SwrContext, ResamplerFreer>;
using FifoPtr = std::unique_ptr<AVAudioFifo, FifoFreer>;

// FFmpeg's text for an AVERROR code, for log lines.
std::string error_text(int code);

// FFmpeg reads names such as "concat:a|b" or "http://..." as protocols; every
// path the modules get is a local file, so it is opened through "file:" only.
std::string local_file_url(const char* path);

// Opens `path` as media through "file:" only and reads its stream information into
// `input`; 0, or FFmpeg's negative AVERROR code when the file cannot be read as media.
int open_input(const char* path, InputPtr& input);

// Opens the audio stream FFmpeg ranks best in `path` (nullptr when the file cannot
// be read as media) and stores its index in `stream_index` (negative when the
// file holds no audio).
InputPtr open_audio_input(const char* path, int& stream_index);

}  // namespace pictavo::av

namespace pictavo::av {

// Sends `frame` (nullptr: the end of the stream) to `encoder` and hands every
// packet it gives back to `write`, which returns 0 to go on. Returns 0, the first
// non-zero result of `write`, or the encoder's negative AVERROR code.
template <typename Write>
int encode(AVCodecContext* encoder, const AVFrame* frame, AVPacket* packet, Write&& write) {
  int result = avcodec_send_frame(encoder, frame);
  while (result >= 0) {
    result = avcodec_receive_packet(encoder, packet);
    if (result == AVERROR(EAGAIN) || result == AVERROR_EOF) return 0;
    if (result < 0) break;
    const int written = write(packet);
    av_packet_unref(packet);
    if (written != 0) return written;
  }
  return result;
}

}  // namespace pictavo::av

#pragma once

#include <optional>
#include <string>

#include "audio/av_handles.h"
#include "base/atomic_file.h"
#include "encoder/encoder_settings.h"

namespace pictavo {

// The container file being written: its streams, the interleaving of their
// packets and the file's completion or removal.
class OutputFile {
 public:
  OutputFile() = default;
  ~OutputFile();  // an unfinished file is removed
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Picks the container for `path`: for ".mp4" the PSP's MP4 flavour or, with
  // Container::kPlainMp4, an ordinary MP4 with its index at the front; else what
  // FFmpeg associates with the extension. Nothing is written yet.
  int create(const std::string& path, Container container);
  // Encoders must put their headers out of band when this is true.
  bool needs_global_header() const;
  // Adds a stream for an opened encoder; streams appear in the order they are added.
  int add_stream(const AVCodecContext* encoder);
  // Creates the file and writes the container header, with `title` as the title.
  // The file is written under a temporary name in the same folder and appears
  // under its own name only when finish() completed it.
  int start(const std::string& title);

  // Hands `frame` (nullptr: the end of the stream) to `encoder` and writes every
  // packet it gives back to stream `stream`.
  int encode(int stream, AVCodecContext* encoder, const AVFrame* frame);

  // Completes the file and gives it its name; the result tells whether it is whole.
  int finish();
  // Closes and removes the unfinished file.
  void abandon();

 private:
  void close();

  std::string path_;
  bool index_at_front_ = false;
  AVFormatContext* context_ = nullptr;
  av::PacketPtr packet_;
  std::optional<AtomicFile> file_;  // from start() to finish() or abandon()
};

}  // namespace pictavo

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "base/shared_module.h"

namespace pictavo {

struct EncoderParameters;

// The encoder module of the program folder.
inline constexpr char kEncoderModule[] = "libZorvEncoder.so";

// The encoder module loaded for one video, with its three entries. It is unloaded
// when the object goes.
class EncoderModule {
 public:
  // The entries as zorv_encoder.h declares them.
  using InitFunction = int(int, int, const char*, const char*, const char*, const char*,
                           const char*, const char*, const char*, const char*, const char*,
                           const char*, const char*);
  using EncodeFunction = int(const unsigned char*);
  using CloseFunction = int();
  using SetTitleFunction = void(const char*);
  using FadeOutFunction = void(double);
  using SetFormatFunction = void(const char*);

  // Loads `path`; nothing when the file cannot be loaded or lacks one of the entries
  // initEncoder, EncOneFrame and closeEncoder, with the reason in `error`.
  static Result<EncoderModule> load(const std::filesystem::path& path);

  // Starts a video of `width` × `height` frames at `output`, with the music at
  // `audio`, in the container of the parameters' output format where the module
  // chooses it (zorv_encoder.h says what each text means). The module reports a
  // start that failed from every later call.
  int init(int width, int height, const std::filesystem::path& output,
           const std::filesystem::path& raw_frames, const std::filesystem::path& audio,
           const EncoderParameters& parameters, const std::string& size_name) const;
  // The title the next init's video carries, where the module can store one (its
  // optional setEncoderTitle); else the video is titled by its file name.
  void set_title(const std::string& title) const;
  // The music of the next video fades out over its last `seconds`; a module without
  // the optional entry cuts it short as before.
  void set_music_fade_out(double seconds) const {
    if (fade_out_ != nullptr) fade_out_(seconds);
  }
  // Whether the module writes the container a profile's format names (its
  // optional setOutputFormat); without it every video is a PSP video.
  bool chooses_format() const { return set_format_ != nullptr; }
  int encode_frame(const std::uint8_t* i420) const { return encode_(i420); }
  int close() const { return close_(); }

 private:
  EncoderModule(SharedModule module, InitFunction* init, EncodeFunction* encode,
                CloseFunction* close, SetTitleFunction* set_title, FadeOutFunction* fade_out,
                SetFormatFunction* set_format)
      : module_(std::move(module)),
        init_(init),
        encode_(encode),
        close_(close),
        set_title_(set_title),
        fade_out_(fade_out),
        set_format_(set_format) {}

  SharedModule module_;
  InitFunction* init_;
  EncodeFunction* encode_;
  CloseFunction* close_;
  SetTitleFunction* set_title_;    // may be null
  FadeOutFunction* fade_out_;      // may be null
  SetFormatFunction* set_format_;  // may be null
};

// What a result of the encoder module's entries means, for the user.
std::string encoder_failure_text(int code);

}  // namespace pictavo

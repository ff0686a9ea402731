#include "video/encoder_module.h"

#include <type_traits>

#include "encoder/zorv_encoder.h"
#include "profiles/encoder_parameters.h"

namespace pictavo {

static_assert(std::is_same_v<EncoderModule::InitFunction*, ZorvInitEncoderFunction>);
static_assert(std::is_same_v<EncoderModule::EncodeFunction*, ZorvEncOneFrameFunction>);
static_assert(std::is_same_v<EncoderModule::CloseFunction*, ZorvCloseEncoderFunction>);
static_assert(std::is_same_v<EncoderModule::SetTitleFunction*, ZorvSetEncoderTitleFunction>);
static_assert(std::is_same_v<EncoderModule::FadeOutFunction*, ZorvSetMusicFadeOutFunction>);
static_assert(std::is_same_v<EncoderModule::SetFormatFunction*, ZorvSetOutputFormatFunction>);

Result<EncoderModule> EncoderModule::load(const std::filesystem::path& path) {
  Result<SharedModule> module = SharedModule::load(path);
  if (!module) return Failure{module.reason()};
  auto* init = module->entry<InitFunction>("initEncoder");
  auto* encode = module->entry<EncodeFunction>("EncOneFrame");
  auto* close = module->entry<CloseFunction>("closeEncoder");
  if (init == nullptr || encode == nullptr || close == nullptr) {
    return Failure{path.string() + " lacks initEncoder, EncOneFrame or closeEncoder"};
  }
  auto* set_title = module->entry<SetTitleFunction>("setEncoderTitle");
  auto* fade_out = module->entry<FadeOutFunction>("setMusicFadeOut");
  auto* set_format = module->entry<SetFormatFunction>("setOutputFormat");
  return EncoderModule(std::move(*module), init, encode, close, set_title, fade_out, set_format);
}

void EncoderModule::set_title(const std::string& title) const {
  if (set_title_ != nullptr) set_title_(title.c_str());
}

int EncoderModule::init(int width, int height, const std::filesystem::path& output,
                        const std::filesystem::path& raw_frames, const std::filesystem::path& audio,
                        const EncoderParameters& parameters, const std::string& size_name) const {
  if (set_format_ != nullptr) set_format_(parameters.output_format.c_str());
  return init_(width, height, output.c_str(), raw_frames.c_str(), audio.c_str(),
               parameters.audio_codec.c_str(), parameters.audio_bitrate.c_str(),
               parameters.sample_rate.c_str(), parameters.channel.c_str(),
               parameters.video_codec.c_str(), parameters.video_bitrate.c_str(), size_name.c_str(),
               parameters.frame_rate.c_str());
}

std::string encoder_failure_text(int code) {
  switch (code) {
    case ZORV_OK:
      return "no failure";
    case ZORV_ERROR_SETTINGS:
      return "the encoder cannot make the profile's codecs, size or rates";
    case ZORV_ERROR_OUTPUT:
      return "the video file cannot be created or written";
    case ZORV_ERROR_ENCODING:
      return "the encoder failed while encoding";
    case ZORV_ERROR_NOT_STARTED:
      return "the encoder was not started";
    default:
      return "the encoder failed with code " + std::to_string(code);
  }
}

}  // namespace pictavo

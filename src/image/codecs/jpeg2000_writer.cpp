#include "image/codecs/jpeg2000_writer.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "image/codecs/jpeg2000_stream.h"

namespace pictavo::codecs {
namespace {

// Each resolution level halves the picture; the smallest must keep a pixel.
int resolution_levels(int width, int height) {
  int levels = 1;
  while (levels < 6 && (std::min(width, height) >> levels) > 0)
    ++levels;
  return levels;
}

OpjImage make_opj_image(const Image& image) {
  const bool alpha = image.has_alpha();
  const OPJ_UINT32 count = alpha ? 4 : 3;
  opj_image_cmptparm_t parameters[4];
  std::memset(parameters, 0, sizeof parameters);
  for (OPJ_UINT32 c = 0; c < count; ++c) {
    parameters[c].dx = parameters[c].dy = 1;
    parameters[c].w = static_cast<OPJ_UINT32>(image.width());
    parameters[c].h = static_cast<OPJ_UINT32>(image.height());
    parameters[c].prec = 8;
  }
  OpjImage opj(opj_image_create(count, parameters, OPJ_CLRSPC_SRGB));
  if (!opj) return nullptr;
  opj->x1 = static_cast<OPJ_UINT32>(image.width());
  opj->y1 = static_cast<OPJ_UINT32>(image.height());
  if (alpha) opj->comps[3].alpha = 1;
  static constexpr int kChannelOfComponent[4] = {2, 1, 0, 3};  // R G B A from B G R A
  std::size_t i = 0;
  for (int y = 0; y < image.height(); ++y) {
    const std::uint8_t* p = image.row(y);
    for (int x = 0; x < image.width(); ++x, ++i, p += 4) {
      for (OPJ_UINT32 c = 0; c < count; ++c)
        opj->comps[c].data[i] = p[kChannelOfComponent[c]];
    }
  }
  return opj;
}

}  // namespace

Result<Bytes> encode_jpeg2000(const Image& image, bool jp2_box) {
  const Image* source = &image;
  Image expanded;
  if (image.layout() == PixelLayout::kIndexed) {
    expanded = image;
    if (!expanded.expand_to_colour()) return Failure{"not enough memory"};
    source = &expanded;
  }
  const OpjImage opj = make_opj_image(*source);
  if (!opj) return Failure{"not enough memory"};
  opj_cparameters_t parameters;
  opj_set_default_encoder_parameters(&parameters);
  parameters.tcp_numlayers = 1;
  parameters.tcp_rates[0] = 0;  // lossless
  parameters.cp_disto_alloc = 1;
  parameters.tcp_mct = 1;
  parameters.numresolution = resolution_levels(source->width(), source->height());

  std::string error;
  const OpjCodec codec(opj_create_compress(jp2_box ? OPJ_CODEC_JP2 : OPJ_CODEC_J2K));
  if (!codec) return Failure{"not enough memory"};
  capture_jpeg2000_errors(codec.get(), error);
  Bytes bytes;
  Jpeg2000Memory memory;
  memory.output = &bytes;
  const OpjStream stream = open_jpeg2000_stream(memory);
  const bool done = stream && opj_setup_encoder(codec.get(), &parameters, opj.get()) &&
                    opj_start_compress(codec.get(), opj.get(), stream.get()) &&
                    opj_encode(codec.get(), stream.get()) &&
                    opj_end_compress(codec.get(), stream.get());
  if (!done) return Failure{"cannot encode the JPEG 2000 picture: " + error};
  return bytes;
}

}  // namespace pictavo::codecs

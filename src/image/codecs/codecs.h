#pragma once

#include "image/image_codec.h"

// The codec instances behind codec_for(); one family a file.
namespace pictavo::codecs {

const ImageCodec& bmp_codec();
const ImageCodec& gif_codec();
const ImageCodec& jpeg_codec();
const ImageCodec& png_codec();
const ImageCodec& ico_codec();
const ImageCodec& tiff_codec();
const ImageCodec& tga_codec();
const ImageCodec& pcx_codec();
const ImageCodec& wbmp_codec();
const ImageCodec& wmf_codec();
const ImageCodec& jp2_codec();
const ImageCodec& jpc_codec();
const ImageCodec& pgx_codec();
const ImageCodec& pnm_codec();
const ImageCodec& ras_codec();
const ImageCodec& heif_codec();
const ImageCodec& webp_codec();

}  // namespace pictavo::codecs

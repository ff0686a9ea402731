#pragma once

#include <filesystem>

#include "base/result.h"
#include "image/image.h"

// The small pictures made from photos: the cover picture the program's lists show
// (80 × 60 on white), the thumbnail the PSP shows beside the video (160 × 120 on
// black) and the photo lists' thumbnails (any size, on white).
namespace pictavo {

inline constexpr int kCoverWidth = 80;
inline constexpr int kCoverHeight = 60;
inline constexpr int kThmWidth = 160;
inline constexpr int kThmHeight = 120;

// Where a photo is drawn on a small picture.
struct Placement {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Placement&) const = default;
};

// The photo scaled to touch the cover's sides and centred on the other axis, in
// single precision with offsets and sizes truncated: 240 × 320 gives 45 × 60 at
// (17, 0), 640 × 240 gives 80 × 30 at (0, 15).
Placement cover_placement(int photo_width, int photo_height);

// Photos that fit stay at their own size, centred; larger ones are reduced to the
// thumbnail's height (when taller than 4:3) or width and centred on the other axis:
// 3000 × 4000 gives 90 × 120 at (35, 0), 100 × 50 stays 100 × 50 at (30, 35).
Placement thm_placement(int photo_width, int photo_height);

// The photo scaled to touch two sides of a width × height picture and centred on
// the other axis, offsets rounded to the nearest pixel: 4000 × 3000 in 80 × 80
// gives 80 × 60 at (0, 10).
Placement letterbox_placement(int photo_width, int photo_height, int width, int height);

// The cover picture of the photo file: 24-bit, the photo drawn with bicubic
// filtering over white. Fails, with the reason, when the photo does not decode.
Result<Image> make_cover_picture(const std::filesystem::path& photo);
// The thumbnail of the photo file: 24-bit, the photo drawn with bilinear filtering
// over black.
Result<Image> make_thm_picture(const std::filesystem::path& photo);

// The cover picture beside a video for phones, tablets and TVs: width × height
// (the video's frame), 24-bit, the photo letterboxed with bilinear filtering over
// black, as the video shows it.
Result<Image> make_video_cover_picture(const std::filesystem::path& photo, int width, int height);

// A photo list's thumbnail of the photo file: width × height, 24-bit, the photo
// drawn letterboxed with bicubic filtering over white.
Result<Image> make_list_thumbnail(const std::filesystem::path& photo, int width, int height);

// A picture of one colour, for a small picture whose photo does not decode. Empty
// when memory runs out.
std::optional<Image> solid_picture(int width, int height, RgbQuad colour);

}  // namespace pictavo

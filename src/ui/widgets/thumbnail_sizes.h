#pragma once

#include <QImage>
#include <QSize>
#include <array>

namespace pictavo {

struct Thumbnail;

// The thumbnail list's sizes: the menu text, the thumbnail and the grid cell that
// holds one item with its caption. The first entry's text is smaller than its
// thumbnails, as users have always seen it.
struct ThumbnailSize {
  const char* menu_text;
  QSize thumbnail;
  QSize cell;
};

inline constexpr std::array<ThumbnailSize, 4> kThumbnailSizes{{
    {"40X30", {60, 45}, {76, 95}},
    {"80X60", {80, 60}, {96, 110}},
    {"160X120", {160, 120}, {176, 170}},
    {"320X240", {320, 240}, {336, 290}},
}};

inline constexpr int kDefaultThumbnailSize = 1;

// The pixels a thumbnail of size `size_index` is made with on a screen of
// `pixel_ratio` device pixels to each pixel.
QSize device_size(int size_index, qreal pixel_ratio);

// A photo's thumbnail as a picture for drawing, shown at its size's pixels
// however many device pixels it was made with. It borrows the photo's pixels.
QImage thumbnail_picture(const Thumbnail& thumbnail);
// Without captions the cells are this much shorter.
inline constexpr int kCaptionHeight = 35;

}  // namespace pictavo

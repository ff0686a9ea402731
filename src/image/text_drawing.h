#pragma once

#include <string>
#include <string_view>

#include "image/image.h"
#include "image/rgb_quad.h"

namespace pictavo {

// How a text object looks.
struct TextStyle {
  std::string font_name = "Arial";  // a family name; fontconfig picks the closest font
  int height = 16;                  // font size in pixels (the em square)
  int weight = 400;                 // 100 (thin) .. 400 (regular) .. 700 (bold) .. 900
  bool italic = false;
  bool underline = false;
  RgbQuad colour = rgb(0, 0, 0);
};

// Draws UTF-8 text (line breaks start new lines) with the top-left corner of its
// box at (x, y), antialiased. False for an invalid picture or when memory runs out.
bool draw_text(Image& image, std::string_view text, const TextStyle& style, int x, int y);

}  // namespace pictavo

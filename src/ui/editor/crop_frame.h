#pragma once

#include <optional>

#include "model/edit_item.h"

namespace pictavo {

// The screens the frame can be held to: the TV's by the project's aspect setting,
// or the upright screen of a phone.
enum class ScreenRatio { kFourThree, kSixteenNine, kNineSixteen };

// The screen of a screen aspect (model/screen_aspect.h).
ScreenRatio screen_ratio_of_aspect(int aspect);

// The picture editor's crop frame in canvas pixels over a canvas of width ×
// height: four corner handles of kHandleSize pixels, moved or resized by mouse
// steps. A step that would break a rule (the frame leaving the canvas, the cursor
// outside it, a side under kHandleSize) is ignored and the frame stays as it was.
class CropFrame {
 public:
  static constexpr int kHandleSize = 6;
  enum class Corner { kTopLeft, kTopRight, kBottomRight, kBottomLeft };

  // The whole canvas.
  void reset(int width, int height);
  const CropArea& area() const { return area_; }
  int width() const { return area_.right - area_.left; }
  int height() const { return area_.bottom - area_.top; }

  // Shrinks the frame about its centre to the ratio, on the axis that is too long.
  void fit_to(ScreenRatio ratio);
  // The corner whose handle holds the point, if any.
  std::optional<Corner> handle_at(int x, int y) const;
  bool contains(int x, int y) const;
  void move_by(int dx, int dy);
  // Moves the corner to the cursor, the opposite corner staying put; with a ratio
  // the longer of the cursor's two distances from that corner drives the other.
  void drag_corner(Corner corner, int x, int y, std::optional<ScreenRatio> ratio);

 private:
  bool inside_canvas(const CropArea& area) const;

  CropArea area_;
  int canvas_width_ = 0;
  int canvas_height_ = 0;
};

}  // namespace pictavo

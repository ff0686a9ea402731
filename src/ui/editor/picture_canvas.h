#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "image/image.h"
#include "model/edit_item.h"
#include "model/photo_edits.h"
#include "ui/editor/canvas_overlay.h"
#include "ui/editor/crop_frame.h"

namespace pictavo {

class PhotoItem;

// The picture editor's editing area: the photo fitted into 660 × 480 pixels and
// centred on black, the crop frame over it, and the texts and decorations laid on
// top, which the mouse selects, moves and resizes. Coordinates are canvas pixels,
// the displayed picture's own; `scale` picture pixels make one. Every change to
// the picture is made by the engine's edit records, which the canvas keeps in the
// order made; saving replays them on the full-size photo.
class PictureCanvas : public QWidget {
  Q_OBJECT

 public:
  PictureCanvas(std::filesystem::path decorations, ScreenRatio screen_ratio, QWidget* parent);

  // Shows the photo's file with the photo's edits and adjustments; only texts and
  // decorations after the last change of the picture itself stay movable. False,
  // with the canvas empty, when the file does not decode.
  bool load(const PhotoItem& photo);
  // The photo's file as it is, without edits.
  bool load_unedited(const std::filesystem::path& source);
  bool has_picture() const { return picture_.is_valid(); }
  QSize picture_size() const;
  double scale() const { return scale_; }

  // Changes of the picture, each recorded.
  void rotate_half_turn();
  void turn_upside_down();
  void mirror_left_right();
  void crop_to_frame();

  const CropFrame& crop_frame() const { return frame_; }
  bool circle() const { return circle_; }
  void set_circle(bool circle);
  bool screen_ratio_kept() const { return ratio_kept_; }
  void set_screen_ratio_kept(bool kept);

  void add_text();
  void add_decoration(const std::filesystem::path& file);
  void remove_selected();
  const std::vector<CanvasOverlay>& overlays() const { return overlays_; }
  int selected() const { return selected_; }
  // The selected overlay's text record; null when no text is selected.
  const TextOverlay* selected_text() const;
  void change_selected_text(const TextOverlay& text);

  const PictureAdjustments& adjustments() const { return adjustments_; }
  void set_adjustments(const PictureAdjustments& adjustments);

  // The picture's records followed by one record per overlay.
  std::vector<EditItem> edit_records() const;

  // Takes back the last change (of the picture, its texts and decorations or its
  // adjustments) or makes it again. One drag, or one run of a slider or of typing,
  // is one change. A photo loaded starts with none.
  bool can_undo() const { return !undo_.empty(); }
  bool can_redo() const { return !redo_.empty(); }
  void undo();
  void redo();

 signals:
  // Every change that saving would keep.
  void edited();
  void selection_changed();
  // A photo was shown, or failed to show, with its adjustments.
  void loaded();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  enum class Drag { kNone, kFrame, kCorner, kOverlay, kOverlaySize };
  // What a change was, so that a run of one kind is one undo step.
  enum class Change { kOther, kDrag, kAdjust, kText };
  struct State {
    std::vector<EditItem> records;
    PictureAdjustments adjustments;
  };

  bool open(const std::filesystem::path& source);
  // The source with `edits` replayed and `adjustments`, as load() shows a photo.
  bool show(const std::filesystem::path& source, std::span<const EditItem> edits,
            const PictureAdjustments& adjustments);
  State state() const { return {edit_records(), adjustments_}; }
  // Keeps `before` for an undo.
  void remember(State before, Change change);
  // Keeps the state now for an undo, unless the change continues a run of its kind.
  void remember(Change change);
  void restore(std::vector<State>& from, std::vector<State>& to);
  bool apply(EditItem record);
  void picture_changed();
  void reset_frame();
  void select(int index);
  void add_overlay(CanvasOverlay overlay);
  // Where the picture is drawn, and how much smaller than its pixels: a picture
  // turned by a quick rotation may be taller than the area.
  QPoint origin() const;
  double view() const;
  QPoint canvas_point(QPointF widget_point) const;
  void paint_frame(QPainter& painter) const;

  std::filesystem::path decorations_;
  std::filesystem::path source_;
  ScreenRatio screen_ratio_;
  Image picture_;  // the displayed picture with the recorded changes
  QImage shown_;   // the same with the adjustments
  double scale_ = 1.0;
  std::vector<EditItem> edits_;
  PictureAdjustments adjustments_;
  CropFrame frame_;
  bool circle_ = false;
  bool ratio_kept_ = false;
  std::vector<CanvasOverlay> overlays_;
  int selected_ = -1;
  Drag drag_ = Drag::kNone;
  std::optional<CropFrame::Corner> corner_;
  QPoint last_;
  std::vector<State> undo_;
  std::vector<State> redo_;
  Change last_change_ = Change::kOther;
};

}  // namespace pictavo

#include "ui/editor/picture_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "image/image_file.h"
#include "image/image_format.h"
#include "model/photo_item.h"
#include "ui/common/qt_image.h"

namespace pictavo {
namespace {

constexpr int kHandle = CropFrame::kHandleSize;
constexpr char kNewText[] = QT_TRANSLATE_NOOP("pictavo::PictureCanvas", "Enter your text here");

QImage decoration_picture(const std::filesystem::path& file) {
  const Result<Image> picture = load_image(file, image_type_of(file));
  return picture ? qimage_of(*picture) : QImage();
}

// The handle that resizes a selected overlay: inside its lower right corner.
QRect size_grip(const QRect& box) {
  return QRect(box.right() - kHandle + 1, box.bottom() - kHandle + 1, kHandle, kHandle);
}

void paint_handle(QPainter& painter, const QRect& handle) {
  painter.fillRect(handle, Qt::white);
  painter.setPen(QPen(Qt::black, 0));
  painter.drawRect(handle.adjusted(0, 0, -1, -1));
}

}  // namespace

PictureCanvas::PictureCanvas(std::filesystem::path decorations, ScreenRatio screen_ratio,
                             QWidget* parent)
    : QWidget(parent), decorations_(std::move(decorations)), screen_ratio_(screen_ratio) {
  setMinimumSize(kEditingAreaWidth, kEditingAreaHeight);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

bool PictureCanvas::load(const PhotoItem& photo) {
  undo_.clear();
  redo_.clear();
  const bool shown =
      show(photo.source_path, photo.edits,
           {photo.brightness, photo.contrast, photo.soften_times, photo.sharpen_times});
  emit loaded();
  return shown;
}

bool PictureCanvas::show(const std::filesystem::path& source, std::span<const EditItem> edits,
                         const PictureAdjustments& adjustments) {
  if (!open(source)) return false;
  // Texts and decorations placed after the picture's last own change can still be
  // moved; earlier ones were placed on a picture that has changed since.
  const auto last_change = std::find_if(edits.rbegin(), edits.rend(),
                                        [](const EditItem& edit) { return !is_overlay(edit); });
  const auto movable = last_change.base();
  for (auto edit = edits.begin(); edit != movable; ++edit) {
    if (apply_photo_edit(picture_, *edit, 1.0, decorations_)) edits_.push_back(*edit);
  }
  for (auto edit = movable; edit != edits.end(); ++edit) {
    if (const TextOverlay* text = std::get_if<TextOverlay>(&*edit)) {
      overlays_.emplace_back(*text);
    } else {
      const PictureOverlay& decoration = std::get<PictureOverlay>(*edit);
      const std::optional<std::filesystem::path> file =
          find_decoration(decoration.image_name, decorations_);
      overlays_.emplace_back(decoration, file ? decoration_picture(*file) : QImage());
    }
  }
  adjustments_ = adjustments;
  picture_changed();
  reset_frame();
  return true;
}

bool PictureCanvas::load_unedited(const std::filesystem::path& source) {
  State before = state();
  const bool shown = open(source);
  if (shown) remember(std::move(before), Change::kOther);
  emit loaded();
  return shown;
}

void PictureCanvas::remember(State before, Change change) {
  redo_.clear();
  undo_.push_back(std::move(before));
  last_change_ = change;
}

void PictureCanvas::remember(Change change) {
  if (change != Change::kOther && change == last_change_) {
    redo_.clear();
    return;
  }
  remember(state(), change);
}

void PictureCanvas::undo() {
  restore(undo_, redo_);
}

void PictureCanvas::redo() {
  restore(redo_, undo_);
}

void PictureCanvas::restore(std::vector<State>& from, std::vector<State>& to) {
  if (from.empty()) return;
  to.push_back(state());
  const State target = std::move(from.back());
  from.pop_back();
  show(source_, target.records, target.adjustments);
  last_change_ = Change::kOther;
  // The pages show the adjustments and the selection as they are now.
  emit loaded();
  emit selection_changed();
  emit edited();
}

bool PictureCanvas::open(const std::filesystem::path& source) {
  source_ = source;
  edits_.clear();
  overlays_.clear();
  adjustments_ = {};
  selected_ = -1;
  drag_ = Drag::kNone;
  Result<Image> picture =
      load_image_within(source, image_type_of(source), kEditingAreaWidth, kEditingAreaHeight);
  // The prepared picture shows translucent parts over black; so does the canvas.
  const bool shown = picture && picture->expand_to_colour() && picture->lay_over(rgb(0, 0, 0));
  picture_ = shown ? std::move(*picture) : Image();
  scale_ = shown ? editing_scale(picture_.origin().full_width, picture_.origin().full_height) : 1.0;
  picture_changed();
  reset_frame();
  emit selection_changed();
  return shown;
}

QSize PictureCanvas::picture_size() const {
  return QSize(picture_.width(), picture_.height());
}

bool PictureCanvas::apply(EditItem record) {
  State before = state();
  if (!has_picture() || !apply_photo_edit(picture_, record, 1.0, decorations_)) return false;
  remember(std::move(before), Change::kOther);
  edits_.push_back(std::move(record));
  picture_changed();
  reset_frame();
  emit edited();
  return true;
}

void PictureCanvas::rotate_half_turn() {
  apply(EditItem(std::in_place_type<Rotate180>));
}

void PictureCanvas::turn_upside_down() {
  apply(EditItem(std::in_place_type<FlipHorizontally>));
}

void PictureCanvas::mirror_left_right() {
  apply(EditItem(std::in_place_type<FlipVertically>));
}

void PictureCanvas::crop_to_frame() {
  const CropArea area = frame_.area();
  if (!apply(EditItem(std::in_place_type<CropArea>, area))) return;
  // The overlays stay where they were on the picture.
  for (CanvasOverlay& overlay : overlays_)
    overlay.move_by(QPoint(-area.left, -area.top));
  update();
}

void PictureCanvas::set_circle(bool circle) {
  circle_ = circle;
  update();
}

void PictureCanvas::set_screen_ratio_kept(bool kept) {
  ratio_kept_ = kept;
  if (kept) frame_.fit_to(screen_ratio_);
  update();
}

void PictureCanvas::reset_frame() {
  frame_.reset(picture_.width(), picture_.height());
  if (ratio_kept_) frame_.fit_to(screen_ratio_);
  update();
}

void PictureCanvas::picture_changed() {
  Image adjusted = picture_;
  shown_ = adjusted.is_valid() && adjust_picture(adjusted, adjustments_) ? qimage_of(adjusted)
                                                                         : qimage_of(picture_);
  update();
}

void PictureCanvas::add_text() {
  TextOverlay text;
  text.text = tr(kNewText).toStdString();
  text.set_font_name("Arial");
  text.font_height = TextOverlay::kDefaultFontHeight;
  text.font_weight = TextOverlay::kDefaultFontWeight;
  add_overlay(CanvasOverlay(std::move(text)));
}

void PictureCanvas::add_decoration(const std::filesystem::path& file) {
  QImage picture = decoration_picture(file);
  if (picture.isNull()) return;
  add_overlay(CanvasOverlay(
      PictureOverlay{file.filename().string(), 0, 0, kDecorationSize, kDecorationSize},
      std::move(picture)));
}

void PictureCanvas::add_overlay(CanvasOverlay overlay) {
  if (!has_picture()) return;
  // New overlays come in at the middle of the picture.
  const QRect box = overlay.box();
  overlay.move_to(
      QPoint((picture_.width() - box.width()) / 2, (picture_.height() - box.height()) / 2));
  remember(Change::kOther);
  overlays_.push_back(std::move(overlay));
  select(static_cast<int>(overlays_.size()) - 1);
  emit edited();
}

void PictureCanvas::remove_selected() {
  if (selected_ < 0) return;
  remember(Change::kOther);
  overlays_.erase(overlays_.begin() + selected_);
  selected_ = -1;
  update();
  emit selection_changed();
  emit edited();
}

const TextOverlay* PictureCanvas::selected_text() const {
  return selected_ < 0 ? nullptr : overlays_[static_cast<std::size_t>(selected_)].text();
}

void PictureCanvas::change_selected_text(const TextOverlay& text) {
  if (selected_text() == nullptr) return;
  remember(Change::kText);
  overlays_[static_cast<std::size_t>(selected_)].set_text(text);
  update();
  emit edited();
}

void PictureCanvas::set_adjustments(const PictureAdjustments& adjustments) {
  if (adjustments == adjustments_) return;
  if (has_picture()) remember(Change::kAdjust);
  adjustments_ = adjustments;
  picture_changed();
  if (has_picture()) emit edited();
}

std::vector<EditItem> PictureCanvas::edit_records() const {
  std::vector<EditItem> records = edits_;
  for (const CanvasOverlay& overlay : overlays_)
    records.push_back(overlay.record());
  return records;
}

void PictureCanvas::select(int index) {
  if (index == selected_) return;
  selected_ = index;
  update();
  emit selection_changed();
}

double PictureCanvas::view() const {
  if (!has_picture()) return 1.0;
  const double in_area = std::min({1.0, static_cast<double>(kEditingAreaWidth) / picture_.width(),
                                   static_cast<double>(kEditingAreaHeight) / picture_.height()});
  // A canvas larger than the editing area shows all of it larger.
  const double enlarged =
      std::max(1.0, std::min(static_cast<double>(width()) / kEditingAreaWidth,
                             static_cast<double>(height()) / kEditingAreaHeight));
  return in_area * enlarged;
}

QPoint PictureCanvas::origin() const {
  const double shown = view();
  return QPoint((width() - static_cast<int>(picture_.width() * shown)) / 2,
                (height() - static_cast<int>(picture_.height() * shown)) / 2);
}

QPoint PictureCanvas::canvas_point(QPointF widget_point) const {
  const QPointF point = (widget_point - QPointF(origin())) / view();
  return QPoint(static_cast<int>(std::floor(point.x())), static_cast<int>(std::floor(point.y())));
}

void PictureCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (!has_picture()) return;
  painter.translate(origin());
  painter.scale(view(), view());
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QPoint(0, 0), shown_);
  painter.setClipRect(QRect(QPoint(0, 0), picture_size()));
  painter.setRenderHint(QPainter::Antialiasing);
  for (const CanvasOverlay& overlay : overlays_)
    overlay.paint(painter);
  painter.setRenderHint(QPainter::Antialiasing, false);
  if (selected_ >= 0) {
    const QRect box = overlays_[static_cast<std::size_t>(selected_)].box();
    painter.setPen(QPen(Qt::white, 0, Qt::DotLine));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    paint_handle(painter, size_grip(box));
  }
  paint_frame(painter);
}

void PictureCanvas::paint_frame(QPainter& painter) const {
  const CropArea& area = frame_.area();
  const QRect frame(area.left, area.top, frame_.width(), frame_.height());
  const QRect outline = frame.adjusted(0, 0, -1, -1);
  painter.setBrush(Qt::NoBrush);
  for (const QPen& pen : {QPen(Qt::black, 0), QPen(Qt::white, 0, Qt::DashLine)}) {
    painter.setPen(pen);
    if (circle_)
      painter.drawEllipse(outline);
    else
      painter.drawRect(outline);
  }
  for (const QPoint& corner : {frame.topLeft(), frame.topRight() - QPoint(kHandle - 1, 0),
                               frame.bottomRight() - QPoint(kHandle - 1, kHandle - 1),
                               frame.bottomLeft() - QPoint(0, kHandle - 1)})
    paint_handle(painter, QRect(corner, QSize(kHandle, kHandle)));
}

void PictureCanvas::mousePressEvent(QMouseEvent* event) {
  drag_ = Drag::kNone;
  // Each drag is a change of its own.
  last_change_ = Change::kOther;
  if (!has_picture() || event->button() != Qt::LeftButton) return;
  const QPoint point = canvas_point(event->position());
  last_ = point;
  for (int index = static_cast<int>(overlays_.size()) - 1; index >= 0; --index) {
    const QRect box = overlays_[static_cast<std::size_t>(index)].box();
    if (!box.contains(point)) continue;
    select(index);
    drag_ = size_grip(box).contains(point) ? Drag::kOverlaySize : Drag::kOverlay;
    return;
  }
  select(-1);
  corner_ = frame_.handle_at(point.x(), point.y());
  if (corner_)
    drag_ = Drag::kCorner;
  else if (frame_.contains(point.x(), point.y()))
    drag_ = Drag::kFrame;
}

void PictureCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (drag_ == Drag::kNone) return;
  const QPoint point = canvas_point(event->position());
  const QPoint step = point - last_;
  last_ = point;
  switch (drag_) {
    case Drag::kFrame:
      frame_.move_by(step.x(), step.y());
      break;
    case Drag::kCorner:
      frame_.drag_corner(*corner_, point.x(), point.y(),
                         ratio_kept_ ? std::optional(screen_ratio_) : std::nullopt);
      break;
    case Drag::kOverlay: {
      CanvasOverlay& overlay = overlays_[static_cast<std::size_t>(selected_)];
      // Part of the overlay stays on the picture, where it can be taken again.
      if (!QRect(QPoint(0, 0), picture_size()).intersects(overlay.box().translated(step))) break;
      remember(Change::kDrag);
      overlay.move_by(step);
      emit edited();
      break;
    }
    case Drag::kOverlaySize: {
      CanvasOverlay& overlay = overlays_[static_cast<std::size_t>(selected_)];
      const QRect box = overlay.box();
      const QSize size(point.x() - box.left() + 1, point.y() - box.top() + 1);
      if (size.width() < kHandle || size.height() < kHandle) break;
      remember(Change::kDrag);
      overlay.resize_to(size);
      emit edited();
      break;
    }
    case Drag::kNone:
      break;
  }
  update();
}

void PictureCanvas::mouseReleaseEvent(QMouseEvent*) {
  drag_ = Drag::kNone;
}

}  // namespace pictavo

#include "ui/widgets/capacity_view.h"

#include <QPainter>
#include <algorithm>

#include "ui/common/engine_text.h"
#include "ui/common/theme.h"

namespace pictavo {
namespace {

// QPainter counts angles in sixteenths of a degree, counter-clockwise from 3 o'clock.
int sixteenths(double share) {
  return static_cast<int>(share * 360 * 16);
}

}  // namespace

CapacityView::CapacityView(QWidget* parent) : QWidget(parent) {
  setMinimumSize(240, 64);
}

void CapacityView::set_path(const std::filesystem::path& path) {
  total_bytes_ = free_bytes_ = 0;
  if (!path.empty()) {
    if (const std::optional<DriveSpace> space = query_(path)) {
      total_bytes_ = space->total_bytes;
      free_bytes_ = std::min(space->free_bytes, space->total_bytes);
    }
  }
  update();
}

void CapacityView::paintEvent(QPaintEvent*) {
  if (!has_drive()) return;
  QPainter painter(this);
  const QRect area = rect();
  painter.fillRect(area.adjusted(1, 1, -1, -1),
                   themed(palette(), QColor(230, 230, 230), QPalette::Button));

  // The shares are taken in whole megabytes.
  const double total_mb = static_cast<double>(total_bytes_ >> 20);
  const double used_share =
      total_mb > 0 ? static_cast<double>((total_bytes_ - free_bytes_) >> 20) / total_mb : 0;
  const double free_share = total_mb > 0 ? static_cast<double>(free_bytes_ >> 20) / total_mb : 0;
  const int cx = area.left() + area.width() / 4;
  const int cy = area.top() + area.height() / 2;
  const int r = std::min(area.height(), area.width() / 2) / 2;
  const QRect circle(cx - r, cy - r, 2 * r, 2 * r);
  painter.setRenderHint(QPainter::Antialiasing);
  const int used_span = sixteenths(used_share);
  for (const auto& [colour, start, span] :
       {std::tuple{QColor(kUsedColour), 0, used_span},
        std::tuple{QColor(kFreeColour), used_span, sixteenths(free_share)}}) {
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawPie(circle, start, span);
  }

  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(14);
  painter.setFont(font);
  painter.setPen(themed(palette(), Qt::black, QPalette::ButtonText));
  const QRect text_area = area.adjusted(5, 0, -5, 0);
  const int x0 = text_area.left() + text_area.width() / 2;
  const CapacityTexts lines = texts();
  const int line_height = QFontMetrics(font).height();
  const auto draw_line = [&](int x, int y, const UserText& text) {
    painter.drawText(QRect(x, y, text_area.right() - x, line_height), Qt::AlignLeft | Qt::AlignTop,
                     engine_text(text));
  };
  draw_line(x0, area.top() + 5, lines.capacity);
  painter.fillRect(x0, area.top() + 24, 8, 13, QColor(kUsedColour));
  draw_line(x0 + 10, area.top() + 24, lines.used);
  painter.fillRect(x0, area.top() + 43, 8, 13, QColor(kFreeColour));
  draw_line(x0 + 10, area.top() + 43, lines.free);
}

}  // namespace pictavo

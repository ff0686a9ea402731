#pragma once

#include <QWidget>
#include <cstdint>
#include <filesystem>

#include "device/capacity_texts.h"
#include "video/drive_space.h"

namespace pictavo {

// A drive's capacity as a pie of used and free space with three lines of text
// ("Capacity: ...", "Used: ...", "Free: ..."); empty while it has no path or the
// drive reports no size.
class CapacityView : public QWidget {
  Q_OBJECT

 public:
  explicit CapacityView(QWidget* parent = nullptr);

  // Points the view at the drive holding `path` (empty: none) and redraws it.
  void set_path(const std::filesystem::path& path);
  void set_drive_space_query(DriveSpaceQuery query) { query_ = std::move(query); }

  bool has_drive() const { return total_bytes_ > 0; }
  CapacityTexts texts() const { return capacity_texts(total_bytes_, free_bytes_); }

  static constexpr QRgb kUsedColour = qRgb(66, 66, 255);
  static constexpr QRgb kFreeColour = qRgb(255, 20, 255);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  DriveSpaceQuery query_ = query_drive_space;
  std::uint64_t total_bytes_ = 0;
  std::uint64_t free_bytes_ = 0;
};

}  // namespace pictavo

#include "model/photo_caption.h"

#include <array>
#include <filesystem>

#include "base/calendar_date.h"
#include "model/photo_item.h"

namespace pictavo {
namespace {

constexpr std::array<std::string_view, 4> kWords{"none", "name", "date", "both"};

}  // namespace

std::string photo_caption(const PhotoItem& photo, AutoCaption automatic) {
  if (!photo.caption.empty()) return photo.caption;
  const bool name = automatic == AutoCaption::kFileName || automatic == AutoCaption::kNameAndDate;
  const bool date = automatic == AutoCaption::kDateTaken || automatic == AutoCaption::kNameAndDate;
  std::string caption = name ? std::filesystem::path(photo.file_name).stem().string() : "";
  if (date && photo.date_taken) {
    const std::string day = long_date_text(*photo.date_taken);
    caption += caption.empty() || day.empty() ? day : " \u2013 " + day;
  }
  return caption;
}

std::string_view auto_caption_word(AutoCaption automatic) {
  return kWords[static_cast<std::size_t>(automatic)];
}

std::optional<AutoCaption> auto_caption_from_word(std::string_view word) {
  for (std::size_t i = 0; i < kWords.size(); ++i) {
    if (kWords[i] == word) return static_cast<AutoCaption>(i);
  }
  return std::nullopt;
}

}  // namespace pictavo

#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace pictavo {

// Which photos of a strip are selected, and the range the mouse is marking. A
// range runs from its anchor to its end, both photo positions; positions past the
// photos select nothing, and every query outside the photos answers "not
// selected".
class PhotoSelection {
 public:
  // `count` photos, none selected.
  void reset(std::size_t count);
  bool contains(int photo) const;
  // The selected photos, ascending.
  std::vector<int> photos() const;
  // Exactly these photos.
  void set(std::span<const int> photos);
  void select_all();
  void clear();

  // A press at `photo` starts a range there. With `keep` (Ctrl) what was selected
  // stays; with `from_first` (Shift) the range runs from the first selected photo
  // and only it is selected.
  void begin_range(int photo, bool keep, bool from_first);
  // The range now ends at `end`.
  void extend_range(int end);
  int range_end() const { return end_; }

 private:
  void mark_range();

  std::vector<bool> selected_;
  // What stays selected while a range is marked: the photos chosen before a
  // Ctrl-press, none otherwise.
  std::vector<bool> kept_;
  int anchor_ = -1;
  int end_ = -1;
};

}  // namespace pictavo

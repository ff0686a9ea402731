#pragma once

#include <unordered_map>

namespace pictavo {

// A window's controls by the command ids they carry out, kept as they are made.
// The window owns the controls; the map only finds them again.
template <typename Control>
class ControlMap {
 public:
  // Keeps `control` under `id` and gives it back, for use in the line that made it.
  Control* add(int id, Control* control) {
    controls_[id] = control;
    return control;
  }
  // The control kept under `id`; null for none.
  Control* at(int id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
  }

 private:
  std::unordered_map<int, Control*> controls_;
};

}  // namespace pictavo

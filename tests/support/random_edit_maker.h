#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "edit/edit_command.h"

namespace pictavo {

class EditHistory;
class Project;
class Slideshow;

namespace test {

// Seeded edits of every kind on random slideshows and photos of a project, for
// tests that run long sequences of them.
class RandomEditMaker {
 public:
  using PhotoFile = std::function<std::filesystem::path(const std::string& name)>;
  using MusicFile = std::function<std::filesystem::path(const std::string& name, int seconds)>;

  // `history` (may be null) keeps edited pictures that a rotation must not reuse.
  RandomEditMaker(Project& project, PhotoFile photo, MusicFile music, unsigned seed,
                  const EditHistory* history = nullptr);

  std::unique_ptr<EditCommand> next();
  // 0 to count - 1.
  int pick(int count);

 private:
  std::vector<int> some_photos(const Slideshow& slideshow);
  std::vector<std::filesystem::path> new_photos(int count);

  Project& project_;
  PhotoFile photo_;
  MusicFile music_;
  const EditHistory* history_;
  std::mt19937 random_;
  int next_file_ = 0;
};

}  // namespace test
}  // namespace pictavo

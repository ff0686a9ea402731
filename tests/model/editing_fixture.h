#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "model/project.h"
#include "model/project_observer.h"
#include "model/prompt.h"
#include "support/temp_program_folder.h"

namespace pictavo::test {

// Keeps every message shown and answers with the cautious answer.
class RecordingPrompt final : public Prompt {
 public:
  PromptAnswer show(const PromptMessage& message) override;
  std::vector<PromptMessage> shown;
};

class RecordingObserver final : public ProjectObserver {
 public:
  void project_changed(const ProjectChange& change) override { notices.push_back(change.kind); }
  std::vector<ProjectChange::Kind> notices;
};

// A project after start-up in a temporary program folder with the PSP profiles,
// the test audio converter (a file's length is the number written in it) and a
// default music track of 25 seconds; messages and notices are recorded.
class EditingTest : public ::testing::Test {
 protected:
  EditingTest();

  // A small decodable picture under `name` in the test's photo folder.
  std::filesystem::path photo(std::string_view name) const;
  // A music file of `seconds` seconds (0: not music) in the test's photo folder.
  std::filesystem::path music(std::string_view name, int seconds) const;
  // The first slideshow, made with `count` photos named p0.png, p1.png, ...
  Slideshow& slideshow_with_photos(int count);

  TempProgramFolder home;
  TempFolder files;
  RecordingPrompt prompt;
  RecordingObserver observer;
  std::unique_ptr<Project> project;
};

}  // namespace pictavo::test

#pragma once

#include <filesystem>
#include <string_view>

namespace pictavo::test {

// A fresh program folder under the system's temporary folder, named by
// PICTAVO_HOME while the object lives and removed with everything in it after.
class TempProgramFolder {
 public:
  TempProgramFolder();
  ~TempProgramFolder();
  TempProgramFolder(const TempProgramFolder&) = delete;
  TempProgramFolder& operator=(const TempProgramFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Copies a file or folder of the built program folder (build/app) into this one,
  // for example "profile" or "libZorvEncoder.so".
  void install(std::string_view relative) const;
  // Copies any file into this folder under `relative`, for example a test module
  // as "libxToMp2.so".
  void install_file(const std::filesystem::path& from, std::string_view relative) const;

 private:
  std::filesystem::path path_;
};

// The built program folder the test copies from, and the checked-in test inputs.
std::filesystem::path built_program_folder();
std::filesystem::path test_data_folder();

// A fresh empty folder for a test's own files, removed with everything in it after.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace pictavo::test

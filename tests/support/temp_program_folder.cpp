#include "support/temp_program_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <system_error>

namespace pictavo::test {
namespace {

std::filesystem::path make_temp_folder(std::string_view prefix) {
  std::string pattern =
      (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    ADD_FAILURE() << "cannot create a temporary folder from " << pattern;
  }
  return pattern;
}

}  // namespace

std::filesystem::path built_program_folder() {
  return PICTAVO_TEST_APP_DIR;
}
std::filesystem::path test_data_folder() {
  return PICTAVO_TEST_DATA_DIR;
}

TempProgramFolder::TempProgramFolder() : path_(make_temp_folder("pictavo-home")) {
  ::setenv("PICTAVO_HOME", path_.c_str(), 1);
}

TempProgramFolder::~TempProgramFolder() {
  ::unsetenv("PICTAVO_HOME");
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void TempProgramFolder::install(std::string_view relative) const {
  install_file(built_program_folder() / relative, relative);
}

void TempProgramFolder::install_file(const std::filesystem::path& from,
                                     std::string_view relative) const {
  const std::filesystem::path to = path_ / relative;
  std::error_code error;
  std::filesystem::create_directories(to.parent_path(), error);
  std::filesystem::copy(
      from, to,
      std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing,
      error);
  ASSERT_FALSE(error) << "cannot install " << from << ": " << error.message();
}

TempFolder::TempFolder() : path_(make_temp_folder("pictavo-test")) {}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace pictavo::test

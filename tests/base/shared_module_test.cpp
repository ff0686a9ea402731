#include "base/shared_module.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "support/temp_program_folder.h"
#include "support/test_modules.h"

namespace pictavo {
namespace {

using ::testing::HasSubstr;

TEST(SharedModule, LoadsAFileAndFindsItsEntriesByName) {
  Result<SharedModule> module = SharedModule::load(test::fake_audio_converter_module());
  ASSERT_TRUE(module) << module.reason();
  EXPECT_NE(module->entry<int(const char*)>("GetFileTimeLength"), nullptr);
  EXPECT_EQ(module->entry<int()>("xToMp2_missing"), nullptr);

  SharedModule moved = std::move(*module);
  EXPECT_NE(moved.entry<int(const char*)>("GetFileTimeLength"), nullptr);
}

TEST(SharedModule, AFileThatIsNoModuleGivesNothingAndTheReason) {
  test::TempFolder folder;
  std::ofstream(folder / "libfake.so") << "not a shared object";
  EXPECT_THAT(SharedModule::load(folder / "libfake.so").reason(), HasSubstr("libfake.so"));
  EXPECT_THAT(SharedModule::load(folder / "missing.so").reason(), HasSubstr("missing.so"));
}

TEST(SharedModule, ABareNameIsNeverLookedUpOnTheLibraryPath) {
  // libm is on every library path; without a folder it must not be found there.
  EXPECT_FALSE(SharedModule::load("libm.so.6"));
}

}  // namespace
}  // namespace pictavo

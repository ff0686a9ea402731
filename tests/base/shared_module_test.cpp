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
  std::string error = "stale";
  std::optional<SharedModule> module =
      SharedModule::load(test::fake_audio_converter_module(), error);
  ASSERT_TRUE(module) << error;
  EXPECT_EQ(error, "");
  EXPECT_NE(module->entry<int(const char*)>("GetFileTimeLength"), nullptr);
  EXPECT_EQ(module->entry<int()>("xToMp2_missing"), nullptr);

  SharedModule moved = std::move(*module);
  EXPECT_NE(moved.entry<int(const char*)>("GetFileTimeLength"), nullptr);
}

TEST(SharedModule, AFileThatIsNoModuleGivesNothingAndTheReason) {
  test::TempFolder folder;
  std::ofstream(folder / "libfake.so") << "not a shared object";
  std::string error;
  EXPECT_FALSE(SharedModule::load(folder / "libfake.so", error));
  EXPECT_THAT(error, HasSubstr("libfake.so"));

  EXPECT_FALSE(SharedModule::load(folder / "missing.so", error));
  EXPECT_THAT(error, HasSubstr("missing.so"));
}

TEST(SharedModule, ABareNameIsNeverLookedUpOnTheLibraryPath) {
  std::string error;
  // libm is on every library path; without a folder it must not be found there.
  EXPECT_FALSE(SharedModule::load("libm.so.6", error));
}

}  // namespace
}  // namespace pictavo

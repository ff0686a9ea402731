#include "model/preferences.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/country_table.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

TEST(Preferences, DataComesFromTheProgramFolderAndFilesGoToTheWritableOne) {
  test::TempFolder folder;
  fs::create_directory(folder / "user");
  fs::create_directory(folder / "user" / "Project_4");
  Preferences preferences;
  preferences.start_count = 9;
  preferences.project_path = "/kept/project3.prg";
  preferences.aspect_ratio = 1;
  preferences.set_program_folder("/opt/pictavo/", folder / "user");

  EXPECT_EQ(preferences.start_count, 0);
  EXPECT_EQ(preferences.program_folder, "/opt/pictavo");
  EXPECT_EQ(preferences.writable_folder, folder / "user");
  EXPECT_EQ(preferences.working_folder, folder / "user" / "Project_5");
  EXPECT_EQ(preferences.preferences_path, folder / "user" / "referenceFile.xml");
  EXPECT_EQ(preferences.log_path, folder / "user" / "log.txt");
  EXPECT_EQ(preferences.ntsc_menu_background, "/opt/pictavo/menu_pic/ntsc_menu_background.jpg");
  EXPECT_EQ(preferences.pal_menu_background, "/opt/pictavo/menu_pic/pal_menu_background.jpg");
  EXPECT_EQ(preferences.default_music, "/opt/pictavo/menu_pic/default.mp3");
  EXPECT_EQ(preferences.ntsc_background, "/opt/pictavo/menu_pic/NTSC_BG.png");
  EXPECT_EQ(preferences.pal_background, "/opt/pictavo/menu_pic/PAL_BG.png");
  EXPECT_EQ(preferences.silent_audio, "/opt/pictavo/menu_pic/silent.mp2");
  EXPECT_EQ(preferences.default_image, "/opt/pictavo/res/defaultImage.bmp");
  EXPECT_EQ(preferences.fd_search_path, "/opt/pictavo");
  // The project file and the stored choices are not the folder's business.
  EXPECT_EQ(preferences.project_path, "/kept/project3.prg");
  EXPECT_EQ(preferences.aspect_ratio, 1);
}

TEST(CountryTable, HoldsTheStoredNamesWithTheirTvSystems) {
  const auto all = countries();
  ASSERT_EQ(all.size(), 89u);
  EXPECT_EQ(all.front().name, "Algeria");
  EXPECT_EQ(all.back().name, "Zran");
  int ntsc = 0;
  for (const Country& country : all)
    ntsc += country.tv_system == 0 ? 1 : 0;
  EXPECT_EQ(ntsc, 18);
  EXPECT_EQ(country_at(80)->name, "U.S.A");
  EXPECT_EQ(country_at(80)->tv_system, 0);
  EXPECT_EQ(country_at(74)->name, "TaiWan,");
  EXPECT_EQ(country_at(74)->tv_system, 0);
  EXPECT_EQ(country_at(71)->name, "Swaden,");
  EXPECT_EQ(country_at(71)->tv_system, 1);
  EXPECT_EQ(country_at(36)->name, "Japan");
  EXPECT_EQ(country_at(36)->tv_system, 0);
  EXPECT_FALSE(country_at(-1));
  EXPECT_FALSE(country_at(89));
}

}  // namespace
}  // namespace pictavo

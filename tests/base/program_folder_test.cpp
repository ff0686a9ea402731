#include "model/program_folder.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "model/country_table.h"
#include "model/preferences.h"
#include "support/scoped_environment.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnvironment;

TEST(ProgramFolder, ComesFromPictavoHome) {
  test::TempProgramFolder home;
  EXPECT_EQ(program_folder(), home.path());
}

TEST(UserDataFolder, FollowsTheXdgRules) {
  const ScopedEnvironment home("HOME", "/home/ann");
  {
    const ScopedEnvironment data("XDG_DATA_HOME", "/data/ann");
    EXPECT_EQ(user_data_folder(), "/data/ann/pictavo");
  }
  {
    const ScopedEnvironment data("XDG_DATA_HOME", "relative/ignored");
    EXPECT_EQ(user_data_folder(), "/home/ann/.local/share/pictavo");
  }
  const ScopedEnvironment data("XDG_DATA_HOME", nullptr);
  EXPECT_EQ(user_data_folder(), "/home/ann/.local/share/pictavo");
  const ScopedEnvironment no_home("HOME", nullptr);
  EXPECT_EQ(user_data_folder(), fs::path());
}

// Runs `check` in a child process that cannot write to folders it does not own:
// the superuser's child gives up its rights first. True when the check held.
bool holds_without_superuser_rights(bool (*check)(const fs::path&), const fs::path& folder) {
  const pid_t child = ::fork();
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
      ::_exit(2);
    }
    ::_exit(check(folder) ? 0 : 1);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

TEST(WritableFolder, IsTheProgramFolderUnlessThatRefusesWriting) {
  test::TempFolder folder;
  const ScopedEnvironment data("XDG_DATA_HOME", (folder / "user").c_str());
  const fs::path program = folder / "app";
  fs::create_directory(program);
  EXPECT_EQ(writable_folder_for(program), program);
  EXPECT_EQ(writable_folder_for(folder / "missing"), folder / "missing");
  EXPECT_FALSE(fs::exists(folder / "user"));

  // A read-only program folder sends the files to the user's folder, made for them.
  fs::permissions(folder.path(), fs::perms::all);
  fs::permissions(program, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                               fs::perms::others_exec);
  EXPECT_TRUE(holds_without_superuser_rights(
      [](const fs::path& base) {
        return writable_folder_for(base / "app") == base / "user" / "pictavo" &&
               fs::is_directory(base / "user" / "pictavo");
      },
      folder.path()));
}

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

#include "base/program_folder.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

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

}  // namespace
}  // namespace pictavo

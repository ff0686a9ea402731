#include "device/removable_drives.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "device/mount_table.h"
#include "support/files.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> parsed(std::string_view text) {
  std::vector<std::string> mounts;
  for (const MountEntry& mount : parse_mount_table(text)) {
    mounts.push_back(std::to_string(mount.major_number) + ":" + std::to_string(mount.minor_number) +
                     " [" + mount.root + "] [" + mount.mount_point.string() + "] " + mount.type +
                     " [" + mount.source + "]");
  }
  return mounts;
}

TEST(MountTableTest, ReadsEachMountWithItsEscapesUndoneAndLeavesOutBrokenLines) {
  const std::string text =
      "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw,errors=remount-ro\n"
      "40 22 8:17 / /media/me/PSP\\040Drive\\011\\134 rw,nosuid shared:7 master:2 - vfat "
      "/dev/sdb1 rw,fmask=0022\n"
      "41 22 8:17 /MP_ROOT /home/me/videos rw - vfat /dev/sdb1 rw\n"
      "42 22 0:45 / /mnt/a\\400\\9\\ rw - tmpfs my\\040tmp rw\n"
      "\n"
      "garbage\n"
      "43 22 8:33 / /media/me/CUT rw,relatime shared:9\n"
      "44 22 8:33 / /media/me/CUT rw,relatime - vfat\n"
      "45 22 8:x / /media/me/CUT rw - vfat /dev/sdc1 rw\n"
      "46 22 -8:33 / /media/me/CUT rw - vfat /dev/sdc1 rw\n"
      "47 22 833 / /media/me/CUT rw - vfat /dev/sdc1 rw\n"
      "48 22 8:49 / /media/me/LAST rw - exfat /dev/sdd1 rw";
  EXPECT_EQ(parsed(text), (std::vector<std::string>{
                              "8:2 [/] [/] ext4 [/dev/sda2]",
                              "8:17 [/] [/media/me/PSP Drive\t\\] vfat [/dev/sdb1]",
                              "8:17 [/MP_ROOT] [/home/me/videos] vfat [/dev/sdb1]",
                              "0:45 [/] [/mnt/a\\400\\9\\] tmpfs [my tmp]",
                              "8:49 [/] [/media/me/LAST] exfat [/dev/sdd1]",
                          }));
  EXPECT_TRUE(parse_mount_table("").empty());
}

// A path as mountinfo writes it.
std::string escaped(const fs::path& path) {
  std::string text;
  for (const char c : path.string()) {
    if (std::string_view(" \t\n\\").find(c) == std::string_view::npos) {
      text += c;
      continue;
    }
    char code[8];
    std::snprintf(code, sizeof code, "\\%03o",
                  static_cast<unsigned>(static_cast<unsigned char>(c)));
    text += code;
  }
  return text;
}

// The drives of a fixture sysfs and udev label folder: an internal disk, a PSP whose
// partition is bound again elsewhere, a card reader and a stick without partitions.
TEST(RemovableDrivesTest, ListsEachRemovableDeviceOnceWhereItIsWholeWithItsLabel) {
  test::TempFolder temp;
  const DriveScanSources sources{.sysfs = temp / "sys", .labels = temp / "by-label"};
  for (const auto& [numbers, device, removable] :
       {std::tuple("8:2", "sda/sda2", "0"), std::tuple("8:17", "sdb/sdb1", "1"),
        std::tuple("8:33", "sdc/sdc1", "1"), std::tuple("8:48", "sdd", "1")}) {
    const fs::path folder = temp / "sys/devices" / device;
    fs::create_directories(folder);
    test::write_file(temp / "sys/devices" / fs::path(device).begin()->string() / "removable",
                     std::string(removable) + "\n");
    fs::create_directories(temp / "sys/dev/block");
    fs::create_directory_symlink(folder, temp / "sys/dev/block" / numbers);
    test::write_file(temp / "dev" / fs::path(device).filename());
  }
  fs::create_directories(temp / "by-label");
  fs::create_symlink(temp / "dev/sdb1", temp / "by-label/PSP\\x20Video\\x2");
  fs::create_symlink(temp / "dev/sda2", temp / "by-label/SYSTEM");
  for (const char* folder :
       {"root", "bound", "again", "media/PSP Drive", "media/CARD", "media/STICK", "media/TMP"})
    fs::create_directories(temp / folder);

  const auto line = [&](const char* id, const char* numbers, const char* root,
                        const char* mount_point, const char* source) {
    return std::string(id) + " 22 " + numbers + " " + root + " " + escaped(temp / mount_point) +
           " rw,nosuid shared:7 - vfat " + escaped(temp / source) + " rw\n";
  };
  const std::string mountinfo = line("22", "8:2", "/", "root", "dev/sda2") +
                                line("40", "8:17", "/MP_ROOT", "bound", "dev/sdb1") +
                                line("41", "8:17", "/", "media/PSP Drive", "dev/sdb1") +
                                line("42", "8:17", "/", "again", "dev/sdb1") +
                                line("43", "8:33", "/", "gone", "dev/sdc1") +
                                line("44", "8:33", "/", "media/CARD", "dev/sdc1") +
                                line("45", "8:48", "/", "media/STICK", "dev/sdd") +
                                line("46", "0:45", "/", "media/TMP", "tmpfs");

  std::vector<std::string> labels;
  for (const RemovableDrive& drive : removable_drives_in(mountinfo, sources))
    labels.push_back(drive.label());
  EXPECT_EQ(labels,
            (std::vector<std::string>{(temp / "media/PSP Drive").string() + " (PSP Video\\x2)",
                                      (temp / "media/CARD").string() + " (CARD)",
                                      (temp / "media/STICK").string() + " (STICK)"}));
}

}  // namespace
}  // namespace pictavo

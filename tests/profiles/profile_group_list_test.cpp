#include "profiles/profile_group_list.h"

#include <gtest/gtest.h>

#include <fstream>

#include "profiles/video_size_table.h"
#include "support/temp_program_folder.h"

namespace pictavo {
namespace {

namespace fs = std::filesystem;

std::string parameter(std::string_view tag, std::string_view value, int index,
                      std::initializer_list<std::string_view> values, int announced = -1) {
  std::string text = "<" + std::string(tag) + " value=\"" + std::string(value) +
                     "\" list_index=\"" + std::to_string(index) + "\" value_list_count=\"" +
                     std::to_string(announced < 0 ? static_cast<int>(values.size()) : announced) +
                     "\">\r\n";
  for (std::string_view v : values)
    text += "<value_list value=\"" + std::string(v) + "\"/>\r\n";
  return text + "</" + std::string(tag) + ">\r\n";
}

std::string profile_text(int list_index, std::string_view desc, std::string_view rate = "29.97") {
  return "<output_profile>\r\n<format format=\"psp\" ext=\"mp4\" desc_s=\"s\" desc_l=\"" +
         std::string(desc) + "\" list_index=\"" + std::to_string(list_index) +
         "\"/>\r\n<parameters>\r\n<video>\r\n" + parameter("codec", "h264", 1, {"mpeg4", "h264"}) +
         parameter("size", "320x240", 0, {"320x240", "480x272"}) +
         parameter("bitrate", "768", 0, {"512", "768"}) +
         parameter("framerate", rate, 0, {"29.97", "25"}) + "</video>\r\n<audio>\r\n" +
         parameter("codec", "aac", 0, {"aac"}) + parameter("bitrate", "128", 0, {"96", "128"}) +
         parameter("samplerate", "48000", 0, {"24000", "48000"}, 4) +
         parameter("channel", "2", 0, {"1", "2"}) +
         "</audio>\r\n</parameters>\r\n</output_profile>\r\n";
}

class ProfileGroupListTest : public ::testing::Test {
 protected:
  fs::path avoutput() const { return home_.path() / "profile" / "avoutput"; }

  void write(const fs::path& relative, std::string_view text) const {
    const fs::path path = avoutput() / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }

  void write_groups(int count, std::initializer_list<std::string_view> folders) const {
    std::string text = "<av_output_profile_group count=\"" + std::to_string(count) + "\">\r\n";
    int id = 0;
    for (std::string_view folder : folders) {
      text += "<group id=\"" + std::to_string(id++) + "\" desc=\"G" + std::string(folder) +
              "\" folder=\"" + std::string(folder) + "\"/>\r\n";
    }
    write("profile_group.xml", text + "</av_output_profile_group>\r\n");
  }

  std::vector<std::string> descriptions(int group) const {
    std::vector<std::string> result;
    for (const OutputProfile& p : list_.groups()[static_cast<std::size_t>(group)].profiles) {
      result.push_back(p.desc_l);
    }
    return result;
  }

  bool load() { return list_.load_profiles(home_.path()); }

  test::TempProgramFolder home_;
  ProfileGroupList list_;
};

TEST_F(ProfileGroupListTest, ReadsEveryFieldOfAProfile) {
  write_groups(1, {"psp"});
  write("psp/a.xml", profile_text(0, "A"));
  ASSERT_TRUE(load());
  ASSERT_EQ(list_.groups().size(), 1u);
  EXPECT_EQ(list_.groups()[0].desc, "Gpsp");
  EXPECT_EQ(list_.groups()[0].folder, avoutput() / "psp");
  const OutputProfile* profile = list_.current_profile();
  ASSERT_NE(profile, nullptr);
  EXPECT_EQ(profile->format, "psp");
  EXPECT_EQ(profile->ext, "mp4");
  EXPECT_EQ(profile->desc_l, "A");
  const ProfileParameter& codec = profile->parameter(ProfileParameterId::kVideoCodec);
  EXPECT_EQ(codec.current, (ProfileValue{1, "h264"}));
  EXPECT_EQ(codec.initial, codec.current);
  EXPECT_EQ(codec.values, (std::vector<ProfileValue>{{0, "mpeg4"}, {1, "h264"}}));
  EXPECT_EQ(profile->value(ProfileParameterId::kVideoFrameRate), "29.97");
  EXPECT_EQ(profile->value(ProfileParameterId::kAudioChannel), "2");
  // Announced four values, two present: the entries found are kept.
  const ProfileParameter& rate = profile->parameter(ProfileParameterId::kSampleRate);
  EXPECT_EQ(rate.value_count, 4);
  EXPECT_EQ(rate.values.size(), 2u);
}

TEST_F(ProfileGroupListTest, OrdersByListIndexAndDropsOutOfRange) {
  write_groups(2, {"one", "two"});
  write("one/a.xml", profile_text(2, "two"));
  write("one/b.xml", profile_text(0, "zero"));
  write("one/c.xml", profile_text(1, "one"));
  write("two/a.xml", profile_text(0, "first zero"));
  write("two/b.xml", profile_text(0, "second zero"));
  write("two/c.xml", profile_text(5, "dropped"));
  ASSERT_TRUE(load());
  EXPECT_EQ(descriptions(0), (std::vector<std::string>{"zero", "one", "two"}));
  EXPECT_EQ(descriptions(1), (std::vector<std::string>{"first zero", "second zero"}));
}

TEST_F(ProfileGroupListTest, ReadsOnlyFilesWhoseLastExtensionIsXml) {
  write_groups(1, {"g"});
  write("g/upper.XML", profile_text(0, "upper"));
  write("g/backup.xml.bak", profile_text(1, "backup"));
  write("g/notes.txt", "not a profile");
  fs::create_directories(avoutput() / "g" / "folder.xml");
  ASSERT_TRUE(load());
  EXPECT_EQ(descriptions(0), (std::vector<std::string>{"upper"}));
}

TEST_F(ProfileGroupListTest, Utf16FileReadsLikeItsEightBitTwin) {
  write_groups(1, {"g"});
  const std::string text = profile_text(0, "wide");
  std::string wide = "\xFF\xFE";
  for (char c : text) {
    wide += c;
    wide += '\0';
  }
  write("g/w.xml", wide);
  ASSERT_TRUE(load());
  EXPECT_EQ(descriptions(0), (std::vector<std::string>{"wide"}));
  EXPECT_EQ(list_.current_profile()->value(ProfileParameterId::kVideoSize), "320x240");
}

TEST_F(ProfileGroupListTest, AMalformedProfileEndsItsGroupAndAllLaterGroups) {
  write_groups(3, {"good", "bad", "later"});
  write("good/a.xml", profile_text(0, "good"));
  write("bad/a.xml", profile_text(0, "fine"));
  write("bad/b.xml", "<output_profile><format list_index=\"1\"/></output_profile>");
  write("later/a.xml", profile_text(0, "later"));
  EXPECT_FALSE(load());
  ASSERT_EQ(list_.groups().size(), 1u);
  EXPECT_EQ(descriptions(0), (std::vector<std::string>{"good"}));
  EXPECT_EQ(list_.shortfall(), "the output profile " + (avoutput() / "bad" / "b.xml").string() +
                                   " cannot be read: its group and the ones after it are left out");
}

TEST_F(ProfileGroupListTest, CountLimitsTheGroupsRead) {
  write_groups(2, {"a", "b", "c"});
  for (const char* g : {"a", "b", "c"})
    write(fs::path(g) / "p.xml", profile_text(0, g));
  ASSERT_TRUE(load());
  EXPECT_EQ(list_.groups().size(), 2u);
  EXPECT_EQ(list_.shortfall(), "");
  // One numbering runs through the groups.
  write("a/q.xml", profile_text(1, "a2"));
  ASSERT_TRUE(load());
  EXPECT_EQ(list_.profile_count(), 3);
  EXPECT_TRUE(list_.choose_profile(2));
  EXPECT_EQ(list_.current_group(), 1);
  EXPECT_EQ(list_.current_profile()->desc_l, "b");
  EXPECT_EQ(list_.current_number(), 2);
  EXPECT_FALSE(list_.choose_profile(3));
  EXPECT_TRUE(list_.choose_profile(1));
  EXPECT_EQ(list_.current_profile()->desc_l, "a2");
  EXPECT_EQ(list_.numbered_profile(2)->desc_l, "b");
  EXPECT_EQ(list_.numbered_profile(-1), nullptr);

  // More announced than held: the groups held are loaded and serve.
  write_groups(5, {"a", "b"});
  EXPECT_FALSE(load());
  EXPECT_EQ(list_.groups().size(), 2u);
  EXPECT_EQ(list_.current_profile()->desc_l, "a");
  EXPECT_EQ(list_.shortfall(), (avoutput() / "profile_group.xml").string() +
                                   " announces 5 profile groups but holds 2");
}

TEST_F(ProfileGroupListTest, MissingOrForeignGroupFileLoadsNothing) {
  EXPECT_FALSE(load());
  EXPECT_EQ(list_.current_profile(), nullptr);
  EXPECT_EQ(list_.shortfall(),
            "no profile group file at " + (avoutput() / "profile_group.xml").string());
  write("profile_group.xml", "<something count=\"1\"><group folder=\"a\"/></something>");
  EXPECT_FALSE(load());
  EXPECT_TRUE(list_.groups().empty());
  EXPECT_EQ(list_.shortfall(),
            "cannot read the output profiles in " + (avoutput() / "profile_group.xml").string());
  write("profile_group.xml", "<av_output_profile_group count=\"1\"><group");
  EXPECT_FALSE(load());
}

TEST_F(ProfileGroupListTest, SelectsProfilesAndParameterValues) {
  write_groups(1, {"g"});
  write("g/a.xml", profile_text(0, "A"));
  write("g/b.xml", profile_text(1, "B", "25"));
  ASSERT_TRUE(load());
  list_.set_current_profile(1);
  EXPECT_EQ(list_.current_profile()->desc_l, "B");
  list_.set_current_profile(2);
  list_.set_current_profile(-1);
  EXPECT_EQ(list_.current_profile()->desc_l, "B");

  OutputProfile& profile = *list_.current_profile();
  profile.set_parameter_text(ProfileParameterId::kVideoBitrate, "512");
  EXPECT_EQ(profile.parameter(ProfileParameterId::kVideoBitrate).current, (ProfileValue{0, "512"}));
  profile.set_parameter_text(ProfileParameterId::kVideoBitrate, "9999");
  EXPECT_EQ(profile.parameter(ProfileParameterId::kVideoBitrate).current, (ProfileValue{1, "768"}));
  profile.set_parameter_index(ProfileParameterId::kVideoCodec, 0);
  EXPECT_EQ(profile.value(ProfileParameterId::kVideoCodec), "mpeg4");
  profile.set_parameter_index(ProfileParameterId::kVideoCodec, 2);
  EXPECT_EQ(profile.value(ProfileParameterId::kVideoCodec), "mpeg4");
  EXPECT_EQ(profile.parameter(ProfileParameterId::kVideoCodec).initial.text, "h264");
}

TEST(ShippedProfiles, PspProfilesFirstThenHdProfilesWithValidSizes) {
  test::TempProgramFolder home;
  home.install("profile");
  ProfileGroupList list;
  ASSERT_TRUE(list.load_profiles(home.path()));
  ASSERT_EQ(list.groups().size(), 2u);
  const std::vector<std::string> psp_sizes{"320x240", "368x208", "480x272"};
  for (const ProfileGroup& group : list.groups()) {
    const bool psp = group.id == 0;
    for (const OutputProfile& profile : group.profiles) {
      EXPECT_EQ(profile.format, psp ? "psp" : "mp4");
      EXPECT_EQ(profile.ext, "mp4");
      for (const ProfileParameter& p : profile.parameters) {
        EXPECT_EQ(static_cast<int>(p.values.size()), p.value_count) << profile.desc_l;
        ASSERT_GE(p.current.index, 0);
        ASSERT_LT(p.current.index, static_cast<int>(p.values.size()));
        EXPECT_EQ(p.values[static_cast<std::size_t>(p.current.index)].text, p.current.text)
            << profile.desc_l;
      }
      for (const ProfileValue& size : profile.parameter(ProfileParameterId::kVideoSize).values) {
        if (psp) {
          EXPECT_NE(std::find(psp_sizes.begin(), psp_sizes.end(), size.text), psp_sizes.end());
        } else {
          EXPECT_NE(find_video_size(size.text), nullptr) << size.text;
        }
      }
    }
  }
  EXPECT_EQ(list.groups()[0].profiles.size(), 5u);
  ASSERT_EQ(list.groups()[1].profiles.size(), 3u);
  EXPECT_EQ(list.groups()[1].profiles[2].value(ProfileParameterId::kVideoSize), "1080x1920");
  EXPECT_EQ(list.profile_count(), 8);
  ASSERT_NE(list.numbered_profile(5), nullptr);
  EXPECT_EQ(list.numbered_profile(5)->value(ProfileParameterId::kVideoSize), "1280x720");
}

}  // namespace
}  // namespace pictavo

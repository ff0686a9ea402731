#include "model/project.h"

#include <gtest/gtest.h>

namespace pictavo {
namespace {

TEST(Project, StartsEmptyWithDefaultsAndItsTemplates) {
  const Project project("/opt/pictavo");
  EXPECT_TRUE(project.slideshows.empty());
  EXPECT_EQ(project.current_slideshow, -1);
  EXPECT_EQ(project.total_frames, 0);
  EXPECT_EQ(project.estimated_mb, 0.0f);
  EXPECT_FALSE(project.list_changed);
  EXPECT_FALSE(project.modified);
  EXPECT_EQ(project.default_setting.tv_system, 0);
  EXPECT_EQ(project.default_setting.effect.transition().type(), TransitionType::kAlpha);
  EXPECT_EQ(project.effect_set.template_at(0)->type(), TransitionType::kRandom);
  EXPECT_EQ(project.effect_set.cover_path(0), "/opt/pictavo/EffectCover/random.jpg");
  EXPECT_TRUE(project.profiles.groups().empty());
  // The preferences know their program folder; the rest waits for the start.
  EXPECT_EQ(project.preferences.program_folder, "/opt/pictavo");
  EXPECT_EQ(project.preferences.start_count, 0);
  EXPECT_EQ(project.preferences.nation_name, "U.S.A");
  EXPECT_TRUE(project.preferences.loop_audio);
  EXPECT_TRUE(project.preferences.random_transition);
  EXPECT_FALSE(project.preferences.random_image_effect);
  EXPECT_EQ(Project::kMaxSlideshows, 50);
}

}  // namespace
}  // namespace pictavo

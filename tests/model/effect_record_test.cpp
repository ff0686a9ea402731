#include "model/effect_record.h"

#include <gtest/gtest.h>

#include "effects/random_generator.h"
#include "model/photo_setting.h"
#include "support/seeded_random.h"

namespace pictavo {
namespace {

TEST(EffectRecord, ANewRecordIsStillWithAnAlphaTransition) {
  test::put_next_draw(32767);
  const EffectRecord record;
  EXPECT_EQ(record.display_seconds, 3);
  EXPECT_EQ(record.transition_seconds, 2);
  EXPECT_EQ(record.category, ImageEffectCategory::kNone);
  EXPECT_EQ(record.image_effect, ImageEffect::kNone);
  EXPECT_EQ(record.transition().type(), TransitionType::kAlpha);
  EXPECT_EQ(record.transition().p1(), 2);
}

TEST(EffectRecord, InitialiseDrawsTheEffectThenTheTransition) {
  const std::uint32_t seed = test::seed_for_first_draw(32767);
  RandomGenerator preview(seed);
  const int values[3] = {preview.next(), preview.next(), preview.next()};

  effect_random().seed(seed);
  EffectRecord record;
  effect_random().seed(seed);
  record.initialise(4, 6, true, ImageEffectCategory::kPan);
  EXPECT_EQ(record.transition_seconds, 4);
  EXPECT_EQ(record.display_seconds, 6);
  EXPECT_EQ(record.category, ImageEffectCategory::kPan);
  EXPECT_EQ(record.image_effect, ImageEffect::kPanDownToUp);  // 32767 folds to 7
  EXPECT_EQ(record.transition().type(), TransitionType::kAlpha);
  // The second value is discarded for the random-transition request.
  EXPECT_EQ(record.transition().p1(), std::min(values[2] / 10920, 2));
}

TEST(EffectRecord, SetWithTemplateResolvesRandomTemplates) {
  effect_random().seed(11);
  EffectRecord record;
  const RandomTransitionParams random;
  record.set_with_template(5, ImageEffectCategory::kPanZoomRotate, random, 1);
  EXPECT_EQ(record.display_seconds, 5);
  EXPECT_EQ(record.transition_seconds, 1);
  EXPECT_EQ(record.category, ImageEffectCategory::kPanZoomRotate);
  EXPECT_LT(static_cast<int>(record.image_effect), 20);
  EXPECT_NE(record.transition().type(), TransitionType::kRandom);

  const SweepParams sweep(TransitionValues{2, 17});
  record.set_with_template(3, ImageEffectCategory::kNone, sweep, 2);
  EXPECT_EQ(record.image_effect, ImageEffect::kNone);
  EXPECT_EQ(record.transition().type(), TransitionType::kSweep);
  EXPECT_EQ(record.transition().values(), sweep.values());
  EXPECT_NE(&record.transition(), static_cast<const TransitionParams*>(&sweep));
}

TEST(EffectRecord, CopyFromDrawsAFreshEffectOfTheSourcesCategory) {
  EffectRecord source;
  source.display_seconds = 7;
  source.transition_seconds = 1;
  source.category = ImageEffectCategory::kPan;
  source.image_effect = ImageEffect::kPanLeftToRight;
  source.set_transition(std::make_unique<DoorParams>(TransitionValues{1, 0}));

  EffectRecord target;
  test::put_next_draw(32767);
  target.copy_from(source);
  EXPECT_EQ(target.display_seconds, 7);
  EXPECT_EQ(target.transition_seconds, 1);
  EXPECT_EQ(target.category, ImageEffectCategory::kPan);
  EXPECT_EQ(target.image_effect, ImageEffect::kPanDownToUp);  // drawn, not copied
  EXPECT_EQ(target.transition().type(), TransitionType::kDoor);
  EXPECT_EQ(target.transition().p1(), 1);
  target.transition().set_values({0, 0});
  EXPECT_EQ(source.transition().p1(), 1);  // never shared

  target.copy_from(target);  // copying a record onto itself keeps it whole
  EXPECT_EQ(target.transition().type(), TransitionType::kDoor);
}

TEST(EffectRecord, RandomPreferences) {
  EffectRecord record;
  record.apply_random_preferences(true, true);
  EXPECT_EQ(record.category, ImageEffectCategory::kPanZoomRotate);
  EXPECT_LT(static_cast<int>(record.image_effect), 20);
  EXPECT_EQ(record.transition().type(), TransitionType::kRandom);

  record.apply_random_preferences(false, false);
  EXPECT_EQ(record.category, ImageEffectCategory::kNone);
  EXPECT_EQ(record.image_effect, ImageEffect::kNone);
  EXPECT_EQ(record.transition().type(), TransitionType::kAlpha);
}

TEST(EffectRecord, CopiesAreExactIndependentClones) {
  EffectRecord record;
  record.category = ImageEffectCategory::kPanZoom;
  record.image_effect = ImageEffect::kZoomCenterOut;
  record.set_transition(std::make_unique<PolygonParams>(TransitionValues{5, 1}));
  record.set_transition(nullptr);  // ignored: a record always has a transition
  test::put_next_draw(0);
  EffectRecord copy = record;
  EXPECT_EQ(draw_random(), 0);  // a copy draws nothing
  EXPECT_EQ(copy.image_effect, ImageEffect::kZoomCenterOut);
  EXPECT_EQ(copy.transition().values(), (TransitionValues{5, 1}));
  copy.transition().set_values({3, 0});
  EXPECT_EQ(record.transition().values(), (TransitionValues{5, 1}));
  record = copy;
  EXPECT_EQ(record.transition().values(), (TransitionValues{3, 0}));
  EXPECT_NE(&record.transition(), &copy.transition());
}

TEST(PhotoSetting, CopyKeepsTheTargetsWorkingFolder) {
  PhotoSetting project;
  project.tv_system = 1;
  project.temp_folder = "/w/Project_3/temp";
  project.output_folder = "/w/Project_3/Output";
  project.working_folder = "/w/Project_3";
  project.effect.set_transition(std::make_unique<RandomTransitionParams>());
  project.effect.display_seconds = 9;

  PhotoSetting photo;
  photo.working_folder = "/w/Project_1";
  photo.copy_from(project);
  EXPECT_EQ(photo.tv_system, 1);
  EXPECT_EQ(photo.temp_folder, "/w/Project_3/temp");
  EXPECT_EQ(photo.output_folder, "/w/Project_3/Output");
  EXPECT_EQ(photo.working_folder, "/w/Project_1");
  EXPECT_EQ(photo.effect.display_seconds, 9);
  EXPECT_NE(photo.effect.transition().type(), TransitionType::kRandom);
}

TEST(PhotoSetting, StartsWithPlaceholderFolders) {
  const PhotoSetting setting;
  EXPECT_EQ(setting.tv_system, 0);
  EXPECT_EQ(setting.temp_folder, "p:/temp");
  EXPECT_EQ(setting.output_folder, "p:/dvd");
  EXPECT_TRUE(setting.working_folder.empty());
}

}  // namespace
}  // namespace pictavo

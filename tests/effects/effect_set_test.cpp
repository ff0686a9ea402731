#include "effects/effect_set.h"

#include <gtest/gtest.h>

#include <string>

#include "base/xml_document.h"
#include "effects/random_generator.h"

namespace pictavo {
namespace {

std::string setting(std::string_view name, std::string_view children = {}) {
  std::string text = "<TRANSITION_EFFECT_SETTING NAME=\"" + std::string(name) + "\"";
  if (children.empty()) return text + "/>";
  return text + ">" + std::string(children) + "</TRANSITION_EFFECT_SETTING>";
}

std::string zoom(int direction) {
  return setting("TRANSITION_EFFECT_ZOOM", "<TRANSITION_EFFECT_ZOOM_PARAM>" +
                                               std::to_string(direction) +
                                               "</TRANSITION_EFFECT_ZOOM_PARAM>");
}

bool read_into(EffectSet& set, const std::string& children) {
  XmlDocument doc;
  EXPECT_TRUE(doc.set_doc("<reference><DefaultImage>x</DefaultImage><EFFECT_SETS>" + children +
                          "</EFFECT_SETS></reference>"));
  doc.find_elem("reference");
  doc.into_elem();
  doc.find_elem("DefaultImage");
  return set.read_xml(doc);
}

TEST(EffectSet, HoldsTheDefaultsOfEveryTypeInPickerOrder) {
  const EffectSet set("/opt/pictavo");
  ASSERT_NE(set.template_at(0), nullptr);
  EXPECT_EQ(set.template_at(0)->type(), TransitionType::kRandom);
  for (int id = 0; id < kConcreteTransitionCount; ++id) {
    const TransitionParams* params = set.template_at(id + 1);
    ASSERT_NE(params, nullptr);
    EXPECT_EQ(params->type(), static_cast<TransitionType>(id));
    EXPECT_EQ(params->values(), params->default_values());
  }
  EXPECT_EQ(set.template_at(-1), nullptr);
  EXPECT_EQ(set.template_at(19), nullptr);
}

TEST(EffectSet, CoverPathsFollowThePickerOrder) {
  const EffectSet set("/opt/pictavo");
  EXPECT_EQ(set.cover_path(0), "/opt/pictavo/EffectCover/random.jpg");
  EXPECT_EQ(set.cover_path(1), "/opt/pictavo/EffectCover/alpha.jpg");
  EXPECT_EQ(set.cover_path(6), "/opt/pictavo/EffectCover/cubefly.jpg");
  EXPECT_EQ(set.cover_path(18), "/opt/pictavo/EffectCover/zoom.jpg");
  EXPECT_EQ(set.cover_path(19), "");
}

TEST(EffectSet, WritesAllTemplatesInOrderAndReadsThemBack) {
  effect_random().seed(5);
  EffectSet set("/p");
  for (int index = 1; index < EffectSet::kSize; ++index) {
    TransitionParams* params = set.template_at(index);
    params->set_values(params->random_values());
  }
  XmlDocument doc;
  ASSERT_TRUE(doc.set_doc("<reference>\r\n<DefaultImage>x</DefaultImage>\r\n</reference>\r\n"));
  doc.find_elem("reference");
  doc.into_elem();
  doc.find_elem("DefaultImage");
  ASSERT_TRUE(set.write_xml(doc));
  EXPECT_EQ(doc.get_tag_name(), "EFFECT_SETS");
  const std::string& text = doc.get_doc();
  EXPECT_NE(text.find("</DefaultImage>\r\n<EFFECT_SETS>\r\n<TRANSITION_EFFECT_SETTING "
                      "NAME=\"TRANSITION_EFFECT_RANDOM\"/>\r\n<TRANSITION_EFFECT_SETTING "
                      "NAME=\"TRANSITION_EFFECT_ALPHA\">"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("</TRANSITION_EFFECT_SETTING>\r\n</EFFECT_SETS>\r\n</reference>"),
            std::string::npos);

  XmlDocument reread;
  ASSERT_TRUE(reread.set_doc(text));
  reread.find_elem("reference");
  reread.into_elem();
  EffectSet back("/p");
  ASSERT_TRUE(back.read_xml(reread));
  for (int index = 0; index < EffectSet::kSize; ++index) {
    EXPECT_EQ(back.template_at(index)->type(), set.template_at(index)->type());
    EXPECT_EQ(back.template_at(index)->values(), set.template_at(index)->values());
  }
}

TEST(EffectSet, StoredOrderIsKeptAsItStands) {
  EffectSet set("/p");
  std::string children = zoom(1);
  for (int i = 1; i < EffectSet::kSize; ++i)
    children += setting("TRANSITION_EFFECT_RANDOM");
  ASSERT_TRUE(read_into(set, children));
  EXPECT_EQ(set.template_at(0)->type(), TransitionType::kZoom);
  EXPECT_EQ(set.template_at(0)->p1(), 1);
  EXPECT_EQ(set.template_at(18)->type(), TransitionType::kRandom);
}

TEST(EffectSet, ASetThatCannotBeReadWholeLeavesTheTemplatesAsTheyWere) {
  std::string eighteen;
  for (int i = 0; i < 18; ++i)
    eighteen += zoom(1);
  for (const std::string& children : {
           eighteen,                                         // one short
           eighteen + zoom(1) + zoom(1),                     // one too many
           eighteen + setting("TRANSITION_EFFECT_NOTHING"),  // an unknown name
           eighteen + setting("TRANSITION_EFFECT_ZOOM"),     // a parameter missing
           zoom(1) + setting("TRANSITION_EFFECT_CUBE") + eighteen,
       }) {
    EffectSet set("/p");
    EXPECT_FALSE(read_into(set, children));
    EXPECT_EQ(set.template_at(0)->type(), TransitionType::kRandom);
    EXPECT_EQ(set.template_at(18)->type(), TransitionType::kZoom);
    EXPECT_EQ(set.template_at(18)->p1(), 0);
  }
  XmlDocument doc;
  ASSERT_TRUE(doc.set_doc("<reference><DefaultImage/></reference>"));
  doc.find_elem();
  doc.into_elem();
  EffectSet set("/p");
  EXPECT_FALSE(set.read_xml(doc));
}

TEST(EffectSet, CopiesCloneEveryTemplate) {
  EffectSet set("/p");
  EffectSet copy = set;
  copy.template_at(3)->set_values({1, 5});
  EXPECT_EQ(set.template_at(3)->values(), (TransitionValues{0, 8}));
  EXPECT_NE(copy.template_at(3), set.template_at(3));
  set = copy;
  EXPECT_EQ(set.template_at(3)->values(), (TransitionValues{1, 5}));
  EXPECT_EQ(set.cover_path(3), "/p/EffectCover/blinds.jpg");
}

}  // namespace
}  // namespace pictavo

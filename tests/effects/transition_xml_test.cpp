#include <gtest/gtest.h>

#include <string>

#include "base/xml_document.h"
#include "effects/random_generator.h"
#include "effects/transition_params.h"
#include "effects/transition_setting_dialogs.h"

namespace pictavo {
namespace {

std::string written(const TransitionParams& params) {
  XmlDocument doc;
  EXPECT_TRUE(params.write_xml(doc));
  return doc.get_doc();
}

std::unique_ptr<TransitionParams> read_from(std::string_view text) {
  XmlDocument doc;
  EXPECT_TRUE(doc.set_doc(text)) << doc.get_error();
  return read_transition(doc);
}

TEST(TransitionXml, SpinNamesItsOnlyChildLikeItself) {
  EXPECT_EQ(written(SpinParams(TransitionValues{1, 0})),
            "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_SPIN\">\r\n"
            "<TRANSITION_EFFECT_SPIN>1</TRANSITION_EFFECT_SPIN>\r\n"
            "</TRANSITION_EFFECT_SETTING>\r\n");
}

TEST(TransitionXml, RandomWritesOnlyTheElementAndItsName) {
  EXPECT_EQ(written(RandomTransitionParams()),
            "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_RANDOM\"/>\r\n");
}

TEST(TransitionXml, TwoParameterTypesNestTheirValuesInAGroup) {
  EXPECT_EQ(written(WipeParams(TransitionValues{3, 0})),
            "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_WIPE\">\r\n"
            "<TRANSITION_EFFECT_WIPE_PARAM>\r\n"
            "<TRANSITION_EFFECT_WIPE_DIRECTION>3</TRANSITION_EFFECT_WIPE_DIRECTION>\r\n"
            "<TRANSITION_EFFECT_WIPE_PARAM_PUSH>0</TRANSITION_EFFECT_WIPE_PARAM_PUSH>\r\n"
            "</TRANSITION_EFFECT_WIPE_PARAM>\r\n"
            "</TRANSITION_EFFECT_SETTING>\r\n");
}

struct OneParameterElement {
  TransitionType type;
  std::string_view element;
};

TEST(TransitionXml, OneParameterElementNames) {
  for (const auto& [type, element] : {
           OneParameterElement{TransitionType::kAlpha, "TRANSITION_EFFECT_ALPHA_PARAM"},
           OneParameterElement{TransitionType::kAccordion, "TRANSITION_EFFECT_ACCORDION_PARAM"},
           OneParameterElement{TransitionType::kCubeFly, "TRANSITION_EFFECT_CUBE_FLY_PARAM"},
           OneParameterElement{TransitionType::kDoor, "TRANSITION_EFFECT_DOOR_PARAM"},
           OneParameterElement{TransitionType::kFlip, "TRANSITION_EFFECT_FLIP_PARAM"},
           OneParameterElement{TransitionType::kFly, "TRANSITION_EFFECT_FLY_PARAM"},
           OneParameterElement{TransitionType::kRotateIn, "TRANSITION_EFFECT_ROTATE_IN_PARAM"},
           OneParameterElement{TransitionType::kTwist, "TRANSITION_EFFECT_TWIST_PARAM"},
           OneParameterElement{TransitionType::kZoom, "TRANSITION_EFFECT_ZOOM_PARAM"},
       }) {
    const std::string name(element);
    EXPECT_EQ(written(*make_transition(type, TransitionValues{1, 0})),
              "<TRANSITION_EFFECT_SETTING NAME=\"" + std::string(file_name(type)) + "\">\r\n<" +
                  name + ">1</" + name + ">\r\n</TRANSITION_EFFECT_SETTING>\r\n");
  }
}

struct TwoParameterElements {
  TransitionType type;
  std::string_view group;
  std::string_view p1;
  std::string_view p2;
};

TEST(TransitionXml, TwoParameterElementNames) {
  for (const auto& [type, group, p1, p2] : {
           TwoParameterElements{TransitionType::kBlinds, "TRANSITION_EFFECT_BLIND_PARAM",
                                "TRANSITION_EFFECT_BLIND_PARAM_DIRECTION",
                                "TRANSITION_EFFECT_BLIND_WINDOW_NUMBER"},
           TwoParameterElements{TransitionType::kCircle, "TRANSITION_EFFECT_CIRCLE_PARAM",
                                "TRANSITION_EFFECT_CIRCLE_PARAM_DIRECTION",
                                "TRANSITION_EFFECT_CIRCLE_WIDTH"},
           TwoParameterElements{TransitionType::kClock, "TRANSITION_EFFECT_CLOCK_PARAM",
                                "TRANSITION_EFFECT_CLOCK_FINGER_NUMBER",
                                "TRANSITION_EFFECT_CLOCK_PARAM_USE_SMOOTH"},
           TwoParameterElements{TransitionType::kDiagonalSweep,
                                "TRANSITION_EFFECT_DIAGONAL_SWEEP_PARAM",
                                "TRANSITION_EFFECT_DIAGONAL_SWEEP_DIRECTION",
                                "TRANSITION_EFFECT_DIAGONAL_SWEEP_PARAM_WIDTH"},
           TwoParameterElements{TransitionType::kPolygon, "TRANSITION_EFFECT_POLYGON_PARAM",
                                "TRANSITION_EFFECT_POLYGON_PARAM_NUMBER",
                                "TRANSITION_EFFECT_POLYGON_DIRECTION"},
           TwoParameterElements{TransitionType::kShutter, "TRANSITION_EFFECT_SHUTTER_PARAM",
                                "TRANSITION_EFFECT_SHUTTER_DIRECTION",
                                "TRANSITION_EFFECT_SHUTTER_PARAM_WIDTH"},
           TwoParameterElements{TransitionType::kSweep, "TRANSITION_EFFECT_SWEEP_PARAM",
                                "TRANSITION_EFFECT_SWEEP_DIRECTION",
                                "TRANSITION_EFFECT_SWEEP_PARAM_WIDTH"},
           TwoParameterElements{TransitionType::kWipe, "TRANSITION_EFFECT_WIPE_PARAM",
                                "TRANSITION_EFFECT_WIPE_DIRECTION",
                                "TRANSITION_EFFECT_WIPE_PARAM_PUSH"},
       }) {
    const auto params = make_transition(type);
    const TransitionValues values = params->values();
    const auto line = [](std::string_view name, int value) {
      return "<" + std::string(name) + ">" + std::to_string(value) + "</" + std::string(name) +
             ">\r\n";
    };
    EXPECT_EQ(written(*params), "<TRANSITION_EFFECT_SETTING NAME=\"" +
                                    std::string(file_name(type)) + "\">\r\n<" + std::string(group) +
                                    ">\r\n" + line(p1, values.p1) + line(p2, values.p2) + "</" +
                                    std::string(group) + ">\r\n</TRANSITION_EFFECT_SETTING>\r\n");
  }
}

TEST(TransitionXml, EveryTypeReadsBackWhatItWrote) {
  effect_random().seed(99);
  for (int id = 0; id < kTransitionTypeCount; ++id) {
    const auto type = static_cast<TransitionType>(id);
    const auto original = make_transition(type, ParamsInit::kRandom);
    const auto back = read_from(written(*original));
    ASSERT_NE(back, nullptr) << display_name(type);
    EXPECT_EQ(back->type(), type);
    EXPECT_EQ(back->values(), original->values());
  }
}

TEST(TransitionXml, WritesAfterTheCurrentElementAndReadsForward) {
  XmlDocument doc;
  ASSERT_TRUE(
      doc.set_doc("<MIVO_EFFECT>\r\n<TRANSITIO_EFFECT_TIME>2</TRANSITIO_EFFECT_TIME>\r\n"
                  "</MIVO_EFFECT>\r\n"));
  ASSERT_TRUE(doc.find_elem("MIVO_EFFECT"));
  ASSERT_TRUE(doc.into_elem());
  ASSERT_TRUE(doc.find_elem("TRANSITIO_EFFECT_TIME"));
  ASSERT_TRUE(CircleParams(TransitionValues{1, 80}).write_xml(doc));
  EXPECT_EQ(doc.get_tag_name(), "TRANSITION_EFFECT_SETTING");
  ASSERT_TRUE(doc.add_elem("AFTER", "x"));

  XmlDocument reread;
  ASSERT_TRUE(reread.set_doc(doc.get_doc()));
  reread.find_elem("MIVO_EFFECT");
  reread.into_elem();
  reread.find_elem("TRANSITIO_EFFECT_TIME");
  const auto circle = read_transition(reread);
  ASSERT_NE(circle, nullptr);
  EXPECT_EQ(circle->values(), (TransitionValues{1, 80}));
  // The element read stays current, so the reading of its siblings goes on after it.
  ASSERT_TRUE(reread.find_elem("AFTER"));
  EXPECT_EQ(reread.get_data(), "x");
}

TEST(TransitionXml, TheTypeComesFromTheNameAndValuesAreBroughtIntoRange) {
  const auto blinds = read_from(
      "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_BLIND\"><TRANSITION_EFFECT_BLIND_PARAM>"
      "<TRANSITION_EFFECT_BLIND_PARAM_DIRECTION>7</TRANSITION_EFFECT_BLIND_PARAM_DIRECTION>"
      "<TRANSITION_EFFECT_BLIND_WINDOW_NUMBER>0</TRANSITION_EFFECT_BLIND_WINDOW_NUMBER>"
      "</TRANSITION_EFFECT_BLIND_PARAM></TRANSITION_EFFECT_SETTING>");
  ASSERT_NE(blinds, nullptr);
  EXPECT_EQ(blinds->type(), TransitionType::kBlinds);
  EXPECT_EQ(blinds->values(), (TransitionValues{1, 4}));

  const auto alpha = read_from(
      "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_ALPHA\" TYPE=\"5\">"
      "<TRANSITION_EFFECT_ALPHA_PARAM> 2x</TRANSITION_EFFECT_ALPHA_PARAM>"
      "</TRANSITION_EFFECT_SETTING>");
  ASSERT_NE(alpha, nullptr);
  EXPECT_EQ(alpha->type(), TransitionType::kAlpha);
  EXPECT_EQ(alpha->p1(), 2);  // read like atoi

  const auto polygon = read_from(
      "<TRANSITION_EFFECT_SETTING "
      "NAME=\"TRANSITION_EFFECT_POLYGON\"><TRANSITION_EFFECT_POLYGON_PARAM>"
      "<TRANSITION_EFFECT_POLYGON_PARAM_NUMBER>many</TRANSITION_EFFECT_POLYGON_PARAM_NUMBER>"
      "<TRANSITION_EFFECT_POLYGON_DIRECTION>99999999999</TRANSITION_EFFECT_POLYGON_DIRECTION>"
      "</TRANSITION_EFFECT_POLYGON_PARAM></TRANSITION_EFFECT_SETTING>");
  ASSERT_NE(polygon, nullptr);
  EXPECT_EQ(polygon->values(), (TransitionValues{3, 1}));
}

TEST(TransitionXml, UnreadableSettingsGiveNothing) {
  for (const std::string_view text : {
           "<OTHER/>",
           "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_FADE\"/>",
           "<TRANSITION_EFFECT_SETTING name=\"TRANSITION_EFFECT_RANDOM\"/>",
           "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_SPIN\"/>",
           "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_SPIN\">"
           "<TRANSITION_EFFECT_SPIN_PARAM>1</TRANSITION_EFFECT_SPIN_PARAM>"
           "</TRANSITION_EFFECT_SETTING>",
           // The direction without its group element.
           "<TRANSITION_EFFECT_SETTING NAME=\"TRANSITION_EFFECT_WIPE\">"
           "<TRANSITION_EFFECT_WIPE_DIRECTION>1</TRANSITION_EFFECT_WIPE_DIRECTION>"
           "<TRANSITION_EFFECT_WIPE_PARAM_PUSH>1</TRANSITION_EFFECT_WIPE_PARAM_PUSH>"
           "</TRANSITION_EFFECT_SETTING>",
           // p2 missing.
           "<TRANSITION_EFFECT_SETTING "
           "NAME=\"TRANSITION_EFFECT_WIPE\"><TRANSITION_EFFECT_WIPE_PARAM>"
           "<TRANSITION_EFFECT_WIPE_DIRECTION>1</TRANSITION_EFFECT_WIPE_DIRECTION>"
           "</TRANSITION_EFFECT_WIPE_PARAM></TRANSITION_EFFECT_SETTING>",
           // p2 before p1: elements are looked for forwards only.
           "<TRANSITION_EFFECT_SETTING "
           "NAME=\"TRANSITION_EFFECT_WIPE\"><TRANSITION_EFFECT_WIPE_PARAM>"
           "<TRANSITION_EFFECT_WIPE_PARAM_PUSH>1</TRANSITION_EFFECT_WIPE_PARAM_PUSH>"
           "<TRANSITION_EFFECT_WIPE_DIRECTION>1</TRANSITION_EFFECT_WIPE_DIRECTION>"
           "</TRANSITION_EFFECT_WIPE_PARAM></TRANSITION_EFFECT_SETTING>",
       }) {
    EXPECT_EQ(read_from(text), nullptr) << text;
  }
}

TEST(TransitionXml, ReadingTheCurrentElementNeedsASettingElement) {
  XmlDocument doc;
  ASSERT_TRUE(doc.set_doc("<r><x NAME=\"TRANSITION_EFFECT_RANDOM\"/></r>"));
  doc.find_elem();
  doc.into_elem();
  doc.find_elem("x");
  EXPECT_EQ(read_current_transition(doc), nullptr);
}

// Records which dialog each object opened.
class RecordingDialogs : public TransitionSettingDialogs {
 public:
  std::vector<TransitionType> opened;

  bool open(TransitionParams& params) override {
    opened.push_back(params.type());
    params.set_values(params.default_values());
    return true;
  }
};

TEST(TransitionSettingDialogs, EachTypeOpensItsOwnDialogAndRandomNone) {
  RecordingDialogs dialogs;
  for (int id = 0; id < kConcreteTransitionCount; ++id) {
    const auto type = static_cast<TransitionType>(id);
    const auto params = make_transition(type, ParamsInit::kRandom);
    EXPECT_TRUE(params->open_setting_dialog(dialogs));
    ASSERT_EQ(dialogs.opened.back(), type);
    EXPECT_EQ(params->values(), params->default_values());  // edited in place
  }
  RandomTransitionParams random;
  EXPECT_FALSE(random.open_setting_dialog(dialogs));
  EXPECT_EQ(dialogs.opened.size(), static_cast<std::size_t>(kConcreteTransitionCount));
}

}  // namespace
}  // namespace pictavo

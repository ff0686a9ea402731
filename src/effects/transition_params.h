#pragma once

#include <memory>
#include <string_view>

#include "effects/transition_form.h"
#include "effects/transition_type.h"

namespace pictavo {

class XmlDocument;
class TransitionSettingDialogs;

// The element that stores one transition object.
inline constexpr std::string_view kTransitionSettingElement = "TRANSITION_EFFECT_SETTING";

enum class ParamsInit { kDefaults, kRandom };

// The parameter object of one transition: its type and one or two integers, always
// within the ranges of the type's form. Every photo owns its own object and every
// assignment clones; templates of the effect set are edited in place by the
// setting dialogs.
//
// Parameters by type (p1; p2):
//   Alpha mode 0 normal, 1 fade to white, 2 fade to black · Accordion, Twist
//   direction 0 left to right, 1 right to left · Blinds direction as Accordion;
//   window number 4-10 · Circle direction 0 small to big, 1 big to small; width 1-80
//   · Clock fingers 0 one, 1 two, 2 four; smooth 0/1 · Cube fly direction 0 bottom
//   to up, 1 up to bottom, 2 left to right, 3 right to left · Diagonal sweep
//   direction as Accordion; width · Door 0 open, 1 close · Flip axis 0 vertical,
//   1 horizontal · Fly 0 fly in, 1 fly out · Polygon sides 3-9; direction 0 fly in,
//   1 fly out · Rotate in, Spin direction 0 clockwise, 1 anticlockwise · Shutter
//   direction 0 vertical, 1 horizontal; width · Sweep direction 0 left to right,
//   1 right to left, 2 bottom to up, 3 up to bottom; width · Wipe direction as
//   Sweep; push 0/1 · Zoom 0 zoom in, 1 zoom out · Random none.
class TransitionParams {
 public:
  virtual ~TransitionParams() = default;

  TransitionType type() const { return type_; }
  const TransitionForm& form() const { return transition_form(type_); }
  int p1() const { return values_.p1; }
  int p2() const { return values_.p2; }
  const TransitionValues& values() const { return values_; }
  // Stores the values, each brought into the range of its parameter.
  void set_values(TransitionValues values) { values_ = form().clamped(values); }

  // What the setting dialogs' "Default" and "Random" buttons offer; the object
  // itself is not changed. Each random draw takes fresh values of the generator.
  TransitionValues default_values() const { return form().defaults(); }
  TransitionValues random_values() const { return form().draw(); }

  // Adds this object's TRANSITION_EFFECT_SETTING element after the document's
  // current element; the new element becomes the current one. False when the
  // document has no place there (a second root element).
  bool write_xml(XmlDocument& doc) const;

  // Opens the setting dialog of the object's type, which edits the object in place.
  // True when the user confirmed it; Random has no dialog and gives false.
  virtual bool open_setting_dialog(TransitionSettingDialogs& dialogs) = 0;

  virtual std::unique_ptr<TransitionParams> clone() const = 0;

 protected:
  TransitionParams(TransitionType type, TransitionValues values)
      : type_(type), values_(transition_form(type).clamped(values)) {}
  TransitionParams(const TransitionParams&) = default;
  TransitionParams& operator=(const TransitionParams&) = default;

 private:
  TransitionType type_;
  TransitionValues values_;
};

// One class per transition type.
template <TransitionType kType>
class TransitionParamsOf final : public TransitionParams {
 public:
  static constexpr TransitionType kTransitionType = kType;

  explicit TransitionParamsOf(ParamsInit init = ParamsInit::kDefaults);
  explicit TransitionParamsOf(TransitionValues values) : TransitionParams(kType, values) {}
  // From an object of any type: one of this type is copied, any other gives this
  // type's random values.
  explicit TransitionParamsOf(const TransitionParams& source);

  bool open_setting_dialog(TransitionSettingDialogs& dialogs) override;
  std::unique_ptr<TransitionParams> clone() const override;
};

using AlphaParams = TransitionParamsOf<TransitionType::kAlpha>;
using AccordionParams = TransitionParamsOf<TransitionType::kAccordion>;
using BlindsParams = TransitionParamsOf<TransitionType::kBlinds>;
using CircleParams = TransitionParamsOf<TransitionType::kCircle>;
using ClockParams = TransitionParamsOf<TransitionType::kClock>;
using CubeFlyParams = TransitionParamsOf<TransitionType::kCubeFly>;
using DiagonalSweepParams = TransitionParamsOf<TransitionType::kDiagonalSweep>;
using DoorParams = TransitionParamsOf<TransitionType::kDoor>;
using FlipParams = TransitionParamsOf<TransitionType::kFlip>;
using FlyParams = TransitionParamsOf<TransitionType::kFly>;
using PolygonParams = TransitionParamsOf<TransitionType::kPolygon>;
using RotateInParams = TransitionParamsOf<TransitionType::kRotateIn>;
using ShutterParams = TransitionParamsOf<TransitionType::kShutter>;
using SpinParams = TransitionParamsOf<TransitionType::kSpin>;
using SweepParams = TransitionParamsOf<TransitionType::kSweep>;
using TwistParams = TransitionParamsOf<TransitionType::kTwist>;
using WipeParams = TransitionParamsOf<TransitionType::kWipe>;
using ZoomParams = TransitionParamsOf<TransitionType::kZoom>;
using RandomTransitionParams = TransitionParamsOf<TransitionType::kRandom>;

// The members are defined once, in transition_params.cpp, for all 19 types.
extern template class TransitionParamsOf<TransitionType::kAlpha>;
extern template class TransitionParamsOf<TransitionType::kAccordion>;
extern template class TransitionParamsOf<TransitionType::kBlinds>;
extern template class TransitionParamsOf<TransitionType::kCircle>;
extern template class TransitionParamsOf<TransitionType::kClock>;
extern template class TransitionParamsOf<TransitionType::kCubeFly>;
extern template class TransitionParamsOf<TransitionType::kDiagonalSweep>;
extern template class TransitionParamsOf<TransitionType::kDoor>;
extern template class TransitionParamsOf<TransitionType::kFlip>;
extern template class TransitionParamsOf<TransitionType::kFly>;
extern template class TransitionParamsOf<TransitionType::kPolygon>;
extern template class TransitionParamsOf<TransitionType::kRotateIn>;
extern template class TransitionParamsOf<TransitionType::kShutter>;
extern template class TransitionParamsOf<TransitionType::kSpin>;
extern template class TransitionParamsOf<TransitionType::kSweep>;
extern template class TransitionParamsOf<TransitionType::kTwist>;
extern template class TransitionParamsOf<TransitionType::kWipe>;
extern template class TransitionParamsOf<TransitionType::kZoom>;
extern template class TransitionParamsOf<TransitionType::kRandom>;

// The same constructions for a type known only at run time (`type` one of the 19).
std::unique_ptr<TransitionParams> make_transition(TransitionType type,
                                                  ParamsInit init = ParamsInit::kDefaults);
std::unique_ptr<TransitionParams> make_transition(TransitionType type, TransitionValues values);
std::unique_ptr<TransitionParams> make_transition(TransitionType type,
                                                  const TransitionParams& source);

// Finds the next TRANSITION_EFFECT_SETTING element among the siblings that follow
// the document's current element and builds the object it stores. Null when there
// is none, when its NAME is none of the 19 names or when a parameter element is
// missing. The element found stays the current one.
std::unique_ptr<TransitionParams> read_transition(XmlDocument& doc);
// The same for the document's current element, which must be such an element.
std::unique_ptr<TransitionParams> read_current_transition(XmlDocument& doc);

}  // namespace pictavo

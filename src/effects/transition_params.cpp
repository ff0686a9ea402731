#include "effects/transition_params.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "base/text_number.h"
#include "base/xml_document.h"
#include "effects/transition_setting_dialogs.h"

namespace pictavo {
namespace {

constexpr std::string_view kNameAttribute = "NAME";

TransitionValues initial_values(TransitionType type, ParamsInit init) {
  const TransitionForm& form = transition_form(type);
  return init == ParamsInit::kRandom ? form.draw() : form.defaults();
}

TransitionValues values_like(TransitionType type, const TransitionParams& source) {
  return source.type() == type ? source.values() : transition_form(type).draw();
}

using Creator = std::unique_ptr<TransitionParams> (*)(TransitionValues);

template <int... kIds>
constexpr std::array<Creator, sizeof...(kIds)> make_creators(std::integer_sequence<int, kIds...>) {
  return {[](TransitionValues values) -> std::unique_ptr<TransitionParams> {
    return std::make_unique<TransitionParamsOf<static_cast<TransitionType>(kIds)>>(values);
  }...};
}

constexpr std::array<Creator, kTransitionTypeCount> kCreators =
    make_creators(std::make_integer_sequence<int, kTransitionTypeCount>{});

std::unique_ptr<TransitionParams> create(TransitionType type, TransitionValues values) {
  return kCreators[static_cast<std::size_t>(type)](values);
}

std::optional<int> read_number(XmlDocument& doc, std::string_view element) {
  if (!doc.find_elem(element)) return std::nullopt;
  return parse_int(doc.get_data());
}

// Reads the parameters from inside the setting element; the cursor is left at the
// level it started on.
std::optional<TransitionValues> read_values(XmlDocument& doc, const TransitionForm& form) {
  switch (form.parameter_count) {
    case 0:
      return TransitionValues{};
    case 1: {
      const std::optional<int> p1 = read_number(doc, form.p1.element);
      if (!p1) return std::nullopt;
      return TransitionValues{*p1, 0};
    }
    default: {
      if (!doc.find_elem(form.group_element) || !doc.into_elem()) return std::nullopt;
      const std::optional<int> p1 = read_number(doc, form.p1.element);
      const std::optional<int> p2 = p1 ? read_number(doc, form.p2.element) : std::nullopt;
      doc.out_of_elem();
      if (!p2) return std::nullopt;
      return TransitionValues{*p1, *p2};
    }
  }
}

}  // namespace

template <TransitionType kType>
TransitionParamsOf<kType>::TransitionParamsOf(ParamsInit init)
    : TransitionParams(kType, initial_values(kType, init)) {}

template <TransitionType kType>
TransitionParamsOf<kType>::TransitionParamsOf(const TransitionParams& source)
    : TransitionParams(kType, values_like(kType, source)) {}

template <TransitionType kType>
bool TransitionParamsOf<kType>::open_setting_dialog(TransitionSettingDialogs& dialogs) {
  if constexpr (kType == TransitionType::kRandom) {
    return false;
  } else {
    return dialogs.open(*this);
  }
}

template <TransitionType kType>
std::unique_ptr<TransitionParams> TransitionParamsOf<kType>::clone() const {
  return std::make_unique<TransitionParamsOf>(*this);
}

template class TransitionParamsOf<TransitionType::kAlpha>;
template class TransitionParamsOf<TransitionType::kAccordion>;
template class TransitionParamsOf<TransitionType::kBlinds>;
template class TransitionParamsOf<TransitionType::kCircle>;
template class TransitionParamsOf<TransitionType::kClock>;
template class TransitionParamsOf<TransitionType::kCubeFly>;
template class TransitionParamsOf<TransitionType::kDiagonalSweep>;
template class TransitionParamsOf<TransitionType::kDoor>;
template class TransitionParamsOf<TransitionType::kFlip>;
template class TransitionParamsOf<TransitionType::kFly>;
template class TransitionParamsOf<TransitionType::kPolygon>;
template class TransitionParamsOf<TransitionType::kRotateIn>;
template class TransitionParamsOf<TransitionType::kShutter>;
template class TransitionParamsOf<TransitionType::kSpin>;
template class TransitionParamsOf<TransitionType::kSweep>;
template class TransitionParamsOf<TransitionType::kTwist>;
template class TransitionParamsOf<TransitionType::kWipe>;
template class TransitionParamsOf<TransitionType::kZoom>;
template class TransitionParamsOf<TransitionType::kRandom>;

bool TransitionParams::write_xml(XmlDocument& doc) const {
  if (!doc.add_elem(kTransitionSettingElement)) return false;
  doc.set_attrib(kNameAttribute, file_name(type_));
  const TransitionForm& form = this->form();
  if (form.parameter_count == 1) {
    doc.add_child_elem(form.p1.element, std::to_string(values_.p1));
  } else if (form.parameter_count == 2) {
    doc.add_child_elem(form.group_element);
    doc.into_elem();
    doc.add_child_elem(form.p1.element, std::to_string(values_.p1));
    doc.add_child_elem(form.p2.element, std::to_string(values_.p2));
    doc.out_of_elem();
  }
  return true;
}

std::unique_ptr<TransitionParams> make_transition(TransitionType type, ParamsInit init) {
  return create(type, initial_values(type, init));
}

std::unique_ptr<TransitionParams> make_transition(TransitionType type, TransitionValues values) {
  return create(type, values);
}

std::unique_ptr<TransitionParams> make_transition(TransitionType type,
                                                  const TransitionParams& source) {
  return create(type, values_like(type, source));
}

std::unique_ptr<TransitionParams> read_transition(XmlDocument& doc) {
  if (!doc.find_elem(kTransitionSettingElement)) return nullptr;
  return read_current_transition(doc);
}

std::unique_ptr<TransitionParams> read_current_transition(XmlDocument& doc) {
  if (doc.get_tag_name() != kTransitionSettingElement) return nullptr;
  const std::optional<TransitionType> type =
      transition_from_file_name(doc.get_attrib(kNameAttribute));
  if (!type || !doc.into_elem()) return nullptr;
  const std::optional<TransitionValues> values = read_values(doc, transition_form(*type));
  doc.out_of_elem();
  if (!values) return nullptr;
  return create(*type, *values);
}

}  // namespace pictavo

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "base/xml_document.h"
#include "cli/commands.h"
#include "cli/transition_name.h"
#include "effects/image_effect.h"
#include "effects/random_generator.h"
#include "effects/transition_params.h"
#include "effects/transition_type.h"

namespace pictavo::cli {
namespace {

std::string values_text(const TransitionForm& form, TransitionValues values) {
  switch (form.parameter_count) {
    case 0:
      return "-";
    case 1:
      return std::to_string(values.p1);
    default:
      return std::to_string(values.p1) + ", " + std::to_string(values.p2);
  }
}

std::string labels_text(const TransitionForm& form) {
  switch (form.parameter_count) {
    case 0:
      return "-";
    case 1:
      return std::string(form.p1.label);
    default:
      return std::string(form.p1.label) + ", " + std::string(form.p2.label);
  }
}

void print_catalog(std::uint32_t seed) {
  std::puts("Image effect categories:");
  for (int id = 0; id < kImageEffectCategoryCount; ++id) {
    const std::string name(display_name(static_cast<ImageEffectCategory>(id)));
    std::printf("  %2d  %s\n", id, name.c_str());
  }
  std::puts("\nImage effects:");
  for (int id = 0; id < kImageEffectCount; ++id) {
    const std::string name(display_name(static_cast<ImageEffect>(id)));
    std::printf("  %2d  %s\n", id, name.c_str());
  }
  std::printf("\nTransitions (pickers list Random first; random values drawn with seed %u):\n",
              seed);
  std::printf("  %2s  %-15s %-33s %-18s %-25s %-8s %s\n", "id", "name", "stored name", "cover",
              "parameters", "default", "random");
  for (int id = 0; id < kTransitionTypeCount; ++id) {
    const auto type = static_cast<TransitionType>(id);
    const TransitionForm& form = transition_form(type);
    const std::string random = values_text(form, form.draw());
    std::printf("  %2d  %-15s %-33s %-18s %-25s %-8s %s\n", id,
                std::string(display_name(type)).c_str(), std::string(file_name(type)).c_str(),
                std::string(cover_file_name(type)).c_str(), labels_text(form).c_str(),
                values_text(form, form.defaults()).c_str(), random.c_str());
  }
}

}  // namespace

int run_effects(Arguments& args) {
  const std::optional<int> seed = args.take_int("--seed");
  const std::optional<std::string> xml_type = args.take_value("--xml");
  if (!args.finish().empty()) throw UsageError{"takes no positional arguments"};

  const auto used_seed =
      seed ? static_cast<std::uint32_t>(*seed) : static_cast<std::uint32_t>(std::time(nullptr));
  effect_random().seed(used_seed);
  if (!xml_type) {
    print_catalog(used_seed);
    return 0;
  }

  const std::optional<TransitionType> type = transition_named(*xml_type, "--xml");
  if (!type) {
    std::fprintf(stderr, "pictavo-cli effects: no transition \"%s\" (give an id 0-18 or a name)\n",
                 xml_type->c_str());
    return 1;
  }
  // Without a seed the object has its defaults; with one, the type's random draw.
  const auto params = make_transition(*type, seed ? ParamsInit::kRandom : ParamsInit::kDefaults);
  XmlDocument doc;
  params->write_xml(doc);
  std::fputs(doc.get_doc().c_str(), stdout);
  return 0;
}

}  // namespace pictavo::cli

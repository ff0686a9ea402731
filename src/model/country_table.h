#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace pictavo {

// A country the settings offer, with its TV system: 1 PAL, 0 NTSC. The names are
// stored in the preferences file as they stand here, spelling slips included, so
// files written by earlier versions still name an entry.
struct Country {
  std::string_view name;
  int tv_system;
};

inline constexpr int kCountryCount = 89;

// All countries in the order the settings list them.
std::span<const Country, kCountryCount> countries();

// The country at `index`; none outside 0 to kCountryCount - 1.
std::optional<Country> country_at(int index);

}  // namespace pictavo

#include "model/country_table.h"

#include <array>

namespace pictavo {
namespace {

// The names as preference files store them; the misspellings are kept on purpose.
constexpr std::array<Country, kCountryCount> kCountries{{
    {"Algeria", 1},     {"Argentina", 1},   {"Australia", 1},      {"Austria", 1},
    {"Banglandesh", 1}, {"Belgium", 1},     {"Bolivia", 0},        {"Brazil", 1},
    {"Bulgaria", 1},    {"Canada", 0},      {"Chile", 0},          {"China", 1},
    {"Colombia", 0},    {"Congo", 1},       {"CostaRica", 0},      {"Cuba", 0},
    {"Cyprus", 1},      {"Denmark", 1},     {"Egypt", 1},          {"Finland", 1},
    {"France", 1},      {"Germany", 1},     {"Gibraltar", 1},      {"Greece", 1},
    {"Haiti", 0},       {"Honduras", 0},    {"HungKong", 1},       {"Hungry", 1},
    {"Iceland", 1},     {"India", 1},       {"Indonesia", 1},      {"Irag", 1},
    {"Ireland", 1},     {"Israel", 1},      {"Italy", 1},          {"Jamaica", 0},
    {"Japan", 0},       {"Jordan", 1},      {"Kenya", 1},          {"North Korea", 1},
    {"South Korea", 0}, {"Kuwait", 1},      {"Lebanon", 1},        {"Liberia", 1},
    {"Libya", 1},       {"Luxembourg", 1},  {"Macau", 1},          {"Madagascar", 1},
    {"Malaysia", 1},    {"Mexico", 0},      {"Monaco", 1},         {"Morocco", 1},
    {"Netherlands", 1}, {"NewZealand", 1},  {"Niger", 1},          {"Nigeria", 1},
    {"Norway", 1},      {"Pakistan", 1},    {"Panama", 0},         {"Paraguay", 1},
    {"Peru", 0},        {"Philippines", 0}, {"Poland", 1},         {"Portugnl", 1},
    {"Qatar", 1},       {"Romania", 1},     {"SandiArabia", 1},    {"Smgapore", 1},
    {"Spain", 1},       {"SriLanka", 1},    {"Sudan", 1},          {"Swaden,", 1},
    {"Switzerland", 1}, {"Syria", 1},       {"TaiWan,", 0},        {"Tanzania", 1},
    {"Tnailand", 1},    {"Togo", 1},        {"Tunisia", 1},        {"Turkey,", 1},
    {"U.S.A", 0},       {"U.S.S.R", 1},     {"UnitedKingdom,", 1}, {"Uruguay", 1},
    {"Venezuela", 0},   {"Yugoslavie,", 1}, {"Zaire", 1},          {"Zambia,", 1},
    {"Zran", 1},
}};

}  // namespace

std::span<const Country, kCountryCount> countries() {
  return kCountries;
}

std::optional<Country> country_at(int index) {
  if (index < 0 || index >= kCountryCount) return std::nullopt;
  return kCountries[static_cast<std::size_t>(index)];
}

}  // namespace pictavo

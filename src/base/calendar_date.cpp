#include "base/calendar_date.h"

#include <unicode/datefmt.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <chrono>
#include <cstdlib>
#include <memory>

namespace pictavo {
namespace {

std::string_view locale_for_dates() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

}  // namespace

bool is_calendar_day(const CalendarDate& date) {
  namespace chrono = std::chrono;
  return date.year >= 1 && date.year <= 9999 && date.month >= 1 && date.month <= 12 &&
         date.day >= 1 && date.day <= 31 &&
         chrono::year_month_day(chrono::year(date.year),
                                chrono::month(static_cast<unsigned>(date.month)),
                                chrono::day(static_cast<unsigned>(date.day)))
             .ok();
}

std::string long_date_text(const CalendarDate& date, std::string_view locale_name) {
  if (!is_calendar_day(date)) return {};
  // ICU's root locale, which an empty name gives, writes "2026 M12 9".
  const std::string name = locale_name.empty() ? std::string("en_US") : std::string(locale_name);
  const icu::Locale locale = icu::Locale::createCanonical(name.c_str());
  const std::unique_ptr<icu::DateFormat> format(
      icu::DateFormat::createDateInstance(icu::DateFormat::kLong, locale));
  UErrorCode status = U_ZERO_ERROR;
  // Noon in UTC, formatted in UTC: no time zone can move the day.
  icu::GregorianCalendar calendar(*icu::TimeZone::getGMT(), status);
  if (format == nullptr || U_FAILURE(status)) return {};
  format->setTimeZone(*icu::TimeZone::getGMT());
  calendar.clear();
  calendar.set(date.year, date.month - 1, date.day, 12, 0);
  const UDate moment = calendar.getTime(status);
  if (U_FAILURE(status)) return {};
  icu::UnicodeString text;
  format->format(moment, text);
  std::string utf8;
  text.toUTF8String(utf8);
  return utf8;
}

std::string long_date_text(const CalendarDate& date) {
  return long_date_text(date, locale_for_dates());
}

}  // namespace pictavo

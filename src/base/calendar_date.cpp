#include "base/calendar_date.h"

#include <unicode/datefmt.h>
#include <unicode/gregocal.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cstdlib>
#include <memory>

namespace pictavo {
namespace {

bool is_calendar_day(const CalendarDate& date) {
  constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1)
    return false;
  const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
  const int days = date.month == 2 && !leap ? 28 : kDays[date.month - 1];
  return date.day <= days;
}

std::string_view locale_for_dates() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return {};
}

}  // namespace

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

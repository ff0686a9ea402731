#pragma once

#include <string>
#include <string_view>

namespace pictavo {

// A day of the Gregorian calendar, as a camera records when it took a photo.
struct CalendarDate {
  int year = 0;
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31

  bool operator==(const CalendarDate&) const = default;
};

// Whether the date names a day of the calendar from year 1 to 9999.
bool is_calendar_day(const CalendarDate& date);

// The date written out in full the way `locale_name` ("de_DE.UTF-8", "ja") writes
// it: "9 December 2026" for en_GB, "December 9, 2026" for en_US, "9. Dezember 2026"
// for de. No name, "C" or "POSIX" give US English. Empty for a date that is no day
// of the calendar.
std::string long_date_text(const CalendarDate& date, std::string_view locale_name);

// The same in the user's locale for dates: LC_ALL, else LC_TIME, else LANG.
std::string long_date_text(const CalendarDate& date);

}  // namespace pictavo

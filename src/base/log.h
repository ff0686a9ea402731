#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>

namespace pictavo {

// The program's event log: one line per event, appended, "09:05:03, Dec 08, 2026:
// text" ended by a single LF. Writing never fails loudly: a log that cannot be
// opened loses the line and nothing else happens. Safe to call from any thread.
void write_log(std::string_view text);

// Where write_log appends; nothing is logged until a path is set.
void set_log_path(const std::filesystem::path& path);
std::filesystem::path log_path();

// The line for `text` at `local_time`, with English month names whatever the locale.
std::string format_log_line(const std::tm& local_time, std::string_view text);

}  // namespace pictavo

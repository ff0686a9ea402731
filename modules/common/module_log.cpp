#include "common/module_log.h"

#include <dlfcn.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "base/log.h"

extern "C" {
#include <libavutil/log.h>
}

namespace pictavo {
namespace {

std::filesystem::path module_folder() {
  if (const char* home = std::getenv("PICTAVO_HOME"); home != nullptr && *home != '\0') {
    return home;
  }
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&module_log), &info) == 0 || info.dli_fname == nullptr) {
    return {};
  }
  return std::filesystem::path(info.dli_fname).parent_path();
}

}  // namespace

void module_log(const char* format, ...) {
  char text[1024];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(text, sizeof text, format, arguments);
  va_end(arguments);

  const std::filesystem::path folder = module_folder();
  if (folder.empty()) return;
  // This module keeps its own copy of the log's state, so pointing it at the
  // program folder on every line follows PICTAVO_HOME wherever it is set.
  set_log_path(folder / "log.txt");
  write_log(text);
}

void quiet_ffmpeg_by_default() {
  if (av_log_get_level() == AV_LOG_INFO) av_log_set_level(AV_LOG_ERROR);
}

}  // namespace pictavo

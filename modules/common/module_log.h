#pragma once

namespace pictavo {

// Appends one printf-formatted line to the program's log, "log.txt" in the program
// folder: $PICTAVO_HOME when it is set, else the folder this module was loaded
// from. A log that cannot be written loses the line silently.
void module_log(const char* format, ...) __attribute__((format(printf, 1, 2)));

// FFmpeg prints its informational chatter to stderr unless told otherwise; when
// the host program has not chosen a level, the modules keep FFmpeg to errors.
void quiet_ffmpeg_by_default();

}  // namespace pictavo

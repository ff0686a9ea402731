#pragma once

namespace pictavo {

// The length of the audio in `path` in whole seconds (see GetFileTimeLength).
int audio_length_seconds(const char* path);

}  // namespace pictavo

#pragma once

namespace pictavo {

// The numeric results that the shared modules' entries, the renderers and the jobs
// return, and that stored logs and front ends read: any other value is a module's
// own failure code, whose meaning depends on the module that gave it.
inline constexpr int kDone = 0;
inline constexpr int kFailed = 1;
inline constexpr int kStopped = 2;

}  // namespace pictavo

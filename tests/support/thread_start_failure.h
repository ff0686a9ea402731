#pragma once

namespace pictavo::test {

// Makes every thread start in the process fail, as when the system is out of
// threads (pthread_create answers EAGAIN), while an instance lives. Linking this
// file replaces pthread_create of the test program; outside an instance the
// call goes on to the C library's.
class ThreadStartFailure {
 public:
  ThreadStartFailure();
  ~ThreadStartFailure();
  ThreadStartFailure(const ThreadStartFailure&) = delete;
  ThreadStartFailure& operator=(const ThreadStartFailure&) = delete;
};

}  // namespace pictavo::test

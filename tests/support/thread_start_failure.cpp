#include "support/thread_start_failure.h"

#include <dlfcn.h>
#include <pthread.h>

#include <atomic>
#include <cerrno>

namespace {
std::atomic<bool> failing{false};
}  // namespace

extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t* attributes,
                              void* (*start)(void*), void* argument) {
  if (failing.load()) return EAGAIN;
  using Create = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
  static const auto real = reinterpret_cast<Create>(::dlsym(RTLD_NEXT, "pthread_create"));
  return real(thread, attributes, start, argument);
}

namespace pictavo::test {

ThreadStartFailure::ThreadStartFailure() {
  failing = true;
}

ThreadStartFailure::~ThreadStartFailure() {
  failing = false;
}

}  // namespace pictavo::test

#pragma once

namespace pictavo::test {

// Counts the calls of the global operator new, on any thread, while an instance
// lives. Linking this file replaces operator new and delete of the test program;
// they live in their own translation unit so that the compiler never pairs an
// inlined new with the free() behind delete.
class AllocationCounter {
 public:
  AllocationCounter();
  ~AllocationCounter();
  AllocationCounter(const AllocationCounter&) = delete;
  AllocationCounter& operator=(const AllocationCounter&) = delete;

  int count() const;
};

}  // namespace pictavo::test

#pragma once

#include <optional>
#include <string>

namespace pictavo::test {

// Sets an environment variable for the scope (unsets it for a null value),
// restoring the old value after.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const char* value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace pictavo::test

#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// Running a peer program from a bench.
namespace pictavo::bench {

// Runs the shell command; exits when it fails, since the comparison would be void.
inline void run(const std::string& command) {
  if (std::system(command.c_str()) != 0) {
    std::fprintf(stderr, "failed: %s\n", command.c_str());
    std::exit(1);
  }
}

inline bool have(const char* program) {
  return std::system(("command -v " + std::string(program) + " > /dev/null").c_str()) == 0;
}

}  // namespace pictavo::bench

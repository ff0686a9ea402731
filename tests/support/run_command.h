#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pictavo::test {

struct CommandResult {
  int exit_code = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs a program with the given arguments (the environment is inherited, so a
// TempProgramFolder's PICTAVO_HOME applies) and collects what it printed.
CommandResult run_command(const std::string& program, const std::vector<std::string>& args);

// Runs the built pictavo-cli.
CommandResult run_cli(const std::vector<std::string>& args);
// The same on a terminal (its stderr), pressing Ctrl-C (SIGINT) once its stderr
// contains `interrupt_cue`.
CommandResult run_cli_interrupted(const std::vector<std::string>& args,
                                  std::string_view interrupt_cue);

}  // namespace pictavo::test

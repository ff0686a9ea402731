#include "support/run_command.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <csignal>

extern char** environ;

namespace pictavo::test {

namespace {

// A pseudo-terminal: [0] the side read here, [1] the side the program writes to.
bool open_terminal(int (&ends)[2]) {
  ends[0] = ::posix_openpt(O_RDWR | O_NOCTTY);
  if (ends[0] < 0) return false;
  if (::grantpt(ends[0]) == 0 && ::unlockpt(ends[0]) == 0) {
    ends[1] = ::open(::ptsname(ends[0]), O_RDWR | O_NOCTTY);
    if (ends[1] >= 0) return true;
  }
  ::close(ends[0]);
  return false;
}

// Runs `program`; once its stderr contains `interrupt_cue` (when not empty), sends it
// SIGINT as Ctrl-C would. A program that is interrupted writes its stderr to a
// terminal, as it does when someone presses Ctrl-C.
CommandResult run(const std::string& program, const std::vector<std::string>& args,
                  std::string_view interrupt_cue) {
  CommandResult result;
  int out_pipe[2];
  int err_pipe[2];
  if (::pipe(out_pipe) != 0) return result;
  if (interrupt_cue.empty() ? ::pipe(err_pipe) != 0 : !open_terminal(err_pipe)) {
    ::close(out_pipe[0]);
    ::close(out_pipe[1]);
    return result;
  }

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out_pipe[1], STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err_pipe[1], STDERR_FILENO);
  posix_spawn_file_actions_addclose(&actions, out_pipe[0]);
  posix_spawn_file_actions_addclose(&actions, err_pipe[0]);

  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args)
    argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  pid_t pid = 0;
  const int spawned = ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out_pipe[1]);
  ::close(err_pipe[1]);

  bool interrupted = interrupt_cue.empty() || spawned != 0;
  std::array<pollfd, 2> fds{{{out_pipe[0], POLLIN, 0}, {err_pipe[0], POLLIN, 0}}};
  std::array<std::string*, 2> sinks{&result.out, &result.err};
  int open_count = 2;
  while (open_count > 0) {
    if (::poll(fds.data(), fds.size(), -1) < 0) break;
    for (std::size_t i = 0; i < fds.size(); ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        sinks[i]->append(buffer, static_cast<std::size_t>(n));
        if (!interrupted && result.err.find(interrupt_cue) != std::string::npos) {
          ::kill(pid, SIGINT);
          interrupted = true;
        }
      } else {
        ::close(fds[i].fd);
        fds[i].fd = -1;
        --open_count;
      }
    }
  }
  if (spawned != 0) return result;
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  return result;
}

}  // namespace

CommandResult run_command(const std::string& program, const std::vector<std::string>& args) {
  return run(program, args, {});
}

CommandResult run_cli(const std::vector<std::string>& args) {
  return run_command(PICTAVO_TEST_CLI, args);
}

CommandResult run_cli_interrupted(const std::vector<std::string>& args,
                                  std::string_view interrupt_cue) {
  return run(PICTAVO_TEST_CLI, args, interrupt_cue);
}

}  // namespace pictavo::test

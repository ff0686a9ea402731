#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/project_report.h"
#include "cli/project_session.h"

namespace pictavo::cli {

int run_info(Arguments& args) {
  const std::vector<std::string> files = args.finish();
  if (files.size() != 1) throw UsageError{"name one project file"};
  ProjectSession session(ProjectSession::Mode::kLookOnly);
  if (!session.open(files.front())) {
    std::fprintf(stderr, "pictavo-cli info: %s is not a project file that can be read\n",
                 files.front().c_str());
    return 1;
  }
  print_project(session.project());
  return 0;
}

}  // namespace pictavo::cli

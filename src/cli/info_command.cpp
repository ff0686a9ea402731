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
  if (const Status opened = session.open(files.front()); !opened) {
    std::fprintf(stderr, "pictavo-cli info: %s cannot be opened: %s\n", files.front().c_str(),
                 opened.reason().c_str());
    return 1;
  }
  print_project(session.project());
  return 0;
}

}  // namespace pictavo::cli

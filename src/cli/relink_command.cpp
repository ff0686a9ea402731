#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/project_session.h"
#include "edit/edit_history.h"
#include "edit/relink_commands.h"
#include "model/photo_relinking.h"

namespace pictavo::cli {

int run_relink(Arguments& args) {
  const std::vector<std::string> positional = args.finish();
  if (positional.size() != 2) throw UsageError{"name a project file and a folder"};
  ProjectSession session(ProjectSession::Mode::kProgram);
  Project& project = session.project();
  if (const Status opened = session.open(positional[0]); !opened) {
    std::fprintf(stderr, "pictavo-cli relink: %s cannot be opened: %s\n", positional[0].c_str(),
                 opened.reason().c_str());
    return 1;
  }
  const RelinkSearch search = find_moved_photos(project, positional[1]);
  for (const PhotoRelink& relink : search.found) {
    const Slideshow* slideshow = project.find_slideshow(relink.slideshow);
    const int index = slideshow->photo_index(relink.photo);
    std::printf("relinked %s -> %s\n",
                slideshow->photos[static_cast<std::size_t>(index)]->source_path.c_str(),
                relink.file.c_str());
  }
  for (const std::filesystem::path& photo : search.not_found)
    std::printf("still missing %s\n", photo.c_str());
  if (search.found.empty()) return search.not_found.empty() ? 0 : 1;
  EditHistory history(project);
  history.run(relink_photos_edit(search.found));
  if (!session.save()) return 1;
  return search.not_found.empty() ? 0 : 1;
}

}  // namespace pictavo::cli

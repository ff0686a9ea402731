#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/effect_choice.h"
#include "cli/project_report.h"
#include "cli/project_session.h"
#include "edit/caption_commands.h"
#include "edit/edit_history.h"
#include "edit/photo_commands.h"
#include "edit/track_commands.h"
#include "model/music_fit.h"

namespace pictavo::cli {
namespace {

namespace fs = std::filesystem;

struct EditRequest {
  Project& project;
  ModelId slideshow;
  std::size_t photos;  // how many the slideshow holds
  std::size_t tracks;
  std::vector<std::string> values;  // after the action's name
  std::optional<std::string> before;
  std::optional<std::string> after;
  bool descending = false;
  bool top = false;
  // What the step reports once run.
  MusicFit fit;
  std::vector<fs::path> left_out;
};

using Edit = std::unique_ptr<EditCommand>;

// A position as users count them (from 1) as an index; UsageError when the list
// has no such entry.
int index_of(std::string_view text, std::size_t count, std::string_view what) {
  const int position = to_int(text, what);
  if (position < 1 || static_cast<std::size_t>(position) > count) {
    throw UsageError{"there is no " + std::string(what) + " " + std::string(text) + " (1 to " +
                     std::to_string(count) + ")"};
  }
  return position - 1;
}

std::vector<int> photo_indices(const EditRequest& request, std::size_t first) {
  std::vector<int> indices;
  for (std::size_t i = first; i < request.values.size(); ++i)
    indices.push_back(index_of(request.values[i], request.photos, "photo"));
  return indices;
}

// The listed photos, or all photos when none is listed.
std::vector<int> chosen_photos(const EditRequest& request) {
  std::vector<int> indices = photo_indices(request, 1);
  if (request.values.size() == 1) {
    for (std::size_t i = 0; i < request.photos; ++i)
      indices.push_back(static_cast<int>(i));
  }
  return indices;
}

void need_values(const EditRequest& request, std::size_t least, std::string_view what) {
  if (request.values.size() < least) throw UsageError{std::string(what)};
}

std::vector<fs::path> absolute_paths(const std::vector<std::string>& files) {
  std::vector<fs::path> paths;
  for (const std::string& file : files)
    paths.push_back(fs::absolute(file));
  return paths;
}

Edit add_photos(EditRequest& request) {
  need_values(request, 1, "add-photos needs photo files");
  return add_photos_edit(request.slideshow, absolute_paths(request.values));
}

Edit remove_photos(EditRequest& request) {
  need_values(request, 1, "remove-photos needs photo numbers");
  return remove_photos_edit(request.slideshow, photo_indices(request, 0));
}

Edit move_photos(EditRequest& request) {
  need_values(request, 1, "move-photos needs photo numbers");
  if (request.before.has_value() == request.after.has_value()) {
    throw UsageError{"move-photos needs either --before N or --after N"};
  }
  const int target =
      index_of(request.before ? *request.before : *request.after, request.photos, "photo");
  return move_photos_edit(request.slideshow, photo_indices(request, 0), target,
                          request.before.has_value());
}

Edit sort(EditRequest& request) {
  need_values(request, 1, "sort needs name or date");
  const std::string& key = request.values.front();
  if (key != "name" && key != "date") throw UsageError{"sort takes name or date"};
  return sort_photos_edit(
      request.slideshow, key == "name" ? PhotoSortKey::kName : PhotoSortKey::kDate,
      request.descending ? SortDirection::kDescending : SortDirection::kAscending);
}

Edit display(EditRequest& request) {
  need_values(request, 1, "display needs seconds");
  const int seconds = display_seconds_value(to_int(request.values.front(), "display"), "display");
  return display_seconds_edit(request.slideshow, chosen_photos(request), seconds);
}

Edit transition_seconds(EditRequest& request) {
  need_values(request, 1, "tseconds needs seconds");
  const int seconds =
      transition_seconds_value(to_int(request.values.front(), "tseconds"), "tseconds");
  return transition_seconds_edit(request.slideshow, chosen_photos(request), seconds);
}

Edit effect(EditRequest& request) {
  need_values(request, 1, "effect needs none, pan, panzoom or panzoomrotate");
  const ImageEffectCategory category = category_named(request.values.front(), "effect");
  return image_effect_edit(request.slideshow, chosen_photos(request), category);
}

Edit transition(EditRequest& request) {
  need_values(request, 1, "transition needs random, an id or a name");
  const auto chosen = transition_template(request.values.front(), "transition");
  return transition_edit(request.slideshow, chosen_photos(request), *chosen);
}

Edit cover(EditRequest& request) {
  need_values(request, 1, "cover needs a photo number");
  return cover_edit(request.slideshow, index_of(request.values.front(), request.photos, "photo"));
}

Edit caption(EditRequest& request) {
  need_values(request, 1, "caption needs a text (\"\" takes the typed caption away)");
  return caption_edit(request.slideshow, chosen_photos(request), request.values.front());
}

Edit auto_caption(EditRequest& request) {
  need_values(request, 1, "auto-caption needs none, name, date or both");
  const std::optional<AutoCaption> automatic = auto_caption_from_word(request.values.front());
  if (!automatic || request.values.size() > 1)
    throw UsageError{"auto-caption takes none, name, date or both, and --top"};
  return slideshow_captions_edit(
      request.slideshow,
      {*automatic, request.top ? CaptionPlacement::kTop : CaptionPlacement::kBottom});
}

Edit add_tracks(EditRequest& request) {
  need_values(request, 1, "add-tracks needs music files");
  return add_tracks_edit(request.slideshow, absolute_paths(request.values), &request.left_out);
}

void report_left_out(const EditRequest& request) {
  for (const fs::path& file : request.left_out)
    std::fprintf(stderr, "left out %s: the slideshow plays it already\n", file.c_str());
}

Edit remove_track(EditRequest& request) {
  need_values(request, 1, "remove-track needs a track number");
  return remove_track_edit(request.slideshow,
                           index_of(request.values.front(), request.tracks, "track"));
}

Edit move_track(EditRequest& request) {
  need_values(request, 2, "move-track needs a track number and up or down");
  const int index = index_of(request.values[0], request.tracks, "track");
  if (request.values[1] != "up" && request.values[1] != "down")
    throw UsageError{"move-track takes up or down"};
  return move_track_edit(request.slideshow, index, request.values[1] == "up");
}

Edit fit_music(EditRequest& request) {
  return fit_to_music_edit(request.slideshow, &request.fit);
}

void report_fit(const EditRequest& request) {
  const MusicFit& fit = request.fit;
  const std::string lengths = " (video " + ClockSeconds(fit.video_seconds).text() + ", music " +
                              ClockSeconds(fit.music_seconds).text() + ")";
  switch (fit.outcome) {
    case MusicFitOutcome::kFitted:
      std::fprintf(stderr, "display times fitted to the music%s\n", lengths.c_str());
      break;
    case MusicFitOutcome::kNoMusic:
      std::fprintf(stderr, "the first slideshow has no music to fit; nothing changed\n");
      break;
    case MusicFitOutcome::kMusicTooShort:
      std::fprintf(stderr,
                   "the music is shorter than the shortest video: every photo shows for the "
                   "shortest time%s\n",
                   lengths.c_str());
      break;
    case MusicFitOutcome::kMusicTooLong:
      std::fprintf(stderr,
                   "the music is longer than the longest video: every photo shows for the "
                   "longest time and the music is cut at the end%s\n",
                   lengths.c_str());
      break;
  }
}

struct Action {
  std::string_view name;
  Edit (*make)(EditRequest&);
  void (*report)(const EditRequest&) = nullptr;
};

constexpr Action kActions[] = {
    {"add-photos", add_photos},
    {"remove-photos", remove_photos},
    {"move-photos", move_photos},
    {"sort", sort},
    {"display", display},
    {"tseconds", transition_seconds},
    {"effect", effect},
    {"transition", transition},
    {"cover", cover},
    {"caption", caption},
    {"auto-caption", auto_caption},
    {"add-tracks", add_tracks, report_left_out},
    {"remove-track", remove_track},
    {"move-track", move_track},
    {"fit-music", fit_music, report_fit},
};

const Action& action_named(std::string_view name) {
  for (const Action& action : kActions) {
    if (action.name == name) return action;
  }
  throw UsageError{"unknown action \"" + std::string(name) + "\""};
}

// The slideshow named by number (from 1) or by name; the first without a choice.
int slideshow_index(const Project& project, const std::optional<std::string>& choice) {
  if (!choice) return 0;
  for (int i = 0; i < project.slideshow_count(); ++i) {
    if (project.slideshows[static_cast<std::size_t>(i)]->name() == *choice) return i;
  }
  return index_of(*choice, project.slideshows.size(), "slideshow");
}

}  // namespace

int run_edit(Arguments& args) {
  const std::optional<std::string> slideshow_choice = args.take_value("--slideshow");
  const std::optional<std::string> before = args.take_value("--before");
  const std::optional<std::string> after = args.take_value("--after");
  const bool descending = args.take_flag("--descending");
  const bool top = args.take_flag("--top");
  std::vector<std::string> positional = args.finish();
  if (positional.size() < 2) throw UsageError{"name a project file and an action"};
  const Action& action = action_named(positional[1]);

  ProjectSession session(ProjectSession::Mode::kProgram);
  Project& project = session.project();
  if (const Status opened = session.open(positional[0]); !opened) {
    std::fprintf(stderr, "pictavo-cli edit: %s cannot be opened: %s\n", positional[0].c_str(),
                 opened.reason().c_str());
    return 1;
  }
  if (project.slideshows.empty()) {
    std::fprintf(stderr, "pictavo-cli edit: %s has no slideshow\n", positional[0].c_str());
    return 1;
  }
  const Slideshow& slideshow =
      *project.slideshows[static_cast<std::size_t>(slideshow_index(project, slideshow_choice))];
  const std::string name = slideshow.name();
  EditRequest request{project,
                      slideshow.id(),
                      slideshow.photos.size(),
                      slideshow.tracks.size(),
                      {positional.begin() + 2, positional.end()},
                      before,
                      after,
                      descending,
                      top,
                      {},
                      {}};
  EditHistory history(project);
  history.run(action.make(request));
  if (action.report != nullptr) action.report(request);
  if (project.slideshow_index(request.slideshow) < 0) {
    std::fprintf(stderr, "slideshow \"%s\" has no photos left and is removed\n", name.c_str());
  }
  if (!session.save()) return 1;
  print_project(project);
  return 0;
}

}  // namespace pictavo::cli

#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/exception_text.h"
#include "base/large_allocations.h"
#include "cli/arguments.h"
#include "cli/commands.h"

namespace {

struct Command {
  std::string_view syntax;  // begins with the command's name
  std::string_view summary;
  int (*run)(pictavo::cli::Arguments&);

  std::string_view name() const { return syntax.substr(0, syntax.find(' ')); }
};

constexpr Command kCommands[] = {
    {"audio info FILE... | prepare TRACK... -o OUT.mp2 [--loop-seconds N] | play [--loop] FILE...",
     "measure music files in whole seconds and say why a file is refused; convert tracks to MP2 "
     "and join them into one file (repeated to outlast N seconds); play files one after the "
     "other (Ctrl-C stops)",
     pictavo::cli::run_audio},
    {"cover PHOTO -o OUT.bmp | cover PHOTO... -o DIR",
     "write the 80 x 60 cover picture of a photo, drawn on white (BMP, or the type the "
     "extension names); of several photos into a folder, on every core",
     pictavo::cli::run_cover},
    {"demo [--out DIR]",
     "make a project of two slideshows from the sample photos with the default music, random "
     "motions and transitions (the same every time), save it as demo.prg and make its videos "
     "into DIR (by default the project's Output folder)",
     pictavo::cli::run_demo},
    {"edit PROJECT.prg [--slideshow NAME|N] ACTION ...",
     "change a project as the photo and music pages do, and save it; ACTION is add-photos "
     "PHOTO..., remove-photos N..., move-photos N... --before N|--after N, sort name|date "
     "[--descending], display S [N...], tseconds T [N...], effect "
     "none|pan|panzoom|panzoomrotate [N...], transition random|ID|NAME [N...], cover N, "
     "caption TEXT [N...] (\"\" gives back the automatic caption), auto-caption "
     "none|name|date|both [--top] (the file name and the date taken on the photos without "
     "a caption, at the bottom or the top), add-tracks FILE..., remove-track N, move-track N "
     "up|down or fit-music (display times "
     "that end the video with the first slideshow's music, which every video plays) (photos, "
     "tracks and slideshows count from 1; "
     "without N... every photo)",
     pictavo::cli::run_edit},
    {"effect-covers [--from A] [--to B] [--folder DIR]",
     "render the transitions' cover pictures (the middle of each transition from A to B, by "
     "default menu_pic/0.jpg and 1.jpg) as JPEG files into DIR (by default EffectCover)",
     pictavo::cli::run_effect_covers},
    {"effects [--seed N] [--xml TYPE]",
     "list image effects and transitions with their default and random parameters, or print "
     "the stored XML of one transition (random values with --seed)",
     pictavo::cli::run_effects},
    {"image info FILE... | image convert IN OUT [--size WxH] [--rotate left|right|180] [--flip] "
     "[--mirror] [--crop l,t,r,b] [--light b,c] [--soften N] [--sharpen N] [--frame N] "
     "[--quality Q]",
     "describe pictures, or convert one (type by extension) applying the edits in this order",
     pictavo::cli::run_image},
    {"info PROJECT.prg",
     "show a project's slideshows, music and photos with their start times, durations, "
     "transitions and motions, the total length and the estimated size; changes nothing",
     pictavo::cli::run_info},
    {"make PROJECT.prg [--out DIR] [--profile N] [--blurred-background] [--fade-out S]",
     "make one video and one THM thumbnail (a JPEG cover for the profiles of phones, tablets and "
     "TVs) per slideshow of a project into DIR (by default the "
     "project's Output folder, emptied of earlier runs) with output profile N (numbered as "
     "profiles lists them), showing progress "
     "(Ctrl-C stops); --blurred-background fills the bars beside photos with a blurred copy of "
     "the photo, --fade-out fades the music out over the last S seconds (0 to 10)",
     pictavo::cli::run_make},
    {"new PROJECT.prg --slideshow NAME PHOTO... [--slideshow NAME PHOTO...] [--music FILE...] "
     "[--effect none|pan|panzoom|panzoomrotate] [--transition random|ID|NAME] [--display S] "
     "[--tseconds T]",
     "make a project as the program does (every slideshow with the default music, or the "
     "--music files) and save it",
     pictavo::cli::run_new},
    {"prefs",
     "show where the preferences, the log and the working folders are, and the stored "
     "preferences",
     pictavo::cli::run_prefs},
    {"profiles",
     "list the output profiles and their parameters, numbered through the groups: the PSP's "
     "first, then those of phones, tablets and TVs",
     pictavo::cli::run_profiles},
    {"psp list | check FILE... | copy FILE... [--to-computer DIR] [--drive ROOT] [--keep-names]",
     "list the removable drives with their space and the PSP's videos with their titles; check "
     "whether videos will play on the PSP (each rule passed or failed and why: container, "
     "codec, profile, level, size, frame rate, audio, file size and THM thumbnail; exit status "
     "1 when a video fails a rule); copy "
     "files to the PSP "
     "(videos as the next M4Vnnnnn.MP4 in MP_ROOT/100MNV01, or MAQnnnnn.MP4 in "
     "MP_ROOT/100ANV01 for H.264, each with its THM thumbnail, unless --keep-names; onto the "
     "drive found, or ROOT) or from it into DIR keeping their names, showing progress (Ctrl-C "
     "stops; no file is ever left half-written)",
     pictavo::cli::run_psp},
    {"relink PROJECT.prg FOLDER",
     "find the project's missing photos (moved since the project was saved) in FOLDER and the "
     "folders below it by file name, point the photos at them and save the project; prints "
     "what it relinked and what is still missing, and ends with 1 while a photo is missing",
     pictavo::cli::run_relink},
    {"render --photo A [--photo B ...] [--profile N] [--music FILE] [--transition ID] "
     "[--effect ID] [--display S] [--tseconds T] [--seed N] [--blurred-background] -o OUT.mp4",
     "make the video of a slideshow of the photos with an output profile, showing progress "
     "(Ctrl-C stops, leaving a complete shorter video)",
     pictavo::cli::run_render},
    {"thm PHOTO -o OUT.THM | thm PHOTO... -o DIR",
     "write the 160 x 120 thumbnail the PSP shows beside a video of the photo, drawn on black "
     "(baseline JPEG); of several photos into a folder (NAME.THM), on every core",
     pictavo::cli::run_thm},
    {"transition --from A --to B --type ID [--p1 N] [--p2 N] [--effect ID] [--seconds T] "
     "[--display S] [--size WxH] [--fps N] [--opening] [--seed N] (--png-dir DIR | --y4m FILE)",
     "render the transition from photo A to photo B and B's own frames (after A's opening "
     "with --opening) as PNG files or as one I420 stream",
     pictavo::cli::run_transition},
};

void print_usage(std::FILE* out) {
  std::fputs("usage: pictavo-cli COMMAND [ARGS...]\n\ncommands:\n", out);
  for (const Command& command : kCommands) {
    std::fprintf(out, "  %.*s\n      %.*s\n", static_cast<int>(command.syntax.size()),
                 command.syntax.data(), static_cast<int>(command.summary.size()),
                 command.summary.data());
  }
  std::fputs(
      "\nA value that begins with -- is attached to its option (-o=--name); after a lone --\n"
      "every argument is positional.\n",
      out);
}

}  // namespace

int main(int argc, char** argv) {
  pictavo::map_large_allocations();
  const std::span<char*> all(argv, static_cast<std::size_t>(argc));
  if (all.size() < 2 || std::string_view(all[1]) == "--help" || std::string_view(all[1]) == "-h") {
    print_usage(all.size() < 2 ? stderr : stdout);
    return all.size() < 2 ? 1 : 0;
  }
  const std::string_view name = all[1];
  for (const Command& command : kCommands) {
    if (command.name() != name) continue;
    try {
      pictavo::cli::Arguments args(std::vector<std::string>(all.begin() + 2, all.end()));
      return command.run(args);
    } catch (const pictavo::cli::UsageError& error) {
      std::fprintf(stderr, "pictavo-cli %s: %s\n", all[1], error.message.c_str());
      std::fprintf(stderr, "usage: pictavo-cli %.*s\n", static_cast<int>(command.syntax.size()),
                   command.syntax.data());
      return 1;
    } catch (...) {
      // No memory, or a file system call that failed (no temporary folder, a
      // folder that vanished while it was listed, permissions): one clear line.
      std::fprintf(stderr, "pictavo-cli %s: %s\n", all[1],
                   pictavo::current_exception_text().c_str());
      return 1;
    }
  }
  std::fprintf(stderr, "pictavo-cli: unknown command \"%s\"\n\n", all[1]);
  print_usage(stderr);
  return 1;
}

#pragma once

#include "cli/arguments.h"

// One function per subcommand of pictavo-cli. Each returns the process exit status:
// 0 done, 1 failed (the reason on stderr), 2 stopped by the user.
namespace pictavo::cli {

int run_audio(Arguments& args);
int run_cover(Arguments& args);
int run_demo(Arguments& args);
int run_edit(Arguments& args);
int run_effect_covers(Arguments& args);
int run_effects(Arguments& args);
int run_image(Arguments& args);
int run_info(Arguments& args);
int run_make(Arguments& args);
int run_new(Arguments& args);
int run_prefs(Arguments& args);
int run_profiles(Arguments& args);
int run_psp(Arguments& args);
int run_relink(Arguments& args);
int run_render(Arguments& args);
int run_thm(Arguments& args);
int run_transition(Arguments& args);

}  // namespace pictavo::cli

#pragma once

// The engine's texts for the user are marked where they are written, so that
// lupdate finds them:
//
//   QT_TRANSLATE_NOOP("Engine", "Stopped!")
//
// always in the context "Engine", the one kEngineTextContext names. The mark leaves
// the text as it is: the command line shows it in English, and the desktop program
// looks it up in its translation when it shows it (ui/common/engine_text.h). Qt
// defines the same macro the same way, so either definition may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace pictavo {

inline constexpr char kEngineTextContext[] = "Engine";

}  // namespace pictavo

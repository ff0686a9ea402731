// The main of every test program. The rules for tests hold however the program is
// started (by ctest or by hand): no real audio output, no real removable drives,
// no windows on a real screen.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

int main(int argc, char** argv) {
  ::setenv("SDL_AUDIODRIVER", "dummy", 1);
  ::setenv("PICTAVO_DRIVE_ROOTS", "", 1);
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleMock(&argc, argv);
  return RUN_ALL_TESTS();
}

// Read by LeakSanitizer in the sanitizer build: fontconfig keeps the font
// configuration Pango loads for the life of the process.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}

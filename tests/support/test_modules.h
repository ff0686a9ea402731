#pragma once

#include <filesystem>

namespace pictavo::test {

// Shared modules built with the tests, to be installed into a TempProgramFolder
// under the name the program looks for.

// Exports GetFileTimeLength (the whole number written at the start of the file) and
// an xToMp2 that copies the file (see the module's source for the words that
// steer it).
std::filesystem::path fake_audio_converter_module();
// Records every call in "encoder_calls.txt" of $PICTAVO_HOME; fails on request
// (fake_encoder.cpp says how).
std::filesystem::path fake_encoder_module();
// Exports nothing the program uses.
std::filesystem::path module_without_entries();

}  // namespace pictavo::test

#pragma once

#include <filesystem>

namespace pictavo {

// The folder the program's data files live in: $PICTAVO_HOME when it is set and
// not empty, else the folder of the running executable.
std::filesystem::path program_folder();

}  // namespace pictavo

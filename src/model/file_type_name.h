#pragma once

#include <filesystem>
#include <string>

namespace pictavo {

// The name of a file's type as the photo lists show it, by its extension:
// "JPEG image", "PNG image", ...; "XYZ file" for an extension not in the table and
// "File" without one. The names of the table and "File" are marked for translation.
std::string file_type_name(const std::filesystem::path& path);

}  // namespace pictavo

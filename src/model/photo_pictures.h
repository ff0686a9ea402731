#pragma once

#include <filesystem>

namespace pictavo {

class PhotoItem;

// What editing needs from the image layer.

// Whether the file is a picture the program can decode, judged from its header
// alone: a project of thousands of photos loads without decoding any of them.
bool can_decode_photo(const std::filesystem::path& path);

// Draws the photo's prepared picture into the slideshow cover picture at `path`.
// Reports nothing: a photo that cannot be decoded leaves no usable cover picture.
void write_cover(const PhotoItem& photo, const std::filesystem::path& path);

}  // namespace pictavo

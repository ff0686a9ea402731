#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "model/photo_item.h"
#include "model/slideshow.h"

// The picture each photo is rendered from, and the small pictures made from a
// slideshow's cover photo.
//
// A photo is rendered from its prepared picture. Until it is edited that is the
// user's own file (prepared_path == source_path); an edit writes a copy into the
// working folder's "temp" folder and points prepared_path at it, so the user's
// files are never written. Two forms of copy exist:
//   WORKING/temp/NAME      a quick rotation, in the picture type it was decoded as
//   WORKING/temp/NAME.bmp  the picture editor's result (photo_edits.h)
// where NAME is the photo's file name with its extension. A photo changed again
// rewrites its copy of the same form in place. Photos of the same file name (from
// two cards, or one file added twice) must not share a copy: a name that is
// another photo's picture gives way to a numbered one before the last extension
// (a (2).jpg, a.jpg (2).bmp), which the project file keeps with the photo.
namespace pictavo {

// A name that stands for one entry of a folder: not empty, not "." or "..", and
// without separators.
bool is_plain_file_name(const std::string& name);

class Project;

// Whether a file is the own file or the prepared picture of a photo other than
// the one being prepared. An empty test takes no file for taken.
using TakenPicture = std::function<bool(const std::filesystem::path&)>;

// The pictures of every photo of the project except `photo`. The test reads the
// project when it is asked.
TakenPicture pictures_of_other_photos(const Project& project, const PhotoItem& photo);

// Where the photo's copy of each form goes: the copy of that form it has in the
// working folder's temp folder, unless another photo took it meanwhile; otherwise
// the first free name of the form.
std::filesystem::path rotated_picture_path(const PhotoItem& photo,
                                           const std::filesystem::path& working_folder,
                                           const TakenPicture& taken);
std::filesystem::path edited_picture_path(const PhotoItem& photo,
                                          const std::filesystem::path& working_folder,
                                          const TakenPicture& taken);

// Turns the photo's prepared picture a quarter turn anticlockwise (left) or
// clockwise (right) into its rotated_picture_path and renders the photo from
// there. 0 when done; -1, with the photo and every file as they were, when the
// picture's type is unknown by its extension, it does not decode, its type cannot
// be written (WMF), or the copy would replace the user's own file. The edit list
// is left to the caller.
int rotate_prepared_left(PhotoItem& photo, const std::filesystem::path& working_folder,
                         const TakenPicture& taken);
int rotate_prepared_right(PhotoItem& photo, const std::filesystem::path& working_folder,
                          const TakenPicture& taken);

enum class QuarterTurn { kLeft, kRight };

// The quick rotation of the photo lists: the prepared picture turned as above and
// the turn appended to the edit list, so that the picture editor, which starts
// from the user's file, keeps it. The stale thumbnail is dropped and the change is
// marked unsaved. 0 when done; -1 with nothing changed when the picture could not
// be turned.
int quarter_turn_photo(PhotoItem& photo, QuarterTurn turn,
                       const std::filesystem::path& working_folder, const TakenPicture& taken);

// Whether the two paths name the same file: the same entry on disk, or the same
// path once written plainly.
bool same_file(const std::filesystem::path& a, const std::filesystem::path& b);

// Whether the file is a picture the program can decode, judged from its header
// alone: a project of thousands of photos loads without decoding any of them.
bool can_decode_photo(const std::filesystem::path& path);

// Writes the cover picture of the photo (80 × 60 BMP, see small_pictures.h) to
// `path`. A photo that does not decode gives a white picture and false.
bool write_cover_picture(const PhotoItem& photo, const std::filesystem::path& path);

// The PSP thumbnail of a slideshow in `folder`: "NAME.THM" after the slideshow's
// file name base.
std::filesystem::path thm_path(const Slideshow& slideshow, const std::filesystem::path& folder);

// Writes the PSP thumbnail of the slideshow's cover photo (its cover index held to
// the photos there are) into `folder`: a 160 × 120 baseline JPEG. False without
// photos, and when the cover photo does not decode (a black picture is written)
// or the file cannot be written.
bool write_thm(const Slideshow& slideshow, const std::filesystem::path& folder);

// The cover picture beside a video for phones, tablets and TVs in `folder`:
// "NAME.jpg" after the slideshow's file name base.
std::filesystem::path video_cover_path(const Slideshow& slideshow,
                                       const std::filesystem::path& folder);

// Writes that cover picture of the slideshow's cover photo into `folder`: a JPEG
// of the video's width × height (see small_pictures.h). False as write_thm.
bool write_video_cover(const Slideshow& slideshow, const std::filesystem::path& folder, int width,
                       int height);

}  // namespace pictavo

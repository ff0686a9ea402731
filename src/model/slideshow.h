#pragma once

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "effects/image_effect.h"
#include "model/audio_track.h"
#include "model/model_id.h"
#include "model/photo_caption.h"
#include "model/photo_item.h"
#include "model/project_observer.h"

namespace pictavo {

struct FrontEnd;
struct Preferences;
class TransitionParams;

// Whether the file's type is one the music chooser passes on to add_track: MP3,
// MP2, WAV, and WMA, which its files may still name.
bool is_music_file(const std::filesystem::path& path);

enum class PhotoSortKey { kName, kDate };
enum class SortDirection { kAscending, kDescending };

// One slideshow of the project: photos and music tracks in playing order, and the
// files made from it. Copies clone every photo and track.
//
// The editing operations keep the derived figures current: every photo's start
// time and the slideshow's length in frames, every track's start time. Operations
// with an index outside the list return 1 (or -1 where they return an index) and
// change nothing; every operation that changes something marks the project as
// having unsaved changes.
class Slideshow {
 public:
  static constexpr std::size_t kMaxNameCharacters = 15;

  // A name cut to kMaxNameCharacters characters, the way slideshows store it.
  static std::string fit_name(std::string_view name);

  // The slideshow `name` (cut by fit_name) of a project whose working folder is
  // `working_folder`; its intermediate files go to that folder's "temp" folder.
  Slideshow(std::string_view name, const std::filesystem::path& working_folder);
  Slideshow(const Slideshow& other);
  Slideshow& operator=(const Slideshow& other);
  Slideshow(Slideshow&&) noexcept = default;
  Slideshow& operator=(Slideshow&&) noexcept = default;
  ~Slideshow();

  ModelId id() const { return id_; }
  const std::string& name() const { return name_; }
  // Takes the name `name` (cut by fit_name): the intermediate files follow it in
  // their folder, and an existing cover picture is moved along.
  void rename(std::string_view name);
  // The base of the slideshow's file names: the name with every "/" made "_", so
  // no name can point a file outside its folder.
  std::string file_base() const;

  // Re-roots the intermediate files, the cover picture, every track's converted
  // copy (its file name + ".mp2") and every prepared photo into `folder`.
  void set_temp_folder(const std::filesystem::path& folder);

  // Where messages and notices go: the project's front end. A copy starts
  // detached, so a worker's copy never reaches the user interface.
  void attach(const FrontEnd* front_end) { front_end_ = front_end; }
  // Tells the front end that this slideshow changed. The operations below tell it
  // themselves; an edit that sets a photo's fields directly tells it
  // kPhotosChanged for the photos from `index` on.
  void notify(ProjectChange::Kind kind, int index = 0, int count = 0) const;
  // kPhotosChanged for the span of photos `indices` name (any order).
  void notify_photos_changed(std::span<const int> indices) const;

  // Photos. add_photo refuses (1) an empty path, a file that some photo already
  // renders (its prepared picture) and a file that does not decode as a picture;
  // the photo copies `setting`. The first photo becomes the cover.
  int add_photo(const std::filesystem::path& path, const PhotoSetting& setting);
  // A stored photo whose file is not there: kept, marked missing.
  void add_missing_photo(const std::filesystem::path& path, const PhotoSetting& setting);
  int remove_photo(int index);
  // Removes the photos at the indices (any order). The cover stays on its photo; when
  // that photo goes, the first photo becomes the cover.
  int remove_photos(std::span<const int> indices);
  // Swap with the neighbour; the first photo up or the last down changes nothing.
  // A move to or from index 0 changes the first photo, whose TV system and display
  // time the length depends on.
  int move_photo_up(int index);
  int move_photo_down(int index);
  // Moves the photos at `indices`, one after the other, next to the photo at
  // `target`: before it, or after it and the photos already moved there, so they
  // arrive as one run in the order given. `indices` is rewritten with the photos'
  // new positions. Returns the target photo's final index, or -1 for an index out
  // of range (the photos moved before it stay moved).
  int move_photos(std::span<int> indices, int target, bool before);
  // The index of the photo `id` names; -1 when it is not in the slideshow.
  int photo_index(ModelId id) const;
  // Takes the photos at `indices` (ascending, no repeats) out of the list, in that
  // order, for an undo to put back; the cover stays on its photo as remove_photos
  // keeps it. Indices outside the list take nothing.
  std::vector<std::unique_ptr<PhotoItem>> take_photos(std::span<const int> indices);
  // Puts `taken` back so that taken[k] ends at indices[k] (ascending): the
  // inverse of take_photos. The cover stays on its photo.
  void insert_photos(std::span<const int> indices, std::vector<std::unique_ptr<PhotoItem>> taken);
  // Puts the photo at order[i] at i for every i; `order` is a permutation of the
  // photos' indices (anything else changes nothing). The cover stays on its photo.
  void reorder_photos(std::span<const int> order);
  // Numbers the photos by position, then makes one pass per photo over the list,
  // swapping neighbours out of order: names compare byte by byte, equal neighbours
  // keep their order.
  void sort_photos(PhotoSortKey key, SortDirection direction);

  // Effect choices of the photos at `indices`. The image effect is drawn anew for
  // each photo from `category` (the photo's stored category is left alone); each
  // photo gets its own transition resolved from the template; durations are
  // brought into their ranges (photo_durations.h).
  int set_image_effect(std::span<const int> indices, ImageEffectCategory category);
  int set_display_seconds(std::span<const int> indices, int seconds);
  int set_transition_seconds(std::span<const int> indices, int seconds);
  int set_transition(std::span<const int> indices, const TransitionParams& template_params);

  // Stores the cover index; for a photo index it also writes the cover picture and
  // tells the front end.
  void set_cover(int index);
  // The cover photo, after clamping the cover index into the photos; null without
  // photos.
  PhotoItem* cover_photo();

  // Tracks. add_track refuses (1) an empty path, a project without a working folder
  // and a file some track already plays. A file of no measurable length is shown
  // as not music and left out (0). The converted copy goes to the working folder's
  // "temp" folder as NAME.mp2.
  int add_track(const std::filesystem::path& path, const Preferences& preferences);
  int add_default_track(const Preferences& preferences);
  int remove_track(int index);
  // Takes the track at `index` out, for an undo to put back; null for a bad index.
  std::unique_ptr<AudioTrack> take_track(int index);
  // Puts `track` at `index` (clamped into the list).
  void insert_track(int index, std::unique_ptr<AudioTrack> track);
  int move_track_up(int index);
  int move_track_down(int index);
  // Points the joined music at `folder`/NAME.`extension` and every track's
  // converted copy at `folder`/its file name without extension.`extension`.
  void set_music_output(std::string_view extension, const std::filesystem::path& folder);

  // Recomputes every photo's start time and total_frames (slideshow_timing), at
  // the first photo's frame rate.
  void update_length();
  // The length in whole seconds, exactly as the photos' times add up; 0 without
  // photos.
  int length_seconds() const { return length_seconds_; }

  std::vector<std::unique_ptr<PhotoItem>> photos;
  std::vector<std::unique_ptr<AudioTrack>> tracks;
  std::filesystem::path stream_path;  // intermediate video stream (.m2v)
  std::filesystem::path music_path;   // the joined music (.mp2)
  std::filesystem::path raw_path;     // intermediate raw frames (.yuv)
  std::filesystem::path video_path;   // the finished video
  std::filesystem::path cover_path;   // the cover picture (cover_NAME.bmp)
  int total_frames = 0;
  int number = 0;  // position in the project, renumbered after every change
  int cover_index = 0;
  SlideshowCaptions captions;

 private:
  bool is_photo_index(int index) const;
  bool are_photo_indices(std::span<const int> indices) const;
  bool is_track_index(int index) const;
  void update_track_starts();
  // Puts the cover index back on `photo` after the photos moved; a photo that is
  // gone makes the first photo the cover.
  void keep_cover_on(const PhotoItem* photo);

  ModelId id_ = next_model_id();
  std::string name_;
  int length_seconds_ = 0;
  const FrontEnd* front_end_ = nullptr;
};

}  // namespace pictavo

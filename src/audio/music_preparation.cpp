#include "audio/music_preparation.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <type_traits>
#include <utility>
#include <vector>

#include "audio/audio_converter_module.h"
#include "audioconv/xtomp2.h"
#include "base/atomic_file.h"
#include "base/free_name.h"
#include "base/log.h"
#include "base/result_code.h"

namespace pictavo {
namespace {

// The converter tests the job's stop event without waiting; a request it sees is
// consumed and comes back as its result XTOMP2_STOPPED, which is kStopped.
int is_stop_requested(void* event) {
  return static_cast<Event*>(event)->try_wait() ? 1 : 0;
}

bool stop_requested(Event* stop) {
  return stop != nullptr && stop->try_wait();
}

// Paths that name the same file compare equal in this form, whether they exist or not.
std::filesystem::path file_identity(const std::filesystem::path& path) {
  std::error_code error;
  std::filesystem::path identity = std::filesystem::weakly_canonical(path, error);
  if (error) identity = std::filesystem::absolute(path, error).lexically_normal();
  return identity;
}

// The files the tracks are converted to, removed again when the preparation ends
// however it ends. Tracks whose base names are equal would share one converted
// path, a track named like the joined output would be overwritten while it is
// still to be read, and a music file that is itself where its copy would go would
// be replaced and then removed: such a track gets "NAME (2).mp2" (the next free
// number) beside its converted path instead.
class ConvertedFiles {
 public:
  ConvertedFiles(std::span<const MusicTrack> tracks, const std::filesystem::path& output) {
    std::set<std::filesystem::path> taken{file_identity(output)};
    for (const auto& track : tracks)
      taken.insert(file_identity(track.source_path));
    for (const auto& track : tracks) {
      std::filesystem::path path = track.converted_path;
      path = free_name(path, [&taken](const std::filesystem::path& candidate) {
        std::error_code error;
        return taken.contains(file_identity(candidate)) ||
               std::filesystem::exists(candidate, error);
      });
      taken.insert(file_identity(path));
      paths_.push_back(std::move(path));
    }
  }
  ConvertedFiles(const ConvertedFiles&) = delete;
  ConvertedFiles& operator=(const ConvertedFiles&) = delete;
  ~ConvertedFiles() { remove_all(); }

  const std::filesystem::path& operator[](std::size_t track) const { return paths_[track]; }

  void remove_all() const {
    for (const auto& path : paths_) {
      std::error_code ignored;
      std::filesystem::remove(path, ignored);
    }
  }

 private:
  std::vector<std::filesystem::path> paths_;
};

// Loads the converter for one use, logging how that went; nothing, with the
// loader's reason in `error`, when it cannot be loaded.
std::optional<SharedModule> load_converter(std::string& error) {
  Result<SharedModule> module = load_audio_converter_module();
  if (!module) {
    error = module.reason();
    write_log("Load audio converter module error");
    return std::nullopt;
  }
  write_log("Load audio converter module ok");
  return std::move(*module);
}

// Converts one track with the loaded converter: the converter's result, or 0 when
// it lacks its entry (the join then misses the file).
int convert_track(const SharedModule& module, const MusicTrack& track,
                  const std::filesystem::path& destination, XToMp2Stop& stop) {
  auto* convert = module.entry<int(const char*, const char*, XToMp2Stop*)>("xToMp2");
  if (convert == nullptr) return 0;
  write_log("convering mp3 file " + track.source_path.string());  // log text kept as written
  const int result = convert(track.source_path.c_str(), destination.c_str(), &stop);
  write_log("converted mp3 file resault: " + std::to_string(result));
  return result;
}

// Appends the file at `path` to `output` in blocks of 1024 bytes.
bool append_file(const std::filesystem::path& path, AtomicFile& output) {
  std::FILE* input = std::fopen(path.c_str(), "rb");
  if (input == nullptr) return false;
  std::array<char, 1024> block;
  bool good = true;
  while (good) {
    const std::size_t got = std::fread(block.data(), 1, block.size(), input);
    if (got == 0) break;
    good = output.write(std::string_view(block.data(), got));
  }
  good = good && std::ferror(input) == 0;
  std::fclose(input);
  return good;
}

// Records why the preparation failed, for the caller that asked.
class FailureRecord {
 public:
  explicit FailureRecord(std::string* text) : text_(text) {}
  int operator()(int code, std::string reason) const {
    if (text_ != nullptr) *text_ = std::move(reason);
    return code;
  }

 private:
  std::string* text_;
};

int join(const MusicRequest& request, const ConvertedFiles& converted, const FailureRecord& fail) {
  write_log("begin join all mp2 file");
  AtomicFile output(request.output_path);
  if (!output.is_good())
    return fail(kFailed, "the music file " + request.output_path.string() + " cannot be created");
  const int count = repetition_count(request);
  for (int pass = 0; pass < count; ++pass) {
    for (std::size_t track = 0; track < request.tracks.size(); ++track) {
      if (!append_file(converted[track], output)) {
        return fail(kFailed, "the converted music " + converted[track].string() +
                                 " cannot be read, or " + request.output_path.string() +
                                 " cannot be written");
      }
      if (stop_requested(request.stop)) return kStopped;
    }
  }
  if (!output.commit())
    return fail(kFailed, "the music file " + request.output_path.string() + " cannot be written");
  converted.remove_all();
  write_log("end join all mp2 file");
  return 0;
}

// Converts the tracks one by one, loading the converter for each (`module` is
// the one loaded for the first track), and joins the converted files: the way
// of converters without xToMp2Joined, whose files each end in a filled-up frame,
// so that a short silence falls at every join.
int convert_each_and_join(const MusicRequest& request, std::optional<SharedModule> module,
                          XToMp2Stop& stop, const FailureRecord& fail) {
  const ConvertedFiles converted(request.tracks, request.output_path);
  for (std::size_t track = 0; track < request.tracks.size(); ++track) {
    const MusicTrack& music = request.tracks[track];
    std::string error;
    if (!module) module = load_converter(error);
    if (!module) return fail(kFailed, "cannot load the audio converter module: " + error);
    const int result = convert_track(*module, music, converted[track], stop);
    module.reset();
    if (result == kStopped) return kStopped;
    if (result != 0) {
      return fail(result, "the music file " + music.source_path.string() +
                              " cannot be converted: " + converter_failure_text(result));
    }
    if (stop_requested(request.stop)) return kStopped;
  }
  return join(request, converted, fail);
}

// Has the converter encode every track, repeated as the request says, into the
// output file as one stream, so that the music runs on without a gap from track to
// track and from the last track into the first again.
int convert_joined(XToMp2JoinedFunction convert, const MusicRequest& request, XToMp2Stop& stop,
                   const FailureRecord& fail) {
  write_log("begin join all mp2 file");
  std::vector<const char*> sources;
  for (const auto& track : request.tracks) {
    write_log("convering mp3 file " + track.source_path.string());  // log text kept as written
    sources.push_back(track.source_path.c_str());
  }
  int failed_source = -1;
  const int result =
      convert(sources.data(), static_cast<int>(sources.size()), repetition_count(request),
              request.output_path.c_str(), &stop, &failed_source);
  write_log("converted mp3 file resault: " + std::to_string(result));
  if (result == kStopped) return kStopped;
  if (result == XTOMP2_BAD_OUTPUT)
    return fail(kFailed, "the music file " + request.output_path.string() + " cannot be created");
  if (result != 0) {
    const bool named = failed_source >= 0 && failed_source < static_cast<int>(sources.size());
    const std::string what =
        named ? "the music file " +
                    request.tracks[static_cast<std::size_t>(failed_source)].source_path.string()
              : "the music for " + request.output_path.string();
    return fail(result, what + " cannot be converted: " + converter_failure_text(result));
  }
  write_log("end join all mp2 file");
  return 0;
}

}  // namespace

std::filesystem::path make_converted_path(const std::filesystem::path& source,
                                          const std::filesystem::path& folder,
                                          std::string_view extension) {
  std::string name = source.filename().string();
  if (const std::size_t dot = name.rfind('.'); dot != std::string::npos) name.resize(dot);
  return folder / (name + "." + std::string(extension));
}

int repetition_count(const MusicRequest& request) {
  if (!request.loop_audio) return 1;
  long long music_seconds = 0;
  for (const auto& track : request.tracks)
    music_seconds += std::max(track.seconds, 0);
  if (music_seconds == 0) return 1;
  return static_cast<int>(std::max(request.project_seconds, 0) / music_seconds + 1);
}

int prepare_music(const MusicRequest& request, std::string* failure) {
  const FailureRecord fail(failure);
  // Writing the output would replace that music file, and the job removes the output.
  const std::filesystem::path output = file_identity(request.output_path);
  for (const auto& track : request.tracks) {
    if (file_identity(track.source_path) == output)
      return fail(kFailed, "the music file " + track.source_path.string() +
                               " is where the joined music is to be written");
  }
  XToMp2Stop stop{request.stop != nullptr ? is_stop_requested : nullptr, request.stop};
  if (request.tracks.empty()) return convert_each_and_join(request, std::nullopt, stop, fail);
  std::string error;
  std::optional<SharedModule> module = load_converter(error);
  if (!module) return fail(kFailed, "cannot load the audio converter module: " + error);
  if (auto* convert = module->entry<std::remove_pointer_t<XToMp2JoinedFunction>>("xToMp2Joined"))
    return convert_joined(*convert, request, stop, fail);
  return convert_each_and_join(request, std::move(module), stop, fail);
}

}  // namespace pictavo

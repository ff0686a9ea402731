#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "profiles/output_profile.h"

namespace pictavo::test {

// Runs the ffmpeg command line tool (quietly, overwriting outputs); true when it
// succeeded.
bool run_ffmpeg(const std::vector<std::string>& args);

// Writes `seconds` of a tone at `sample_rate` Hz with `channels` channels into
// `path`, encoded as its extension says unless `codec_args` name a codec.
bool make_tone(const std::filesystem::path& path, double seconds, int sample_rate, int channels,
               const std::vector<std::string>& codec_args = {});

// The length of an MP2 file converted from `seconds` of sound: whole 1152-sample
// frames at 48000 Hz.
double mp2_seconds(double seconds);

// What ffprobe reports about a file, as flat keys: "format.duration",
// "format.tags.major_brand", "streams.stream.0.codec_name", ... Frames are counted
// when `count_frames` is set ("streams.stream.0.nb_read_frames").
using ProbeResult = std::map<std::string, std::string>;
ProbeResult probe(const std::filesystem::path& path, bool count_frames = false);
double probe_number(const ProbeResult& result, const std::string& key);

// The bitstream headers of the file's video, as ffmpeg's trace_headers filter
// prints them (one syntax element per line).
std::string trace_video_headers(const std::filesystem::path& path);

// Every value of syntax element `name` in such a listing, in order.
std::vector<int> trace_values(const std::string& trace, const std::string& name);

// Checks (as test expectations) that the file's H.264 video keeps the PSP's
// limits: Main profile at `level_idc`, at most 2 reference frames and 1 B-frame in
// a row, no weighted prediction, no 8x8 transform, and one slice in each of its
// `frames` pictures.
void expect_psp_h264(const std::filesystem::path& path, int frames, int level_idc);

// Checks (as test expectations) that `video` is what the PSP plays for `profile`:
// its MP4 flavour with one video and one AAC-LC audio stream of the same length,
// the profile's codec, frame size, frame rate and sample rate, `frames` pictures,
// and for H.264 the limits of expect_psp_h264.
void expect_psp_video(const OutputProfile& profile, const std::filesystem::path& video, int frames);

}  // namespace pictavo::test

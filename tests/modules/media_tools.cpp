#include "modules/media_tools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "profiles/video_size_table.h"
#include "support/run_command.h"

namespace pictavo::test {

bool run_ffmpeg(const std::vector<std::string>& args) {
  std::vector<std::string> all{"-hide_banner", "-loglevel", "error", "-nostdin", "-y"};
  all.insert(all.end(), args.begin(), args.end());
  return run_command(PICTAVO_TEST_FFMPEG, all).exit_code == 0;
}

bool make_tone(const std::filesystem::path& path, double seconds, int sample_rate, int channels,
               const std::vector<std::string>& codec_args) {
  std::vector<std::string> args{"-f",
                                "lavfi",
                                "-i",
                                "sine=frequency=440:sample_rate=" + std::to_string(sample_rate) +
                                    ":duration=" + std::to_string(seconds),
                                "-ac",
                                std::to_string(channels)};
  args.insert(args.end(), codec_args.begin(), codec_args.end());
  args.push_back(path.string());
  return run_ffmpeg(args);
}

double mp2_seconds(double seconds) {
  const double frames = std::ceil(seconds * 48000 / 1152);
  return frames * 1152 / 48000;
}

ProbeResult probe(const std::filesystem::path& path, bool count_frames) {
  std::vector<std::string> args{"-v", "error", "-show_format", "-show_streams", "-of", "flat"};
  if (count_frames) args.push_back("-count_frames");
  args.push_back(path.string());
  const CommandResult result = run_command(PICTAVO_TEST_FFPROBE, args);
  ProbeResult fields;
  std::istringstream lines(result.out);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    std::string value = line.substr(equals + 1);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    fields[line.substr(0, equals)] = value;
  }
  return fields;
}

double probe_number(const ProbeResult& result, const std::string& key) {
  const auto found = result.find(key);
  return found == result.end() ? -1.0 : std::strtod(found->second.c_str(), nullptr);
}

std::string trace_video_headers(const std::filesystem::path& path) {
  const CommandResult result = run_command(
      PICTAVO_TEST_FFMPEG, {"-hide_banner", "-nostdin", "-i", path.string(), "-map", "0:v", "-c",
                            "copy", "-bsf:v", "trace_headers", "-f", "null", "-"});
  return result.err;
}

std::vector<int> trace_values(const std::string& trace, const std::string& name) {
  // The lines read "[trace_headers @ 0x...] 36     max_num_ref_frames     011 = 2".
  std::vector<int> values;
  std::istringstream lines(trace);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream words(line.substr(line.find(']') + 1));
    std::string position, element, bits, equals;
    int value = 0;
    if (words >> position >> element >> bits >> equals >> value && element == name &&
        equals == "=") {
      values.push_back(value);
    }
  }
  return values;
}

void expect_psp_h264(const std::filesystem::path& path, int frames, int level_idc) {
  SCOPED_TRACE(path.string());
  const std::string trace = trace_video_headers(path);
  EXPECT_EQ(trace_values(trace, "profile_idc"), std::vector<int>{77});
  EXPECT_EQ(trace_values(trace, "level_idc"), std::vector<int>{level_idc});
  const std::vector<int> references = trace_values(trace, "max_num_ref_frames");
  ASSERT_EQ(references.size(), 1u);
  EXPECT_LE(references[0], 2);
  EXPECT_EQ(trace_values(trace, "weighted_pred_flag"), std::vector<int>{0});
  EXPECT_EQ(trace_values(trace, "weighted_bipred_idc"), std::vector<int>{0});
  const std::vector<int> transform_8x8 = trace_values(trace, "transform_8x8_mode_flag");
  EXPECT_TRUE(transform_8x8.empty() || transform_8x8 == std::vector<int>{0});
  // One slice per picture: every slice starts at macroblock 0.
  EXPECT_EQ(trace_values(trace, "first_mb_in_slice"), std::vector<int>(frames, 0));
  // Never two B-frames in a row (slice types 1 and 6 are B).
  int b_run = 0;
  int longest_b_run = 0;
  for (const int type : trace_values(trace, "slice_type")) {
    b_run = (type % 5 == 1) ? b_run + 1 : 0;
    longest_b_run = std::max(longest_b_run, b_run);
  }
  EXPECT_LE(longest_b_run, 1);
}

void expect_psp_video(const OutputProfile& profile, const std::filesystem::path& video,
                      int frames) {
  const ProbeResult info = probe(video, true);
  const VideoSize* size = find_video_size(profile.value(ProfileParameterId::kVideoSize));
  ASSERT_NE(size, nullptr);
  ASSERT_TRUE(info.contains("streams.stream.1.codec_name")) << video << " has no second stream";
  const bool h264 = profile.value(ProfileParameterId::kVideoCodec) == "h264";
  const bool ntsc = profile.value(ProfileParameterId::kVideoFrameRate) == "29.97";
  EXPECT_EQ(info.at("format.nb_streams"), "2");
  EXPECT_EQ(info.at("format.tags.major_brand"), "MSNV");
  EXPECT_EQ(info.at("streams.stream.0.codec_type"), "video");
  EXPECT_EQ(info.at("streams.stream.0.codec_name"), h264 ? "h264" : "mpeg4");
  EXPECT_EQ(info.at("streams.stream.0.width"), std::to_string(size->width));
  EXPECT_EQ(info.at("streams.stream.0.height"), std::to_string(size->height));
  EXPECT_EQ(info.at("streams.stream.0.r_frame_rate"), ntsc ? "30000/1001" : "25/1");
  EXPECT_EQ(info.at("streams.stream.0.nb_read_frames"), std::to_string(frames));
  EXPECT_EQ(info.at("streams.stream.1.codec_name"), "aac");
  EXPECT_EQ(info.at("streams.stream.1.profile"), "LC");
  EXPECT_EQ(info.at("streams.stream.1.sample_rate"),
            profile.value(ProfileParameterId::kSampleRate));
  EXPECT_NEAR(probe_number(info, "streams.stream.1.duration"),
              probe_number(info, "streams.stream.0.duration"), 0.1);
  if (h264) {
    expect_psp_h264(video, frames, 21);  // every PSP size and rate fits level 2.1
  } else {
    EXPECT_EQ(info.at("streams.stream.0.profile"), "Simple Profile");
  }
}

}  // namespace pictavo::test

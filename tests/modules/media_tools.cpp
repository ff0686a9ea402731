#include "modules/media_tools.h"

#include <cmath>
#include <sstream>

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

}  // namespace pictavo::test

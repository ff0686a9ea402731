#include "support/files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "render/frame_canvas.h"

namespace pictavo::test {

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_file(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << "cannot write " << path;
}

std::string write_photo(const std::filesystem::path& path, int width, int height,
                        std::uint32_t colour) {
  FrameCanvas canvas(width, height);
  canvas.fill(colour);
  EXPECT_TRUE(canvas.write_png(path)) << "cannot write " << path;
  return path.string();
}

std::vector<std::string> log_texts(const std::filesystem::path& log) {
  std::vector<std::string> texts;
  std::istringstream lines(read_file(log));
  for (std::string line; std::getline(lines, line);)
    texts.push_back(line.substr(line.find(": ") + 2));
  return texts;
}

std::string exif_block_taken_at(const std::string& stamp) {
  std::string block = std::string("Exif\0\0MM\0\x2A\0\0\0\x08", 14);
  block += std::string("\0\x01\x87\x69\0\x04\0\0\0\x01\0\0\0\x1A\0\0\0\0", 18);
  block += std::string("\0\x01\x90\x03\0\x02\0\0\0\x14\0\0\0\x2C\0\0\0\0", 18);
  return block + stamp + std::string(1, '\0');
}

}  // namespace pictavo::test

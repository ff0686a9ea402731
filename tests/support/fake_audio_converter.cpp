// Stands in for the audio converter module in tests. The "length" of a file is the
// whole number written at its start, and a file without one has no audio. A
// "conversion" copies the file as it is, so a joined file shows exactly which
// tracks it holds, in which order; it never looks at the stop request. Words in
// the source steer it: "fails" makes it fail with code 7, and "pipe" makes the
// destination a named pipe that the test writes itself.
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "audioconv/xtomp2.h"

extern "C" int GetFileTimeLength(const char* path) {
  std::FILE* file = std::fopen(path, "r");
  if (file == nullptr) return 0;
  int seconds = 0;
  if (std::fscanf(file, "%d", &seconds) != 1) seconds = 0;
  std::fclose(file);
  return seconds;
}

extern "C" int xToMp2(const char* source, const char* destination, XToMp2Stop*) {
  std::ifstream in(source, std::ios::binary);
  if (!in) return XTOMP2_BAD_INPUT;
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (bytes.find("fails") != std::string::npos) return 7;
  if (bytes.find("pipe") != std::string::npos) {
    std::remove(destination);
    return ::mkfifo(destination, 0600) == 0 ? XTOMP2_OK : XTOMP2_BAD_OUTPUT;
  }
  std::ofstream out(destination, std::ios::binary | std::ios::trunc);
  out << bytes;
  return out.flush() ? XTOMP2_OK : XTOMP2_BAD_OUTPUT;
}

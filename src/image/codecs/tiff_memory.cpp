#include "image/codecs/tiff_memory.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "image/image_limits.h"

namespace pictavo::codecs {
namespace {

TiffMemory& memory_of(thandle_t handle) {
  return *static_cast<TiffMemory*>(handle);
}

tmsize_t read_proc(thandle_t handle, void* buffer, tmsize_t size) {
  TiffMemory& memory = memory_of(handle);
  if (size <= 0) return 0;
  const std::size_t count = memory.read_at(memory.position, buffer, static_cast<std::size_t>(size));
  memory.position += count;
  return static_cast<tmsize_t>(count);
}

tmsize_t write_proc(thandle_t handle, void* buffer, tmsize_t size) {
  TiffMemory& memory = memory_of(handle);
  if (!memory.output || size < 0) return -1;
  const std::size_t end = memory.position + static_cast<std::size_t>(size);
  if (end > memory.output->size()) memory.output->resize(end);
  std::memcpy(memory.output->data() + memory.position, buffer, static_cast<std::size_t>(size));
  memory.position = end;
  return size;
}

toff_t seek_proc(thandle_t handle, toff_t offset, int whence) {
  TiffMemory& memory = memory_of(handle);
  toff_t base = 0;
  if (whence == SEEK_CUR) base = memory.position;
  if (whence == SEEK_END) base = memory.size();
  memory.position = base + offset;  // reads past the end return nothing
  return memory.position;
}

int close_proc(thandle_t) {
  return 0;
}

toff_t size_proc(thandle_t handle) {
  return memory_of(handle).size();
}

// Reading straight from the input spares libtiff a copy of every strip; a file is
// read a strip at a time instead.
int map_proc(thandle_t handle, void** base, toff_t* size) {
  TiffMemory& memory = memory_of(handle);
  if (memory.output || memory.file) return 0;
  *base = const_cast<std::uint8_t*>(memory.input.data());
  *size = memory.input.size();
  return 1;
}

void unmap_proc(thandle_t, void*, toff_t) {}

int on_error(TIFF*, void* user_data, const char* module, const char* format, va_list args) {
  auto* memory = static_cast<TiffMemory*>(user_data);
  if (memory->error.empty()) {
    char text[512];
    std::vsnprintf(text, sizeof text, format, args);
    memory->error = std::string(module ? module : "libtiff") + ": " + text;
  }
  return 1;
}

int on_warning(TIFF*, void*, const char*, const char*, va_list) {
  return 1;
}

struct OptionsDeleter {
  void operator()(TIFFOpenOptions* options) const { TIFFOpenOptionsFree(options); }
};

}  // namespace

std::uint64_t TiffMemory::size() const {
  if (output) return output->size();
  return file ? file->size : input.size();
}

std::size_t TiffMemory::read_at(std::uint64_t offset, void* out, std::size_t count) const {
  if (offset >= size()) return 0;
  count = static_cast<std::size_t>(std::min<std::uint64_t>(count, size() - offset));
  if (file) return file->read_at(static_cast<std::size_t>(offset), out, count) ? count : 0;
  const ByteSpan contents = output ? ByteSpan(*output) : input;
  std::memcpy(out, contents.data() + offset, count);
  return count;
}

TiffFile open_tiff(TiffMemory& memory, const char* mode) {
  const std::unique_ptr<TIFFOpenOptions, OptionsDeleter> options(TIFFOpenOptionsAlloc());
  if (!options) return nullptr;
  TIFFOpenOptionsSetMaxSingleMemAlloc(options.get(), static_cast<tmsize_t>(kMaxImagePixels) * 4);
  TIFFOpenOptionsSetErrorHandlerExtR(options.get(), on_error, &memory);
  TIFFOpenOptionsSetWarningHandlerExtR(options.get(), on_warning, &memory);
  return TiffFile(TIFFClientOpenExt("picture", mode, &memory, read_proc, write_proc, seek_proc,
                                    close_proc, size_proc, map_proc, unmap_proc, options.get()));
}

}  // namespace pictavo::codecs

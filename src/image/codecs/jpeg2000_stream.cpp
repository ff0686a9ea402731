#include "image/codecs/jpeg2000_stream.h"

#include <algorithm>
#include <cstring>

namespace pictavo::codecs {
namespace {

constexpr OPJ_SIZE_T kChunk = 64 * 1024;

Jpeg2000Memory& memory_of(void* user) {
  return *static_cast<Jpeg2000Memory*>(user);
}

std::size_t size_of(const Jpeg2000Memory& memory) {
  return memory.output ? memory.output->size() : memory.input.size();
}

OPJ_SIZE_T read_proc(void* buffer, OPJ_SIZE_T count, void* user) {
  Jpeg2000Memory& memory = memory_of(user);
  if (memory.output || memory.position >= memory.input.size()) return static_cast<OPJ_SIZE_T>(-1);
  const std::size_t taken = std::min<std::size_t>(count, memory.input.size() - memory.position);
  std::memcpy(buffer, memory.input.data() + memory.position, taken);
  memory.position += taken;
  return taken;
}

OPJ_SIZE_T write_proc(void* buffer, OPJ_SIZE_T count, void* user) {
  Jpeg2000Memory& memory = memory_of(user);
  if (!memory.output) return static_cast<OPJ_SIZE_T>(-1);
  const std::size_t end = memory.position + count;
  if (end > memory.output->size()) memory.output->resize(end);
  std::memcpy(memory.output->data() + memory.position, buffer, count);
  memory.position = end;
  return count;
}

OPJ_OFF_T skip_proc(OPJ_OFF_T count, void* user) {
  Jpeg2000Memory& memory = memory_of(user);
  const auto size = static_cast<OPJ_OFF_T>(size_of(memory));
  const auto from = static_cast<OPJ_OFF_T>(memory.position);
  const OPJ_OFF_T to = memory.output ? std::max<OPJ_OFF_T>(0, from + count)
                                     : std::clamp<OPJ_OFF_T>(from + count, 0, size);
  memory.position = static_cast<std::size_t>(to);
  return to - from;
}

OPJ_BOOL seek_proc(OPJ_OFF_T offset, void* user) {
  Jpeg2000Memory& memory = memory_of(user);
  if (offset < 0 || (!memory.output && offset > static_cast<OPJ_OFF_T>(size_of(memory)))) {
    return OPJ_FALSE;
  }
  memory.position = static_cast<std::size_t>(offset);
  return OPJ_TRUE;
}

void keep_error(const char* message, void* user) {
  auto* error = static_cast<std::string*>(user);
  if (error->empty() && message) {
    *error = message;
    while (!error->empty() && (error->back() == '\n' || error->back() == ' '))
      error->pop_back();
  }
}

void drop_message(const char*, void*) {}

}  // namespace

OpjStream open_jpeg2000_stream(Jpeg2000Memory& memory) {
  OpjStream stream(opj_stream_create(kChunk, memory.output ? OPJ_FALSE : OPJ_TRUE));
  if (!stream) return nullptr;
  opj_stream_set_user_data(stream.get(), &memory, nullptr);
  if (!memory.output) opj_stream_set_user_data_length(stream.get(), memory.input.size());
  opj_stream_set_read_function(stream.get(), read_proc);
  opj_stream_set_write_function(stream.get(), write_proc);
  opj_stream_set_skip_function(stream.get(), skip_proc);
  opj_stream_set_seek_function(stream.get(), seek_proc);
  return stream;
}

void capture_jpeg2000_errors(opj_codec_t* codec, std::string& error) {
  opj_set_error_handler(codec, keep_error, &error);
  opj_set_warning_handler(codec, drop_message, nullptr);
  opj_set_info_handler(codec, drop_message, nullptr);
}

}  // namespace pictavo::codecs

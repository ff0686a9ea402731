#pragma once

#include <filesystem>

#include "base/result.h"

namespace pictavo {

// A shared module (the encoder, the audio converter) loaded from a file and
// unloaded when the object goes. Modules are loaded right before use and released
// right after it, so a module can be replaced while the program runs.
class SharedModule {
 public:
  // Loads the file at `path`, or says why the loader refused it.
  static Result<SharedModule> load(const std::filesystem::path& path);

  SharedModule(SharedModule&& other) noexcept;
  SharedModule& operator=(SharedModule&& other) noexcept;
  SharedModule(const SharedModule&) = delete;
  SharedModule& operator=(const SharedModule&) = delete;
  ~SharedModule();

  // The entry `name` as a function of type `Function` (for example
  // `int(const char*)`); null when the module does not export it. The caller names
  // the type the module's header documents.
  template <typename Function>
  Function* entry(const char* name) const {
    return reinterpret_cast<Function*>(symbol(name));
  }

 private:
  explicit SharedModule(void* handle) : handle_(handle) {}
  void* symbol(const char* name) const;

  void* handle_ = nullptr;
};

}  // namespace pictavo

#pragma once

#include <filesystem>

namespace pictavo::test {

// A shared module opened with dlopen, as the program opens its modules, and
// closed again when the object goes.
class LoadedModule {
 public:
  explicit LoadedModule(const std::filesystem::path& path);
  ~LoadedModule() { unload(); }
  LoadedModule(const LoadedModule&) = delete;
  LoadedModule& operator=(const LoadedModule&) = delete;

  bool is_loaded() const { return handle_ != nullptr; }
  void unload();

  // The entry `name` as a pointer of type Function; nullptr when it is missing.
  template <typename Function>
  Function entry(const char* name) const {
    return reinterpret_cast<Function>(find(name));
  }

 private:
  void* find(const char* name) const;

  void* handle_ = nullptr;
};

}  // namespace pictavo::test

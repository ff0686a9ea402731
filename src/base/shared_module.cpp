#include "base/shared_module.h"

#include <dlfcn.h>

#include <utility>

namespace pictavo {

Result<SharedModule> SharedModule::load(const std::filesystem::path& path) {
  // A name without a folder would be searched for on the library path; the program
  // only ever means the file it names.
  const std::filesystem::path file = path.has_parent_path() ? path : "." / path;
  ::dlerror();
  void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = ::dlerror();
    return Failure{reason != nullptr ? reason : "cannot load " + path.string()};
  }
  return SharedModule(handle);
}

SharedModule::SharedModule(SharedModule&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

SharedModule& SharedModule::operator=(SharedModule&& other) noexcept {
  if (this != &other) {
    if (handle_ != nullptr) ::dlclose(handle_);
    handle_ = std::exchange(other.handle_, nullptr);
  }
  return *this;
}

SharedModule::~SharedModule() {
  if (handle_ != nullptr) ::dlclose(handle_);
}

void* SharedModule::symbol(const char* name) const {
  return handle_ != nullptr ? ::dlsym(handle_, name) : nullptr;
}

}  // namespace pictavo

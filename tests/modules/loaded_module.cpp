#include "modules/loaded_module.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

namespace pictavo::test {

LoadedModule::LoadedModule(const std::filesystem::path& path)
    : handle_(::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
  if (handle_ == nullptr) ADD_FAILURE() << "cannot load " << path << ": " << ::dlerror();
}

void LoadedModule::unload() {
  if (handle_ != nullptr) ::dlclose(handle_);
  handle_ = nullptr;
}

void* LoadedModule::find(const char* name) const {
  return handle_ != nullptr ? ::dlsym(handle_, name) : nullptr;
}

}  // namespace pictavo::test

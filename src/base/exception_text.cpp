#include "base/exception_text.h"

#include <exception>
#include <new>

namespace pictavo {

std::string current_exception_text() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return "there is not enough memory";
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "an unknown failure";
  }
}

}  // namespace pictavo

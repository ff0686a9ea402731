#pragma once

#include <string>

namespace pictavo {

// What the exception being handled says, in plain words for a message: "there is
// not enough memory" for std::bad_alloc, its own text for any other
// std::exception (a file system call names the call, the reason and the paths),
// "an unknown failure" for anything else. Only to be called inside a catch block.
std::string current_exception_text();

}  // namespace pictavo

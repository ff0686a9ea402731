#include "base/large_allocations.h"

#include <malloc.h>

namespace pictavo {

void map_large_allocations() {
  // Setting the threshold also turns glibc's moving of it off.
  mallopt(M_MMAP_THRESHOLD, 1 << 20);
}

}  // namespace pictavo

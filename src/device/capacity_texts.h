#pragma once

#include <cstdint>

#include "base/user_text.h"

namespace pictavo {

// The three lines beside the PSP drive's capacity chart, each in GB above 1 GiB,
// in MB above 1 MiB and in KB below: "Capacity: 1024.00 MB", "Used: ...", "Free: ...".
struct CapacityTexts {
  UserText capacity;
  UserText used;
  UserText free;
};

CapacityTexts capacity_texts(std::uint64_t total_bytes, std::uint64_t free_bytes);

}  // namespace pictavo

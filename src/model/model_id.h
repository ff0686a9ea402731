#pragma once

#include <cstdint>

namespace pictavo {

// Names one slideshow or photo for the run, so that a view or an undo step finds
// it again wherever it moved; a thing that is gone is simply not found. Never
// reused; a copy (a worker's) keeps the id of what it copies.
using ModelId = std::uint64_t;

// A fresh id; safe from any thread.
ModelId next_model_id();

}  // namespace pictavo

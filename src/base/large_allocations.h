#pragma once

namespace pictavo {

// Has every allocation of 1 MB or more (frames, photos, the encoder's pictures)
// mapped on its own and given back to the system when it is freed. glibc would
// otherwise raise that threshold once such a block is freed and keep the later
// ones in its heaps, where the photos and frames of a 1920 × 1080 video pile up to
// some 50 MB more than the program uses at any one time. Called once, first thing
// in main.
void map_large_allocations();

}  // namespace pictavo

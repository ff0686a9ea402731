#pragma once

namespace pictavo {

// Truncates toward zero, as every conversion between seconds and frames does after
// each step. Values beyond the int range are clamped to it and NaN gives 0, so no
// stored number can make the conversion undefined.
int truncate_to_int(float value);

// a + b without overflow: the sum is clamped to the int range.
int saturating_add(int a, int b);

}  // namespace pictavo

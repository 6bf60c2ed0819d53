// The mixing rule of BlendBitmaps on one row of bytes, d = (d * w + s *
// (255 - w) + 127) >> 8, in two forms that give the same bytes: a plain
// loop and a vector one (AVX2) for processors that have it. Blend picks
// the vector form where it can; both are here so that they can be held to
// each other.
#pragma once

#include <cstdint>

namespace blend_rows {

void Plain(uint8_t* __restrict d, const uint8_t* __restrict s, int n, unsigned weight);
// Only where VectorAvailable(); elsewhere it is the plain loop.
void Vector(uint8_t* __restrict d, const uint8_t* __restrict s, int n, unsigned weight);
bool VectorAvailable();
void Blend(uint8_t* __restrict d, const uint8_t* __restrict s, int n, unsigned weight);

}  // namespace blend_rows

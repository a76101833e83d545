#pragma once

#include "calc/model.h"

namespace diagram {

// x rounded to the nearest whole number, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2), independent of the floating-point
// rounding mode. Infinities and NaN come back unchanged.
long double RoundHalfEven(long double value);

// The diagram's scale in whole millimetres per pixel, as a floating whole
// number so that a huge span cannot overflow an integer: round(B / 272) + 1
// when B > Li, otherwise round(Li / 192) + 1. It is 0 for some negative
// lengths (the caller reports that as a division by zero) and negative for
// others (the drawing then comes out mirrored).
long double PlanformScale(const calc::TModelData& model);

// A length in millimetres as a whole pixel offset, round(length / scale).
// The caller forms sums and differences of lengths first, so an offset is
// never assembled from separately rounded parts; scale must not be 0.
long double PixelOffset(long double length, long double scale);

// A whole-number pixel coordinate as a 32-bit int. Values beyond the int range
// (only from absurdly large lengths) are clamped to its ends and NaN (only
// from infinite lengths) becomes 0, instead of an undefined conversion; such
// a drawing is then merely off the surface or distorted.
int ToPixel(long double coordinate);

}  // namespace diagram

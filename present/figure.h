#pragma once

#include <string>

namespace present {

// A figure with `decimals` places, right-aligned in `width` characters, as
// calc::FormatFixed writes it, except that a figure that rounds to zero shows
// no sign: "-0.0" g of ballast or a margin of "-0.0" % would tell of a side
// that the rounding has hidden.
std::string Figure(double value, int width, int decimals);

}  // namespace present

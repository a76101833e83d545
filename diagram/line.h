#pragma once

#include <cstdint>

namespace diagram {

// The pixels of one straight line, walked from its start towards its end,
// the end itself left out, and restricted to a width x height surface.
//
// Along the major axis (the one with the larger extent; x on a tie) the walk
// takes every whole step; at step i the minor coordinate is the one nearest to
// the ideal line, a tie going away from the start. So a line and its mirror
// image about a column cover mirrored pixels.
//
// Coordinates may be anywhere in the 32-bit range. Only the steps whose major
// coordinate lies on the surface are visited; the minor coordinate of the
// first of them is computed directly in 128-bit arithmetic, so a line from far
// outside costs no more than one crossing the surface, and its visible pixels
// are exactly those of the whole walk.
class VisibleLinePixels {
 public:
  VisibleLinePixels(int x0, int y0, int x1, int y1, int width, int height);

  // Gives the next visible pixel in walk order; false when there is none.
  bool Next(int& x, int& y);

 private:
  bool xMajor_ = true;
  std::int64_t major0_ = 0, minor0_ = 0;
  int majorStep_ = 1, minorStep_ = 1;
  std::int64_t minorLimit_ = 0;
  std::int64_t step_ = 0, endStep_ = 0;      // steps still to visit: [step_, endStep_)
  std::int64_t minorOffset_ = 0;             // minor distance from the start at step_
  std::int64_t remainder_ = 0;               // of the exact offset, in units of 1 / denominator_
  std::int64_t increment_ = 0, denominator_ = 1;
};

}  // namespace diagram

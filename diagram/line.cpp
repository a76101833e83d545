#include "diagram/line.h"

#include <algorithm>

namespace diagram {
namespace {

// Products of a step count and an extent reach 2^65 for 32-bit end points.
__extension__ typedef unsigned __int128 Wide;

std::int64_t Magnitude(std::int64_t value) { return value < 0 ? -value : value; }

}  // namespace

VisibleLinePixels::VisibleLinePixels(int x0, int y0, int x1, int y1, int width, int height) {
  const std::int64_t dx = std::int64_t{x1} - x0;
  const std::int64_t dy = std::int64_t{y1} - y0;
  xMajor_ = Magnitude(dx) >= Magnitude(dy);
  const std::int64_t majorDelta = xMajor_ ? dx : dy;
  const std::int64_t minorDelta = xMajor_ ? dy : dx;
  major0_ = xMajor_ ? x0 : y0;
  minor0_ = xMajor_ ? y0 : x0;
  majorStep_ = majorDelta < 0 ? -1 : 1;
  minorStep_ = minorDelta < 0 ? -1 : 1;
  const std::int64_t majorLimit = std::max(0, xMajor_ ? width : height);
  minorLimit_ = std::max(0, xMajor_ ? height : width);

  const std::int64_t steps = Magnitude(majorDelta);  // the end point is step `steps`, left out
  if (majorStep_ > 0) {
    step_ = std::max<std::int64_t>(0, -major0_);
    endStep_ = std::min(steps, majorLimit - major0_);
  } else {
    step_ = std::max<std::int64_t>(0, major0_ - majorLimit + 1);
    endStep_ = std::min(steps, major0_ + 1);
  }
  if (step_ >= endStep_) {
    endStep_ = step_;
    return;
  }
  // Minor offset at step i: floor((2 i a + n) / 2n), the nearest whole number to
  // i a / n with halves rounded up, where a and n are the minor and major extents.
  increment_ = 2 * Magnitude(minorDelta);
  denominator_ = 2 * steps;
  const Wide numerator = Wide(step_) * Wide(increment_) + Wide(steps);
  minorOffset_ = static_cast<std::int64_t>(numerator / Wide(denominator_));
  remainder_ = static_cast<std::int64_t>(numerator % Wide(denominator_));
}

bool VisibleLinePixels::Next(int& x, int& y) {
  while (step_ < endStep_) {
    const std::int64_t major = major0_ + majorStep_ * step_;
    const std::int64_t minor = minor0_ + minorStep_ * minorOffset_;
    ++step_;
    // The increment never exceeds the denominator, so one carry at most.
    remainder_ += increment_;
    if (remainder_ >= denominator_) {
      ++minorOffset_;
      remainder_ -= denominator_;
    }
    if (minor >= 0 && minor < minorLimit_) {
      x = static_cast<int>(xMajor_ ? major : minor);
      y = static_cast<int>(xMajor_ ? minor : major);
      return true;
    }
  }
  return false;
}

}  // namespace diagram

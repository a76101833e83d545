#include "result_labels.h"

#include <stdexcept>

#include "number_text.h"

namespace calc {
namespace {

// mm² to dm², kept with the full 64-bit significand: rounding the quotient to
// a double first would turn the default wing's 28.0 into 27.9.
long double SquareDecimetres(double squareMillimetres) { return static_cast<long double>(squareMillimetres) / 10000.0L; }

std::string Value(long double value) { return FormatFixed(value, 5, 1); }
std::string Margin(double percent) { return FormatFixed(percent, 2, 0); }

}  // namespace

std::string ResultLabel(const TStabilityData& r, int index) {
  switch (index) {
    case 0: return Value(SquareDecimetres(r.Wing.Area));
    case 1: return Value(r.Wing.Mac);
    case 2: return Value(r.Wing.AspectRatio);
    case 3: return Value(r.Wing.LiftSlope);
    case 4: return Value(r.Wing.NeutralPoint);
    case 5: return Value(SquareDecimetres(r.Tail.Area));
    case 6: return Value(r.Tail.Mac);
    case 7: return Value(r.Tail.AspectRatio);
    case 8: return Value(r.Tail.LiftSlope);
    case 9: return Value(r.Tail.NeutralPoint);
    case 10: return Value(SquareDecimetres(r.Wing.Area) + SquareDecimetres(r.Tail.Area));
    case 11: return Value(r.TotalLiftSlope);
    case 12: return Value(r.TotalNeutralPoint);
    case 13: return Value(r.NeutralPointPercent);
    case 14: return Value(r.LeverArm);
    case 15: return FormatFixed(r.DownwashFactor, 5, 3);
    case 16: return Value(r.CgLargeMargin);
    case 17: return Value(r.CgSmallMargin);
    case 18: return Margin(r.LargeMargin);
    case 19: return Margin(r.SmallMargin);
    default: throw std::out_of_range("no result label " + std::to_string(index));
  }
}

ResultLabelTexts ResultLabels(const TStabilityData& r) {
  ResultLabelTexts texts;
  for (int i = 0; i < kResultLabelCount; ++i) texts[static_cast<std::size_t>(i)] = ResultLabel(r, i);
  return texts;
}

bool AspectRatioWarning(const TStabilityData& results) { return !(results.Wing.AspectRatio >= 5.0); }

}  // namespace calc

#include "result_labels.h"

#include "number_text.h"

namespace calc {
namespace {

// mm² to dm², kept with the full 64-bit significand: rounding the quotient to
// a double first would turn the default wing's 28.0 into 27.9.
long double SquareDecimetres(double squareMillimetres) { return static_cast<long double>(squareMillimetres) / 10000.0L; }

std::string Value(long double value) { return FormatFixed(value, 5, 1); }
std::string Margin(double percent) { return FormatFixed(percent, 2, 0); }

}  // namespace

ResultLabelTexts ResultLabels(const TStabilityData& r) {
  const long double wingArea = SquareDecimetres(r.Wing.Area);
  const long double tailArea = SquareDecimetres(r.Tail.Area);
  return {Value(wingArea),
          Value(r.Wing.Mac),
          Value(r.Wing.AspectRatio),
          Value(r.Wing.LiftSlope),
          Value(r.Wing.NeutralPoint),
          Value(tailArea),
          Value(r.Tail.Mac),
          Value(r.Tail.AspectRatio),
          Value(r.Tail.LiftSlope),
          Value(r.Tail.NeutralPoint),
          Value(wingArea + tailArea),
          Value(r.TotalLiftSlope),
          Value(r.TotalNeutralPoint),
          Value(r.NeutralPointPercent),
          Value(r.LeverArm),
          FormatFixed(r.DownwashFactor, 5, 3),
          Value(r.CgLargeMargin),
          Value(r.CgSmallMargin),
          Margin(r.LargeMargin),
          Margin(r.SmallMargin)};
}

bool AspectRatioWarning(const TStabilityData& results) { return !(results.Wing.AspectRatio >= 5.0); }

}  // namespace calc

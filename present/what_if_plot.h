#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/stability.h"
#include "calc/sweep.h"

namespace present {

// The numbers behind the what-if plot, without Qt: one dimension varied over
// a range, each point computed by the sweep that `cgcalc-cli --sweep` runs,
// so that the plot and the command line give the same digits.

// About this many points make one plot.
inline constexpr int kWhatIfPointCount = 1000;

// The range a dimension of value `current` starts with, as plain decimals
// (calc::PlainDecimal): half to twice the value, twice to half for a
// negative one, -100 to 100 for 0 (and for a value that is not finite).
struct RangeTexts {
  std::string From;
  std::string To;
};
RangeTexts DefaultRange(double current);

// "FROM:TO:STEP" for the texts `from` and `to` as typed, with a step of
// (TO - FROM) / (kWhatIfPointCount - 1) rounded to three significant digits,
// written as a plain decimal; a step of 1 when both are equal. The texts are
// read with the program's number rule only to choose the step; whether the
// range is usable is ParseDecimalRange's decision. Never throws: a value
// beyond the double range gets a step of 1 (and is no plain decimal anyway).
std::string WhatIfRangeText(std::string_view from, std::string_view to);

// One point of the plot: the value typed into the varied field, the value
// the recalculation read from it, and the results, or nothing where the
// recalculation failed.
struct WhatIfPoint {
  std::string ValueText;
  double X = 0;
  std::optional<calc::TStabilityData> Results;
};

struct WhatIfPlot {
  std::vector<WhatIfPoint> Points;  // in the order of the range, FROM first
  std::string Error;                // why there are no points: the range is not usable
};

// The plot of `state` with field `field` (0..14, file order) varied over
// `rangeText` ("FROM:TO:STEP"). Never throws a failure of the calculation.
WhatIfPlot ComputeWhatIf(const calc::LoadedState& state, int field, std::string_view rangeText);

// The runs of consecutive successful points with finite values, as
// [first, last) index pairs: each run is one unbroken piece of a curve.
struct PointRun {
  std::size_t First = 0;
  std::size_t End = 0;
};
std::vector<PointRun> SuccessfulRuns(const WhatIfPlot& plot);

}  // namespace present

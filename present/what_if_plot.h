#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/stability.h"
#include "calc/sweep.h"
#include "calc/units.h"
#include "present/language.h"

namespace present {

// The numbers behind the what-if plot, without Qt: one dimension varied over
// a range, each point computed by the sweep that `cgcalc-cli --sweep` runs,
// so that the plot and the command line give the same digits.

// A plot's range is cut into this many steps, 1001 points where the step
// can be said exactly.
inline constexpr int kWhatIfStepCount = 1000;

// The range a dimension of value `current` starts with, as plain decimals
// (calc::PlainDecimal): half to twice the value, twice to half for a
// negative one, -100 to 100 for 0 (and for a value that is not finite).
struct RangeTexts {
  std::string From;
  std::string To;
};
RangeTexts DefaultRange(double current);

// "FROM:TO:STEP" for the texts `from` and `to` as typed. The step is a
// kWhatIfStepCount-th of the range exactly (calc::ExactStep), so that the
// last point is TO; where no plain decimal of 15 digits says it, (TO - FROM)
// / (kWhatIfStepCount - 1) rounded to three significant digits; 1 when both
// are equal. The texts are read with the program's number rule only to
// choose the step; whether the range is usable is ParseDecimalRange's
// decision. Never throws: a value beyond the double range gets a step of 1
// (and is no plain decimal anyway).
std::string WhatIfRangeText(std::string_view from, std::string_view to);

// One point of the plot: the value typed into the varied field (in the
// state's units), the value the recalculation read from it (in the same
// units), and the results (in mm), or nothing where the recalculation
// failed.
struct WhatIfPoint {
  std::string ValueText;
  double X = 0;
  std::optional<calc::TStabilityData> Results;
};

struct WhatIfPlot {
  std::vector<WhatIfPoint> Points;            // in the order of the range, FROM first
  std::optional<calc::RangeError> RangeError;  // why there are no points: the range is not usable
  bool EqualEnds = false;                      // FROM = TO: a single value, no curve and no points
  calc::TUnits Units;                          // the state's: its values are typed in them, and shown
};

// The captions of the range's parts FROM, TO and STEP in the window; a part
// refused as a number is named by them.
inline constexpr Caption kRangePartCaptions[] = {&Texts::rangeFrom, &Texts::rangeTo, &Texts::rangeStep};

// What `plot` says besides its curves, in `language`: why it shows none (a
// part of the range refused as a number as the windows say it, "from: not
// a number"; another fault of the range as cgcalc-cli says it; both ends
// equal), or that FROM is larger than TO and the plot runs from TO to FROM;
// empty otherwise.
std::string WhatIfErrorText(const WhatIfPlot& plot, Language language);

// The plot of `state` with field `field` (0..14, file order) varied over
// `rangeText` ("FROM:TO:STEP", in the state's units). Never throws a failure
// of the calculation.
WhatIfPlot ComputeWhatIf(const calc::LoadedState& state, int field, std::string_view rangeText);

// The runs of consecutive successful points with finite values, as
// [first, last) index pairs: each run is one unbroken piece of a curve.
struct PointRun {
  std::size_t First = 0;
  std::size_t End = 0;
};
std::vector<PointRun> SuccessfulRuns(const WhatIfPlot& plot);

// An axis from `Low` to `High` with a tick at every multiple of `Step`
// between them; `Decimals` is how many the tick labels need.
struct PlotAxis {
  double Low = 0;
  double High = 1;
  double Step = 1;
  int Decimals = 0;
};

// The axis for values from `low` to `high`, from these alone: the smallest
// step of 1, 2 or 5 times a power of ten that needs at most `intervals`
// intervals (at least 1). `extend` widens the axis to the ticks around the
// values (the vertical axis); otherwise it spans the values exactly. An
// empty interval (low > high, or not finite) gives 0 to 100, a single value
// one unit around it.
inline constexpr int kMostAxisIntervals = 10;
PlotAxis NiceAxis(double low, double high, bool extend, int intervals = kMostAxisIntervals);

// The ticks of `axis`, from the lowest to the highest.
std::vector<double> AxisTicks(const PlotAxis& axis);

}  // namespace present

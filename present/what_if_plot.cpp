#include "present/what_if_plot.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "calc/failure.h"
#include "calc/number_text.h"

namespace present {
namespace {

// `magnitude` (> 0, finite) rounded to three significant digits, with "-"
// before it when `negative`. printf rounds the binary value correctly to
// those digits.
std::string ThreeSignificantDigits(bool negative, double magnitude) {
  char scientific[32];
  std::snprintf(scientific, sizeof scientific, "%.2e", magnitude);  // "d.dde±x"
  const std::string digits = {scientific[0], scientific[2], scientific[3]};
  return calc::PlainDecimal(negative, digits, std::atoi(scientific + 5) - 2);
}

bool Plottable(const WhatIfPoint& point) {
  if (!point.Results) return false;
  const calc::TStabilityData& r = *point.Results;
  return std::isfinite(point.X) && std::isfinite(r.TotalNeutralPoint) && std::isfinite(r.CgSmallMargin) &&
         std::isfinite(r.CgLargeMargin);
}

}  // namespace

RangeTexts DefaultRange(double current) {
  if (current == 0 || !std::isfinite(current)) return {"-100", "100"};
  const double half = current / 2;
  const double twice = current * 2;
  // Always from the smaller to the larger value.
  if (current > 0) return {calc::PlainDecimal(half), calc::PlainDecimal(twice)};
  return {calc::PlainDecimal(twice), calc::PlainDecimal(half)};
}

std::string WhatIfRangeText(std::string_view from, std::string_view to) {
  std::string stepText = "1";
  double step = 0;
  try {
    step = (calc::ParseNumber(to) - calc::ParseNumber(from)) / (kWhatIfPointCount - 1);
  } catch (const calc::ArithmeticFailure&) {
    // Such a text is no plain decimal either; the range reports it.
  }
  if (step != 0 && std::isfinite(step)) stepText = ThreeSignificantDigits(step < 0, std::fabs(step));
  return std::string(from) + ":" + std::string(to) + ":" + stepText;
}

WhatIfPlot ComputeWhatIf(const calc::LoadedState& state, int field, std::string_view rangeText) {
  WhatIfPlot plot;
  const std::optional<calc::DecimalRange> range = calc::ParseDecimalRange(rangeText, plot.Error);
  if (!range) return plot;
  const calc::SweptField swept[] = {{field, *range}};
  plot.Points.reserve(static_cast<std::size_t>(range->Count));
  for (std::int64_t i = 0; i < range->Count; ++i) {
    calc::SweepPoint point = calc::EvaluateSweepPoint(state, swept, i);
    WhatIfPoint& added = plot.Points.emplace_back();
    added.ValueText = std::move(point.ValueTexts.front());
    // A plain decimal of at most 15 digits reads without overflow.
    added.X = calc::ParseNumber(added.ValueText);
    if (!point.Failure) added.Results = point.Results;
  }
  return plot;
}

std::vector<PointRun> SuccessfulRuns(const WhatIfPlot& plot) {
  std::vector<PointRun> runs;
  const std::span<const WhatIfPoint> points = plot.Points;
  for (std::size_t i = 0; i < points.size();) {
    if (!Plottable(points[i])) {
      ++i;
      continue;
    }
    PointRun run{i, i};
    while (run.End < points.size() && Plottable(points[run.End])) ++run.End;
    runs.push_back(run);
    i = run.End;
  }
  return runs;
}

}  // namespace present

#include "present/what_if_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "calc/failure.h"
#include "calc/number_text.h"
#include "present/number_faults.h"

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

using calc::RangeFault;

struct RangeFaultCaption {
  RangeFault fault;
  Caption caption;
};

constexpr RangeFaultCaption kRangeFaults[] = {
    {RangeFault::Form, &Texts::rangeForm},
    {RangeFault::BadNumber, &Texts::rangeBadNumber},
    {RangeFault::ZeroStep, &Texts::rangeZeroStep},
    {RangeFault::AwayFromTo, &Texts::rangeAwayFromTo},
    {RangeFault::TooManyPoints, &Texts::rangeTooManyPoints},
    {RangeFault::TooManyDigits, &Texts::rangeTooManyDigits},
};

static_assert(InKindOrder(kRangeFaults, &RangeFaultCaption::fault), "kRangeFaults is indexed by RangeFault");

static_assert(std::size(kRangePartCaptions) == std::size(calc::kRangePartNames));

}  // namespace

std::string WhatIfErrorText(const WhatIfPlot& plot, Language language) {
  if (plot.EqualEnds) return std::string(TextsOf(language).rangeEqualEnds);
  if (!plot.RangeError) {
    // A range typed the wrong way round is plotted all the same, but said.
    if (plot.Points.size() < 2 || plot.Points.front().X <= plot.Points.back().X) return {};
    const Texts& texts = TextsOf(language);
    return std::string(texts.rangeFalling) + " " + plot.Points.back().ValueText + " " +
           std::string(texts.rangeFallingTo) + " " + plot.Points.front().ValueText;
  }
  const calc::RangeError& error = *plot.RangeError;
  if (error.Fault == RangeFault::BadNumber)
    return RefusedNumberText(In(kRangePartCaptions[error.Part], language), error.PartFault, language);
  return std::string(In(kRangeFaults[static_cast<std::size_t>(error.Fault)].caption, language));
}

RangeTexts DefaultRange(double current) {
  if (current == 0 || !std::isfinite(current)) return {"-100", "100"};
  const double half = current / 2;
  const double twice = current * 2;
  // Always from the smaller to the larger value.
  if (current > 0) return {calc::PlainDecimal(half), calc::PlainDecimal(twice)};
  return {calc::PlainDecimal(twice), calc::PlainDecimal(half)};
}

std::string WhatIfRangeText(std::string_view from, std::string_view to) {
  if (const std::optional<std::string> exact = calc::ExactStep(from, to, kWhatIfStepCount))
    return std::string(from) + ":" + std::string(to) + ":" + *exact;
  std::string stepText = "1";
  double step = 0;
  try {
    step = (calc::ParseNumber(to) - calc::ParseNumber(from)) / (kWhatIfStepCount - 1);
  } catch (const calc::ArithmeticFailure&) {
    // Such a text is no plain decimal either; the range reports it.
  }
  if (step != 0 && std::isfinite(step)) stepText = ThreeSignificantDigits(step < 0, std::fabs(step));
  return std::string(from) + ":" + std::string(to) + ":" + stepText;
}

WhatIfPlot ComputeWhatIf(const calc::LoadedState& state, int field, std::string_view rangeText) {
  WhatIfPlot plot;
  plot.Units = state.Units;
  calc::RangeError error;
  const std::optional<calc::DecimalRange> range = calc::ParseDecimalRange(rangeText, error);
  if (!range) plot.RangeError = error;
  plot.EqualEnds = range && range->Count == 1;
  if (!range || plot.EqualEnds) return plot;
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


PlotAxis NiceAxis(double low, double high, bool extend, int intervals) {
  if (!(low <= high) || !std::isfinite(low) || !std::isfinite(high)) return NiceAxis(0, 100, extend, intervals);
  if (low == high) return NiceAxis(low - 1, high + 1, extend, intervals);
  const double rough = (high - low) / std::max(1, intervals);
  int exponent = static_cast<int>(std::floor(std::log10(rough)));
  double step = 0;
  for (;; ++exponent) {
    for (const double mantissa : {1.0, 2.0, 5.0}) {
      step = mantissa * std::pow(10.0, exponent);
      if (step >= rough) break;
    }
    if (step >= rough) break;
  }
  PlotAxis axis{low, high, step, std::max(0, -exponent)};
  if (extend) {
    // A value a rounding error off a multiple keeps that multiple.
    axis.Low = std::floor(low / step + 1e-9) * step + 0.0;
    axis.High = std::ceil(high / step - 1e-9) * step + 0.0;
  }
  return axis;
}

std::vector<double> AxisTicks(const PlotAxis& axis) {
  std::vector<double> ticks;
  // Each tick from its own index, so that no error adds up; a little slack
  // keeps the ends that are multiples of the step.
  const double slack = axis.Step * 1e-9;
  for (double index = std::ceil((axis.Low - slack) / axis.Step); index * axis.Step <= axis.High + slack; ++index)
    ticks.push_back(index * axis.Step + 0.0);  // + 0.0: no tick reads "-0"
  return ticks;
}

}  // namespace present

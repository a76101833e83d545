#include "calc/margins.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "calc/stability.h"
#include "calc/sweep.h"

namespace {

using calc::MarginsFault;
using calc::TMargins;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(CheckMargins, RefusesWhatNoRangeCanBeMadeOf) {
  const struct {
    const char* name;
    TMargins margins;
    MarginsFault fault;
  } cases[] = {
      {"16/8", {16, 8}, MarginsFault::None},
      {"50/0", {50, 0}, MarginsFault::None},
      {"12.5/0.1", {12.5, 0.1}, MarginsFault::None},
      {"20/-0.1", {20, -0.1}, MarginsFault::RearBelowZero},
      {"60/-1: the rear end is named first", {60, -1}, MarginsFault::RearBelowZero},
      {"8/nan", {8, kNaN}, MarginsFault::RearBelowZero},
      {"10/10", {10, 10}, MarginsFault::ForwardNotAboveRear},
      {"8/16", {8, 16}, MarginsFault::ForwardNotAboveRear},
      {"nan/8", {kNaN, 8}, MarginsFault::ForwardNotAboveRear},
      {"50.1/10", {50.1, 10}, MarginsFault::AboveFifty},
      {"inf/8", {kInfinity, 8}, MarginsFault::AboveFifty},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(calc::CheckMargins(c.margins), c.fault);
  }
}

calc::TModelData DefaultModel() { return {1300, 0, 220, 210, 0, -30, 0, 415, 50, 160, 110, 40, 20, 30, 360}; }

// A chosen pair places both ends of the range, whatever the model's kind,
// exactly as the default pair is placed; without a choice the default
// follows the kind.
TEST(CalcStability, ChosenMarginsPlaceTheRange) {
  const struct {
    const char* name;
    double tailSpan;
    std::optional<TMargins> chosen;
    TMargins used;
  } cases[] = {
      {"20/10 with tailplane", 415, TMargins{20, 10}, {20, 10}},
      {"20/10 flying wing", 0, TMargins{20, 10}, {20, 10}},
      {"chosen 16/8 stays on a flying wing", 0, TMargins{16, 8}, {16, 8}},
      {"12.5/2.5 flying wing", 0, TMargins{12.5, 2.5}, {12.5, 2.5}},
      {"10.1/0.3 with tailplane", 415, TMargins{10.1, 0.3}, {10.1, 0.3}},
      {"default with tailplane", 415, std::nullopt, {16, 8}},
      {"default flying wing", 0, std::nullopt, {8, 4}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    calc::TModelData model = DefaultModel();
    model.Bh = c.tailSpan;
    calc::TStabilityData r;
    calc::CalcStability(model, r, c.chosen);
    EXPECT_EQ(r.LargeMargin, c.used.Forward);
    EXPECT_EQ(r.SmallMargin, c.used.Rear);
    EXPECT_EQ(r.CgLargeMargin, calc::CgAtMargin(r.TotalNeutralPoint, r.Wing.Mac, c.used.Forward));
    EXPECT_EQ(r.CgSmallMargin, calc::CgAtMargin(r.TotalNeutralPoint, r.Wing.Mac, c.used.Rear));
    // The margin is a share of the mean chord ahead of the neutral point.
    EXPECT_NEAR(r.TotalNeutralPoint - r.CgLargeMargin, r.Wing.Mac * c.used.Forward / 100, 1e-9);
  }
}

// A sweep computes every point with the model's chosen margins, also a point
// without a tailplane.
TEST(EvaluateSweepPoint, KeepsTheChosenMargins) {
  const calc::LoadedState loaded = calc::LoadState(DefaultModel(), TMargins{20, 10});
  std::string error;
  const calc::SweptField tailSpan[] = {{7, *calc::ParseDecimalRange("0:415:415", error)}};
  for (std::int64_t i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    const calc::SweepPoint point = calc::EvaluateSweepPoint(loaded, tailSpan, i);
    EXPECT_EQ(point.Results.LargeMargin, 20);
    EXPECT_EQ(point.Results.SmallMargin, 10);
  }
}

}  // namespace

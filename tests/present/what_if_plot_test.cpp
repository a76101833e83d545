// The what-if plot's axes: nice ticks from the values alone.
#include "present/what_if_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

TEST(NiceAxis, TicksFromTheValuesAlone) {
  constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
  const struct {
    const char* name;
    double low, high;
    bool extend;
    double axisLow, axisHigh, step;
    int decimals;
  } rows[] = {
      {"curves 43.2..138.7, widened", 43.2, 138.7, true, 40, 140, 10, 0},
      {"span 650..2600, exact", 650, 2600, false, 650, 2600, 200, 0},
      {"small 0.12..0.31, widened", 0.12, 0.31, true, 0.12, 0.32, 0.02, 2},
      {"negative -95..-5, widened", -95, -5, true, -100, 0, 10, 0},
      {"single value 7", 7, 7, true, 6, 8, 0.2, 1},
      {"nothing to show", kNaN, kNaN, true, 0, 100, 10, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const present::PlotAxis axis = present::NiceAxis(row.low, row.high, row.extend);
    EXPECT_DOUBLE_EQ(axis.Low, row.axisLow);
    EXPECT_DOUBLE_EQ(axis.High, row.axisHigh);
    EXPECT_DOUBLE_EQ(axis.Step, row.step);
    EXPECT_EQ(axis.Decimals, row.decimals);
  }
}

// Ticks are whole multiples of the step inside the axis, both ends included
// when they are multiples, never "-0".
TEST(AxisTicks, MultiplesInside) {
  const std::vector<double> ticks = present::AxisTicks({-20, 20, 10, 0});
  EXPECT_EQ(ticks, (std::vector<double>{-20, -10, 0, 10, 20}));
  EXPECT_FALSE(std::signbit(ticks[2]));
  EXPECT_EQ(present::AxisTicks({650, 2600, 200, 0}).front(), 800);
}

}  // namespace

#include "diagram/pixel_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace diagram {
namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

struct RoundRow {
  const char* Name;
  long double Value;
  long double Expected;
};

const RoundRow kRoundRows[] = {
    {"2.5 to even 2", 2.5L, 2},
    {"3.5 to even 4", 3.5L, 4},
    {"-2.5 to even -2", -2.5L, -2},
    {"-3.5 to even -4", -3.5L, -4},
    {"0.5 to 0", 0.5L, 0},
    {"1.5 to 2", 1.5L, 2},
    {"6.5 to 6", 6.5L, 6},
    {"7.5 to 8", 7.5L, 8},
    {"just above a half", std::nextafter(0.5L, 1.0L), 1},
    {"just below a half", std::nextafter(0.5L, 0.0L), 0},
    {"just below minus a half", std::nextafter(-0.5L, -1.0L), -1},
    {"4.78 to 5", 1300.0L / 272, 5},
    {"-0.735 to -1", -200.0L / 272, -1},
    {"whole beyond 2^63 unchanged", 0x1p70L, 0x1p70L},
    {"half at the last fractional place", 0x1p62L + 0.5L, 0x1p62L},
    {"1e300 unchanged", 1e300L, 1e300L},
};

TEST(RoundHalfEvenTest, Table) {
  for (const auto& row : kRoundRows) {
    SCOPED_TRACE(row.Name);
    EXPECT_EQ(RoundHalfEven(row.Value), row.Expected);
    EXPECT_EQ(RoundHalfEven(-row.Value), -row.Expected);
  }
}

TEST(RoundHalfEvenTest, NonFiniteComeBackUnchanged) {
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::numeric_limits<long double>::quiet_NaN())));
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<long double>::infinity()), std::numeric_limits<long double>::infinity());
}

struct ScaleRow {
  const char* Name;
  double B, Li;
  long double Expected;
};

const ScaleRow kScaleRows[] = {
    {"default span 1300", 1300, 220, 6},
    {"span 1768 ties to 6, plus one", 1768, 220, 7},
    {"span 2040 ties to 8, plus one", 2040, 220, 9},
    {"span equal to chord takes the chord rule", 300, 300, 3},
    {"small model at 1 mm per pixel", 100, 50, 1},
    {"span 272 still adds one", 272, 100, 2},
    {"chord longer than span", 100, 1000, 6},
    {"lengths compared, not quotients", 600, 550, 3},
    {"zero by the span rule", -200, -300, 0},
    {"zero by the chord rule", -300, -200, 0},
    {"negative scale", -1000, -2000, -3},
    {"huge span stays a whole float", 2.72e300, 0, 1e298L + 1},
};

TEST(PlanformScaleTest, Table) {
  for (const auto& row : kScaleRows) {
    SCOPED_TRACE(row.Name);
    calc::TModelData model;
    model.B = row.B;
    model.Li = row.Li;
    const long double scale = PlanformScale(model);
    if (row.Expected > 1e18L) {
      EXPECT_NEAR(scale / row.Expected, 1.0L, 1e-15L);
      EXPECT_EQ(scale, RoundHalfEven(scale));
    } else {
      EXPECT_EQ(scale, row.Expected);
    }
  }
}

struct PixelRow {
  const char* Name;
  long double Coordinate;
  int Expected;
};

const PixelRow kPixelRows[] = {
    {"ordinary", 183, 183},
    {"negative", -4, -4},
    {"largest int", 2147483647.0L, kMax},
    {"one past the largest int clamps", 2147483648.0L, kMax},
    {"smallest int", -2147483648.0L, kMin},
    {"one below the smallest int clamps", -2147483649.0L, kMin},
    {"1e300 clamps", 1e300L, kMax},
    {"-1e300 clamps", -1e300L, kMin},
    {"infinity clamps", std::numeric_limits<long double>::infinity(), kMax},
    {"minus infinity clamps", -std::numeric_limits<long double>::infinity(), kMin},
    {"NaN becomes 0", std::numeric_limits<long double>::quiet_NaN(), 0},
};

TEST(ToPixelTest, Table) {
  for (const auto& row : kPixelRows) {
    SCOPED_TRACE(row.Name);
    EXPECT_EQ(ToPixel(row.Coordinate), row.Expected);
  }
}

}  // namespace
}  // namespace diagram

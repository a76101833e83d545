#include "calc/surface.h"

#include <gtest/gtest.h>

#include <utility>

#include "calc/failure.h"

namespace {

using calc::SurfaceGeometry;
using calc::TPlanform;
using calc::TSurfaceData;

struct GeometryCase {
  const char* Name;
  TPlanform Planform;
  double InnerSpan;
  TSurfaceData Expected;
  double Tolerance;
};

// Expected values carry as many decimals as they are known to.
TEST(SurfaceGeometry, KnownSurfaces) {
  const GeometryCase cases[] = {
      {"default wing", {1300, 0, 220, 210, 0, -30, 0}, 650, {279500, 215.0388, 6.046512, 73.6047, 4.539697}, 1e-4},
      {"default tailplane", {415, 50, 160, 110, 40, 20, 30}, 157.5, {50025, 128.1326, 3.442779, 52.2930, 3.616390}, 1e-4},
      {"default wing without kink offset", {1300, 0, 220, 210, 0, 0, 0}, 650, {279500, 215.0388, 6.046512, 58.7209, 4.539697}, 1e-4},
      {"tip ignored without outer panel", {1300, 0, 220, 210, 555, -30, 77}, 650, {279500, 215.0388, 6.046512, 73.6047, 4.539697}, 1e-4},
      {"rectangle with outer panel", {1000, 200, 200, 200, 200, 0, 0}, 300, {200000, 200, 5, 50, 4.2539}, 1e-4},
      {"rectangle single panel", {800, 0, 100, 100, 100, 0, 0}, 400, {80000, 100, 8, 25, 0}, 1e-9},
  };
  for (const GeometryCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TSurfaceData result = SurfaceGeometry(c.Planform, c.InnerSpan);
    EXPECT_NEAR(result.Area, c.Expected.Area, c.Tolerance);
    EXPECT_NEAR(result.Mac, c.Expected.Mac, c.Tolerance);
    EXPECT_NEAR(result.AspectRatio, c.Expected.AspectRatio, c.Tolerance);
    EXPECT_NEAR(result.NeutralPoint, c.Expected.NeutralPoint, c.Tolerance);
    if (c.Expected.LiftSlope != 0) {
      EXPECT_NEAR(result.LiftSlope, c.Expected.LiftSlope, c.Tolerance);
    }
  }
}

TEST(SurfaceGeometry, RectangleIsExact) {
  const TSurfaceData result = SurfaceGeometry({1000, 200, 200, 200, 200, 0, 0}, 300);
  EXPECT_EQ(result.Area, 200000);
  EXPECT_EQ(result.Mac, 200);
  EXPECT_EQ(result.NeutralPoint, 50);
  EXPECT_EQ(result.AspectRatio, 5);
}

TEST(SurfaceGeometry, ZeroAspectRatioGivesZeroLiftSlope) {
  const TSurfaceData result = SurfaceGeometry({0, -100, 200, 100, 50, 0, 0}, 100);
  EXPECT_EQ(result.Area, 15000);
  EXPECT_EQ(result.AspectRatio, 0);
  EXPECT_EQ(result.LiftSlope, 0);
}

struct FailureCase {
  const char* Name;
  TPlanform Planform;
  double InnerSpan;
  calc::FailureKind Kind;
};

TEST(SurfaceGeometry, Failures) {
  const FailureCase cases[] = {
      {"span and outer span zero", {0, 0, 220, 210, 0, -30, 0}, 0, calc::FailureKind::InvalidOperation},
      {"all chords zero", {1300, 100, 0, 0, 0, 5, 5}, 550, calc::FailureKind::InvalidOperation},
      {"zero area, nonzero chord integral", {0, -2, 300, 0, 150, 0, 0}, 1, calc::FailureKind::DivisionByZero},
      {"square of a huge chord", {1300, 0, 1e200, 210, 0, 0, 0}, 650, calc::FailureKind::Overflow},
      {"huge area", {1e308, 0, 1e10, 1e10, 0, 0, 0}, 5e307, calc::FailureKind::Overflow},
  };
  for (const FailureCase& c : cases) {
    SCOPED_TRACE(c.Name);
    try {
      SurfaceGeometry(c.Planform, c.InnerSpan);
      ADD_FAILURE() << "no failure";
    } catch (const calc::ArithmeticFailure& failure) {
      EXPECT_EQ(failure.Kind(), c.Kind);
      EXPECT_STREQ(failure.what(), calc::FailureText(c.Kind));
    }
  }
}

TEST(SurfaceGeometry, FailureTexts) {
  EXPECT_STREQ(calc::FailureText(calc::FailureKind::DivisionByZero), "Floating point division by zero");
  EXPECT_STREQ(calc::FailureText(calc::FailureKind::InvalidOperation), "Invalid floating point operation");
  EXPECT_STREQ(calc::FailureText(calc::FailureKind::Overflow), "Floating point overflow");
}

struct CornersCase {
  const char* Name;
  TPlanform Planform;
  calc::PanelCorners Expected;
};

// Across from the centre line; edges forward of the root trailing edge.
TEST(CornersOf, KnownPlanforms) {
  constexpr double kTwoTo53 = 9007199254740992.0;  // the next double is 2 higher
  const CornersCase cases[] = {
      {"default wing", {1300, 0, 220, 210, 0, -30, 0}, {{0, 0, 220}, {650, -30, 180}, {650, 0, 0}}},
      {"default tailplane", {415, 50, 160, 110, 40, 20, 30}, {{0, 0, 160}, {157.5L, 20, 130}, {207.5L, 30, 70}}},
      {"outer panel beyond the half span", {100, 80, 10, 10, 10, 0, 0}, {{0, 0, 10}, {-30, 0, 10}, {50, 0, 10}}},
      // Sums a double could not hold: drawn where they are, not rounded.
      {"kink edge between doubles", {4, 1, 1, kTwoTo53, 0, 1, 0}, {{0, 0, 1}, {1, 1, kTwoTo53 + 1.0L}, {2, 0, 0}}},
      {"kink position between doubles", {kTwoTo53 + 2, 0.5, 1, 1, 1, 0, 0},
       {{0, 0, 1}, {kTwoTo53 / 2 + 0.5L, 0, 1}, {kTwoTo53 / 2 + 1.0L, 0, 1}}},
  };
  for (const CornersCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const calc::PanelCorners corners = calc::CornersOf(c.Planform);
    const std::pair<const calc::ChordSection&, const calc::ChordSection&> sections[] = {
        {corners.Root, c.Expected.Root}, {corners.Kink, c.Expected.Kink}, {corners.Tip, c.Expected.Tip}};
    for (const auto& [actual, expected] : sections) {
      EXPECT_EQ(actual.Across, expected.Across);
      EXPECT_EQ(actual.TrailingEdge, expected.TrailingEdge);
      EXPECT_EQ(actual.LeadingEdge, expected.LeadingEdge);
    }
  }
}

}  // namespace

#include "calc/stability.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/failure.h"

namespace {

using calc::TModelData;
using calc::TStabilityData;

TModelData DefaultModel() { return {1300, 0, 220, 210, 0, -30, 0, 415, 50, 160, 110, 40, 20, 30, 360}; }

TEST(CalcStability, DefaultModelWithTailplane) {
  TModelData model = DefaultModel();
  TStabilityData r;
  calc::CalcStability(model, r);
  const struct {
    const char* Name;
    double Value;
    double Expected;
  } rows[] = {
      {"wing area", r.Wing.Area, 279500},          {"wing mac", r.Wing.Mac, 215.0388},
      {"tail area", r.Tail.Area, 50025},           {"tail mac", r.Tail.Mac, 128.1326},
      {"tail aspect ratio", r.Tail.AspectRatio, 3.442779}, {"tail neutral point", r.Tail.NeutralPoint, 52.2930},
      {"tail lift slope", r.Tail.LiftSlope, 3.616390}, {"lever arm", r.LeverArm, 558.6884},
      {"downwash", r.DownwashFactor, 0.441156},     {"total lift slope", r.TotalLiftSlope, 4.825240},
      {"total neutral point", r.TotalNeutralPoint, 106.6662}, {"percent", r.NeutralPointPercent, 40.3747},
      {"small margin", r.SmallMargin, 8},           {"cg small", r.CgSmallMargin, 89.4631},
      {"large margin", r.LargeMargin, 16},          {"cg large", r.CgLargeMargin, 72.2600},
  };
  for (const auto& row : rows) EXPECT_NEAR(row.Value, row.Expected, 6e-5) << row.Name;
}

TEST(CalcStability, FlyingWingKeepsRhAndClearsTheTailplane) {
  for (double span : {0.0, -0.0}) {
    SCOPED_TRACE(std::signbit(span) ? "minus zero" : "zero");
    TModelData model = DefaultModel();
    model.Bh = span;
    TStabilityData r;
    r.Tail.Area = 123;  // left over from an earlier calculation
    calc::CalcStability(model, r);
    EXPECT_EQ(r.Tail.Area, 0);
    EXPECT_EQ(r.Tail.NeutralPoint, 0);
    EXPECT_EQ(r.LeverArm, 0);
    EXPECT_EQ(r.DownwashFactor, 0);
    EXPECT_NEAR(r.TotalLiftSlope, 4.539697, 1e-6);
    EXPECT_NEAR(r.TotalNeutralPoint, 73.6047, 1e-4);
    EXPECT_EQ(r.NeutralPointPercent, 25);
    EXPECT_EQ(r.SmallMargin, 4);
    EXPECT_EQ(r.LargeMargin, 8);
    EXPECT_NEAR(r.CgSmallMargin, 65.0031, 1e-4);
    EXPECT_NEAR(r.CgLargeMargin, 56.4016, 1e-4);
    EXPECT_EQ(model.Sah + model.Lih + model.Lkh + model.Lah + model.Vkh + model.Vah, 0);
    EXPECT_EQ(model.Rh, 360);
  }
}

TEST(CalcStability, NegativeTailplaneSpanCountsAsTailplane) {
  TModelData model = DefaultModel();
  model.Bh = -415;
  TStabilityData r;
  calc::CalcStability(model, r);
  EXPECT_EQ(r.SmallMargin, 8);
  EXPECT_NE(r.Tail.Area, 0);
  EXPECT_EQ(model.Lih, 160);
}

// A result from an earlier, complete calculation, so that tests can tell
// which fields a failing calculation replaced.
TStabilityData EarlierResults() {
  TModelData model = DefaultModel();
  TStabilityData r;
  calc::CalcStability(model, r);
  return r;
}

TEST(CalcStability, WingFailureKeepsEverything) {
  TModelData model = DefaultModel();
  model.B = 0;
  TStabilityData r = EarlierResults();
  const TStabilityData before = r;
  try {
    calc::CalcWing(model, r);
    FAIL() << "no failure";
  } catch (const calc::ArithmeticFailure& failure) {
    EXPECT_EQ(failure.Kind(), calc::FailureKind::InvalidOperation);
  }
  EXPECT_EQ(r.Wing.Area, before.Wing.Area);
  EXPECT_EQ(r.Wing.Mac, before.Wing.Mac);
}

TEST(CalcStability, ZeroWingSpanFailsAtTheDownwashFactor) {
  TModelData model = DefaultModel();
  model.B = 0;
  model.Sa = 300;
  TStabilityData r = EarlierResults();
  const double oldDownwash = r.DownwashFactor;
  calc::CalcWing(model, r);
  EXPECT_EQ(r.Wing.AspectRatio, 0);
  EXPECT_EQ(r.Wing.LiftSlope, 0);
  try {
    calc::CalcTailAndTotals(model, r);
    FAIL() << "no failure";
  } catch (const calc::ArithmeticFailure& failure) {
    EXPECT_EQ(failure.Kind(), calc::FailureKind::DivisionByZero);
  }
  EXPECT_NEAR(r.Tail.Area, 50025, 1e-9);
  EXPECT_EQ(r.LeverArm, 360 + 220 - r.Wing.NeutralPoint + r.Tail.NeutralPoint);
  EXPECT_EQ(r.DownwashFactor, oldDownwash);
}

struct TotalsFailure {
  const char* Name;
  TModelData Model;
  calc::FailureKind Kind;
};

// Each row fails in CalcTailAndTotals; the margins are already set then.
TEST(CalcStability, TailAndTotalsFailures) {
  const TotalsFailure cases[] = {
      {"tailplane chords zero", {1300, 0, 220, 210, 0, -30, 0, 415, 50, 0, 0, 0, 20, 30, 360},
       calc::FailureKind::InvalidOperation},
      {"zero span and zero lever arm", {0, 300, 200, 200, 0, 0, 0, 400, 0, 100, 100, 100, 0, 0, -225},
       calc::FailureKind::InvalidOperation},
      {"zero lever arm", {1000, 0, 200, 200, 200, 0, 0, 400, 0, 100, 100, 100, 0, 0, -175},
       calc::FailureKind::DivisionByZero},
      {"flying wing with zero lift slope", {0, 300, 220, 210, 0, -30, 0, 0, 50, 160, 110, 40, 20, 30, 360},
       calc::FailureKind::InvalidOperation},
      {"zero mean chord, flying wing", {-4, -3, 100, 100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       calc::FailureKind::InvalidOperation},
      {"zero mean chord with tailplane", {-4, -3, 100, 100, 0, 0, 0, 400, 0, 100, 100, 100, 0, 0, 300},
       calc::FailureKind::DivisionByZero},
  };
  for (const TotalsFailure& c : cases) {
    SCOPED_TRACE(c.Name);
    TModelData model = c.Model;
    TStabilityData r = EarlierResults();
    r.SmallMargin = r.LargeMargin = -1;
    calc::CalcWing(model, r);
    try {
      calc::CalcTailAndTotals(model, r);
      ADD_FAILURE() << "no failure";
    } catch (const calc::ArithmeticFailure& failure) {
      EXPECT_EQ(failure.Kind(), c.Kind);
    }
    EXPECT_EQ(r.SmallMargin, c.Model.Bh != 0 ? 8 : 4);
    EXPECT_EQ(r.LargeMargin, c.Model.Bh != 0 ? 16 : 8);
  }
}

// A failure leaves the processor's exception flags raised; the next
// calculation must neither inherit the failure nor lose one of its own.
TEST(CalcStability, FailuresDoNotLeakIntoTheNextCalculation) {
  const TStabilityData fresh = EarlierResults();
  TModelData broken = DefaultModel();
  broken.B = 0;
  TStabilityData r;
  EXPECT_THROW(calc::CalcStability(broken, r), calc::ArithmeticFailure);
  TModelData model = DefaultModel();
  calc::CalcStability(model, r);
  EXPECT_EQ(r.CgSmallMargin, fresh.CgSmallMargin);
  EXPECT_EQ(r.DownwashFactor, fresh.DownwashFactor);
  model.Lih = model.Lkh = model.Lah = 0;
  EXPECT_THROW(calc::CalcStability(model, r), calc::ArithmeticFailure);
  EXPECT_EQ(r.Tail.Area, fresh.Tail.Area);
}

TEST(CalcStability, TailplaneFailureKeepsTheOldTailplane) {
  TModelData model = DefaultModel();
  model.Lih = model.Lkh = model.Lah = 0;
  TStabilityData r = EarlierResults();
  const double oldTailArea = r.Tail.Area;
  EXPECT_THROW(calc::CalcStability(model, r), calc::ArithmeticFailure);
  EXPECT_EQ(r.Tail.Area, oldTailArea);
}

}  // namespace

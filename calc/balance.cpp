#include "balance.h"

#include <cmath>

#include "extended.h"

namespace calc {
namespace {

double MeasuredCg(const TBalanceInput& input) {
  if (input.Cg) return *input.Cg;
  if (!input.Supports) throw BalanceInputError(BalanceInputKind::NoCg);
  return CgOnSupports(*input.Supports);
}

std::optional<double> ModelMass(const TBalanceInput& input) {
  if (input.Mass && !IsUsableMass(*input.Mass)) throw BalanceInputError(BalanceInputKind::MassNotPositive);
  if (input.Mass) return input.Mass;
  if (input.Supports) return ToDouble(Ext(input.Supports->Ma) + input.Supports->Mb);
  return std::nullopt;
}

// Half of the margin's display step (kMarginDecimals).
constexpr double kHalfMarginStep = 0.05;
static_assert(kMarginDecimals == 1, "kHalfMarginStep is half of 10^-kMarginDecimals");

// Whether `margin` lies within half a display step of `limit`.
bool OnLimit(double margin, double limit) { return std::abs(margin - limit) <= kHalfMarginStep; }

// The margin judges; but a centre of gravity on a limit, or inside it, is in
// range even where the margin, rounded on its way back from the position,
// lands a hair outside: it needs no ballast (and 0 g would read as -0.0).
// Only a hair: with a negative mean chord (an outer panel wider than the half
// span) every centre of gravity ahead of the rearward limit lies "inside" it,
// and the whole tail-heavy band would pass.
BalanceVerdict Judge(double cg, double staticMargin, const TStabilityData& results) {
  if (staticMargin < 0) return BalanceVerdict::Unstable;
  if (staticMargin < results.SmallMargin) {
    const bool onLimit = cg <= results.CgSmallMargin && OnLimit(staticMargin, results.SmallMargin);
    return onLimit ? BalanceVerdict::InRange : BalanceVerdict::TailHeavy;
  }
  if (staticMargin <= results.LargeMargin) return BalanceVerdict::InRange;
  const bool onLimit = cg >= results.CgLargeMargin && OnLimit(staticMargin, results.LargeMargin);
  return onLimit ? BalanceVerdict::InRange : BalanceVerdict::NoseHeavy;
}

// w = M·(T − Xcg) / (Xbal − T): the ballast that moves the centre of gravity
// from Xcg to T. A negative w would mean taking mass away.
void AdviseBallast(const TBalanceInput& input, const TStabilityData& results, TBalanceData& balance) {
  if (balance.Verdict == BalanceVerdict::InRange) return;
  balance.Target = balance.Verdict == BalanceVerdict::NoseHeavy ? results.CgLargeMargin : results.CgSmallMargin;
  if (!balance.Mass) {
    balance.Advice = BalanceAdvice::NoMass;
    return;
  }
  if (!input.BallastStation) {
    balance.Advice = BalanceAdvice::NoStation;
    return;
  }
  const Ext arm = Ext(*input.BallastStation) - balance.Target;
  if (arm.Value() == 0) {
    balance.Advice = BalanceAdvice::WrongSide;
    return;
  }
  const double ballast = ToDouble(Ext(*balance.Mass) * (Ext(balance.Target) - balance.Cg) / arm);
  if (!(ballast >= 0)) {
    balance.Advice = BalanceAdvice::WrongSide;
    return;
  }
  balance.Advice = BalanceAdvice::Ballast;
  balance.Ballast = ballast;
  balance.NewMass = ToDouble(Ext(*balance.Mass) + ballast);
}

}  // namespace

void CheckSupports(const TSupports& supports) {
  // Summed in the wider type, where two finite masses cannot overflow.
  if ((Ext(supports.Ma) + supports.Mb).Value() == 0) throw BalanceInputError(BalanceInputKind::NoSupportMass);
  if (!IsUsableMass(supports.Ma) || !IsUsableMass(supports.Mb)) {
    throw BalanceInputError(BalanceInputKind::MassNotPositive);
  }
  if (supports.Xa == supports.Xb) throw BalanceInputError(BalanceInputKind::SameSupport);
}

double CgOnSupports(const TSupports& s) {
  CheckSupports(s);
  const double mass = ToDouble(Ext(s.Ma) + s.Mb);
  return ToDouble((Ext(s.Ma) * s.Xa + Ext(s.Mb) * s.Xb) / mass);
}

TBalanceData CalcBalance(const TBalanceInput& input, const TStabilityData& results) {
  TBalanceData balance;
  balance.Cg = MeasuredCg(input);
  balance.Mass = ModelMass(input);
  balance.StaticMargin =
      ToDouble((Ext(results.TotalNeutralPoint) - balance.Cg) / results.Wing.Mac * 100.0L);
  balance.Verdict = Judge(balance.Cg, balance.StaticMargin, results);
  AdviseBallast(input, results, balance);
  return balance;
}

TBalanceData CalcBalanceAgainst(const TBalanceInput& input, const TStabilityData& results, double neutralPoint) {
  TStabilityData moved = results;
  moved.TotalNeutralPoint = neutralPoint;
  moved.CgSmallMargin = CgAtMargin(neutralPoint, results.Wing.Mac, results.SmallMargin);
  moved.CgLargeMargin = CgAtMargin(neutralPoint, results.Wing.Mac, results.LargeMargin);
  return CalcBalance(input, moved);
}

}  // namespace calc

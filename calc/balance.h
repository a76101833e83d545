#pragma once

#include <optional>
#include <stdexcept>

#include "failure.h"
#include "stability.h"

namespace calc {

// Where a finished model actually balances, how much static margin that
// leaves, and how much ballast at a chosen station brings the centre of
// gravity into the recommended range. Positions are x in mm behind the wing
// root's leading edge (negative ahead of it), masses in grams.

// The measured centre of gravity: entered directly, or found from what two
// supports (two kitchen scales) carry.
struct TSupports {
  double Xa = 0;  // support A's position
  double Ma = 0;  // what support A carries
  double Xb = 0;
  double Mb = 0;
  friend bool operator==(const TSupports&, const TSupports&) = default;
};

struct TBalanceInput {
  std::optional<double> Cg;            // the measured centre of gravity, when entered directly
  std::optional<TSupports> Supports;   // used when Cg is not given
  std::optional<double> Mass;          // the model's mass; without it, Ma + Mb of the supports
  std::optional<double> BallastStation;  // where ballast would go
  friend bool operator==(const TBalanceInput&, const TBalanceInput&) = default;
};

// The decimals the static margin is shown with. A centre of gravity on a
// limit of the range counts as in range even where its margin, rounded on its
// way back from the position, lands a hair outside; but only within half of
// this step of the limit, so that the margin shown never reads as outside.
inline constexpr int kMarginDecimals = 1;

enum class BalanceVerdict {
  Unstable,   // behind the neutral point: SM < 0
  TailHeavy,  // 0 <= SM < SmallMargin
  InRange,    // SmallMargin <= SM <= LargeMargin
  NoseHeavy,  // SM > LargeMargin
};

enum class BalanceAdvice {
  NotNeeded,     // the centre of gravity is in range
  Ballast,       // Ballast grams at the station reach Target
  WrongSide,     // ballast at that station cannot move the CG to the range
  NoMass,        // the mass is not known
  NoStation,     // no ballast station was given
};

struct TBalanceData {
  double Cg = 0;            // the measured centre of gravity
  std::optional<double> Mass;
  double StaticMargin = 0;  // % of the wing's mean aerodynamic chord
  BalanceVerdict Verdict = BalanceVerdict::InRange;
  BalanceAdvice Advice = BalanceAdvice::NotNeeded;
  double Target = 0;        // the range's nearer limit (CgSmallMargin or CgLargeMargin), when outside
  double Ballast = 0;       // grams, when Advice is Ballast
  double NewMass = 0;       // Mass + Ballast, when Advice is Ballast
};

// Why the inputs give no centre of gravity, or no mass to advise with.
enum class BalanceInputKind { NoCg, NoSupportMass, SameSupport, MassNotPositive };

// Whether `grams` can be what a model or one support carries: more than 0
// (a NaN is not). A mass of 0 or less would give confident advice on nothing.
constexpr bool IsUsableMass(double grams) { return grams > 0; }

// The message of each kind, in English; the window shows its translation.
constexpr const char* BalanceInputText(BalanceInputKind kind) {
  switch (kind) {
    case BalanceInputKind::NoCg:
      return "no centre of gravity entered";
    case BalanceInputKind::NoSupportMass:
      return "the supports carry no mass";
    case BalanceInputKind::SameSupport:
      return "both supports stand at the same place";
    case BalanceInputKind::MassNotPositive:
      return "a mass must be more than 0 g";
  }
  return "no centre of gravity entered";
}

// The inputs cannot give a centre of gravity; what() is BalanceInputText(kind).
class BalanceInputError : public std::runtime_error {
 public:
  explicit BalanceInputError(BalanceInputKind kind) : std::runtime_error(BalanceInputText(kind)), kind_(kind) {}
  BalanceInputKind Kind() const { return kind_; }

 private:
  BalanceInputKind kind_;
};

// Whether two supports can give a centre of gravity, whatever the model:
// throws BalanceInputError when they carry 0 in all, when one's mass is not
// IsUsableMass, or when both stand at one place. Computes nothing else.
void CheckSupports(const TSupports& supports);

// The centre of gravity that two supports give. Throws as CheckSupports, and
// ArithmeticFailure where it or the two masses' sum is beyond the range.
double CgOnSupports(const TSupports& supports);

// Computes the balance check from the aircraft's results. Throws
// BalanceInputError for inputs that give no centre of gravity (none entered,
// supports carrying 0 in all, both supports at one place), for a support's
// or the model's mass that is not IsUsableMass, and
// ArithmeticFailure where the arithmetic fails (a wing of zero mean chord,
// values beyond the range).
TBalanceData CalcBalance(const TBalanceInput& input, const TStabilityData& results);

// The balance check judged against another neutral point, such as the
// vortex lattice's: the static margin measured from `neutralPoint`, and the
// recommended range's two margins (SmallMargin, LargeMargin) laid around it
// instead of around TotalNeutralPoint, with the same verdict and ballast
// rules. Throws as CalcBalance does.
TBalanceData CalcBalanceAgainst(const TBalanceInput& input, const TStabilityData& results, double neutralPoint);

}  // namespace calc

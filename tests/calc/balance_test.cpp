#include "calc/balance.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "calc/fields.h"

namespace {

using calc::BalanceAdvice;
using calc::BalanceVerdict;

// The default model of the window (with tailplane) and the example flying
// wing, computed as the window computes them.
calc::TStabilityData Computed(const std::array<const char*, calc::kModelFieldCount>& texts,
                              const std::optional<calc::TMargins>& margins = std::nullopt) {
  calc::FieldTexts fields;
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = texts[i];
  calc::TModelData model;
  calc::TStabilityData results;
  calc::Recalculate(fields, model, results, margins);
  return results;
}

constexpr std::array<const char*, calc::kModelFieldCount> kDefaultTexts = {
    "1300", "0", "220", "210", "0", "-30", "0", "415", "50", "160", "110", "40", "20", "30", "360"};

const calc::TStabilityData& DefaultModel() {
  static const calc::TStabilityData results = Computed(kDefaultTexts);
  return results;
}

// The builder chose the margins 20 and 10: the range's ends lie 10 % and 20 %
// of the mean chord ahead of the neutral point.
const calc::TStabilityData& DefaultWithMargins20And10() {
  static const calc::TStabilityData results = Computed(kDefaultTexts, calc::TMargins{20, 10});
  return results;
}

const calc::TStabilityData& FlyingWing() {
  static const calc::TStabilityData results =
      Computed({"1800", "500", "300", "220", "140", "-120", "-260", "0", "0", "0", "0", "0", "0", "0", "0"});
  return results;
}

// The default model with an outer panel wider than the half span: its mean
// chord comes out negative (-450.4 mm).
const calc::TStabilityData& NegativeMeanChord() {
  static const calc::TStabilityData results =
      Computed({"1300", "1147", "220", "210", "0", "-30", "0", "415", "50", "160", "110", "40", "20", "30", "360"});
  return results;
}

struct BalanceRow {
  const char* name;
  const calc::TStabilityData& (*model)();
  calc::TBalanceInput input;
  double staticMargin;
  BalanceVerdict verdict;
  BalanceAdvice advice;
  double ballast;  // grams, when advised
  double newMass;
};

// Worked by hand from the models' neutral points and mean chords:
// SM = (NP - CG) / MAC * 100, w = M (T - CG) / (Xbal - T).
const BalanceRow kRows[] = {
    {"default, cg 80: in range", DefaultModel, {80.0, {}, 2000.0, -100.0}, 12.4006594, BalanceVerdict::InRange,
     BalanceAdvice::NotNeeded, 0, 0},
    {"default, cg 100: tail-heavy, lead in the nose", DefaultModel, {100.0, {}, 2000.0, -100.0}, 3.1000105,
     BalanceVerdict::TailHeavy, BalanceAdvice::Ballast, 111.2287864, 2111.2287864},
    {"default, supports give cg 120: unstable", DefaultModel,
     {{}, calc::TSupports{-50, 300, 150, 1700}, {}, -100.0}, -6.2006384, BalanceVerdict::Unstable,
     BalanceAdvice::Ballast, 2000 * (89.463123363947489 - 120) / (-100 - 89.463123363947489),
     2000 + 2000 * (89.463123363947489 - 120) / (-100 - 89.463123363947489)},
    {"default, cg 60: nose-heavy, lead in the tail", DefaultModel, {60.0, {}, 2000.0, 400.0}, 21.7013083,
     BalanceVerdict::NoseHeavy, BalanceAdvice::Ballast, 74.8155455, 2074.8155455},
    {"default, cg 100, station behind: wrong side", DefaultModel, {100.0, {}, 2000.0, 200.0}, 3.1000105,
     BalanceVerdict::TailHeavy, BalanceAdvice::WrongSide, 0, 0},
    {"default, cg 100, no mass", DefaultModel, {100.0, {}, {}, -100.0}, 3.1000105, BalanceVerdict::TailHeavy,
     BalanceAdvice::NoMass, 0, 0},
    {"default, cg 100, no station", DefaultModel, {100.0, {}, 2000.0, {}}, 3.1000105, BalanceVerdict::TailHeavy,
     BalanceAdvice::NoStation, 0, 0},
    {"default with margins 20/10, cg 90: tail-heavy, lead up to 10 %", DefaultWithMargins20And10,
     {90.0, {}, 2000.0, -100.0}, 7.7503349, BalanceVerdict::TailHeavy, BalanceAdvice::Ballast, 52.2530836,
     2052.2530836},
    {"flying wing, cg 230: in range", FlyingWing, {230.0, {}, 800.0, 0.0}, 7.6471485, BalanceVerdict::InRange,
     BalanceAdvice::NotNeeded, 0, 0},
    {"flying wing, cg 240: tail-heavy", FlyingWing, {240.0, {}, 800.0, 0.0}, 3.2098201, BalanceVerdict::TailHeavy,
     BalanceAdvice::Ballast, 5.9802256, 805.9802256},
    {"flying wing, cg 220: nose-heavy", FlyingWing, {220.0, {}, 800.0, 500.0}, 12.0844770,
     BalanceVerdict::NoseHeavy, BalanceAdvice::Ballast, 27.1934255, 827.1934255},
};

class Balance : public ::testing::TestWithParam<BalanceRow> {};

TEST_P(Balance, MarginVerdictAndBallast) {
  const BalanceRow& row = GetParam();
  const calc::TBalanceData balance = calc::CalcBalance(row.input, row.model());
  EXPECT_NEAR(balance.StaticMargin, row.staticMargin, 1e-6);
  EXPECT_EQ(balance.Verdict, row.verdict);
  EXPECT_EQ(balance.Advice, row.advice);
  if (row.advice == BalanceAdvice::Ballast) {
    EXPECT_NEAR(balance.Ballast, row.ballast, 1e-6);
    EXPECT_NEAR(balance.NewMass, row.newMass, 1e-6);
    EXPECT_GT(balance.Ballast, 0);
  }
}

// Judged against a neutral point d mm further aft, inputs d mm further aft
// give the same margin, verdict and ballast: the range moves with the point.
TEST_P(Balance, AgainstAMovedNeutralPointAsWithMovedInputs) {
  const BalanceRow& row = GetParam();
  constexpr double kShift = 37.5;
  calc::TBalanceInput moved = row.input;
  if (moved.Cg) *moved.Cg += kShift;
  if (moved.Supports) {
    moved.Supports->Xa += kShift;
    moved.Supports->Xb += kShift;
  }
  if (moved.BallastStation) *moved.BallastStation += kShift;
  const calc::TBalanceData balance =
      calc::CalcBalanceAgainst(moved, row.model(), row.model().TotalNeutralPoint + kShift);
  EXPECT_NEAR(balance.StaticMargin, row.staticMargin, 1e-6);
  EXPECT_EQ(balance.Verdict, row.verdict);
  EXPECT_EQ(balance.Advice, row.advice);
  if (row.advice == BalanceAdvice::Ballast) {
    EXPECT_NEAR(balance.Ballast, row.ballast, 1e-6);
  }
}

INSTANTIATE_TEST_SUITE_P(WorkedByHand, Balance, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<BalanceRow>& info) {
                           std::string name = info.param.name;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

TEST(Balance, LimitsOfTheRange) {
  const calc::TStabilityData& model = DefaultModel();
  // At the neutral point the margin is 0: tail-heavy, not unstable.
  EXPECT_EQ(calc::CalcBalance({model.TotalNeutralPoint, {}, {}, {}}, model).Verdict, BalanceVerdict::TailHeavy);
  EXPECT_EQ(calc::CalcBalance({model.TotalNeutralPoint + 0.001, {}, {}, {}}, model).Verdict,
            BalanceVerdict::Unstable);
  EXPECT_EQ(calc::CalcBalance({model.CgLargeMargin + 0.001, {}, {}, {}}, model).Verdict, BalanceVerdict::InRange);
  EXPECT_EQ(calc::CalcBalance({model.CgLargeMargin - 0.001, {}, {}, {}}, model).Verdict, BalanceVerdict::NoseHeavy);
  // A station exactly at the target cannot move the centre of gravity.
  const calc::TBalanceData atTarget = calc::CalcBalance({100.0, {}, 2000.0, model.CgSmallMargin}, model);
  EXPECT_EQ(atTarget.Advice, BalanceAdvice::WrongSide);
  // The supports' sum is the mass unless a mass is entered.
  EXPECT_EQ(calc::CalcBalance({{}, calc::TSupports{0, 500, 200, 1500}, {}, {}}, model).Mass, 2000.0);
  EXPECT_EQ(calc::CalcBalance({{}, calc::TSupports{0, 500, 200, 1500}, 2100.0, {}}, model).Mass, 2100.0);
  EXPECT_EQ(calc::CalcBalance({{}, calc::TSupports{0, 500, 200, 1500}, {}, {}}, model).Cg, 150.0);
}

TEST(Balance, InputsWithoutACentreOfGravityAreErrors) {
  using Kind = calc::BalanceInputKind;
  const struct {
    const char* name;
    calc::TBalanceInput input;
    calc::BalanceInputKind kind;
    const char* message;
  } rows[] = {
      {"nothing entered", {}, Kind::NoCg, "no centre of gravity entered"},
      {"supports carry nothing", {{}, calc::TSupports{-50, 0, 150, 0}, {}, {}}, Kind::NoSupportMass,
       "the supports carry no mass"},
      {"masses cancel", {{}, calc::TSupports{-50, 300, 150, -300}, {}, {}}, Kind::NoSupportMass,
       "the supports carry no mass"},
      {"supports at one place", {{}, calc::TSupports{80, 300, 80, 1700}, {}, {}}, Kind::SameSupport,
       "both supports stand at the same place"},
      {"support A pulls up", {{}, calc::TSupports{0, -1000, 200, 2000}, {}, {}}, Kind::MassNotPositive,
       "a mass must be more than 0 g"},
      {"model of 0 g", {100.0, {}, 0.0, -100.0}, Kind::MassNotPositive, "a mass must be more than 0 g"},
      {"model of -5 g beside good supports", {{}, calc::TSupports{0, 500, 200, 1500}, -5.0, {}},
       Kind::MassNotPositive, "a mass must be more than 0 g"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    try {
      calc::CalcBalance(row.input, DefaultModel());
      ADD_FAILURE() << "no error";
    } catch (const calc::BalanceInputError& error) {
      EXPECT_EQ(error.Kind(), row.kind);
      EXPECT_STREQ(error.what(), row.message);
    }
  }
}

TEST(Balance, ArithmeticFailuresKeepTheirTexts) {
  calc::TStabilityData zeroChord = DefaultModel();
  zeroChord.Wing.Mac = 0;
  EXPECT_THROW(calc::CalcBalance({100.0, {}, {}, {}}, zeroChord), calc::ArithmeticFailure);
  try {
    calc::CalcBalance({{}, calc::TSupports{0, 1e308, 1, 1e308}, {}, {}}, DefaultModel());
    ADD_FAILURE() << "no failure";
  } catch (const calc::ArithmeticFailure& failure) {
    EXPECT_STREQ(failure.what(), "Floating point overflow");
  }
}

// A centre of gravity exactly on a limit, as the results give it, is in
// range: the margin worked back from it may land a hair outside, yet no
// ballast (not even 0 g) is advised.
TEST(Balance, ACentreOfGravityOnALimitIsInRange) {
  for (const calc::TStabilityData* model : {&DefaultModel(), &FlyingWing(), &NegativeMeanChord()}) {
    for (const double limit : {model->CgLargeMargin, model->CgSmallMargin}) {
      SCOPED_TRACE(limit);
      const calc::TBalanceData balance = calc::CalcBalance({limit, {}, 2000.0, -100.0}, *model);
      EXPECT_EQ(balance.Verdict, BalanceVerdict::InRange);
      EXPECT_EQ(balance.Advice, BalanceAdvice::NotNeeded);
    }
  }
}

// With a negative mean chord every centre of gravity ahead of the rearward
// limit lies "inside" it: only a margin within half a shown step (0.05 %) of
// a limit counts as on it, so the tail-heavy and nose-heavy bands stay.
TEST(Balance, NegativeMeanChordKeepsItsBands) {
  const calc::TStabilityData& model = NegativeMeanChord();
  ASSERT_LT(model.Wing.Mac, 0);
  const struct {
    double cg;
    BalanceVerdict verdict;
  } rows[] = {{650, BalanceVerdict::TailHeavy}, {795.39, BalanceVerdict::NoseHeavy}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.cg);
    EXPECT_EQ(calc::CalcBalance({row.cg, {}, {}, {}}, model).Verdict, row.verdict);
  }
}

}  // namespace

#include "present/balance_rows.h"

#include <array>
#include <stdexcept>

#include "present/figure.h"

namespace present {
namespace {

using calc::BalanceAdvice;
using calc::BalanceVerdict;
using calc::TBalanceData;

// By BalanceVerdict.
constexpr std::array<Caption, 4> kVerdicts = {
    &Texts::verdictUnstable, &Texts::verdictTailHeavy, &Texts::verdictInRange, &Texts::verdictNoseHeavy};

// By BalanceAdvice; ballast to add shows as its mass, not in words.
constexpr std::array<Caption, 5> kAdvice = {
    &Texts::adviceNoBallast, nullptr, &Texts::adviceWrongSide, &Texts::adviceNoMass, &Texts::adviceNoStation};

using calc::BalanceInputKind;
using calc::BalanceInputText;

struct BalanceError {
  BalanceInputKind kind;
  Caption caption;
};

constexpr BalanceError kErrors[] = {
    {BalanceInputKind::NoCg, &Texts::balanceNoCg},
    {BalanceInputKind::NoSupportMass, &Texts::balanceNoSupportMass},
    {BalanceInputKind::SameSupport, &Texts::balanceSameSupport},
    {BalanceInputKind::MassNotPositive, &Texts::balanceMassNotPositive},
};
static_assert(InKindOrder(kErrors, &BalanceError::kind), "kErrors is indexed by BalanceInputKind");

std::string Length(double millimetres, calc::TUnits units) {
  const calc::TShown shown = calc::ShownLength(millimetres, 1, units.Length);
  return Figure(shown.Value, 5, shown.Decimals);
}
std::string Mass(double grams, calc::TUnits units) {
  const calc::TShown shown = calc::ShownMass(grams, 1, units.Mass);
  return Figure(shown.Value, 6, shown.Decimals);
}
std::string Margin(double percent) { return Figure(percent, 5, calc::kMarginDecimals); }

const std::array<BalanceRow, 6> kRows = {{
    {"Bal_Cg", &Texts::balanceCg,
     [](const TBalanceData& b, Language, calc::TUnits u) { return Length(b.Cg, u); }},
    {"Bal_Mass", &Texts::balanceMass,
     [](const TBalanceData& b, Language, calc::TUnits u) { return b.Mass ? Mass(*b.Mass, u) : std::string(); }},
    {"Bal_Margin", &Texts::balanceMargin,
     [](const TBalanceData& b, Language, calc::TUnits) { return Margin(b.StaticMargin); }, true},
    {"Bal_Verdict", &Texts::balanceVerdict,
     [](const TBalanceData& b, Language l, calc::TUnits) { return std::string(VerdictText(b.Verdict, l)); }, true},
    {"Bal_Ballast", &Texts::balanceBallast,
     [](const TBalanceData& b, Language l, calc::TUnits u) {
       return b.Advice == BalanceAdvice::Ballast ? Mass(b.Ballast, u) : std::string(AdviceText(b.Advice, l));
     },
     true},
    {"Bal_NewMass", &Texts::balanceNewMass,
     [](const TBalanceData& b, Language, calc::TUnits u) {
       return b.Advice == BalanceAdvice::Ballast ? Mass(b.NewMass, u) : std::string();
     },
     true},
}};

auto RowText(std::string_view name) {
  for (const BalanceRow& row : kRows)
    if (row.name == name) return row.text;
  throw std::logic_error("no balance row " + std::string(name));
}

const std::array<BalanceRow, 3> kLatticeRows = {{
    {"Bal_VlmMargin", &Texts::balanceLatticeMargin,
     RowText("Bal_Margin")},
    {"Bal_VlmVerdict", &Texts::balanceLatticeVerdict, RowText("Bal_Verdict")},
    {"Bal_VlmBallast", &Texts::balanceLatticeBallast, RowText("Bal_Ballast")},
}};

}  // namespace

std::span<const BalanceRow> BalanceRows() { return kRows; }

std::span<const BalanceRow> LatticeBalanceRows() { return kLatticeRows; }

std::string_view VerdictText(BalanceVerdict verdict, Language language) {
  return In(kVerdicts[static_cast<std::size_t>(verdict)], language);
}

std::string_view AdviceText(BalanceAdvice advice, Language language) {
  const Caption caption = kAdvice[static_cast<std::size_t>(advice)];
  return caption ? In(caption, language) : std::string_view();
}

std::string_view BalanceErrorText(BalanceInputKind kind, Language language) {
  return In(kErrors[static_cast<std::size_t>(kind)].caption, language);
}

}  // namespace present

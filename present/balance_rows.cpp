#include "present/balance_rows.h"

#include <array>
#include <stdexcept>

#include "present/figure.h"

namespace present {
namespace {

using calc::BalanceAdvice;
using calc::BalanceVerdict;
using calc::TBalanceData;

constexpr std::array<Caption, 4> kVerdicts = {{
    {"instabil", "unstable"},
    {"schwanzlastig", "tail-heavy"},
    {"im Bereich", "in range"},
    {"kopflastig", "nose-heavy"},
}};

constexpr std::array<Caption, 5> kAdvice = {{
    {"kein Ballast n\u00f6tig", "no ballast needed"},
    {"", ""},
    {"Ballast dort kann den Schwerpunkt nicht in den Bereich bringen",
     "ballast there cannot move the CG to the range"},
    {"Masse fehlt", "mass unknown"},
    {"Ballastposition fehlt", "no ballast station"},
}};

using calc::BalanceInputKind;
using calc::BalanceInputText;

struct BalanceError {
  BalanceInputKind kind;
  Caption caption;
};

constexpr BalanceError Error(BalanceInputKind kind, std::string_view german) {
  return {kind, {german, BalanceInputText(kind)}};
}

constexpr std::array<BalanceError, 4> kErrors = {{
    Error(BalanceInputKind::NoCg, "kein Schwerpunkt eingegeben"),
    Error(BalanceInputKind::NoSupportMass, "die Auflagen tragen keine Masse"),
    Error(BalanceInputKind::SameSupport, "beide Auflagen stehen an derselben Stelle"),
    Error(BalanceInputKind::MassNotPositive, "eine Masse muss mehr als 0 g sein"),
}};

constexpr bool ErrorsInKindOrder() {
  for (std::size_t i = 0; i < kErrors.size(); ++i) {
    if (static_cast<std::size_t>(kErrors[i].kind) != i) return false;
  }
  return true;
}
static_assert(ErrorsInKindOrder(), "kErrors is indexed by BalanceInputKind");

std::string Length(double millimetres) { return Figure(millimetres, 5, 1); }
std::string Grams(double grams) { return Figure(grams, 6, 1); }
std::string Margin(double percent) { return Figure(percent, 5, calc::kMarginDecimals); }

const std::array<BalanceRow, 6> kRows = {{
    {"Bal_Cg", {"Schwerpunkt gemessen:", "measured centre of gravity:"},
     [](const TBalanceData& b, Language) { return Length(b.Cg); }},
    {"Bal_Mass", {"Masse in g:", "mass by g:"},
     [](const TBalanceData& b, Language) { return b.Mass ? Grams(*b.Mass) : std::string(); }},
    {"Bal_Margin", {"Stabilit\u00e4tsma\u00df in %:", "static margin by %:"},
     [](const TBalanceData& b, Language) { return Margin(b.StaticMargin); }, true},
    {"Bal_Verdict", {"Urteil:", "verdict:"},
     [](const TBalanceData& b, Language l) { return std::string(VerdictText(b.Verdict, l)); }, true},
    {"Bal_Ballast", {"Ballast in g:", "ballast by g:"},
     [](const TBalanceData& b, Language l) {
       return b.Advice == BalanceAdvice::Ballast ? Grams(b.Ballast) : std::string(AdviceText(b.Advice, l));
     },
     true},
    {"Bal_NewMass", {"neue Masse in g:", "new mass by g:"},
     [](const TBalanceData& b, Language) {
       return b.Advice == BalanceAdvice::Ballast ? Grams(b.NewMass) : std::string();
     },
     true},
}};

auto RowText(std::string_view name) {
  for (const BalanceRow& row : kRows)
    if (row.name == name) return row.text;
  throw std::logic_error("no balance row " + std::string(name));
}

const std::array<BalanceRow, 3> kLatticeRows = {{
    {"Bal_VlmMargin", {"Stabilit\u00e4tsma\u00df in % (Wirbelgitter):", "static margin by % (vortex lattice):"},
     RowText("Bal_Margin")},
    {"Bal_VlmVerdict", {"Urteil (Wirbelgitter):", "verdict (vortex lattice):"}, RowText("Bal_Verdict")},
    {"Bal_VlmBallast", {"Ballast in g (Wirbelgitter):", "ballast by g (vortex lattice):"}, RowText("Bal_Ballast")},
}};

}  // namespace

std::span<const BalanceRow> BalanceRows() { return kRows; }

std::span<const BalanceRow> LatticeBalanceRows() { return kLatticeRows; }

std::string_view VerdictText(BalanceVerdict verdict, Language language) {
  return In(kVerdicts[static_cast<std::size_t>(verdict)], language);
}

std::string_view AdviceText(BalanceAdvice advice, Language language) {
  return In(kAdvice[static_cast<std::size_t>(advice)], language);
}

std::string_view BalanceErrorText(BalanceInputKind kind, Language language) {
  return In(kErrors[static_cast<std::size_t>(kind)].caption, language);
}

}  // namespace present

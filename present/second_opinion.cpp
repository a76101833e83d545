#include "present/second_opinion.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "calc/number_text.h"
#include "present/figure.h"
#include "present/unit_captions.h"
#include "present/result_table.h"

namespace present {
namespace {

// Where the lattice's neutral point lies against the rule's, as the figure
// shown says: a difference that rounds to 0.0 is none.
enum class Side : std::size_t { Aft, Forward, Same };

// By Side.
constexpr std::array<Caption, 3> kSummaries = {
    &Texts::latticeSummaryAft, &Texts::latticeSummaryForward, &Texts::latticeSummarySame};

struct GoverningEntry {
  GoverningReason reason;
  Judgement judgement;
  Caption text;
};

constexpr std::array<GoverningEntry, 5> kGoverning = {{
    {GoverningReason::TailAhead, Judgement::Lattice, &Texts::governingTailAhead},
    {GoverningReason::SweptFlyingWing, Judgement::Lattice, &Texts::governingSweptFlyingWing},
    {GoverningReason::LatticeForward, Judgement::Lattice, &Texts::governingLatticeForward},
    {GoverningReason::RuleForward, Judgement::Rule, &Texts::governingRuleForward},
    {GoverningReason::SameNeutralPoint, Judgement::Rule, &Texts::governingSameNeutralPoint},
}};

constexpr bool GoverningInReasonOrder() {
  for (std::size_t i = 0; i < kGoverning.size(); ++i) {
    if (static_cast<std::size_t>(kGoverning[i].reason) != i) return false;
  }
  return true;
}
static_assert(GoverningInReasonOrder(), "kGoverning is indexed by GoverningReason");

// The pattern with each "{}" replaced by the next figure.
std::string Filled(std::string_view pattern, std::initializer_list<std::string> figures) {
  std::string text;
  auto figure = figures.begin();
  for (std::size_t at = 0;;) {
    const std::size_t slot = pattern.find("{}", at);
    if (slot == std::string_view::npos || figure == figures.end()) return text.append(pattern.substr(at));
    text.append(pattern.substr(at, slot - at)).append(*figure++);
    at = slot + 2;
  }
}

std::string NpDiffSize(const aero::Comparison& comparison) { return Figure(std::abs(comparison.NpDiff), 0, 1); }

Side SideOf(const aero::Comparison& comparison) {
  if (NpDiffSize(comparison) == "0.0") return Side::Same;
  return comparison.NpDiff > 0 ? Side::Aft : Side::Forward;
}

// A position within a sentence: as a figure of the table, without padding.
std::string Position(double millimetres, calc::TUnits units) {
  const calc::TShown shown = calc::ShownLength(millimetres, 1, units.Length);
  return Figure(shown.Value, 0, shown.Decimals);
}

// Exactly as the result table writes the centre of gravity of `cell`.
std::string AsCgCell(std::string_view cell, double millimetres, calc::TUnits units) {
  const ResultCell* shown = FindCell(cell);
  const calc::TShown value = calc::ShownLength(millimetres, shown->decimals, units.Length);
  return calc::FormatFixed(value.Value, shown->width, value.Decimals);
}

std::string TailAheadWarning(const aero::Comparison& comparison, Language language, calc::TUnits units) {
  const std::optional<aero::CgRange>& range = comparison.LatticeRange;
  if (!range) return std::string(TextsOf(language).tailAheadNoRange);
  return Filled(In(&Texts::tailAhead, language, units),
                {Position(range->Forward, units), Position(range->Rear, units)});
}

std::string RearUnsafeWarning(const aero::Comparison& comparison, Language language, calc::TUnits units) {
  const std::optional<aero::CgRange>& range = comparison.LatticeRange;
  const Texts& texts = TextsOf(language);
  std::string text = range ? Filled(In(&Texts::balanceByLattice, language, units),
                                    {Position(range->Forward, units), Position(range->Rear, units)})
                           : std::string(texts.balanceByLatticeNoRange);
  const std::string kept = Figure(comparison.SmallMarginCgMargin, 0, 1);
  if (kept.front() == '-') return text + Filled(texts.rearBehind, {kept.substr(1)});
  return text + Filled(texts.rearKeepsLittle, {kept, MarginText(comparison.SmallMargin, 0)});
}

}  // namespace

SecondOpinionFigures FiguresOf(const aero::Comparison& comparison, calc::TUnits units) {
  std::string npDiff = Figure(comparison.NpDiff, 0, 1);
  if (SideOf(comparison) == Side::Aft && npDiff.front() != '+') npDiff = "+" + npDiff;
  SecondOpinionFigures figures{Figure(comparison.Vlm.LiftSlope, 0, 2), Position(comparison.Vlm.NeutralPoint, units),
                               npDiff, "", ""};
  if (comparison.LatticeRange) {
    figures.CgForward = AsCgCell("Lab_Rsp2", comparison.LatticeRange->Forward, units);
    figures.CgRear = AsCgCell("Lab_Rsp1", comparison.LatticeRange->Rear, units);
  }
  return figures;
}

std::string SummaryLine(const aero::Comparison& comparison, Language language, calc::TUnits units) {
  const std::string_view pattern = In(kSummaries[static_cast<std::size_t>(SideOf(comparison))], language, units);
  return Filled(pattern, {FiguresOf(comparison, units).NeutralPoint, NpDiffSize(comparison)});
}

std::vector<std::string> Warnings(const aero::Comparison& comparison, Language language, calc::TUnits units) {
  // On a canard the rule's range does not apply at all; how close its rear
  // end comes to the lattice's neutral point tells nothing more.
  if (comparison.TailAhead) return {TailAheadWarning(comparison, language, units)};
  if (comparison.RuleRearUnsafe()) return {RearUnsafeWarning(comparison, language, units)};
  return {};
}

std::string Note(const aero::Comparison& comparison, Language language) {
  if (!Warnings(comparison, language, {}).empty() || SideOf(comparison) != Side::Aft) return {};
  return std::string(TextsOf(language).furtherAft);
}

Governing GoverningOf(const aero::Comparison& comparison) {
  GoverningReason reason = GoverningReason::SameNeutralPoint;
  if (comparison.TailAhead) {
    reason = GoverningReason::TailAhead;
  } else if (comparison.SweptFlyingWing) {
    reason = GoverningReason::SweptFlyingWing;
  } else if (const Side side = SideOf(comparison); side != Side::Same) {
    reason = side == Side::Forward ? GoverningReason::LatticeForward : GoverningReason::RuleForward;
  }
  return {kGoverning[static_cast<std::size_t>(reason)].judgement, reason};
}

std::string_view JudgementKey(Judgement judgement) { return judgement == Judgement::Rule ? "rule" : "lattice"; }

std::string_view GoverningText(const Governing& governing, Language language) {
  return In(kGoverning[static_cast<std::size_t>(governing.reason)].text, language);
}

}  // namespace present

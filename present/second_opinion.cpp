#include "present/second_opinion.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "calc/number_text.h"
#include "present/figure.h"
#include "present/result_table.h"

namespace present {
namespace {

// Where the lattice's neutral point lies against the rule's, as the figure
// shown says: a difference that rounds to 0.0 is none.
enum class Side : std::size_t { Aft, Forward, Same };

// "{}" stands for the neutral point in mm, then the difference's size.
constexpr std::array<Caption, 3> kSummaries = {{
    {"Wirbelgitter: Neutralpunkt {} mm, {} % der mittleren Fl\u00fcgeltiefe hinter dem der Faustformel",
     "Vortex lattice: neutral point {} mm, {} % of the mean chord behind the rule's"},
    {"Wirbelgitter: Neutralpunkt {} mm, {} % der mittleren Fl\u00fcgeltiefe vor dem der Faustformel",
     "Vortex lattice: neutral point {} mm, {} % of the mean chord ahead of the rule's"},
    {"Wirbelgitter: Neutralpunkt {} mm, wie nach der Faustformel",
     "Vortex lattice: neutral point {} mm, the same as the rule's"},
}};

// "{}" stands for the lattice's range, forward end first.
constexpr Caption kTailAhead = {
    "Ente oder Tandem: im Bereich des Wirbelgitters von {} bis {} mm auswiegen; die Faustformel gilt nicht.",
    "Canard or tandem: balance within the vortex lattice's range of {} to {} mm; the rule's range does not apply."};
constexpr Caption kTailAheadNoRange = {"Ente oder Tandem: der Bereich der Faustformel gilt nicht.",
                                       "Canard or tandem: the rule's range does not apply."};

// The rule's rearward centre of gravity too close to the lattice's neutral
// point: what to do, then why.
constexpr Caption kBalanceByLattice = {"Im Bereich des Wirbelgitters von {} bis {} mm auswiegen: ",
                                       "Balance within the vortex lattice's range, {} to {} mm: "};
constexpr Caption kBalanceByLatticeNoRange = {"Nach dem Wirbelgitter auswiegen: ",
                                              "Balance by the vortex lattice: "};
// "{}" stands for the margin kept against the lattice's neutral point, then
// the rule's. Short, to fit the status line.
constexpr Caption kRearKeepsLittle = {
    "der hintere Schwerpunkt der Faustformel hat nur {} % statt {} % Stabilit\u00e4tsma\u00df.",
    "the rule's rear CG keeps only {} % of its {} % margin."};
// "{}" stands for how far behind the lattice's neutral point, in % of the
// mean chord.
constexpr Caption kRearBehind = {
    "der hintere Schwerpunkt der Faustformel liegt {} % hinter dem Neutralpunkt des Wirbelgitters.",
    "the rule's rear CG lies {} % behind the lattice's neutral point."};

// After the summary line, which says how far aft.
constexpr Caption kFurtherAft = {
    "Weiter hinten; beide kennen den Rumpf nicht, der den Neutralpunkt um etwa 1 bis 9 % der mittleren "
    "Fl\u00fcgeltiefe vorr\u00fcckt.",
    "Further aft, but neither knows the fuselage, which moves the neutral point forward by roughly 1 to 9 % of the "
    "mean chord."};

struct GoverningEntry {
  GoverningReason reason;
  Judgement judgement;
  Caption text;
};

constexpr std::array<GoverningEntry, 5> kGoverning = {{
    {GoverningReason::TailAhead, Judgement::Lattice,
     {"Ma\u00dfgebend: das Wirbelgitter, denn bei Ente oder Tandem gilt der Bereich der Faustformel nicht.",
      "Follow: the vortex lattice, because on a canard or tandem the rule's range does not apply."}},
    {GoverningReason::SweptFlyingWing, Judgement::Lattice,
     {"Ma\u00dfgebend: das Wirbelgitter, denn die Faustformel \u00fcbergeht die Pfeilung des Nurfl\u00fcglers.",
      "Follow: the vortex lattice, because the rule ignores the flying wing's sweep."}},
    {GoverningReason::LatticeForward, Judgement::Lattice,
     {"Ma\u00dfgebend: das Wirbelgitter, denn sein Neutralpunkt liegt weiter vorn (das vorsichtigere Urteil).",
      "Follow: the vortex lattice, because its neutral point lies further forward (the more cautious)."}},
    {GoverningReason::RuleForward, Judgement::Rule,
     {"Ma\u00dfgebend: die Faustformel, denn ihr Neutralpunkt liegt weiter vorn (das vorsichtigere Urteil).",
      "Follow: the rule, because its neutral point lies further forward (the more cautious)."}},
    {GoverningReason::SameNeutralPoint, Judgement::Rule,
     {"Ma\u00dfgebend: die Faustformel, denn beide Neutralpunkte liegen gleich.",
      "Follow: the rule, because both neutral points lie at the same place."}},
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
std::string Position(double millimetres) { return Figure(millimetres, 0, 1); }

// Exactly as the result table writes the centre of gravity of `cell`.
std::string AsCgCell(std::string_view cell, double millimetres) {
  const ResultCell* shown = FindCell(cell);
  return calc::FormatFixed(millimetres, shown->width, shown->decimals);
}

std::string TailAheadWarning(const aero::Comparison& comparison, Language language) {
  const std::optional<aero::CgRange>& range = comparison.LatticeRange;
  if (!range) return std::string(In(kTailAheadNoRange, language));
  return Filled(In(kTailAhead, language), {Position(range->Forward), Position(range->Rear)});
}

std::string RearUnsafeWarning(const aero::Comparison& comparison, Language language) {
  const std::optional<aero::CgRange>& range = comparison.LatticeRange;
  std::string text = range ? Filled(In(kBalanceByLattice, language), {Position(range->Forward), Position(range->Rear)})
                           : std::string(In(kBalanceByLatticeNoRange, language));
  const std::string kept = Figure(comparison.SmallMarginCgMargin, 0, 1);
  if (kept.front() == '-') return text + Filled(In(kRearBehind, language), {kept.substr(1)});
  return text + Filled(In(kRearKeepsLittle, language), {kept, MarginText(comparison.SmallMargin, 0)});
}

}  // namespace

SecondOpinionFigures FiguresOf(const aero::Comparison& comparison) {
  std::string npDiff = Figure(comparison.NpDiff, 0, 1);
  if (SideOf(comparison) == Side::Aft && npDiff.front() != '+') npDiff = "+" + npDiff;
  SecondOpinionFigures figures{Figure(comparison.Vlm.LiftSlope, 0, 2), Figure(comparison.Vlm.NeutralPoint, 0, 1),
                               npDiff, "", ""};
  if (comparison.LatticeRange) {
    figures.CgForward = AsCgCell("Lab_Rsp2", comparison.LatticeRange->Forward);
    figures.CgRear = AsCgCell("Lab_Rsp1", comparison.LatticeRange->Rear);
  }
  return figures;
}

std::string SummaryLine(const aero::Comparison& comparison, Language language) {
  const std::string_view pattern = In(kSummaries[static_cast<std::size_t>(SideOf(comparison))], language);
  return Filled(pattern, {FiguresOf(comparison).NeutralPoint, NpDiffSize(comparison)});
}

std::vector<std::string> Warnings(const aero::Comparison& comparison, Language language) {
  // On a canard the rule's range does not apply at all; how close its rear
  // end comes to the lattice's neutral point tells nothing more.
  if (comparison.TailAhead) return {TailAheadWarning(comparison, language)};
  if (comparison.RuleRearUnsafe()) return {RearUnsafeWarning(comparison, language)};
  return {};
}

std::string Note(const aero::Comparison& comparison, Language language) {
  if (!Warnings(comparison, language).empty() || SideOf(comparison) != Side::Aft) return {};
  return std::string(In(kFurtherAft, language));
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

#include "present/second_opinion.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "present/figure.h"

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

// "{}" stands for the difference's size; by Side, Aft and Forward only.
constexpr std::array<Caption, 2> kDisagreements = {{
    {"Die Neutralpunkte liegen {} % der mittleren Fl\u00fcgeltiefe auseinander: der des Wirbelgitters liegt "
     "weiter hinten.",
     "The neutral points differ by {} % of the mean chord: the vortex lattice's lies further aft."},
    {"Die Neutralpunkte liegen {} % der mittleren Fl\u00fcgeltiefe auseinander: der des Wirbelgitters liegt "
     "weiter vorn.",
     "The neutral points differ by {} % of the mean chord: the vortex lattice's lies further forward."},
}};

constexpr Caption kTailNotBehind = {
    "H\u00f6henleitwerk nicht hinter dem Fl\u00fcgel (Ente oder Tandem): der empfohlene Bereich gilt nicht.",
    "Tailplane not behind the wing (canard or tandem): the recommended range does not apply."};

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

}  // namespace

SecondOpinionFigures FiguresOf(const aero::Comparison& comparison) {
  std::string npDiff = Figure(comparison.NpDiff, 0, 1);
  if (SideOf(comparison) == Side::Aft && npDiff.front() != '+') npDiff = "+" + npDiff;
  return {Figure(comparison.Vlm.LiftSlope, 0, 2), Figure(comparison.Vlm.NeutralPoint, 0, 1), npDiff};
}

std::string SummaryLine(const aero::Comparison& comparison, Language language) {
  const std::string_view pattern = In(kSummaries[static_cast<std::size_t>(SideOf(comparison))], language);
  return Filled(pattern, {FiguresOf(comparison).NeutralPoint, NpDiffSize(comparison)});
}

std::vector<std::string> Warnings(const aero::Comparison& comparison, Language language) {
  std::vector<std::string> warnings;
  if (comparison.TailNotBehind) warnings.emplace_back(In(kTailNotBehind, language));
  const Side side = SideOf(comparison);
  if (comparison.Disagrees && side != Side::Same) {
    warnings.push_back(Filled(In(kDisagreements[static_cast<std::size_t>(side)], language), {NpDiffSize(comparison)}));
  }
  return warnings;
}

}  // namespace present

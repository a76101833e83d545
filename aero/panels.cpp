#include "panels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <new>
#include <numbers>

namespace aero {
namespace {

// Beyond this many horseshoes the influence matrix alone would take 2 GiB:
// treated as the memory exhaustion it would become.
constexpr std::uint64_t kMaxHorseshoes = 16384;

// The wing's trailing legs run through the tailplane (and a canard's over the
// wing): with both in one plane a control point of the one can sit on a leg
// of the other, where the plain Biot-Savart law is singular, and the answer
// would jump as the tailplane slides across the legs. The discrete legs stand
// for a continuous vortex sheet, so a vortex acting on the other surface gets
// a finite core (influence.cpp has its kernel). Its radius is the larger of
// the two surfaces' mean strip widths: that spreads every leg over about the
// spacing of its neighbours, so the sheet's downwash comes out smooth between
// them, and the other surface's strips never sample a feature narrower than
// themselves (a canard's tip vortex crossing the wing, found too narrow with
// the canard's own width). The radius shrinks with the lattice, so a fine
// lattice converges to the plain law. One radius for all, not one per strip:
// the legs that neighbouring horseshoes share must cancel exactly where their
// circulations are equal, which differing cores spoil (by tens of per cent of
// the downwash beside the crowded strips at a root, when tried).
constexpr double kCoreFraction = 1.0;

// A trapezoid narrower than this share of its half span carries too little
// to matter and is left out like one without span: its strips would be
// narrow enough to make the equations ill-conditioned for nothing.
constexpr double kNegligibleSpan = 1e-6;

// One chord of a half planform: x of its leading edge behind the wing root's
// leading edge, all in layout units.
struct Section {
  double Across = 0;
  double LeadingEdge = 0;
  double Chord = 0;
};

struct Trapezoid {
  Section Inner, Outer;
  bool Lifts = false;  // it has an area and more than a negligible span
  double Span() const { return Outer.Across - Inner.Across; }
  double Area() const { return Span() * (Inner.Chord + Outer.Chord) / 2; }
  Section At(double fraction) const {
    const auto mix = [fraction](double a, double b) { return a + (b - a) * fraction; };
    return {mix(Inner.Across, Outer.Across), mix(Inner.LeadingEdge, Outer.LeadingEdge),
            mix(Inner.Chord, Outer.Chord)};
  }
};

// Cosine spacing: point k of n + 1 from 0 to 1, crowded at both ends.
double CosineFraction(double k, int n) { return 0.5 * (1 - std::cos(std::numbers::pi * k / n)); }

// The two trapezoids of one half exactly as the diagram draws them, whose
// root trailing edge lies `rootTrailingEdge` behind the wing root's leading
// edge; nullopt when one of them has a negative span or, having a span, a
// negative chord. A trapezoid without area is left out: its panels would
// have their control points on their own bound legs.
std::optional<std::array<Trapezoid, 2>> TrapezoidsOf(const calc::TPlanform& planform, double rootTrailingEdge) {
  const calc::PanelCorners corners = calc::CornersOf(planform);
  const auto section = [rootTrailingEdge](const calc::ChordSection& c) {
    return Section{static_cast<double>(c.Across), static_cast<double>(rootTrailingEdge - c.LeadingEdge),
                   static_cast<double>(c.LeadingEdge - c.TrailingEdge)};
  };
  std::array<Trapezoid, 2> halves = {{{section(corners.Root), section(corners.Kink)},
                                      {section(corners.Kink), section(corners.Tip)}}};
  const double halfSpan = halves[1].Outer.Across;
  for (Trapezoid& t : halves) {
    if (!(t.Span() >= 0)) return std::nullopt;
    if (t.Span() > 0 && !(t.Inner.Chord >= 0 && t.Outer.Chord >= 0)) return std::nullopt;
    t.Lifts = t.Span() > kNegligibleSpan * halfSpan && t.Area() > 0;
  }
  return halves;
}

// The half's `strips` shared between its lifting trapezoids in proportion to
// their spans, at least one for each.
std::array<int, 2> StripsOf(const std::array<Trapezoid, 2>& halves, int strips) {
  const double inner = halves[0].Span();
  const double outer = halves[1].Span();
  if (!halves[1].Lifts) return {strips, 0};
  if (!halves[0].Lifts) return {0, strips};
  const double share = std::round(strips * outer / (inner + outer));
  const int outerStrips = static_cast<int>(std::clamp(share, 1.0, std::max(1.0, strips - 1.0)));
  return {std::max(1, strips - outerStrips), outerStrips};
}

struct SurfaceLayout {
  std::array<Trapezoid, 2> Halves;
  std::array<int, 2> Strips;
  int ChordPanels = 0;
  double Height = 0;
  Surface Owner = Surface::Wing;

  // The mean strip width of a half.
  double Spacing() const { return Halves[1].Outer.Across / std::max(1, Strips[0] + Strips[1]); }

  std::uint64_t Count() const {
    std::uint64_t count = 0;
    for (std::size_t i = 0; i < Halves.size(); ++i) {
      if (Halves[i].Lifts) count += static_cast<std::uint64_t>(Strips[i]) * static_cast<std::uint64_t>(ChordPanels);
    }
    return count;
  }
};

// The legs of one trapezoid: ChordPanels per strip edge, edge by edge.
void AddLegs(const SurfaceLayout& surface, const Trapezoid& trapezoid, int strips, std::vector<Leg>& out) {
  const int panels = surface.ChordPanels;
  for (int edge = 0; edge <= strips; ++edge) {
    const Section section = trapezoid.At(CosineFraction(edge, strips));
    for (int p = 0; p < panels; ++p) {
      const double front = CosineFraction(p, panels);
      const double quarter = front + (CosineFraction(p + 1, panels) - front) / 4;
      out.push_back({{section.LeadingEdge + section.Chord * quarter, section.Across, surface.Height}, surface.Owner});
    }
  }
}

void AddPanels(const SurfaceLayout& surface, Layout& layout) {
  const int panels = surface.ChordPanels;
  for (std::size_t i = 0; i < surface.Halves.size(); ++i) {
    const Trapezoid& trapezoid = surface.Halves[i];
    const int strips = surface.Strips[i];
    if (!trapezoid.Lifts) continue;
    const std::size_t firstLeg = layout.Legs.size();
    AddLegs(surface, trapezoid, strips, layout.Legs);
    for (int s = 0; s < strips; ++s) {
      // The control point halfway between the strip's edges in the cosine's
      // angle, not in span: the narrow strips at a tip then see the load
      // falling off as it does, and the neutral point converges several
      // times faster than with the plain midpoint.
      const Section mid = trapezoid.At(CosineFraction(s + 0.5, strips));
      for (int p = 0; p < panels; ++p) {
        const double front = CosineFraction(p, panels);
        const double threeQuarter = front + (CosineFraction(p + 1, panels) - front) * 3 / 4;
        const std::size_t inboard = firstLeg + static_cast<std::size_t>(s) * panels + p;
        const std::size_t outboard = inboard + panels;
        layout.Horseshoes.push_back({layout.Legs[inboard].From, layout.Legs[outboard].From,
                                     {mid.LeadingEdge + mid.Chord * threeQuarter, mid.Across, surface.Height},
                                     inboard, outboard});
      }
    }
  }
}

double Scaled(double value, double scale) { return value / scale; }

calc::TPlanform ScaledPlanform(const calc::TPlanform& p, double scale) {
  return {Scaled(p.Span, scale),      Scaled(p.OuterSpan, scale),  Scaled(p.RootChord, scale),
          Scaled(p.KinkChord, scale), Scaled(p.TipChord, scale),   Scaled(p.KinkOffset, scale),
          Scaled(p.TipOffset, scale)};
}

// The dimensions that shape the lattice: the wing's, and with a tailplane
// its own, its distance and its height.
std::vector<double> DimensionsOf(const calc::TModelData& model, const VlmOptions& options, bool withTail) {
  std::vector<double> dimensions;
  for (const calc::ModelMember member : calc::kWingPlanform) dimensions.push_back(model.*member);
  if (withTail) {
    for (const calc::ModelMember member : calc::kTailPlanform) dimensions.push_back(model.*member);
    dimensions.push_back(model.Rh);
    dimensions.push_back(options.TailHeight);
  }
  return dimensions;
}

}  // namespace

std::optional<Layout> LayOut(const calc::TModelData& model, const VlmOptions& options) {
  const Lattice& grid = options.Grid;
  if (std::min({grid.WingSpan, grid.WingChord, grid.TailSpan, grid.TailChord}) < 1) return std::nullopt;
  const bool withTail = model.Bh != 0;
  const std::vector<double> dimensions = DimensionsOf(model, options, withTail);
  double scale = 0;
  for (const double d : dimensions) {
    if (!std::isfinite(d)) return std::nullopt;
    scale = std::max(scale, std::abs(d));
  }
  if (!(model.B > 0)) return std::nullopt;

  const double wingRoot = Scaled(model.Li, scale);
  const auto wing = TrapezoidsOf(ScaledPlanform(calc::WingPlanform(model), scale), wingRoot);
  if (!wing) return std::nullopt;
  std::vector<SurfaceLayout> surfaces = {{*wing, StripsOf(*wing, grid.WingSpan), grid.WingChord, 0, Surface::Wing}};
  if (withTail) {
    const double tailRoot = wingRoot + Scaled(model.Rh, scale) + Scaled(model.Lih, scale);
    const auto tail = TrapezoidsOf(ScaledPlanform(calc::TailPlanform(model), scale), tailRoot);
    if (!tail) return std::nullopt;
    surfaces.push_back(
        {*tail, StripsOf(*tail, grid.TailSpan), grid.TailChord, Scaled(options.TailHeight, scale), Surface::Tail});
  }

  Layout layout;
  layout.Scale = scale;
  layout.WingArea = 2 * ((*wing)[0].Area() + (*wing)[1].Area());
  if (!(layout.WingArea > 0) || !std::isfinite(layout.WingArea)) return std::nullopt;
  std::uint64_t count = 0;
  for (const SurfaceLayout& surface : surfaces) {
    count += surface.Count();
    layout.CrossCore = std::max(layout.CrossCore, kCoreFraction * surface.Spacing());
  }
  if (count > kMaxHorseshoes) throw std::bad_alloc();
  layout.Horseshoes.reserve(count);
  AddPanels(surfaces[0], layout);
  layout.WingCount = layout.Horseshoes.size();
  if (layout.WingCount == 0) return std::nullopt;
  if (withTail) AddPanels(surfaces[1], layout);
  return layout;
}

}  // namespace aero

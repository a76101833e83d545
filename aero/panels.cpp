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

// A bound leg of one surface acting on the other's control points gets a
// core of this share of the wing's mean chord: only where the two overlap
// seen from above (a tandem or canard pushed over the wing) can a control
// point come near it, and there the plain law would spike. A fixed share, so
// that finer lattices converge to one answer.
constexpr double kBoundCoreFraction = 0.01;

// Breakpoints closer than this share of the widest half span are one: the
// interval between them would carry too little to matter, and its strips
// would be narrow enough to make the equations ill-conditioned for nothing.
constexpr double kNegligibleSpan = 1e-6;

// The smallest half span and mean chord of a surface, in layout units (the
// largest dimension being 1), that the lattice can represent: below them the
// products of lengths in the influence law and the moment sum leave the range
// of doubles (a wing of span 1e165 mm and 220 mm chord lost its moment
// entirely, and answered 0 mm).
constexpr double kSmallestLength = 1e-60;

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
  // The chord `across` from the centre line; within the trapezoid's span.
  Section At(double across) const {
    const double fraction = Span() > 0 ? std::clamp((across - Inner.Across) / Span(), 0.0, 1.0) : 0.0;
    const auto mix = [fraction](double a, double b) { return a + (b - a) * fraction; };
    return {across, mix(Inner.LeadingEdge, Outer.LeadingEdge), mix(Inner.Chord, Outer.Chord)};
  }
};

// Cosine spacing: point k of n + 1 from 0 to 1, crowded at both ends.
double CosineFraction(double k, int n) { return 0.5 * (1 - std::cos(std::numbers::pi * k / n)); }

// Chordwise the panels are of equal length: with the bound leg at a
// quarter and the control point at three quarters of each, a flat plate's
// lift and centre of lift come out exact in two dimensions at any count,
// and swept wings converged faster than with cosine spacing when tried.
double ChordFraction(int k, int n) { return static_cast<double>(k) / n; }

// The two trapezoids of one half exactly as the diagram draws them, whose
// root trailing edge lies `rootTrailingEdge` behind the wing root's leading
// edge; nullopt when one of them has a negative span or, having a span, a
// negative chord. A trapezoid without area carries no strips: its panels
// would have their control points on their own bound legs.
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

struct SurfaceLayout {
  std::array<Trapezoid, 2> Halves;
  int ChordPanels = 0;
  double Height = 0;
  Surface Owner = Surface::Wing;

  double HalfSpan() const { return Halves[1].Outer.Across; }
  double Area() const { return 2 * (Halves[0].Area() + Halves[1].Area()); }
  bool Representable() const {
    return HalfSpan() >= kSmallestLength && Area() / (2 * HalfSpan()) >= kSmallestLength && std::isfinite(Area());
  }
  // The lifting trapezoid that holds the interval (inner, outer), if any.
  const Trapezoid* Holding(double inner, double outer) const {
    const double middle = (inner + outer) / 2;
    for (const Trapezoid& t : Halves) {
      if (t.Lifts && middle > t.Inner.Across && middle < t.Outer.Across) return &t;
    }
    return nullptr;
  }
};

// Where the half span is cut into intervals: at every kink and tip of every
// surface. Each interval carries a fixed number of strips, the same edges for
// every surface that spans it. So no count changes as a dimension changes
// (a strip moving from one trapezoid to the other made the neutral point
// step), and where one surface's trailing legs run past the other, the
// other's control points lie midway between them in the cosine's angle, as
// they do between its own: the lattice then sums the wake's principal-value
// downwash there as accurately as its own, in the plane or above it, with no
// core to choose (the argument of Lan, A quasi-vortex-lattice method in thin
// wing theory, Journal of Aircraft 11, 1974).
std::vector<double> BreakpointsOf(const std::vector<SurfaceLayout>& surfaces) {
  double widest = 0;
  std::vector<double> cuts;
  for (const SurfaceLayout& surface : surfaces) {
    widest = std::max(widest, surface.HalfSpan());
    for (const Trapezoid& t : surface.Halves) cuts.push_back(t.Outer.Across);
  }
  std::sort(cuts.begin(), cuts.end());
  std::vector<double> breakpoints = {0};
  for (const double cut : cuts) {
    if (cut - breakpoints.back() > kNegligibleSpan * widest) breakpoints.push_back(cut);
  }
  return breakpoints;
}

// The strips of one surface in one interval: `strips` between `inner` and
// `outer` across, spaced by the cosine. Their legs (ChordPanels at each
// strip edge, edge by edge) are shared by neighbouring strips.
void AddStrips(const SurfaceLayout& surface, const Trapezoid& trapezoid, double inner, double outer, int strips,
               Layout& layout) {
  const int panels = surface.ChordPanels;
  const auto across = [inner, outer](double fraction) { return inner + (outer - inner) * fraction; };
  const std::size_t firstLeg = layout.Legs.size();
  for (int edge = 0; edge <= strips; ++edge) {
    const Section section = trapezoid.At(across(CosineFraction(edge, strips)));
    for (int p = 0; p < panels; ++p) {
      const double front = ChordFraction(p, panels);
      const double quarter = front + (ChordFraction(p + 1, panels) - front) / 4;
      layout.Legs.push_back(
          {{section.LeadingEdge + section.Chord * quarter, section.Across, surface.Height}, surface.Owner});
    }
  }
  for (int s = 0; s < strips; ++s) {
    // The control point halfway between the strip's edges in the cosine's
    // angle, not in span: the narrow strips at a tip then see the load
    // falling off as it does, and the neutral point converges several
    // times faster than with the plain midpoint.
    const Section mid = trapezoid.At(across(CosineFraction(s + 0.5, strips)));
    for (int p = 0; p < panels; ++p) {
      const double front = ChordFraction(p, panels);
      const double threeQuarter = front + (ChordFraction(p + 1, panels) - front) * 3 / 4;
      const std::size_t inboard = firstLeg + static_cast<std::size_t>(s) * panels + p;
      const std::size_t outboard = inboard + panels;
      layout.Horseshoes.push_back({layout.Legs[inboard].From, layout.Legs[outboard].From,
                                   {mid.LeadingEdge + mid.Chord * threeQuarter, mid.Across, surface.Height},
                                   inboard, outboard});
    }
  }
}

// The strips of each interval: the wing's count where the wing spans it,
// the tailplane's beyond the wing's tip.
int StripsIn(double outer, double wingHalfSpan, const Lattice& grid) {
  return outer <= wingHalfSpan ? grid.WingSpan : grid.TailSpan;
}

std::uint64_t CountOf(const std::vector<SurfaceLayout>& surfaces, const std::vector<double>& breakpoints,
                      const Lattice& grid) {
  std::uint64_t count = 0;
  for (const SurfaceLayout& surface : surfaces) {
    for (std::size_t i = 1; i < breakpoints.size(); ++i) {
      if (!surface.Holding(breakpoints[i - 1], breakpoints[i])) continue;
      count += static_cast<std::uint64_t>(StripsIn(breakpoints[i], surfaces[0].HalfSpan(), grid)) *
               static_cast<std::uint64_t>(surface.ChordPanels);
    }
  }
  return count;
}

void AddSurface(const SurfaceLayout& surface, const std::vector<double>& breakpoints, double wingHalfSpan,
                const Lattice& grid, Layout& layout) {
  for (std::size_t i = 1; i < breakpoints.size(); ++i) {
    const Trapezoid* trapezoid = surface.Holding(breakpoints[i - 1], breakpoints[i]);
    if (trapezoid) {
      AddStrips(surface, *trapezoid, breakpoints[i - 1], breakpoints[i], StripsIn(breakpoints[i], wingHalfSpan, grid),
                layout);
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
  std::vector<SurfaceLayout> surfaces = {{*wing, grid.WingChord, 0, Surface::Wing}};
  if (withTail) {
    const double tailRoot = wingRoot + Scaled(model.Rh, scale) + Scaled(model.Lih, scale);
    const auto tail = TrapezoidsOf(ScaledPlanform(calc::TailPlanform(model), scale), tailRoot);
    if (!tail) return std::nullopt;
    surfaces.push_back({*tail, grid.TailChord, Scaled(options.TailHeight, scale), Surface::Tail});
  }

  Layout layout;
  layout.Scale = scale;
  layout.WingArea = surfaces[0].Area();
  // A tailplane without area is left out below, as one without span.
  for (const SurfaceLayout& surface : surfaces) {
    if (!surface.Representable() && (surface.Owner == Surface::Wing || surface.Area() != 0)) return std::nullopt;
  }
  layout.CrossCore = kBoundCoreFraction * layout.WingArea / (2 * surfaces[0].HalfSpan());
  const std::vector<double> breakpoints = BreakpointsOf(surfaces);
  const std::uint64_t count = CountOf(surfaces, breakpoints, grid);
  if (count > kMaxHorseshoes) throw std::bad_alloc();
  layout.Horseshoes.reserve(count);
  AddSurface(surfaces[0], breakpoints, surfaces[0].HalfSpan(), grid, layout);
  layout.WingCount = layout.Horseshoes.size();
  if (layout.WingCount == 0) return std::nullopt;
  if (withTail) AddSurface(surfaces[1], breakpoints, surfaces[0].HalfSpan(), grid, layout);
  return layout;
}

}  // namespace aero

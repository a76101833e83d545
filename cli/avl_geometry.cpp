#include "avl_geometry.h"

#include <cmath>

#include "aero/vortex_lattice.h"
#include "calc/number_text.h"
#include "calc/surface.h"
#include "written_file.h"

namespace cli {
namespace {

// AVL's spacing parameter for cosine spacing, which the program's own
// lattice uses in both directions.
constexpr std::string_view kCosineSpacing = "1.0";

// Panels of one half surface, chordwise and spanwise. A horseshoe lattice
// of AVL's spacing has converged at these to about 0.1 % of the mean chord
// (docs/command-line.md shows how it moves with them; AVL itself could not
// be run to check); the program's own lattice is a choice of its own and no
// measure for AVL.
struct PanelCounts {
  int chordwise;
  int spanwise;
};
constexpr PanelCounts kWingPanels{16, 48};
constexpr PanelCounts kTailPanels{8, 24};

// A number longer than this before its point is no model's length, and
// would only make AVL read nonsense.
constexpr int kMostIntegerDigits = 10;
constexpr double kNumberLimit = [] {
  double limit = 1;
  for (int i = 0; i < kMostIntegerDigits; ++i) limit *= 10;
  return limit;
}();

// Four decimals are far below a builder's tolerance; more would only show
// the binary fractions of the rule's results.
std::string Number(long double value) {
  const double rounded = static_cast<double>(std::round(value * 1e4L) / 1e4L);
  if (!std::isfinite(rounded)) throw AvlRefusal("a number is beyond the range");
  if (!(std::fabs(rounded) < kNumberLimit)) {
    const int digits = static_cast<int>(std::floor(std::log10(std::fabs(rounded)))) + 1;
    throw AvlRefusal("a number of " + std::to_string(digits) + " digits is too long for AVL (at most " +
                     std::to_string(kMostIntegerDigits) + " before the point)");
  }
  return calc::PlainDecimal(rounded + 0.0);  // + 0.0: no "-0"
}

std::string Line(std::initializer_list<std::string> numbers) {
  std::string line;
  for (const std::string& number : numbers) line += (line.empty() ? "" : " ") + number;
  return line + "\n";
}

struct Surface {
  std::string_view name;
  calc::TPlanform planform;
  long double rootTrailingEdge;  // mm behind the wing root's leading edge
  double height;                 // mm above the wing's plane
  PanelCounts panels;
};

std::string Section(const calc::ChordSection& corner, double chord, const Surface& surface) {
  return "SECTION\n" + Line({Number(surface.rootTrailingEdge - corner.LeadingEdge), Number(corner.Across),
                             Number(surface.height), Number(chord), "0"});
}

std::string SurfaceBlock(const Surface& surface) {
  const calc::TPlanform& planform = surface.planform;
  const calc::PanelCorners corners = calc::CornersOf(planform);
  std::string block = "#\nSURFACE\n" + std::string(surface.name) + "\n#Nchordwise Cspace Nspanwise Sspace\n" +
                      Line({std::to_string(surface.panels.chordwise), std::string(kCosineSpacing),
                            std::to_string(surface.panels.spanwise), std::string(kCosineSpacing)}) +
                      "YDUPLICATE\n0.0\n#Xle Yle Zle Chord Ainc\n";
  // Two sections at the same place across would bound a strip without span.
  if (corners.Kink.Across != 0) block += Section(corners.Root, planform.RootChord, surface);
  block += Section(corners.Kink, planform.KinkChord, surface);
  if (planform.OuterSpan != 0) block += Section(corners.Tip, planform.TipChord, surface);
  return block;
}

}  // namespace

std::string AvlGeometry(const AvlModel& avl, std::string_view title) {
  const calc::TModelData& model = avl.model;
  // A planform the lattice refuses gives AVL nothing to solve either.
  aero::VlmOptions layout;
  layout.TailHeight = avl.tailHeight;
  if (!aero::SolveVortexLattice(model, layout)) throw AvlRefusal("the vortex lattice cannot solve this planform");
  std::string text = std::string(title) + "\n";
  text +=
      "# Written by cgcalc-cli. Lengths in mm: x behind the wing root's leading edge,\n"
      "# y to the right, z up.\n#Mach\n0.0\n#IYsym IZsym Zsym\n0 0 0.0\n";
  text += "#Sref Cref Bref: the wing's area (mm^2) and mean chord, the span\n" +
          Line({Number(avl.results.Wing.Area), Number(avl.results.Wing.Mac), Number(model.B)});
  text += "#Xref Yref Zref: cgcalc's neutral point of the aircraft\n" +
          Line({Number(avl.results.TotalNeutralPoint), "0", "0"});
  text += SurfaceBlock({"Wing", calc::WingPlanform(model), model.Li, 0.0, kWingPanels});
  if (model.Bh != 0) {
    const long double tailRootTrailingEdge = static_cast<long double>(model.Li) + model.Rh + model.Lih;
    text += SurfaceBlock({"Tailplane", calc::TailPlanform(model), tailRootTrailingEdge, avl.tailHeight, kTailPanels});
  }
  return text;
}

void WriteAvlGeometry(const std::string& path, const AvlModel& avl, std::string_view title) {
  std::string text;
  try {
    text = AvlGeometry(avl, title);
  } catch (const AvlRefusal& refusal) {
    throw ExportFailure("AVL file", path, refusal.what());
  }
  ReplaceWrittenFile("AVL file", path, text);
}

}  // namespace cli

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

// Four decimals are far below a builder's tolerance; more would only show
// the binary fractions of the rule's results.
std::string Number(long double value) {
  const double rounded = static_cast<double>(std::round(value * 1e4L) / 1e4L);
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
  int chordwisePanels;
  int spanwisePanels;  // on one half
};

std::string Section(const calc::ChordSection& corner, double chord, long double rootTrailingEdge) {
  return "SECTION\n" + Line({Number(rootTrailingEdge - corner.LeadingEdge), Number(corner.Across), "0",
                             Number(chord), "0"});
}

std::string SurfaceBlock(const Surface& surface) {
  const calc::TPlanform& planform = surface.planform;
  const calc::PanelCorners corners = calc::CornersOf(planform);
  std::string block = "#\nSURFACE\n" + std::string(surface.name) + "\n#Nchordwise Cspace Nspanwise Sspace\n" +
                      Line({std::to_string(surface.chordwisePanels), std::string(kCosineSpacing),
                            std::to_string(surface.spanwisePanels), std::string(kCosineSpacing)}) +
                      "YDUPLICATE\n0.0\n#Xle Yle Zle Chord Ainc\n";
  // Two sections at the same place across would bound a strip without span.
  if (corners.Kink.Across != 0) block += Section(corners.Root, planform.RootChord, surface.rootTrailingEdge);
  block += Section(corners.Kink, planform.KinkChord, surface.rootTrailingEdge);
  if (planform.OuterSpan != 0) block += Section(corners.Tip, planform.TipChord, surface.rootTrailingEdge);
  return block;
}

}  // namespace

std::string AvlGeometry(const calc::TModelData& model, const calc::TStabilityData& results, std::string_view title) {
  std::string text = std::string(title) + "\n";
  text +=
      "# Written by cgcalc-cli. Lengths in mm: x behind the wing root's leading edge,\n"
      "# y to the right, z up.\n#Mach\n0.0\n#IYsym IZsym Zsym\n0 0 0.0\n";
  text += "#Sref Cref Bref: the wing's area (mm^2) and mean chord, the span\n" +
          Line({Number(results.Wing.Area), Number(results.Wing.Mac), Number(model.B)});
  text += "#Xref Yref Zref: cgcalc's neutral point of the aircraft\n" +
          Line({Number(results.TotalNeutralPoint), "0", "0"});
  const aero::Lattice lattice = aero::DefaultLattice();
  text += SurfaceBlock({"Wing", calc::WingPlanform(model), model.Li, lattice.WingChord, lattice.WingSpan});
  if (model.Bh != 0) {
    const long double tailRootTrailingEdge = static_cast<long double>(model.Li) + model.Rh + model.Lih;
    text += SurfaceBlock(
        {"Tailplane", calc::TailPlanform(model), tailRootTrailingEdge, lattice.TailChord, lattice.TailSpan});
  }
  return text;
}

void WriteAvlGeometry(const std::string& path, const calc::TModelData& model, const calc::TStabilityData& results,
                      std::string_view title) {
  ReplaceWrittenFile("AVL file", path, AvlGeometry(model, results, title));
}

}  // namespace cli

#include "diagram_export.h"

#include "aero/comparison.h"
#include "aero/vortex_lattice.h"

#include "diagram/canvas.h"
#include "diagram/planform.h"
#include "diagram/png_image.h"

namespace cli {

void WriteDiagramImage(const std::string& path, const calc::TModelData& model, const calc::TStabilityData& results,
                       const aero::VlmOptions& lattice) {
  constexpr std::string_view kWhat = "diagram";
  diagram::Canvas canvas(diagram::kDiagramWidth, diagram::kDiagramHeight);
  // A canard's range is the lattice's, as in the window.
  std::optional<aero::CgRange> latticeRange;
  if (aero::IsTailAhead(model, results)) {
    if (const std::optional<aero::VlmResult> vlm = aero::SolveVortexLattice(model, lattice)) {
      latticeRange = aero::Compare(model, results, *vlm).LatticeRange;
    }
  }
  const aero::CgRange marks = aero::RecommendedRange(model, results, latticeRange);
  diagram::DrawPlanform(canvas, model, marks.Rear, marks.Forward);
  std::string png;
  try {
    png = diagram::EncodePng(canvas);
  } catch (const diagram::PngEncodingError& error) {
    throw ExportFailure(kWhat, path, error.what());
  }
  ReplaceWrittenFile(kWhat, path, png);
}

}  // namespace cli

#include "diagram_export.h"

#include "diagram/canvas.h"
#include "diagram/planform.h"
#include "diagram/png_image.h"

namespace cli {

void WriteDiagramImage(const std::string& path, const calc::TModelData& model, const calc::TStabilityData& results) {
  constexpr std::string_view kWhat = "diagram";
  diagram::Canvas canvas(diagram::kDiagramWidth, diagram::kDiagramHeight);
  diagram::DrawPlanform(canvas, model, results.CgSmallMargin, results.CgLargeMargin);
  std::string png;
  try {
    png = diagram::EncodePng(canvas);
  } catch (const diagram::PngEncodingError& error) {
    throw ExportFailure(kWhat, path, error.what());
  }
  ReplaceWrittenFile(kWhat, path, png);
}

}  // namespace cli

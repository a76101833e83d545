#include "diagram_export.h"

#include "diagram/canvas.h"
#include "diagram/planform.h"
#include "diagram/png_image.h"
#include "files/atomic_file.h"
#include "files/file_error.h"

namespace cli {

void WriteDiagramImage(const std::string& path, const calc::TModelData& model, const calc::TStabilityData& results) {
  diagram::Canvas canvas(diagram::kDiagramWidth, diagram::kDiagramHeight);
  diagram::DrawPlanform(canvas, model, results.CgSmallMargin, results.CgLargeMargin);
  const std::string failure = "cannot write the diagram to " + path + ": ";
  std::string png;
  try {
    png = diagram::EncodePng(canvas);
  } catch (const diagram::PngEncodingError& error) {
    throw DiagramExportError(failure + error.what());
  }
  // The same all-or-nothing replacement as a saved model: a failed export
  // leaves an earlier image in place.
  try {
    files::ReplaceFileContents(path, png);
  } catch (const files::FileError& error) {
    throw DiagramExportError(failure + error.what());
  }
}

}  // namespace cli

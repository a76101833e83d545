#include "diagram_export.h"

#ifdef CGCALC_DIAGRAM_EXPORT
#include <QImage>
#include <QString>

#include "diagram/canvas.h"
#include "diagram/planform.h"
#endif

namespace cli {

#ifdef CGCALC_DIAGRAM_EXPORT
void WriteDiagramImage(const std::string& path, const calc::TModelData& model, const calc::TStabilityData& results) {
  diagram::Canvas canvas(diagram::kDiagramWidth, diagram::kDiagramHeight);
  diagram::DrawPlanform(canvas, model, results.CgSmallMargin, results.CgLargeMargin);
  const QImage image(reinterpret_cast<const uchar*>(canvas.Data()), canvas.Width(), canvas.Height(),
                     canvas.Width() * 4, QImage::Format_RGB32);
  if (!image.save(QString::fromStdString(path), "PNG")) {
    throw DiagramExportError("cannot write the diagram to " + path);
  }
}
#else
void WriteDiagramImage(const std::string& path, const calc::TModelData&, const calc::TStabilityData&) {
  throw DiagramExportError("this build cannot write images (" + path + ")");
}
#endif

}  // namespace cli

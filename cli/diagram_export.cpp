#include "diagram_export.h"

#include <sys/stat.h>
#include <unistd.h>

#include "diagram/canvas.h"
#include "diagram/planform.h"
#include "diagram/png_image.h"
#include "files/atomic_file.h"
#include "files/file_error.h"
#include "messages.h"
#include "options.h"

namespace cli {

void WriteDiagramImage(const std::string& path, const calc::TModelData& model, const calc::TStabilityData& results) {
  diagram::Canvas canvas(diagram::kDiagramWidth, diagram::kDiagramHeight);
  diagram::DrawPlanform(canvas, model, results.CgSmallMargin, results.CgLargeMargin);
  const std::string failure = "cannot write the diagram to " + DisplayName(path) + ": ";
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

std::optional<std::string> InputReplacedBy(const std::string& imagePath, std::span<const std::string> inputs) {
  struct stat image {};
  if (imagePath.empty() || ::stat(imagePath.c_str(), &image) != 0) return std::nullopt;
  for (const std::string& input : inputs) {
    struct stat model {};
    const int found = input == kStandardInput ? ::fstat(STDIN_FILENO, &model) : ::stat(input.c_str(), &model);
    if (found == 0 && model.st_dev == image.st_dev && model.st_ino == image.st_ino) return input;
  }
  return std::nullopt;
}

}  // namespace cli

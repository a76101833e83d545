#pragma once

#include <string>

#include "aero/vortex_lattice.h"
#include "calc/model.h"
#include "calc/stability.h"
#include "written_file.h"

namespace cli {

// Draws the planform diagram of a computed model on a new 272 x 192 surface,
// with the same code as the window (a canard's marks at the vortex
// lattice's range, aero::RecommendedRange, solved as `lattice` says), and writes it as a PNG file (8-bit RGB,
// the canvas's pixels exactly), replaced all or nothing as ReplaceWrittenFile
// does. Throws calc::ArithmeticFailure where the drawing fails (a zero
// scale), and ExportError when the image cannot be encoded or the file
// cannot be written; its what() is "cannot write the diagram to PATH: " and
// the reason.
void WriteDiagramImage(const std::string& path, const calc::TModelData& model, const calc::TStabilityData& results,
                       const aero::VlmOptions& lattice = {});

}  // namespace cli

#pragma once

#include <string>

#include "calc/model.h"

namespace files {

// The bytes of a model file: the fifteen fields in file order, each as
// calc::FormatFixed(value, 4, 0) followed by carriage return and line feed,
// nothing after the last line. Fractions are rounded half away from zero to
// whole millimetres (12.5 -> "  13", -0.4 -> "  -0"); longer numbers take
// the room they need ("12345"). The default model gives 90 bytes.
std::string ModelFileText(const calc::TModelData& model);

// Saves the model to `path` with ReplaceFileContents: the file is replaced
// atomically where that loses nothing of what the old file had, and
// rewritten in place otherwise. No temporary file remains after a failure.
// Throws FileError.
void WriteModelFile(const std::string& path, const calc::TModelData& model);

}  // namespace files

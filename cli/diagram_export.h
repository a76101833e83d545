#pragma once

#include <optional>
#include <span>
#include <stdexcept>
#include <string>

#include "calc/model.h"
#include "calc/stability.h"

namespace cli {

// The image could not be written; what() names the file.
class DiagramExportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Draws the planform diagram of a computed model on a new 272 x 192 surface,
// with the same code as the window, and writes it as a PNG file (8-bit RGB,
// the canvas's pixels exactly). The file is replaced all or nothing, as a
// saved model is: when writing fails, a file already at `path` keeps its old
// contents. Throws calc::ArithmeticFailure where the drawing fails (a zero
// scale), and DiagramExportError when the image cannot be encoded or the file
// cannot be written; its what() is "cannot write the diagram to PATH: " (PATH
// as DisplayName in messages.h shows it) and
// the reason (a file error text such as "File access denied").
void WriteDiagramImage(const std::string& path, const calc::TModelData& model, const calc::TStabilityData& results);

}  // namespace cli

namespace cli {

// The model file among `inputs` ("-": standard input) that the image at
// `imagePath` would replace: the same file by device and inode, so that a
// link or another spelling of the path counts too. Nothing when the image
// replaces none of them (or is not there yet).
std::optional<std::string> InputReplacedBy(const std::string& imagePath, std::span<const std::string> inputs);

}  // namespace cli

#include "model_input.h"

#include <unistd.h>


#include "calc/model.h"
#include "files/file_error.h"
#include "messages.h"
#include "options.h"

namespace cli {
namespace {

// What is doubtful about a file that does not look like a model file.
std::string Doubt(const files::ModelFileLook& look) {
  if (look.line > calc::kModelFieldCount) return "data after line " + std::to_string(calc::kModelFieldCount);
  const std::string line = "line " + std::to_string(look.line);
  if (look.readsAs) {
    return line + " \"" + files::ShownLineText(look.text) + "\" reads as " + files::ShownValueText(*look.readsAs);
  }
  return line + " is not a number";
}

}  // namespace

files::ModelFileReading LoadModel(const std::string& path) {
  return path == kStandardInput ? files::ReadModelStreamWithLook(STDIN_FILENO) : files::ReadModelFileWithLook(path);
}

calc::TModelData LoadAndWarn(const std::string& path, Output& err) {
  const files::ModelFileReading reading = LoadModel(path);
  if (!reading.look.looksLikeModel) {
    err << "cgcalc-cli: " << DisplayName(path) << ": warning: " << Doubt(reading.look) << "\n";
  }
  return reading.model;
}

std::string FailureMessage(std::string_view path, const std::exception& failure) {
  if (const auto* refused = dynamic_cast<const files::ModelFileRefused*>(&failure)) {
    // What the file is comes with its name ("NAME is a folder, ..."); its
    // size is a failure like any other, after "NAME: ".
    if (refused->Reason() == files::Refusal::TooLarge) return "too large for a model file";
    return refused->MessageFor(DisplayName(path));
  }
  return failure.what();
}

}  // namespace cli

#include "model_input.h"

#include <unistd.h>

#include <ostream>

#include "files/file_error.h"
#include "messages.h"
#include "options.h"

namespace cli {

files::ModelFileReading LoadModel(const std::string& path) {
  return path == kStandardInput ? files::ReadModelStreamWithLook(STDIN_FILENO) : files::ReadModelFileWithLook(path);
}

calc::TModelData LoadAndWarn(const std::string& path, std::ostream& err) {
  const files::ModelFileReading reading = LoadModel(path);
  if (!reading.look.looksLikeModel) {
    err << "cgcalc-cli: " << DisplayName(path) << ": warning: line " << reading.look.line << " is not a number\n";
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

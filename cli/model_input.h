#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "calc/model.h"
#include "files/model_reader.h"
#include "output.h"

namespace cli {

// Reads the model file at `path`, or standard input for "-", and tells
// whether it looks like a model file. Throws files::FileError (a refused
// file as files::ModelFileRefused) or calc::ArithmeticFailure.
files::ModelFileReading LoadModel(const std::string& path);

// LoadModel, with the warning "cgcalc-cli: NAME: warning: line N is not a
// number" on `err` when the file does not look like a model file.
calc::TModelData LoadAndWarn(const std::string& path, Output& err);

// The message of a failure while loading `path`: a file refused for what it
// is names it ("NAME is a folder, not a model file"); one too large does not
// ("too large for a model file"), and is reported as "NAME: message".
std::string FailureMessage(std::string_view path, const std::exception& failure);

}  // namespace cli

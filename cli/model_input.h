#pragma once

#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "calc/fields.h"
#include "calc/margins.h"
#include "calc/model.h"
#include "files/model_document.h"
#include "files/model_reader.h"
#include "options.h"
#include "output.h"

namespace cli {

// Reads the model file at `path`, or standard input for "-", and tells
// whether it looks like a model file. Throws files::FileError (a refused
// file as files::ModelFileRefused) or calc::ArithmeticFailure.
files::ModelFileReading LoadModel(const std::string& path);

// A model as Load leaves the window: the fields' texts and the record the
// closing recalculation starts from; for a document also the rest of it.
struct LoadedInput {
  calc::FieldTexts texts;   // a .dat file's values as whole millimetres, a document's as typed
  calc::TModelData record;  // the values read
  std::optional<files::ModelDocument> document;
};

// Reads the model file at `path` (standard input for "-") of either format,
// with the warning "cgcalc-cli: NAME: warning: line N is not a number" on
// `err` when a .dat file does not look like one. Throws files::FileError (a
// refused document as files::DocumentRefused) or calc::ArithmeticFailure.
LoadedInput LoadInput(const std::string& path, Output& err);

// What a model is computed, printed and saved with: the options' margins,
// balance inputs, tail height and units where given, else the document's.
struct ModelSettings {
  std::optional<calc::TMargins> margins;
  calc::TBalanceInput balance;  // mm and g
  double tailHeight = 0;        // mm
  calc::TUnits units;           // Options::ReportUnits
  bool WithBalance() const { return balance.Cg || balance.Supports; }
};

// The balance inputs of the command line replace the document's: a measured
// centre of gravity or supports replace both of its, a mass or a ballast
// station its own. A plain --csv, whose columns the command line decides
// before any file is read, uses no document's. The options' lengths and
// masses are read in the settings' units.
ModelSettings SettingsFor(const Options& options, const LoadedInput& input);

// Why the balance asked for cannot be checked: a mass or ballast station
// given with no centre of gravity, neither on the command line nor in the
// document; empty when it can.
std::string BalanceGap(const Options& options, const ModelSettings& settings);

// The document --save-as writes: the loaded document, or a new one for a
// .dat file's values, with the settings' margins, balance, tail height and
// units.
files::ModelDocument DocumentToSave(const LoadedInput& input, const ModelSettings& settings);

// The message of a failure while loading `path`: a file refused for what it
// is names it ("NAME is a folder, not a model file"); one too large does not
// ("too large for a model file"), and is reported as "NAME: message".
std::string FailureMessage(std::string_view path, const std::exception& failure);

}  // namespace cli

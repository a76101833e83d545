#include "model_input.h"

#include <unistd.h>


#include "calc/model.h"
#include "files/file_error.h"
#include "messages.h"

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

// The balance inputs as typed in `units`, in millimetres and grams.
calc::TBalanceInput StoredBalance(const calc::TBalanceInput& typed, calc::TUnits units) {
  const auto length = [&](double value) { return calc::Millimetres(value, units.Length); };
  const auto mass = [&](double value) { return calc::Grams(value, units.Mass); };
  calc::TBalanceInput stored;
  if (typed.Cg) stored.Cg = length(*typed.Cg);
  if (typed.Supports) {
    const calc::TSupports& s = *typed.Supports;
    stored.Supports = calc::TSupports{length(s.Xa), mass(s.Ma), length(s.Xb), mass(s.Mb)};
  }
  if (typed.Mass) stored.Mass = mass(*typed.Mass);
  if (typed.BallastStation) stored.BallastStation = length(*typed.BallastStation);
  return stored;
}

}  // namespace

files::ModelFileReading LoadModel(const std::string& path) {
  return path == kStandardInput ? files::ReadModelStreamWithLook(STDIN_FILENO) : files::ReadModelFileWithLook(path);
}

LoadedInput LoadInput(const std::string& path, Output& err) {
  const files::LoadedModel loaded =
      path == kStandardInput ? files::LoadModelStream(STDIN_FILENO) : files::LoadModelFile(path);
  if (loaded.format == files::ModelFormat::Document) {
    return {loaded.document.Dimensions, files::DimensionValues(loaded.document), loaded.document};
  }
  if (!loaded.dat.look.looksLikeModel) {
    err << "cgcalc-cli: " << DisplayName(path) << ": warning: " << Doubt(loaded.dat.look) << "\n";
  }
  return {calc::FieldTextsOf(loaded.dat.model), loaded.dat.model, std::nullopt};
}

ModelSettings SettingsFor(const Options& options, const LoadedInput& input) {
  ModelSettings settings;
  const bool fixedColumns = options.format == ReportFormat::Csv && options.sweeps.empty();
  if (input.document) {
    settings.margins = input.document->Margins;
    if (!fixedColumns) settings.balance = input.document->Balance;
    settings.tailHeight = input.document->TailHeight;
  }
  settings.units = options.ReportUnits(input.document ? &input.document->Units : nullptr);
  if (options.margins) settings.margins = options.margins;
  const calc::TBalanceInput given = StoredBalance(options.balance, settings.units);
  if (given.Cg || given.Supports) {
    settings.balance.Cg = given.Cg;
    settings.balance.Supports = given.Supports;
  }
  if (given.Mass) settings.balance.Mass = given.Mass;
  if (given.BallastStation) settings.balance.BallastStation = given.BallastStation;
  if (options.tailHeight) settings.tailHeight = calc::Millimetres(*options.tailHeight, settings.units.Length);
  return settings;
}

std::string BalanceGap(const Options& options, const ModelSettings& settings) {
  if (settings.WithBalance() || !(options.balance.Mass || options.balance.BallastStation)) return "";
  return "--mass and --ballast-at need --cg or --supports, or a centre of gravity in the document";
}

files::ModelDocument DocumentToSave(const LoadedInput& input, const ModelSettings& settings) {
  files::ModelDocument document = input.document ? *input.document : files::DocumentOfDat(input.record);
  document.Margins = settings.margins;
  document.Balance = settings.balance;
  document.TailHeight = settings.tailHeight;
  document.Units = settings.units;
  return document;
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

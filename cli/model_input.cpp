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

ModelSettings SettingsFor(const Options& options, const LoadedInput& input, bool fixedColumns) {
  ModelSettings settings;
  if (input.document) {
    settings.margins = input.document->Margins;
    if (!fixedColumns) settings.balance = input.document->Balance;
    settings.tailHeight = input.document->TailHeight;
  }
  if (options.margins) settings.margins = options.margins;
  const calc::TBalanceInput& given = options.balance;
  if (given.Cg || given.Supports) {
    settings.balance.Cg = given.Cg;
    settings.balance.Supports = given.Supports;
  }
  if (given.Mass) settings.balance.Mass = given.Mass;
  if (given.BallastStation) settings.balance.BallastStation = given.BallastStation;
  if (options.tailHeight) settings.tailHeight = *options.tailHeight;
  return settings;
}

files::ModelDocument DocumentToSave(const LoadedInput& input, const ModelSettings& settings) {
  files::ModelDocument document = input.document ? *input.document : files::DocumentOfDat(input.record);
  document.Margins = settings.margins;
  document.Balance = settings.balance;
  document.TailHeight = settings.tailHeight;
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

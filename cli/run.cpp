#include "run.h"

#include <unistd.h>

#include <ostream>

#include "calc/failure.h"
#include "diagram_export.h"
#include "evaluation.h"
#include "files/file_error.h"
#include "files/model_reader.h"
#include "options.h"
#include "report.h"

namespace cli {
namespace {

constexpr std::string_view kStandardInput = "-";

int UsageError(const std::string& message, std::ostream& err) {
  err << "cgcalc-cli: " << message << "\nTry 'cgcalc-cli --help' for more information.\n";
  return kExitUsage;
}

// Loads, evaluates and formats completely before anything is printed, so a
// failure at any step leaves standard output empty.
int Report(const Options& options, std::ostream& out, std::ostream& err) {
  std::string report;
  try {
    const Evaluation evaluation = EvaluateLoadedModel(LoadModel(options.modelPath));
    report = FormatReport(evaluation, options);
    if (!options.diagramPath.empty()) WriteDiagramImage(options.diagramPath, evaluation.model, evaluation.results);
  } catch (const files::FileError& error) {
    err << error.what() << ".\n";
    return kExitFailure;
  } catch (const calc::ArithmeticFailure& failure) {
    err << failure.what() << ".\n";
    return kExitFailure;
  } catch (const DiagramExportError& error) {
    err << error.what() << ".\n";
    return kExitFailure;
  }
  out << report;
  out.flush();
  if (!out) {
    err << "cgcalc-cli: cannot write the report to standard output\n";
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace

calc::TModelData LoadModel(const std::string& path) {
  return path == kStandardInput ? files::ReadModelStream(STDIN_FILENO) : files::ReadModelFile(path);
}

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(arguments);
  if (!parsed.error.empty()) return UsageError(parsed.error, err);
  if (parsed.options.showHelp) {
    out << UsageText();
    return kExitSuccess;
  }
  if (parsed.options.showVersion) {
    out << VersionText();
    return kExitSuccess;
  }
  return Report(parsed.options, out, err);
}

}  // namespace cli

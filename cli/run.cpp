#include "run.h"

#include <unistd.h>

#include <ostream>

#include "files/file_error.h"
#include "files/model_reader.h"
#include "options.h"
#include "output.h"
#include "runs.h"

namespace cli {
namespace {

constexpr std::string_view kStandardInput = "-";

// Help and version are output like any other: a full disk is reported.
int PrintText(const std::string& text, std::ostream& out, std::ostream& err) {
  out << text;
  out.flush();
  return out ? kExitSuccess : WriteError(out, err);
}

}  // namespace

int UsageError(const std::string& message, std::ostream& err) {
  err << "cgcalc-cli: " << message << "\nTry 'cgcalc-cli --help' for more information.\n";
  return kExitUsage;
}

int WriteError(const std::ostream& out, std::ostream& err) {
  err << "cgcalc-cli: write error: " << WriteFailureReason(out) << "\n";
  return kExitFailure;
}

std::string_view DisplayName(std::string_view path) { return path == kStandardInput ? "standard input" : path; }

void ReportFailure(std::string_view path, std::string_view message, std::ostream& err) {
  // A refused file's message names the file itself.
  if (message.starts_with(DisplayName(path)) && message.size() > DisplayName(path).size() &&
      message[DisplayName(path).size()] == ' ') {
    err << "cgcalc-cli: " << message << ".\n";
    return;
  }
  err << "cgcalc-cli: " << DisplayName(path) << ": " << message << ".\n";
}

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
    return refused->MessageFor(DisplayName(path));
  }
  return failure.what();
}

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  const ParsedArguments parsed = ParseArguments(arguments);
  if (!parsed.error.empty()) return UsageError(parsed.error, err);
  if (parsed.options.showHelp) return PrintText(UsageText(), out, err);
  if (parsed.options.showVersion) return PrintText(VersionText(), out, err);
  if (!parsed.options.sweeps.empty()) return RunSweep(parsed.options, out, err);
  return RunFiles(parsed.options, out, err);
}

}  // namespace cli

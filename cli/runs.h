#pragma once

#include <exception>
#include <iosfwd>
#include <string>
#include <string_view>

#include "calc/model.h"
#include "options.h"

namespace cli {

// The two kinds of run behind RunCli. Both write each model's (or point's)
// output as soon as it is ready, report failures on `err` as
// "cgcalc-cli: FILE: message." and return the exit status; a write error on
// `out` ends the run at once.

// Evaluates every model file of the options (the command line's, then
// --files-from's), each on its own; a failing file never stops the run.
int RunFiles(const Options& options, std::ostream& out, std::ostream& err);

// Evaluates the one model file with the --sweep fields varied. A point that
// fails is a row with its error; only the model file itself can fail the run.
int RunSweep(const Options& options, std::ostream& out, std::ostream& err);

// Prints "cgcalc-cli: " and `message` (with the hint to --help) and returns
// the usage exit status.
int UsageError(const std::string& message, std::ostream& err);

// Reports that `out` cannot be written and returns the failure status.
int WriteError(const std::ostream& out, std::ostream& err);

// How a model path is named in messages and headings: "standard input" for "-".
std::string_view DisplayName(std::string_view path);

// "cgcalc-cli: NAME: message." on `err`; a message that begins with the
// name already ("NAME is a folder, not a model file") is not named twice.
void ReportFailure(std::string_view path, std::string_view message, std::ostream& err);

// LoadModel, with the warning "cgcalc-cli: NAME: warning: line N is not a
// number" on `err` when the file does not look like a model file.
calc::TModelData LoadAndWarn(const std::string& path, std::ostream& err);

// The message of a failure while loading `path`: a refused file's names it.
std::string FailureMessage(std::string_view path, const std::exception& failure);

}  // namespace cli
